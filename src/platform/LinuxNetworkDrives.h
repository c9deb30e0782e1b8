#pragma once
// The network-drive provider of the Linux build.
//
// Linux has no drive letters, so the provider keeps its own: the table of mapped letters
// (DriveTable.h) in the settings folder, plus the letters counted as present on every
// PC (kFixedDriveLetters). Mapping a letter mounts "smb://SERVER/SHARE" with GIO/GVfs for
// the user and makes it reachable as the folder "~/Lumora Drives/LETTER", a symbolic
// link to GVfs's FUSE folder of the mount. Unmapping unmounts the share (unless another
// letter still points to it) and removes the link. A mapping made with `updateProfile`
// is remembered across restarts; after a new login session the link leads nowhere until
// the share is mounted again (as a remembered Windows drive waits to be reconnected).

#include <filesystem>
#include <mutex>
#include <string_view>

#include "platform/CommandRunner.h"
#include "platform/DriveTable.h"
#include "platform/GioMounts.h"
#include "platform/NetworkDrives.h"

namespace lumora {

// Letters that count as in use on every PC: the system disk.
inline constexpr std::string_view kFixedDriveLetters = "C";

// Where the provider keeps things; an empty path is worked out on every call, as the
// settings file is: $XDG_CONFIG_HOME/Tessil/NetworkDrives.txt and "$HOME/Lumora Drives".
struct LinuxDriveOptions {
    std::filesystem::path tableFile;
    std::filesystem::path linkFolder;  // where the per-letter links go
    CommandRunner* runner = nullptr;   // null: SystemCommandRunner()
};

// A mapping or unmapping that fails says why on standard error.
class LinuxNetworkDrives final : public NetworkDriveProvider {
public:
    explicit LinuxNetworkDrives(LinuxDriveOptions options = {});

    std::u16string GetConnection(const std::u16string& localName) override;
    DriveResult AddConnection(const DriveConnectRequest& request) override;
    DriveResult CancelConnection(const std::u16string& localName, bool updateProfile, bool force) override;
    std::vector<std::u16string> LogicalDrives() override;

private:
    DriveResult Connect(const DriveConnectRequest& request);
    DriveResult Disconnect(const std::u16string& localName, bool updateProfile, bool force);
    // The table file; empty when there is no settings folder (nothing can be remembered).
    std::filesystem::path TableFile() const;
    std::filesystem::path LinkFolder() const;
    DriveTable RememberedTable() const;
    // The remembered table with this session's unremembered letters added.
    DriveTable Connections() const;
    bool LinkLetter(char letter, const std::filesystem::path& target, std::string& reason);
    void UnlinkLetter(char letter);

    LinuxDriveOptions options_;
    GioMounts gio_;
    DriveTable sessionOnly_;  // letters mapped without updateProfile
    std::mutex mutex_;
};

}  // namespace lumora
