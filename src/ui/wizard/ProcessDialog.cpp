#include "ui/wizard/ProcessDialog.h"

#include "app/Language.h"
#include "platform/Dialogs.h"
#include "platform/Format.h"
#include "platform/Text.h"
#include "ui/skin/ImageIds.h"
#include "ui/skin/SkinText.h"
#include "ui/skin/WxText.h"
#include "ui/wizard/WizardSkin.h"

namespace lumora {

CProcessDialog::CProcessDialog(wxWindow* parent, const VolumeSpec& volumeChain, int nasIndex)
    : CGdipDialog(parent, wxID_ANY, "Lumora", wxSize(774, 506)),
      sequence_(nasIndex, volumeChain, [this](const FormatSequence::Event& e) { OnEvent(e); }) {
    LayoutControls();
}

CProcessDialog::~CProcessDialog() = default;

void CProcessDialog::LayoutControls() {
    SetWindowShape(RoundedRectOutline(773, 504, 17));
    SetBackground(IDB_PANEL_LARGE);
    close_ = MakeSkinButton(this, kClose, Edges(723, 12, 748, 37), u"", u"Close", IDB_CLOSE_BLACK,
                            IDB_CLOSE_BLUE, IDB_CLOSE_DIM);
    close_->SetDrawText(false);
    ok_ = MakePushButton(this, kOk, Edges(272, 435, 382, 469), u"OK", u"OK");
    cancel_ = MakePushButton(this, kCancel, Edges(392, 435, 502, 469), u"Cancel", u"Cancel");
    title_ =
        new CTransStatic(this, kTitle, ToWx(Tr(u"Format Hard Drives")), wxPoint(0, 166), wxSize(774, 23));
    title_->SetFontHeight(18);
    title_->SetTextFormat(kTextSingleLine | kTextBottom | kTextCenter);
    progress_ = new CGdipProcessCtrl(this, kProgress, wxPoint(203, 216), wxSize(357, 16));
    progress_->SetImages(IDB_PROGRESS_TRACK, IDB_PROGRESS_LEFT, IDB_PROGRESS_MIDDLE, IDB_PROGRESS_RIGHT);
    progress_->SetRange(0, 100);
    progress_->SetPos(0);
    percentText_ = new CTransStatic(this, kPercent, wxString(), wxPoint(574, 214), wxSize(37, 15));
    percentText_->SetFontHeight(13);
    percentText_->SetTextFormat(kTextSingleLine);
    message_ = new CTransStatic(
        this, kMessage,
        ToWx(Tr(u"Please be patient while KL-440 creates your volume(s). Do not turn off the "
                u"NAS at this stage.")),
        wxPoint(202, 249), wxSize(358, 51));
    message_->SetFontHeight(13);
    logo_ = new CGdipIconStatic(this, kLogo, wxPoint(357, 105), wxSize(55, 55));
    logo_->SetImage(IDB_CHECK_MARK);
    logo_->Hide();
    EnableButtons(false);
    SetDefaultItem(ok_);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { Close(IDOK); }, kOk);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { Close(IDCANCEL); }, kCancel);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { Close(IDCANCEL); }, kClose);
    // Escape leaves the dialog even while the steps run.
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { Close(IDCANCEL); }, wxID_CANCEL);
    SetEscapeId(wxID_CANCEL);
    CentreOnParent();
}

void CProcessDialog::EnableButtons(bool enable) {
    ok_->Enable(enable);
    cancel_->Enable(enable);
    close_->Enable(enable);
}

void CProcessDialog::StartSequence() { sequence_.Start(); }

int CProcessDialog::DoModal() {
    endCode_ = IDCANCEL;
    StartSequence();
    return ShowModal();
}

void CProcessDialog::Close(int code) { EndSkinDialog(*this, code, endCode_); }

void CProcessDialog::OnEvent(const FormatSequence::Event& event) {
    switch (event.kind) {
        case FormatSequence::Event::Progress:
            percent_ = event.percent;
            progress_->SetPos(percent_);
            percentText_->SetText(FormatText(u"%d%%", {static_cast<long long>(percent_)}));
            break;
        case FormatSequence::Event::Step:
            // A format error still goes on with the remount, which may end the sequence well.
            if (event.text == "format error.") MessageBox(Tr(u"format error."));
            break;
        case FormatSequence::Event::Failed:
            // The last step refusing says nothing more; every other failure names its step.
            if (event.text != "finish refused") MessageBox(Tr(AnsiToWide(event.text)));
            EnableButtons(true);
            break;
        case FormatSequence::Event::Done:
            completed_ = true;
            title_->SetText(Tr(u"Complete"));
            message_->SetText(
                Tr(u"Congratulations!! The Formation process is complete.Please enter the OK button to "
                   u"finish the Wizard. Thanks."));
            logo_->Show();
            percentText_->Hide();
            progress_->Hide();
            EnableButtons(true);
            break;
    }
}

}  // namespace lumora
