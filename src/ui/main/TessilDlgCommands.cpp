// The main window's hand-overs to other programs (web centres, shares), Help, Settings
// and the inactivity logout.

#include "app/Language.h"
#include "app/Settings.h"
#include "platform/Dialogs.h"
#include "platform/ShareNames.h"
#include "platform/Text.h"
#include "protocol/query/Credentials.h"
#include "ui/main/DoctorDialog.h"
#include "ui/main/Launcher.h"
#include "ui/main/MainWindowState.h"
#include "ui/main/SettingsDialog.h"
#include "ui/main/TessilDlg.h"

namespace lumora {

void CTessilDlg::OpenWebCentre(int buttonId) {
    WebCentre centre = WebCentre::File;
    switch (buttonId) {
        case kManagementCenter: centre = WebCentre::Management; break;
        case kDownloadCenter: centre = WebCentre::Download; break;
        case kBackupCenter: centre = WebCentre::Backup; break;
        case kSurveillanceCenter: centre = WebCentre::Surveillance; break;
        default: break;
    }
    SelectShortcut(buttonId);
    CurrentLauncher().Open(WebCentreAddress(AnsiToWide(nasAddress_), centre,
                                            AnsiToWide(CredentialText(g_userName)),
                                            AnsiToWide(CredentialText(g_password))));
}

void CTessilDlg::OpenShare(std::size_t index) {
    const std::vector<ShareEntry> shares = g_shareList.Get();
    if (index >= shares.size()) return;
    // A share name the file manager could misread (a slash, a quote, a line break) is not opened.
    const std::u16string address = ShareAddress(AnsiToWide(nasAddress_), shares[index].shareName);
    if (!address.empty()) CurrentLauncher().Open(WideToUtf8(address));
}

void CTessilDlg::ShowHelp() {
    const std::u16string about = Tr(u"The desktop tool for the KL-440 network storage appliance.");
    MessageBox(versionTitle_ + u"\n" + about, Tr(u"Help"), MessageButtons::OkCancel, MessageIcon::Information,
               Handle());
}

void CTessilDlg::RunSettings() {
    CSettingsDialog dialog(this);
    const int answer = Dialogs().RunModal("CSettingsDialog", [&dialog] {
        dialog.OnInitDialog();
        return dialog.ShowModal();
    });
    if (answer == IDOK) WriteLoginOutTime(g_logoutPeriod);
    if (loggedIn_) {
        inactivityTimer_.Stop();
        if (g_logoutPeriod != 0) inactivityTimer_.StartOnce(static_cast<int>(g_logoutPeriod));
    }
}

void CTessilDlg::ExplainEmptyList() {
    CDoctorDialog dialog(this);
    Dialogs().RunModal("CDoctorDialog", [&dialog] {
        dialog.OnInitDialog();
        return dialog.ShowModal();
    });
}

void CTessilDlg::StartInactivityTimer() {
    if (g_logoutPeriod == 0) return;
    loggedIn_ = true;
    inactivityTimer_.StartOnce(static_cast<int>(g_logoutPeriod));
}

void CTessilDlg::StopInactivityTimer() {
    inactivityTimer_.Stop();
    loggedIn_ = false;
}

void CTessilDlg::OnInactivityTimeout(wxTimerEvent&) {
    Logout();
    MessageBox(Tr(u"Time out, please login again."), {}, MessageButtons::Ok, MessageIcon::None, Handle());
    if (g_hOpenModal != kNoWindow) SendMessage(g_hOpenModal, WM_CLOSE);
    Logout();
}

}  // namespace lumora
