#include "platform/LinuxNetworkDrives.h"

#include <pwd.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "app/Settings.h"
#include "platform/ShareNames.h"
#include "platform/Text.h"

namespace lumora {

namespace fs = std::filesystem;

namespace {

fs::path HomeFolder() {
    const char* home = std::getenv("HOME");
    if (home && *home == '/') return home;
    if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir) return entry->pw_dir;
    return "/tmp";
}

std::string UriOf(const RemoteShare& remote) { return WideToUtf8(ShareAddress(remote.server, remote.share)); }

bool SameShare(std::u16string_view a, std::u16string_view b) {
    // SMB names compare without regard to ASCII case (GVfs keeps one mount for both spellings).
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// GVfs's FUSE bridge learns of a new mount a moment after gio reports it; when the same
// share was mounted before, the first look at its folder fails with EIO. A letter is
// only handed out once its folder can be read, so that the caller can use it at once.
bool AwaitFolder(const fs::path& folder) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(15);
    for (;;) {
        std::error_code ec;
        if (fs::is_directory(folder, ec)) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
}

// The page only says "Mount is failed."; why is told here, for whoever reads the output.
DriveResult Told(DriveResult result, const char* what, std::u16string_view localName) {
    if (!result.ok)
        std::fprintf(stderr, "lumora: %s %s failed: %s\n", what, WideToUtf8(localName).c_str(),
                     result.reason.c_str());
    return result;
}

}  // namespace

LinuxNetworkDrives::LinuxNetworkDrives(LinuxDriveOptions options)
    : options_(std::move(options)), gio_(options_.runner ? *options_.runner : SystemCommandRunner()) {}

fs::path LinuxNetworkDrives::TableFile() const {
    if (!options_.tableFile.empty()) return options_.tableFile;
    const std::optional<fs::path> settings = GetSettingsPath();
    return settings ? settings->parent_path() / "NetworkDrives.txt" : fs::path{};
}

fs::path LinuxNetworkDrives::LinkFolder() const {
    return options_.linkFolder.empty() ? HomeFolder() / "Lumora Drives" : options_.linkFolder;
}

DriveTable LinuxNetworkDrives::RememberedTable() const {
    const fs::path file = TableFile();
    return file.empty() ? DriveTable{} : ReadDriveTable(file);
}

DriveTable LinuxNetworkDrives::Connections() const {
    DriveTable all = RememberedTable();
    all.insert(sessionOnly_.begin(), sessionOnly_.end());
    return all;
}

std::u16string LinuxNetworkDrives::GetConnection(const std::u16string& localName) {
    std::lock_guard lock(mutex_);
    const std::optional<char> letter = ParseDriveLetter(localName);
    if (!letter) return {};
    const DriveTable all = Connections();
    const auto found = all.find(*letter);
    return found == all.end() ? std::u16string{} : found->second;
}

std::vector<std::u16string> LinuxNetworkDrives::LogicalDrives() {
    std::lock_guard lock(mutex_);
    DriveTable all = Connections();
    for (char fixed : kFixedDriveLetters) all.emplace(fixed, std::u16string{});
    std::vector<std::u16string> drives;
    for (const auto& entry : all) drives.push_back({char16_t(entry.first), u':', u'\\'});
    return drives;
}

DriveResult LinuxNetworkDrives::AddConnection(const DriveConnectRequest& request) {
    return Told(Connect(request), "mapping", request.localName);
}

DriveResult LinuxNetworkDrives::CancelConnection(const std::u16string& localName, bool updateProfile,
                                                 bool force) {
    return Told(Disconnect(localName, updateProfile, force), "unmapping", localName);
}

DriveResult LinuxNetworkDrives::Connect(const DriveConnectRequest& request) {
    std::lock_guard lock(mutex_);
    const std::optional<char> letter = ParseDriveLetter(request.localName);
    if (!letter) return {false, "not a drive letter"};
    const std::optional<RemoteShare> remote = SplitRemoteName(request.remoteName);
    if (!remote) return {false, "not a valid \\\\SERVER\\SHARE name"};
    const fs::path tableFile = TableFile();
    DriveTable table = RememberedTable();
    if (kFixedDriveLetters.find(*letter) != std::string_view::npos || table.count(*letter) ||
        sessionOnly_.count(*letter))
        return {false, "the letter is already in use"};
    if (request.updateProfile && tableFile.empty()) return {false, "no settings folder to remember it in"};

    const std::string uri = UriOf(*remote);
    const GioResult mounted = gio_.Mount(uri, WideToUtf8(request.userName), WideToUtf8(request.password));
    if (!mounted.ok) return {false, mounted.reason};
    // Undoes our own mount when a later step fails; a mount that was there before stays.
    auto undo = [&](std::string reason) {
        if (!mounted.alreadyMounted) gio_.Unmount(uri, true);
        return DriveResult{false, std::move(reason)};
    };
    const std::optional<fs::path> folder = gio_.LocalPath(uri);
    if (!folder) return undo("the share has no local folder (is gvfs-fuse running?)");
    if (!AwaitFolder(*folder)) return undo("the share's folder " + folder->string() + " cannot be read");
    std::string reason;
    if (!LinkLetter(*letter, *folder, reason)) return undo(reason);

    const std::u16string remoteName = JoinRemoteName(remote->server, remote->share);
    if (request.updateProfile) {
        table[*letter] = remoteName;
        if (!WriteDriveTable(tableFile, table)) {
            UnlinkLetter(*letter);
            return undo("cannot write the table of drive letters");
        }
    } else {
        sessionOnly_[*letter] = remoteName;
    }
    return {true, {}};
}

DriveResult LinuxNetworkDrives::Disconnect(const std::u16string& localName, bool updateProfile, bool force) {
    std::lock_guard lock(mutex_);
    const std::optional<char> letter = ParseDriveLetter(localName);
    if (!letter) return {false, "not a drive letter"};
    DriveTable all = Connections();
    const auto found = all.find(*letter);
    if (found == all.end()) return {false, "the letter is not connected"};
    const std::u16string remoteName = found->second;
    all.erase(found);

    bool sharedWithAnother = false;
    for (const auto& entry : all)
        sharedWithAnother = sharedWithAnother || SameShare(entry.second, remoteName);
    if (!sharedWithAnother) {
        if (const std::optional<RemoteShare> remote = SplitRemoteName(remoteName)) {
            const GioResult unmounted = gio_.Unmount(UriOf(*remote), force);
            if (!unmounted.ok) return {false, unmounted.reason};
        }
    }
    UnlinkLetter(*letter);
    // The one record of a letter is the table, so a cancelled connection is forgotten
    // whether or not the caller asked for it (`updateProfile`).
    (void)updateProfile;
    if (sessionOnly_.erase(*letter)) return {true, {}};
    DriveTable table = RememberedTable();
    table.erase(*letter);
    if (!WriteDriveTable(TableFile(), table)) return {false, "cannot write the table of drive letters"};
    return {true, {}};
}

bool LinuxNetworkDrives::LinkLetter(char letter, const fs::path& target, std::string& reason) {
    std::error_code ec;
    const fs::path folder = LinkFolder();
    fs::create_directories(folder, ec);
    const fs::path link = folder / std::string(1, letter);
    // Only a link of ours may be replaced: a real folder of that name belongs to the user.
    const fs::file_status status = fs::symlink_status(link, ec);
    if (fs::exists(status) && !fs::is_symlink(status)) {
        reason = link.string() + " exists and is not a link";
        return false;
    }
    const fs::path temporary = folder / ("." + std::string(1, letter) + ".new");
    fs::remove(temporary, ec);
    fs::create_directory_symlink(target, temporary, ec);
    if (!ec) fs::rename(temporary, link, ec);
    if (ec) {
        fs::remove(temporary, ec);
        reason = "cannot make the link " + link.string();
        return false;
    }
    return true;
}

void LinuxNetworkDrives::UnlinkLetter(char letter) {
    const fs::path link = LinkFolder() / std::string(1, letter);
    std::error_code ec;
    if (fs::is_symlink(fs::symlink_status(link, ec))) fs::remove(link, ec);
}

}  // namespace lumora
