#include "ui/wizard/WizardDialog.h"

#include <wx/dc.h>

#include "app/Language.h"
#include "platform/Dialogs.h"
#include "ui/main/MainWindowState.h"
#include "ui/skin/ImageIds.h"
#include "ui/skin/SkinText.h"
#include "ui/skin/WxText.h"
#include "ui/wizard/WizardSkin.h"

namespace lumora {

namespace {

constexpr int kWidth = 774, kHeight = 506;
// What each tab shows, and the page title each one stands for.
constexpr std::array<const char16_t*, 6> kTabCaptions = {u"Password", u"Device Info", u"TimeZone",
                                                         u"Network",  u"Raid",        u"DriveMapping"};
constexpr std::array<const char16_t*, 6> kStepTitles = {u"Password", u"WorkGroup", u"TimeZone",
                                                        u"Network",  u"RAID",      u"DriveMapping"};

CTransStatic* MakeHeading(wxWindow* parent, int id, const wxRect& rect, int height) {
    auto* text = new CTransStatic(parent, id, wxString(), rect.GetPosition(), rect.GetSize());
    text->SetFontHeight(height);
    text->SetTextFormat(kTextSingleLine | kTextBottom);
    return text;
}

}  // namespace

CWizardDialog::CWizardDialog(wxWindow* parent, HWND owner)
    : CWizardDialogBase(parent, owner, wxSize(kWidth, kHeight)) {
    LayoutControls();
    SetWindowShape(RoundedRectOutline(kWidth - 1, kHeight - 2, 17));
    SetBackground(IDB_PANEL_LARGE);
    CentreOnParent();
}

void CWizardDialog::LayoutControls() {
    LayoutTabs();
    title_ = MakeHeading(this, kTitleId, Edges(148, 57, 260, 86), 34);
    title_->SetText(Tr(u"Wizard"));
    pageTitle_ = MakeHeading(this, kPageTitleId, Edges(261, 60, 460, 83), 18);
    description_ = MakeHeading(this, kDescriptionId, Edges(171, 160, 675, 175), 13);
    auto* logo = new CGdipIconStatic(this, kLogoId, wxPoint(26, 19), wxSize(100, 100));
    logo->SetImage(IDB_WIZARD_WAND);
    close_ = MakeSkinButton(this, kCloseId, Edges(724, 13, 749, 38), u"", u"Close", IDB_CLOSE_BLACK,
                            IDB_CLOSE_BLUE, IDB_CLOSE_DIM);
    close_->SetDrawText(false);
    skip_ = MakePushButton(this, kSkipId, Edges(152, 435, 262, 469), u"Skip", u"Skip");
    previous_ = MakePushButton(this, kPreviousId, Edges(272, 435, 382, 469), u"Previous", u"Previous");
    finish_ = MakePushButton(this, kFinishId, Edges(392, 435, 502, 469), u"Finish", u"Finish");
    next_ = MakePushButton(this, kNextId, Edges(392, 435, 502, 469), u"Next", u"Next");
    exit_ = MakePushButton(this, kExitId, Edges(512, 435, 622, 469), u"Exit", u"Exit");
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { Skip(); }, kSkipId);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { Previous(); }, kPreviousId);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { Finish(); }, kFinishId);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { Next(); }, kNextId);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { Exit(); }, kExitId);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { Exit(); }, kCloseId);
    // Escape ends the wizard as Cancel, as any dialog does.
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { EndWizard(IDCANCEL); }, wxID_CANCEL);
    SetEscapeId(wxID_CANCEL);
}

void CWizardDialog::LayoutTabs() {
    for (int step = 0; step < 6; ++step) {
        auto* tab = new CProcessButton(this, kTabIds[step], ToWx(Tr(kTabCaptions[step])),
                                       wxPoint(171 + 84 * step, 113), wxSize(84, 47));
        tab->SetDrawText(true);
        tab->SetLastStep(step == 5);
        // A user who is not the administrator may only change the password and map drives.
        tab->Enable(g_isAdmin || step == 0 || step == 5);
        const std::u16string name = Tr(kStepTitles[step]);
        Bind(
            wxEVT_BUTTON, [this, name](wxCommandEvent&) { SelectTab(name); }, kTabIds[step]);
        tabs_[step] = tab;
    }
}

bool CWizardDialog::ShowPage(CWizardPage& page) {
    if (!CWizardDialogBase::ShowPage(page)) return false;
    pageTitle_->SetText(page.title);
    description_->SetText(page.description);
    int current = -1;
    for (int step = 0; step < 6; ++step)
        if (Tr(kStepTitles[step]) == page.title) current = step;
    for (int step = 0; step < 6; ++step) {
        StepState state = StepState::Done;
        if (current >= 0 && step == current) state = StepState::Current;
        if (current >= 0 && step > current) state = StepState::ToCome;
        tabs_[step]->SetStepState(state);
        tabs_[step]->Refresh(false);
    }
    return true;
}

CSkinButtonBase* CWizardDialog::Button(int id) const {
    return dynamic_cast<CSkinButtonBase*>(FindWindow(id));
}

void CWizardDialog::ShowNavButton(NavButton button, bool show) {
    CGdipButton* const buttons[] = {skip_, previous_, finish_, next_};
    ShowAndEnable(buttons[button], show);
}

wxRect CWizardDialog::PageArea() const { return Edges(135, 183, 668, 415); }

void CWizardDialog::PaintOver(wxDC& dc) {
    dc.SetPen(wxPen(wxColour(80, 81, 67), 1));
    dc.DrawLine(144, 95, 695, 95);
}

}  // namespace lumora
