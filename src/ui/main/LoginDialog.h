#pragma once
// The login dialog: user name, password and "Remember Me" for the chosen appliance.
// It talks to nobody: the main window fills it, runs it and reads it back.

#include <string>

#include <wx/textctrl.h>

#include "ui/skin/GdipButton.h"
#include "ui/skin/GdipDialog.h"

namespace lumora {

class CLoginDialog : public CGdipDialog {
public:
    enum Id {
        kUserEdit = 1018,
        kPasswordEdit = 1019,
        kRemember = 1020,
        kOk = 1021,
        kCancel = 1022,
        kLogo = 1023,
        kUserCaption = 1024,
        kPasswordCaption = 1025,
        kMessageLine = 1026,
    };
    static constexpr int kWidth = 606;
    static constexpr int kHeight = 400;

    explicit CLoginDialog(wxWindow* parent);

    // Proposes credentials: a remembered user name ticks "Remember Me" and fills the
    // password; without one the user field proposes "admin" and the password stays empty.
    void SetCredentials(const std::u16string& user, const std::u16string& password);
    // Builds the controls from the members; call after SetCredentials, before showing.
    void OnInitDialog();

    // In: the proposal; out (after IDOK): the entries.
    std::u16string userName;
    std::u16string password;
    bool remember = false;

    wxTextCtrl& UserEdit() const { return *userEdit_; }
    wxTextCtrl& PasswordEdit() const { return *passwordEdit_; }
    CGdipButton& RememberBox() const { return *rememberBox_; }

private:
    void OnOk(wxCommandEvent& event);
    void OnCancel(wxCommandEvent& event);

    wxTextCtrl* userEdit_ = nullptr;
    wxTextCtrl* passwordEdit_ = nullptr;
    CGdipButton* rememberBox_ = nullptr;
};

}  // namespace lumora
