#pragma once
// The format progress dialog: creates the volumes and follows the formatting through
// the disk manager's steps, with a progress bar and a completion text.

#include <memory>

#include "protocol/cgi/CgiRecords.h"
#include "protocol/cgi/FormatSequence.h"
#include "ui/skin/GdipButton.h"
#include "ui/skin/GdipDialog.h"
#include "ui/skin/GdipProcessCtrl.h"
#include "ui/skin/TransStatic.h"

namespace lumora {

class CProcessDialog : public CGdipDialog {
public:
    enum Id {
        kClose = 1121,
        kProgress = 1122,
        kOk = 1123,
        kCancel = 1124,
        kTitle = 1125,
        kPercent = 1126,
        kMessage = 1127,
        kLogo = 1153
    };

    // `volumeChain` (owned by the caller) must outlive the dialog.
    CProcessDialog(wxWindow* parent, const VolumeSpec& volumeChain, int nasIndex);
    ~CProcessDialog() override;

    // Starts the sequence and runs the dialog modally; IDOK or IDCANCEL.
    int DoModal();
    // Starts the sequence (DoModal does it; tests driving the dialog modeless call it).
    void StartSequence();
    int EndCode() const { return endCode_; }

    int Percent() const { return percent_; }
    bool Completed() const { return completed_; }
    // True once the sequence ended or failed: the buttons work again.
    bool ButtonsEnabled() const { return ok_->IsEnabled(); }
    wxString Title() const { return title_->GetText(); }
    // Ends the dialog as its buttons do.
    void Close(int code);

private:
    void LayoutControls();
    void OnEvent(const FormatSequence::Event& event);
    void EnableButtons(bool enable);

    int percent_ = 0;
    int endCode_ = 0;
    bool completed_ = false;
    FormatSequence sequence_;
    CGdipButton* close_ = nullptr;
    CGdipButton* ok_ = nullptr;
    CGdipButton* cancel_ = nullptr;
    CTransStatic* title_ = nullptr;
    CTransStatic* percentText_ = nullptr;
    CTransStatic* message_ = nullptr;
    CGdipProcessCtrl* progress_ = nullptr;
    CGdipIconStatic* logo_ = nullptr;
};

}  // namespace lumora
