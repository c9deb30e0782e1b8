#pragma once
// Network drives: drive letters that stand for shares of an appliance.
//
// The drive-mapping page asks which letters are in use, which share a letter
// points to, and connects or disconnects a letter. On Linux there are no drive
// letters: the installed provider keeps its own table of letters and makes each
// mapped share reachable as a folder. Tests install a double.

#include <string>
#include <vector>

namespace lumora {

// What a connected letter points to, and what connecting needs.
struct DriveConnectRequest {
    std::u16string localName;   // "Z:"
    std::u16string remoteName;  // "\\ADDRESS\SHARE"
    std::u16string userName;
    std::u16string password;
    bool updateProfile = true;  // remember the mapping across restarts
};

// Outcome of a provider call; `reason` says why a failure failed (for logs and tests).
struct DriveResult {
    bool ok = false;
    std::string reason;
};

class NetworkDriveProvider {
public:
    virtual ~NetworkDriveProvider() = default;
    // The remote name "\\ADDRESS\SHARE" the letter ("Z:") is connected to, or empty when it is not.
    virtual std::u16string GetConnection(const std::u16string& localName) = 0;
    virtual DriveResult AddConnection(const DriveConnectRequest& request) = 0;
    // Disconnects the letter; `updateProfile` forgets it across restarts too.
    virtual DriveResult CancelConnection(const std::u16string& localName, bool updateProfile, bool force) = 0;
    // Every letter that counts as present on this PC, as "C:\" texts in letter order.
    virtual std::vector<std::u16string> LogicalDrives() = 0;
};

// Installs the provider (null restores the built-in one). Not owned.
void SetNetworkDriveProvider(NetworkDriveProvider* provider);
NetworkDriveProvider& NetworkDrives();

}  // namespace lumora
