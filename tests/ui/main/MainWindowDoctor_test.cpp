// A search that finds nothing offers "Why?", whose window tells the reason.

#include "MainWindowFixture.h"

#include "ui/main/DoctorDialog.h"

namespace lumora::test {
namespace {

TEST_F(MainWindowTest, AnEmptyListOffersWhyAndTheDiagnosisSaysNothingAnswered) {
    dialogs.RunReal("CDoctorDialog");
    window.reset(new CTessilDlg);
    window->OnInitDialog();
    window->Show();
    wxWindow* why = window->FindWindow(CTessilDlg::kWhyNoAppliance);
    ASSERT_NE(why, nullptr);
    ASSERT_TRUE(PumpUntil([&] { return why->IsShown(); }, std::chrono::seconds(20)));
    EXPECT_EQ(window->ApplianceList().GetCount(), 0u);

    std::u16string report;
    WhenOpen<CDoctorDialog>([&](CDoctorDialog& dialog) {
        EXPECT_EQ(dialog.ReportText(), u"Looking for the reason...");
        PumpUntil([&] { return dialog.ReportText() != u"Looking for the reason..."; },
                  std::chrono::seconds(20));
        report = dialog.ReportText();
        SaveScreenshot(dialog, "why-no-appliance");
        dialog.EndModal(IDOK);
    });
    Press(CTessilDlg::kWhyNoAppliance);
    EXPECT_NE(report.find(u"No datagram came back on UDP 13579"), std::u16string::npos) << WideToUtf8(report);

    StartAppliances();
    Press(CTessilDlg::kRefresh);
    ASSERT_TRUE(PumpUntil([&] { return window->ApplianceList().GetCount() == 3; }, std::chrono::seconds(20)));
    EXPECT_FALSE(why->IsShown());
}

}  // namespace
}  // namespace lumora::test
