#pragma once
// The wizard's six pages and how they are added for the logged-in user's role.

#include <string>

#include "ui/wizard/DriveMappingPage.h"
#include "ui/wizard/NetworkPage.h"
#include "ui/wizard/RaidPage.h"
#include "ui/wizard/TimeZonePage.h"
#include "ui/wizard/UserGroupPage.h"
#include "ui/wizard/UserNamePage.h"
#include "ui/wizard/WizardDialog.h"

namespace lumora {

// The template ids that also name the pages.
enum WizardPageId {
    kPasswordPageId = 133,
    kDevicePageId = 134,
    kTimeZonePageId = 135,
    kNetworkPageId = 136,
    kRaidPageId = 137,
    kDriveMappingPageId = 138
};

struct WizardPages {
    CUserNamePage password;
    CUserGroupPage device;
    CTimeZonePage timeZone;
    CNetworkPage network;
    CRaidPage raid;
    CDriveMappingPage driveMapping;
};

// Adds the administrator's six pages, or the password and drive-mapping pages for any
// other user, for the appliance at `nasIndex` (whose address the drive mapping uses).
void AddWizardPages(CWizardDialogBase& wizard, WizardPages& pages, int nasIndex, bool admin,
                    const std::u16string& nasAddress);

}  // namespace lumora
