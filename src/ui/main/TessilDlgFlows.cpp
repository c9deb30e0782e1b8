// The main window's login flow and the dispatch of the replies to its requests.

#include <arpa/inet.h>

#include "app/Language.h"
#include "app/Settings.h"
#include "platform/Dialogs.h"
#include "platform/Format.h"
#include "platform/Text.h"
#include "protocol/cgi/CgiCommands.h"
#include "protocol/datagram/AdapterTable.h"
#include "protocol/datagram/DatagramCommands.h"
#include "protocol/datagram/NasList.h"
#include "protocol/query/Credentials.h"
#include "protocol/query/Messages.h"
#include "protocol/query/Msg.h"
#include "ui/main/LoginDialog.h"
#include "ui/main/MainWindowState.h"
#include "ui/main/TessilDlg.h"
#include "ui/skin/WxText.h"
#include "ui/skin/core/SkinMessages.h"
#include "ui/wizard/WizardLaunch.h"

namespace lumora {

LRESULT CTessilDlg::OnMessage(unsigned message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_QUERY_RESULT: OnQueryResult(lParam); return 0;
        case WM_USER_ACTIVITY:
            StopInactivityTimer();
            StartInactivityTimer();
            return 0;
        case WM_OTHER_SUBNET:
            volumesAfterWizard_ = false;
            if (g_hOpenModal != kNoWindow) SendMessage(g_hOpenModal, WM_CLOSE);
            RefreshList();
            return 0;
        case WM_SKIN_FOLDEROPEN: OpenShare(wParam); return 0;
        default: return CGdipDialog::OnMessage(message, wParam, lParam);
    }
}

void CTessilDlg::Connect() {
    const int selected = applianceList_->GetSelection();
    const std::optional<NasDevice> device = NasList::Instance().At(selected);
    if (selected < 0 || !device) {
        MessageBox(Tr(u"Select NAS"));
        return;
    }
    nasIndex_ = selected;
    loginUser_.clear();
    loginPassword_.clear();
    const std::u16string serverName = AnsiToWide(FieldText(device->name));
    RememberedLogin remembered;
    if (!serverName.empty()) remembered = ReadRememberedLogin(serverName);

    CLoginDialog dialog(this);
    dialog.SetCredentials(remembered.userName, remembered.password);
    const int answer = Dialogs().RunModal("CLoginDialog", [&dialog] {
        dialog.OnInitDialog();
        return dialog.ShowModal();
    });
    if (answer != IDOK) return;

    Logout();
    loginUser_ = dialog.userName;
    loginPassword_ = dialog.password;
    g_isAdmin = loginUser_ == u"admin";
    WriteSetting(kSectionCurrent, kKeyServName, serverName);
    if (dialog.remember)
        RememberLogin(serverName, loginUser_, loginPassword_);
    else
        ForgetLogin(serverName);
    // Told once per run: the login goes on with the typed password either way.
    if (const std::u16string notice = TakeKeyringNotice(); !notice.empty()) MessageBox(notice);

    lastRequest_ = StartLogin(Handle(), nasIndex_, loginUser_, loginPassword_);
    if (lastRequest_ == 0) {
        MessageBox(Tr(u"Login failed."));
        return;
    }
    // The list may have been searched again meanwhile; the record is read afresh.
    if (const std::optional<NasDevice> nas = NasList::Instance().At(nasIndex_))
        infoPanel_->SetNetworkInfo(AnsiToWide(FieldText(nas->name)), AnsiToWide(FieldText(nas->ip)),
                                   AnsiToWide(FieldText(nas->netmask)), AnsiToWide(FieldText(nas->gateway)));
}

void CTessilDlg::Logout() {
    ClearCredentials();
    activity_.Remove();
    StopInactivityTimer();
    g_shareList.Set({});
    ShowVolumes();
    SetButtonState(ButtonsListed);
    SelectShortcut(0);  // no section stays marked on disabled buttons
    infoPanel_->Hide();
    welcome_->SetText(std::u16string());
}

