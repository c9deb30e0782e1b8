#include "ui/main/SettingsDialog.h"

#include "app/Language.h"
#include "app/Settings.h"
#include "platform/Dialogs.h"
#include "ui/main/WindowPlacement.h"
#include "ui/main/MainWindowState.h"
#include "ui/skin/ImageIds.h"
#include "ui/skin/TransStatic.h"
#include "ui/skin/UnderLineButton.h"
#include "ui/skin/WxText.h"

namespace lumora {

CSettingsDialog::CSettingsDialog(wxWindow* parent)
    : CGdipDialog(parent, wxID_ANY, "Lumora", wxSize(kWidth, kHeight)) {}

CSettingsDialog::~CSettingsDialog() {
    if (g_hOpenModal == Handle()) g_hOpenModal = kNoWindow;
}

void CSettingsDialog::OnInitDialog() {
    g_hOpenModal = Handle();
    SetWindowShape(RoundedRectOutline(kWidth, kHeight, 14));
    SetBackground(IDB_PANEL_LARGE);

    (new CGdipIconStatic(this, kLogo, wxPoint(50, 40), wxSize(100, 100)))->SetImage(IDB_SETTINGS_GEARS);
    auto* heading = new CTransStatic(this, kHeading, wxString(), wxPoint(180, 62), wxSize(420, 48));
    heading->SetFontHeight(36);
    heading->SetTextFormat(kTextSingleLine | kTextLeft | kTextVCenter);
    heading->SetText(Tr(u"Settings"));
    auto* close =
        new CGdipButton(this, kClose, wxString(), ButtonKind::Push, wxPoint(734, 14), wxSize(25, 25));
    close->LoadImages(IDB_CLOSE_BLACK, IDB_CLOSE_BLUE, IDB_CLOSE_DIM);
    close->SetToolTip(Tr(u"Close"));

    // The "Logout Time" page is the only page: its selector is marked as the current one.
    auto* page = new CUnderLineButton(this, kLogoutTimePage, ToWx(Tr(u"Logout Time")), wxPoint(30, 170),
                                      wxSize(220, 32));
    page->SetHover(true);
    auto* description = new CTransStatic(this, kDescription, wxString(), wxPoint(290, 170), wxSize(430, 54));
    description->SetFontHeight(13);
    description->SetText(
        Tr(u"* Choose a value for the Lumora Inactivity Timer. If the user is idle for longer "
           u"than the specified time, he will be logged out of the Lumora."));

    auto* place = new CTransStatic(this, kPasswordPlace, wxString(), wxPoint(30, 448), wxSize(420, 22));
    place->SetFontHeight(12);
    place->SetTextFormat(kTextSingleLine | kTextLeft | kTextVCenter | kTextNoPrefix);
    place->SetText(PasswordPlaceText());

    int y = 238;
    for (PeriodChoice& choice : choices_) {
        choice.button = new CGdipButton(this, choice.id, ToWx(Tr(choice.text)), ButtonKind::Radio,
                                        wxPoint(310, y), wxSize(260, 22));
        choice.button->LoadImages(IDB_RADIO_OFF, IDB_RADIO_OFF, IDB_RADIO_ON);
        choice.button->SetGroupStart(choice.id == kMinutes5);
        y += 36;
    }
    auto* ok =
        new CGdipButton(this, kOk, ToWx(Tr(u"OK")), ButtonKind::Push, wxPoint(470, 440), wxSize(110, 34));
    auto* cancel = new CGdipButton(this, kCancel, ToWx(Tr(u"Cancel")), ButtonKind::Push, wxPoint(600, 440),
                                   wxSize(110, 34));
    for (CGdipButton* button : {ok, cancel})
        button->LoadImages(IDB_BUTTON_GREY, IDB_BUTTON_BLUE, IDB_BUTTON_BLUE);
    ok->SetGroupStart(true);  // ends the radio group
    ok->SetToolTip(Tr(u"OK"));
    cancel->SetToolTip(Tr(u"Cancel"));

    // Any period this dialog does not offer shows as "Never Logout", as 0 does.
    int current = kNever;
    for (const PeriodChoice& choice : choices_)
        if (choice.period == g_logoutPeriod && choice.period != 0) current = choice.id;
    Choice(current).SetCheck(1);

    SetDefaultItem(ok);
    SetEscapeId(kCancel);
    UseCompositorMove(*this);
    Bind(wxEVT_BUTTON, &CSettingsDialog::OnOk, this, kOk);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { EndModal(IDCANCEL); }, kCancel);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { EndModal(IDCANCEL); }, kClose);
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { EndModal(IDCANCEL); });
    CentreFixed(*this, wxSize(kWidth, kHeight), GetParent());
    Choice(current).SetFocus();
}

CGdipButton& CSettingsDialog::Choice(int id) const {
    for (const PeriodChoice& choice : choices_)
        if (choice.id == id) return *choice.button;
    return *choices_.back().button;
}

LRESULT CSettingsDialog::OnMessage(unsigned message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        if (IsModal()) EndModal(IDCANCEL);
        return 0;
    }
    return CGdipDialog::OnMessage(message, wParam, lParam);
}

void CSettingsDialog::OnOk(wxCommandEvent&) {
    for (const PeriodChoice& choice : choices_)
        if (choice.button->GetCheck() != 0) g_logoutPeriod = choice.period;
    EndModal(IDOK);
}

}  // namespace lumora
