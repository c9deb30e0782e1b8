#include "ui/wizard/WizardPages.h"

#include "app/Language.h"

namespace lumora {

void AddWizardPages(CWizardDialogBase& wizard, WizardPages& pages, int nasIndex, bool admin,
                    const std::u16string& nasAddress) {
    wizard.AddPage(pages.password, Tr(u"Password"), 133, nasIndex,
                   Tr(u"* You may change the password here."));
    if (admin) {
        wizard.AddPage(pages.device, Tr(u"WorkGroup"), 134, nasIndex,
                       Tr(u"* You may assign name/description for the storage here."));
    }
    (void)nasAddress;
}

}  // namespace lumora