void CTessilDlg::RefreshList() {
    Logout();
    lastRequest_ = StartDiscovery(Handle());
    if (lastRequest_ == 0) MessageBox(Tr(u"Refresh NAS list failed."));
    SetButtonState(ButtonsOff);
    infoPanel_->Hide();
}

void CTessilDlg::RequestVolumes() {
    // The records come back with the request itself (its `volumes`).
    lastRequest_ = GetVolumeInfo(Handle(), nasIndex_);
    if (lastRequest_ == 0) MessageBox(Tr(u"Get Volume Information failed."));
}

void CTessilDlg::RequestUserAccess() {
    lastRequest_ = 0;
    lastRequest_ = GetUserAccess(Handle(), nasIndex_);
}

void CTessilDlg::ShowVolumes() { infoPanel_->ShowVolumes(); }

void CTessilDlg::ShowFolders() {
    SelectShortcut(kFolder);
    infoPanel_->FolderList().ClearFolders();
    g_shareList.Set({});
    lastRequest_ = GetShareList(Handle(), nasIndex_, 1);
    if (lastRequest_ == 0) MessageBox(Tr(u"GetUSBInfo failed."));
    infoPanel_->ShowFolders();
}

void CTessilDlg::RunWizard() {
    SelectShortcut(kWizard);
    RunSetupWizard(this, Handle(), nasIndex_, AnsiToWide(nasAddress_));
    if (volumesAfterWizard_) RequestVolumes();
    volumesAfterWizard_ = true;
    if (const WizardInfo info = g_wizardInfo.Get(); !FieldText(info.name).empty()) {
        infoPanel_->SetNetworkInfo(AnsiToWide(FieldText(info.name)), AnsiToWide(FieldText(info.ip)),
                                   AnsiToWide(FieldText(info.netmask)), AnsiToWide(FieldText(info.gateway)));
        nasAddress_ = std::string(FieldText(info.ip));
        g_wizardInfo.Set(WizardInfo{});
    }
    ShowVolumes();
}

void CTessilDlg::OnQueryResult(LPARAM token) {
    CMsg::Taken taken = CMsg::Instance().TakeParam(token);
    if (!taken.found || !taken.request) return;
    const CQuery& query = *taken.request;
    const RequestHandle handle = query.requestHandle;
    if (handle != lastRequest_) return;  // superseded by a later request of this window
    switch (query.requestType) {
        case kRequestDiscovery: OnApplianceList(); break;
        case kRequestLogin: OnLoginAccepted(); break;
        case kRequestVolumeUsage:
            infoPanel_->ClearVolumes();
            for (const VolumeUsage* v = &query.volumes; v != nullptr && v->volume != 0; v = v->next.get())
                infoPanel_->AddVolume(FormatText(u"Volume_%d", {v->volume}),
                                      static_cast<std::uint32_t>(v->totalSize) >> 20,
                                      static_cast<std::uint32_t>(v->usedSize) >> 20);
            infoPanel_->Show();
            break;
        case kRequestUserAccess: OnUserAccess(query.authorityText); break;
        case kRequestShareList: OnShareList(); break;
        default: break;
    }
}

void CTessilDlg::OnApplianceList() {
    std::u16string servName;
    ReadSetting(kSectionCurrent, kKeyServName, servName);
    SetButtonState(ButtonsListed);
    infoPanel_->Hide();
    applianceList_->Clear();
    int preselect = -1;
    const NasList& list = NasList::Instance();
    for (int i = 0; i < list.Count(); ++i) {
        const std::u16string name = AnsiToWide(FieldText(list.At(i)->name));
        applianceList_->Append(ToWx(name));
        if (!servName.empty() && name == servName) preselect = i;  // the last of equal names wins
    }
    if (preselect < 0 && list.Count() > 0) preselect = 0;
    applianceList_->SetSelection(preselect);
    if (wxWindow* why = FindWindow(kWhyNoAppliance)) why->Show(list.Count() == 0);
    infoPanel_->FolderList().ClearFolders();
}

