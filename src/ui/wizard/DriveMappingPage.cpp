#include "ui/wizard/DriveMappingPage.h"

#include <algorithm>
#include <set>

#include "app/Language.h"
#include "platform/Dialogs.h"
#include "platform/NetworkDrives.h"
#include "platform/Text.h"
#include "protocol/cgi/CgiCommands.h"
#include "protocol/cgi/CgiReplyRecords.h"
#include "protocol/datagram/NasList.h"
#include "protocol/query/Credentials.h"
#include "protocol/query/Messages.h"
#include "ui/skin/core/SkinMessages.h"
#include "ui/wizard/BesideTheUi.h"

namespace lumora {

namespace {

constexpr std::size_t kServerCapacity = 48, kShareCapacity = 254;

std::u16string Select() { return Tr(u"select"); }

char16_t Upper(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c; }

bool SameIgnoringCase(std::u16string_view a, std::u16string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char16_t x, char16_t y) { return Upper(x) == Upper(y); });
}

bool IsSelect(std::u16string_view label) { return SameIgnoringCase(label, Select()); }

std::u16string LetterName(char16_t letter) { return std::u16string{letter, u':'}; }

// Unmounts the drive `label` and forgets it for good.
bool Disconnect(const std::u16string& label) {
    return RunBesideTheUi([&label] { return NetworkDrives().CancelConnection(label, true, true).ok; });
}

}  // namespace

DriveConnection SplitRemoteName(std::u16string_view remoteName, std::u16string letter) {
    DriveConnection connection{{}, {}, std::move(letter)};
    const std::size_t slash = remoteName.size() > 2 ? remoteName.find(u'\\', 2) : std::u16string_view::npos;
    if (slash == std::u16string_view::npos) return connection;
    const std::u16string_view server = remoteName.substr(2, slash - 2), share = remoteName.substr(slash + 1);
    // A connection too long for the record is left out rather than cut into a wrong name.
    if (server.size() > kServerCapacity || share.size() > kShareCapacity) return connection;
    connection.server = server;
    connection.share = share;
    return connection;
}

void CDriveMappingPage::SetupSkin() {
    list = new CGdipListCtrl(window_, kList, wxPoint(0, 0), wxSize(533, 232));
    list->InsertColumn(Tr(u"Name"), 305);
    list->InsertColumn(Tr(u"Location"), 130);
    list->HideVerticalScrollBar();
    list->EnableChoiceColumn();
    list->SetColumnFormat(0, 18, 0xFFFFFF);
    list->SetColumnFormat(1, 18, 0xFFFFFF);
}

int CDriveMappingPage::LoadData() {
    nasAddress.clear();
    if (nasIndex == -1) return lastStart != 0 ? 1 : 0;
    if (const std::optional<NasDevice> device = NasList::Instance().At(nasIndex))
        nasAddress = AnsiToWide(FieldText(device->ip));
    g_shareList.Set({});
    lastStart = GetShareList(Handle(), nasIndex, 0);
    if (lastStart == 0) MessageBox(Tr(u"Get wizard information failed."));
    return lastStart != 0 ? 1 : 0;
}

LRESULT CDriveMappingPage::OnPageMessage(unsigned message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CGI_RESULT: OnShareList(wParam); return 0;
        case WM_SKIN_LISTGETCHOICES: {
            auto& choices = *reinterpret_cast<ChoiceList*>(lParam);
            choices.clear();
            choices.push_back(Select());
            for (std::u16string& letter : FreeLetters(static_cast<int>(wParam)))
                choices.push_back(std::move(letter));
            return 1;
        }
        case WM_SKIN_LISTITEMEDITED: OnEdited(static_cast<int>(wParam)); return 0;
        default: return 0;
    }
}

void CDriveMappingPage::OnShareList(WPARAM result) {
    list->DeleteAllItems();
    if (result != 0) {
        MessageBox(Tr(u"get the NAS share file error."));
        return;
    }
    ScanConnections();
    g_shareList.Update([&](std::vector<ShareEntry>& shares) {
        for (ShareEntry& entry : shares) {
            // Scanning from Z: down, a share mapped twice shows its higher letter.
            auto it = std::find_if(connections.begin(), connections.end(), [&](const DriveConnection& c) {
                return c.server == nasAddress && c.share == entry.shareName;
            });
            if (it != connections.end()) entry.label = it->letter;
        }
    });
    FillList();
}

