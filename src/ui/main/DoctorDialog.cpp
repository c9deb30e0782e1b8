#include "ui/main/DoctorDialog.h"

#include <memory>
#include <thread>

#include "app/Language.h"
#include "platform/Dialogs.h"
#include "platform/Text.h"
#include "protocol/diagnosis/Doctor.h"
#include "ui/main/WindowPlacement.h"
#include "ui/skin/GdipButton.h"
#include "ui/skin/ImageIds.h"
#include "ui/skin/WxText.h"

namespace lumora {

CDoctorDialog::CDoctorDialog(wxWindow* parent)
    : CGdipDialog(parent, wxID_ANY, "Lumora", wxSize(kWidth, kHeight)) {}

void CDoctorDialog::OnInitDialog() {
    SetWindowShape(RoundedRectOutline(kWidth, kHeight, 14));
    SetBackground(IDB_PANEL_SMALL);
    auto* heading = new CTransStatic(this, kHeading, wxString(), wxPoint(30, 24), wxSize(546, 32));
    heading->SetFontHeight(20);
    heading->SetTextFormat(kTextSingleLine | kTextCenter | kTextVCenter);
    heading->SetText(Tr(u"Why is no appliance found?"));
    report_ = new CTransStatic(this, kReport, wxString(), wxPoint(30, 72), wxSize(546, 256));
    report_->SetFontHeight(13);
    // Findings quote names and commands as they are: no "&" is a prefix here.
    report_->SetTextFormat(kTextLeft | kTextWordBreak | kTextNoPrefix);
    reportText_ = Tr(u"Looking for the reason...");
    report_->SetText(reportText_);
    auto* close =
        new CGdipButton(this, kClose, ToWx(Tr(u"OK")), ButtonKind::Push, wxPoint(248, 346), wxSize(110, 34));
    close->LoadImages(IDB_BUTTON_GREY, IDB_BUTTON_BLUE, IDB_BUTTON_BLUE);
    SetDefaultItem(close);
    SetEscapeId(kClose);
    UseCompositorMove(*this);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { EndModal(IDOK); }, kClose);
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { EndModal(IDCANCEL); });
    CentreFixed(*this, wxSize(kWidth, kHeight), GetParent());

    // The diagnosis listens for a whole discovery round; the window stays live meanwhile.
    // Runs on its own worker thread, not the UI thread; a closed window drops the report.
    const HWND target = Handle();
    std::thread([target] {
        auto report = std::make_unique<diagnosis::DoctorReport>(diagnosis::Diagnose());
        diagnosis::DoctorReport* raw = report.release();
        PostMessage(target, WM_DOCTOR_REPORT, 0, reinterpret_cast<LPARAM>(raw), [raw] { delete raw; });
    }).detach();
}

LRESULT CDoctorDialog::OnMessage(unsigned message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_DOCTOR_REPORT) return CGdipDialog::OnMessage(message, wParam, lParam);
    std::unique_ptr<diagnosis::DoctorReport> report(reinterpret_cast<diagnosis::DoctorReport*>(lParam));
    std::string text;
    for (const std::string& finding : report->findings) text += (text.empty() ? "" : "\n\n") + finding;
    reportText_ = Utf8ToWide(text);
    report_->SetText(reportText_);
    return 0;
}

}  // namespace lumora
