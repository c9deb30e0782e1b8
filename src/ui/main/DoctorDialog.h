#pragma once
// "Why?": the small window that tells why a search found no appliance. It runs
// the same diagnosis as `lumora-cli doctor` on a worker and shows its conclusion.

#include "ui/skin/GdipDialog.h"
#include "ui/skin/TransStatic.h"

namespace lumora {

// Posted to the dialog with the finished report (lParam: DoctorReport*, owned by the message).
inline constexpr unsigned WM_DOCTOR_REPORT = 2040;

class CDoctorDialog : public CGdipDialog {
public:
    enum Id { kHeading = 1300, kReport = 1301, kClose = 1302 };
    static constexpr int kWidth = 606;
    static constexpr int kHeight = 400;

    explicit CDoctorDialog(wxWindow* parent);

    // Builds the controls and starts the diagnosis.
    void OnInitDialog();
    // The text shown: "Looking for the reason..." until the report arrives, then its findings.
    std::u16string ReportText() const { return reportText_; }

    LRESULT OnMessage(unsigned message, WPARAM wParam, LPARAM lParam) override;

private:
    CTransStatic* report_ = nullptr;
    std::u16string reportText_;
};

}  // namespace lumora
