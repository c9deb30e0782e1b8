#include "ui/wizard/UserNamePage.h"

#include "app/Language.h"
#include "platform/Dialogs.h"
#include "protocol/cgi/CgiCommands.h"
#include "protocol/query/Credentials.h"
#include "ui/skin/SkinEdit.h"
#include "ui/skin/WxText.h"
#include "ui/wizard/WizardSkin.h"

namespace lumora {

namespace {

// The page's error boxes: no owner, caption "Error", OK and Cancel (either keeps the page).
void ShowEntryError(std::u16string text) {
    MessageBox(std::move(text), Tr(u"Error"), MessageButtons::OkCancel, MessageIcon::None);
}

}  // namespace

bool IsAcceptablePassword(std::u16string_view password) {
    if (password.size() < 8 || password.size() > 16) return false;
    for (char16_t c : password) {
        const bool alnum = (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
        if (!alnum) return false;
    }
    return true;
}

void CUserNamePage::SetupSkin() {
    const SkinEditStyle style{16, true, 18, 100, false};
    const struct {
        const char16_t* caption;
        int top;
        wxTextCtrl** edit;
        int id;
    } rows[] = {
        {u"Old Password", 45, &oldEdit, kOldEdit},
        {u"Password", 93, &newEdit, kNewEdit},
        {u"Confirm Password", 141, &confirmEdit, kConfirmEdit},
    };
    for (const auto& row : rows) {
        MakeFieldLabel(window_, wxID_ANY, Edges(65, row.top + 7, 179, row.top + 22), row.caption, 15);
        *row.edit = CreateSkinEdit(window_, row.id, Edges(188, row.top, 376, row.top + 28), style);
    }
}

int CUserNamePage::Apply() {
    const std::u16string oldPassword = FromWx(oldEdit->GetValue());
    const std::u16string newPassword = FromWx(newEdit->GetValue());
    const std::u16string confirmation = FromWx(confirmEdit->GetValue());
    if (newPassword != confirmation) {
        ShowEntryError(Tr(u"The password and confirmation password characters do not match."));
        return 0;
    }
    if (!IsAcceptablePassword(newPassword)) {
        ShowEntryError(
            Tr(u"The password has to be at least 8 characters and maximum 16 number with numerical or "
               u"alphabetical contents only."));
        return 0;
    }
    // The old password goes out in the 8-bit code page: one it cannot hold would be sent altered.
    if (const std::u16string problem = CredentialProblem(oldPassword); !problem.empty()) {
        ShowEntryError(problem);
        return 0;
    }
    if (nasIndex == -1) return 0;
    lastStart = ChangePassword(notifyWnd, nasIndex, oldPassword, newPassword);
    if (lastStart == 0) {
        MessageBox(Tr(u"SetNASPW failed."));
        return 0;
    }
    return 1;
}

}  // namespace lumora
