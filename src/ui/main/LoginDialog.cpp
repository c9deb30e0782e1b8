#include "ui/main/LoginDialog.h"

#include "app/Language.h"
#include "platform/Dialogs.h"
#include "protocol/query/Credentials.h"
#include "ui/main/WindowPlacement.h"
#include "ui/skin/ImageIds.h"
#include "ui/skin/SkinEdit.h"
#include "ui/skin/TransStatic.h"
#include "ui/skin/WxText.h"

namespace lumora {
namespace {

constexpr int kFieldLimit = 16;  // the wire's and the login fields' limit

CTransStatic* Caption(wxWindow* parent, int id, const wxRect& rect, int height) {
    auto* caption = new CTransStatic(parent, id, wxString(), rect.GetPosition(), rect.GetSize());
    caption->SetFontHeight(height);
    caption->SetTextFormat(kTextSingleLine | kTextLeft | kTextVCenter);
    return caption;
}

CGdipButton* PushButton(wxWindow* parent, int id, const wxRect& rect, std::u16string_view text) {
    auto* button =
        new CGdipButton(parent, id, ToWx(Tr(text)), ButtonKind::Push, rect.GetPosition(), rect.GetSize());
    button->LoadImages(IDB_BUTTON_GREY, IDB_BUTTON_BLUE, IDB_BUTTON_BLUE);
    button->SetToolTip(Tr(text));
    return button;
}

}  // namespace

CLoginDialog::CLoginDialog(wxWindow* parent)
    : CGdipDialog(parent, wxID_ANY, "Lumora", wxSize(kWidth, kHeight)) {}

void CLoginDialog::SetCredentials(const std::u16string& user, const std::u16string& pass) {
    userName = user;
    password = pass;
    if (!userName.empty())
        remember = true;
    else
        userName = u"admin";
}

void CLoginDialog::OnInitDialog() {
    SetWindowShape(RoundedRectOutline(kWidth, kHeight, 12));
    SetBackground(IDB_PANEL_SMALL);
    // Created in the order Tab visits them.
    (new CGdipIconStatic(this, kLogo, wxPoint(270, 36), wxSize(70, 44)))->SetImage(IDB_LOGIN_KEY);
    Caption(this, kUserCaption, wxRect(212, 94, 184, 17), 18)->SetText(Tr(u"User Name"));
    userEdit_ = CreateSkinEdit(this, kUserEdit, wxRect(208, 117, 188, 28), {0, false, 18, 100});
    Caption(this, kPasswordCaption, wxRect(212, 166, 184, 17), 18)->SetText(Tr(u"Password"));
    passwordEdit_ = CreateSkinEdit(this, kPasswordEdit, wxRect(208, 190, 188, 29), {0, true, 18, 100});
    rememberBox_ = new CGdipButton(this, kRemember, ToWx(Tr(u"Remember Me")), ButtonKind::CheckBox,
                                   wxPoint(208, 247), wxSize(200, 21));
    rememberBox_->LoadImages(IDB_CHECKBOX_OFF, IDB_CHECKBOX_OFF, IDB_CHECKBOX_ON);
    rememberBox_->SetToolTip(Tr(u"Remember Me"));
    Caption(this, kMessageLine, wxRect(136, 270, 332, 30), 13);
    CGdipButton* ok = PushButton(this, kOk, wxRect(184, 320, 110, 34), u"OK");
    PushButton(this, kCancel, wxRect(312, 320, 110, 34), u"Cancel");

    userEdit_->ChangeValue(ToWx(userName));
    rememberBox_->SetCheck(remember ? 1 : 0);
    if (remember) passwordEdit_->ChangeValue(ToWx(password));
    // The limit binds typing only. A remembered value longer than the field is shown whole
    // (the toolkit would cut it under a limit) and OK refuses it rather than sending a part.
    for (wxTextCtrl* edit : {userEdit_, passwordEdit_})
        if (edit->GetValue().length() <= kFieldLimit) edit->SetMaxLength(kFieldLimit);

    SetDefaultItem(ok);
    SetEscapeId(kCancel);
    UseCompositorMove(*this);
    Bind(wxEVT_BUTTON, &CLoginDialog::OnOk, this, kOk);
    Bind(wxEVT_BUTTON, &CLoginDialog::OnCancel, this, kCancel);
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { EndModal(IDCANCEL); });
    CentreFixed(*this, wxSize(kWidth, kHeight), GetParent());
    userEdit_->SetFocus();
}

void CLoginDialog::OnOk(wxCommandEvent&) {
    const std::u16string user = FromWx(userEdit_->GetValue());
    const std::u16string pass = FromWx(passwordEdit_->GetValue());
    if (user.empty()) {
        password = pass;
        MessageBox(Tr(u"User name couldn't be empty."));
        return;
    }
    for (const std::u16string& text : {user, pass}) {
        const std::u16string problem = CredentialProblem(text);
        if (!problem.empty()) {
            MessageBox(problem);
            return;
        }
    }
    userName = user;
    password = pass;
    remember = rememberBox_->GetCheck() != 0;
    EndModal(IDOK);
}

void CLoginDialog::OnCancel(wxCommandEvent&) { EndModal(IDCANCEL); }

}  // namespace lumora
