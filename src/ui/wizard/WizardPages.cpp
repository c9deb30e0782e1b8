#include "ui/wizard/WizardPages.h"

#include "app/Language.h"

namespace lumora {

void AddWizardPages(CWizardDialogBase& wizard, WizardPages& pages, int nasIndex, bool admin,
                    const std::u16string& nasAddress) {
    wizard.AddPage(pages.password, Tr(u"Password"), kPasswordPageId, nasIndex,
                   Tr(u"* You may change the password here."));
    if (admin) {
        wizard.AddPage(pages.device, Tr(u"WorkGroup"), kDevicePageId, nasIndex,
                       Tr(u"* You may assign name/description for the storage here."));
        wizard.AddPage(pages.timeZone, Tr(u"TimeZone"), kTimeZonePageId, nasIndex,
                       Tr(u"* Select your time zone from the list."));
        wizard.AddPage(pages.network, Tr(u"Network"), kNetworkPageId, nasIndex,
                       Tr(u"* Enter your Network information here."));
        wizard.AddPage(pages.raid, Tr(u"RAID"), kRaidPageId, nasIndex, {});
    }
    wizard.AddPage(pages.driveMapping, Tr(u"DriveMapping"), kDriveMappingPageId, nasIndex, {});
    pages.driveMapping.nasAddress = nasAddress;
}

}  // namespace lumora