void CDriveMappingPage::ScanConnections() {
    for (int i = 0; i < 26; ++i) {
        std::u16string letter = LetterName(static_cast<char16_t>(u'Z' - i));
        connections[i] = SplitRemoteName(NetworkDrives().GetConnection(letter), letter);
    }
}

void CDriveMappingPage::FillList() {
    list->DeleteAllItems();
    rowLetters.clear();
    for (const ShareEntry& entry : g_shareList.Get()) {
        const int row = list->InsertItem(entry.shareName);
        list->SetItemText(row, 1, entry.label);
        rowLetters.push_back(entry.label.empty() || IsSelect(entry.label) ? u' ' : entry.label.front());
    }
}

std::vector<std::u16string> CDriveMappingPage::FreeLetters(int row) {
    std::set<char16_t> own, used;
    const std::u16string current = list->GetItemText(row, 1);
    if (!current.empty()) own.insert(Upper(current.front()));
    if (row >= 0 && row < static_cast<int>(rowLetters.size())) own.insert(Upper(rowLetters[row]));
    for (const std::u16string& drive : NetworkDrives().LogicalDrives())
        if (!drive.empty() && !own.count(Upper(drive.front()))) used.insert(Upper(drive.front()));
    for (int r = 0; r < list->GetItemCount(); ++r) {
        const std::u16string text = list->GetItemText(r, 1);
        if (!text.empty() && !IsSelect(text) && !own.count(Upper(text.front())))
            used.insert(Upper(text.front()));
    }
    std::vector<std::u16string> free;
    for (char16_t letter = u'Z'; letter >= u'A'; --letter)
        if (!used.count(letter)) free.push_back(LetterName(letter));
    return free;
}

void CDriveMappingPage::OnEdited(int row) {
    const std::vector<ShareEntry> shares = g_shareList.Get();
    if (row < 0 || row >= static_cast<int>(shares.size())) return;
    const std::u16string newLabel = list->GetItemText(row, 1);
    const std::u16string share = shares[row].shareName;
    const std::u16string oldLabel = shares[row].label;
    auto setLabel = [row](const std::u16string& label) {
        g_shareList.Update([&](std::vector<ShareEntry>& entries) {
            if (row < static_cast<int>(entries.size())) entries[row].label = label;
        });
    };
    if (newLabel == oldLabel) return;
    if (!IsSelect(newLabel)) {
        if (MapShare(share, oldLabel, newLabel)) setLabel(newLabel);
    } else if (Disconnect(oldLabel)) {
        MessageBox(Tr(u"Unmount is successful."));
        setLabel(Select());
    } else {
        MessageBox(Tr(u"Umount is failed."));
    }
    FillList();
}

bool CDriveMappingPage::MapShare(const std::u16string& share, const std::u16string& oldLabel,
                                 const std::u16string& newLabel) {
    if (!IsSelect(oldLabel)) {
        if (!Disconnect(oldLabel)) {
            MessageBox(Tr(u"Mount is failed."));
            return false;
        }
        g_shareList.Update([&](std::vector<ShareEntry>& shares) {
            for (ShareEntry& entry : shares)
                if (entry.shareName == share) entry.label = Select();
        });
    }
    DriveConnectRequest request;
    request.localName = newLabel.substr(0, 8);
    request.remoteName = u"\\\\" + nasAddress + u"\\" + share;
    request.userName = AnsiToWide(CredentialText(g_userName));
    request.password = AnsiToWide(CredentialText(g_password));
    request.updateProfile = true;
    const bool ok = RunBesideTheUi([&request] { return NetworkDrives().AddConnection(request).ok; });
    MessageBox(Tr(ok ? u"Mount is successful." : u"Mount is failed."));
    return ok;
}

}  // namespace lumora