bool CTessilDlg::IsSameSubnet() {
    const std::optional<NasDevice> device = NasList::Instance().At(nasIndex_);
    if (!device) return false;
    nasAddress_ = std::string(FieldText(device->ip));
    const AdapterTable& adapters = AdapterTable::Instance();
    if (device->adapterIndex < 0 || device->adapterIndex >= adapters.count) return false;
    auto address = [](std::string_view text) { return inet_addr(std::string(text).c_str()); };
    const auto pc = address(FieldText(adapters.address[device->adapterIndex])) &
                    address(FieldText(adapters.netmask[device->adapterIndex]));
    return pc == (address(FieldText(device->ip)) & address(FieldText(device->netmask)));
}

void CTessilDlg::OnLoginAccepted() {
    ClearCredentials();
    if (!IsSameSubnet()) {
        if (!g_isAdmin) {
            MessageBox(
                Tr(u"Not the same network segment, please administrator privileges to change the ip of NAS "
                   u"setting."));
            Logout();
            return;
        }
        if (MessageBox(Tr(u"Not the same subnet, do you want to change NAS IP address?"), {},
                       MessageButtons::OkCancel) != DialogAnswer::Ok)
            return;
        if (RunChangeIpDialog(this, nasIndex_) == IDOK) {
            MessageBox(Tr(u"Network Storage IP setup successfully, connecting...."));
            RefreshList();
        }
        return;
    }
    // The login dialog refused what the 16-byte fields cannot hold, so nothing is cut here.
    if (g_isAdmin) {
        SetCredentials("admin", WideToAnsi(loginPassword_));
        SetButtonState(ButtonsAdmin);
        RequestVolumes();
    } else {
        SetCredentials(WideToAnsi(loginUser_), WideToAnsi(loginPassword_));
        RequestUserAccess();
    }
    activity_.Install();
    StartInactivityTimer();
    ShowWelcome();
    OfferWizardOnce();
}

void CTessilDlg::ShowWelcome() {
    welcome_->SetText(FormatText(Tr(u"Welcome %s"), {AnsiToWide(CredentialText(g_userName))}));
}

void CTessilDlg::OfferWizardOnce() {
    std::u16string firstOpen;
    ReadSetting(kSectionUsed, kKeyFirstOpen, firstOpen);
    if (!firstOpen.empty()) return;
    WriteSetting(kSectionUsed, kKeyFirstOpen, u"FALSE");
    const std::u16string userName = AnsiToWide(CredentialText(g_userName));
    const std::u16string question =
        FormatText(Tr(u"Welcome %s, do you want to go to wizard to setup your %s?"), {userName, u"KL-440"});
    if (MessageBox(question, Tr(u"Lumora"), MessageButtons::OkCancel, MessageIcon::None, Handle()) ==
        DialogAnswer::Ok)
        RunWizard();
}

void CTessilDlg::OnUserAccess(const std::u16string& authority) {
    if (authority.empty()) {
        SetButtonState(ButtonsUser);
    } else {
        // A text shorter than the appliance's eleven flags grants nothing it does not state.
        auto granted = [&authority](std::size_t at) {
            return at < authority.size() && authority[at] != u'0';
        };
        EnableControl(kDownloadCenter, granted(2));
        EnableControl(kBackupCenter, granted(6));
        EnableControl(kManagementCenter, granted(8));
        EnableControl(kSurveillanceCenter, granted(10));
        for (int id : {kSelectNas, kAutoSorting, kWizard, kFolder, kPlayCenter, kNetwork, kDriveMapping,
                       kConnect, kRefresh, kLogout, kSettings, kApplianceList})
            EnableControl(id, true);
    }
    RequestVolumes();
}

void CTessilDlg::OnShareList() {
    for (const ShareEntry& share : g_shareList.Get()) infoPanel_->FolderList().AddFolder(share.shareName);
}

}  // namespace lumora
