#pragma once
// The password page: changes the password of the account the user logged in with.

#include <wx/textctrl.h>

#include "ui/wizard/WizardPage.h"

namespace lumora {

class CUserNamePage : public CWizardPage {
public:
    enum Id { kOldEdit = 1156, kNewEdit = 1060, kConfirmEdit = 1063 };

    void SetupSkin() override;
    // Checks the entries and starts the password change; 1 when it was started.
    int Apply() override;

    wxTextCtrl* oldEdit = nullptr;
    wxTextCtrl* newEdit = nullptr;
    wxTextCtrl* confirmEdit = nullptr;
};

// Whether a new password keeps the appliance's rule: 8 to 16 ASCII letters or digits.
bool IsAcceptablePassword(std::u16string_view password);

}  // namespace lumora
