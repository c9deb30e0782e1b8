#pragma once
// The main window: the appliances found on the LAN, the login to one of them, its
// information panel and the column of shortcuts, the web centres, settings, help,
// and the inactivity logout.

#include <array>
#include <map>
#include <memory>
#include <string>

#include <wx/timer.h>

#include "protocol/cgi/CgiReplyRecords.h"
#include "protocol/query/Query.h"
#include "ui/main/ActivityFilter.h"
#include "ui/main/NASInfoDialog.h"
#include "ui/main/WebAddress.h"
#include "ui/skin/GdipButton.h"
#include "ui/skin/GdipComboBox.h"
#include "ui/skin/GdipDialog.h"
#include "ui/skin/ShortCutButton.h"
#include "ui/skin/TransStatic.h"

namespace lumora {

class CTessilDlg : public CGdipDialog {
public:
    enum Id {
        kWizard = 1000,
        kFolder = 1001,
        kPlayCenter = 1002,
        kManagementCenter = 1003,
        kDownloadCenter = 1004,
        kBackupCenter = 1005,
        kNetwork = 1006,
        kDriveMapping = 1007,
        kSurveillanceCenter = 1008,
        kConnect = 1009,
        kRefresh = 1010,
        kLogout = 1011,
        kSettings = 1012,
        kHelp = 1013,
        kApplianceList = 1014,
        kSelectNas = 1015,
        kAutoSorting = 1016,
        kHeading = 1017,
        kFileCenter = 1079,
        kMinimize = 1080,
        kClose = 1082,
        kWelcome = 1151,
        kLogo = 1152,
        kWhyNoAppliance = 1160,  // beside an empty list: opens the diagnosis
    };
    enum ButtonState { ButtonsOff, ButtonsListed, ButtonsAdmin, ButtonsUser };
    static constexpr int kWidth = 1024;
    static constexpr int kHeight = 680;
    static constexpr int kInactivityTimer = 1;

    explicit CTessilDlg(wxWindow* parent = nullptr);
    // Frees the appliance list and the share list and stops noticing activity.
    ~CTessilDlg() override;

    // Builds the window, reads the logout period and starts the first search; called once,
    // by whoever opens the window (not wx's InitDialog, which runs again on every Show).
    void OnInitDialog();

    LRESULT OnMessage(unsigned message, WPARAM wParam, LPARAM lParam) override;

    // The commands (also reached through the buttons).
    void Connect();
    void RefreshList();
    void Logout();
    void ShowFolders();
    void RunWizard();
    void OpenWebCentre(int buttonId);
    void ShowHelp();
    void RunSettings();
    void ExplainEmptyList();

    // For the tests and the tour: what the window shows and holds.
    CNASInfoDialog& InfoPanel() const { return *infoPanel_; }
    CGdipComboBox& ApplianceList() const { return *applianceList_; }
    CTransStatic& WelcomeLine() const { return *welcome_; }
    RequestHandle LastRequest() const { return lastRequest_; }
    bool LoggedIn() const { return loggedIn_; }
    bool NoticesActivity() const { return activity_.IsInstalled(); }
    const std::u16string& VersionTitle() const { return versionTitle_; }
    const std::string& NasAddress() const { return nasAddress_; }
    int NasIndex() const { return nasIndex_; }
    wxTimer& InactivityTimer() { return inactivityTimer_; }

private:
    void CreateControls();
    void CreateShortcuts();
    void SetButtonState(ButtonState state);
    void EnableControl(int id, bool enable);
    void SelectShortcut(int buttonId);
    void ShowVolumes();
    void RequestVolumes();
    void RequestUserAccess();
    void OnCommand(wxCommandEvent& event);

    // Reply dispatch.
    void OnQueryResult(LPARAM token);
    void OnApplianceList();
    void OnLoginAccepted();
    void OnVolumes(RequestHandle request);
    void OnUserAccess(const std::u16string& authorityText);
    void OnShareList();
    bool IsSameSubnet();
    void ShowWelcome();
    void OfferWizardOnce();
    void OpenShare(std::size_t index);

    // Inactivity logout.
    void StartInactivityTimer();
    void StopInactivityTimer();
    void OnInactivityTimeout(wxTimerEvent& event);

    CNASInfoDialog* infoPanel_ = nullptr;  // child windows, destroyed by wx
    CGdipComboBox* applianceList_ = nullptr;
    CTransStatic* welcome_ = nullptr;
    std::map<int, CShortCutButton*> shortcuts_;

    int nasIndex_ = -1;
    std::u16string loginUser_;
    std::u16string loginPassword_;
    std::string nasAddress_;
    RequestHandle lastRequest_ = 0;
    // Volume records lent to running volume requests, by request: a worker writes into
    // its record until the reply arrives, so it is freed only then.
    bool loggedIn_ = false;
    bool volumesAfterWizard_ = true;
    std::u16string versionTitle_;
    wxTimer inactivityTimer_;
    ActivityFilter activity_;
};

}  // namespace lumora
