#pragma once
// The wizard's six pages and how they are added for the logged-in user's role.

#include <string>

#include "ui/wizard/UserGroupPage.h"
#include "ui/wizard/UserNamePage.h"
#include "ui/wizard/WizardDialog.h"

namespace lumora {

struct WizardPages {
    CUserNamePage password;
    CUserGroupPage device;
};

// Adds the administrator's six pages, or the password and drive-mapping pages for any
// other user, for the appliance at `nasIndex` (whose address the drive mapping uses).
void AddWizardPages(CWizardDialogBase& wizard, WizardPages& pages, int nasIndex, bool admin,
                    const std::u16string& nasAddress);

}  // namespace lumora
