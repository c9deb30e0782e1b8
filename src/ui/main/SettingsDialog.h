#pragma once
// The settings dialog: the inactivity logout period. OK sets g_logoutPeriod at once;
// the main window stores it and restarts its timer.

#include <array>

#include "ui/skin/GdipButton.h"
#include "ui/skin/GdipDialog.h"

namespace lumora {

class CSettingsDialog : public CGdipDialog {
public:
    enum Id {
        kLogoutTimePage = 1027,
        kOk = 1029,
        kCancel = 1030,
        kMinutes5 = 1042,
        kMinutes15 = 1043,
        kMinutes30 = 1044,
        kMinutes60 = 1045,
        kLogo = 1046,
        kHeading = 1047,
        kDescription = 1048,
        kNever = 1050,
        kClose = 1090,
        kPasswordPlace = 1091,  // where remembered passwords are kept
    };
    static constexpr int kWidth = 774;
    static constexpr int kHeight = 506;

    explicit CSettingsDialog(wxWindow* parent);
    // No longer the dialog a timeout closes.
    ~CSettingsDialog() override;

    // Builds the controls, checks the current period's choice and becomes g_hOpenModal.
    void OnInitDialog();
    // The radio button of a choice (kMinutes5 ... kNever).
    CGdipButton& Choice(int id) const;

    // WM_CLOSE (a timeout) ends the dialog as Cancel.
    LRESULT OnMessage(unsigned message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnOk(wxCommandEvent& event);

    struct PeriodChoice {
        int id;
        unsigned period;
        const char16_t* text;
        CGdipButton* button;
    };
    std::array<PeriodChoice, 5> choices_{{{kMinutes5, 300000, u" 5 Min", nullptr},
                                          {kMinutes15, 900000, u"15 Min", nullptr},
                                          {kMinutes30, 1800000, u"30 Min", nullptr},
                                          {kMinutes60, 3600000, u"60 Min", nullptr},
                                          {kNever, 0, u"Never Logout", nullptr}}};
};

}  // namespace lumora
