#pragma once
// Mounting SMB shares for the user through GIO/GVfs, by way of the `gio` tool: the
// same mounts a file manager makes, visible under GVfs's FUSE folder.
//
// Credentials travel on gio's standard input (its user, domain and password prompts),
// never on a command line that other users can read.

#include <filesystem>
#include <optional>
#include <string>

#include "platform/CommandRunner.h"

namespace lumora {

struct GioResult {
    bool ok = false;
    bool alreadyMounted = false;  // Mount only: the location was mounted before the call
    std::string reason;           // why it failed, from gio's own message where it gave one
};

class GioMounts {
public:
    explicit GioMounts(CommandRunner& runner) : runner_(runner) {}
    // Mounts `uri` ("smb://..."); user and password are UTF-8 and may not hold a line break.
    GioResult Mount(const std::string& uri, const std::string& user, const std::string& password);
    // Unmounts `uri`; `force` ignores files still open. A location not mounted counts as done.
    GioResult Unmount(const std::string& uri, bool force);
    // The folder under which GVfs's FUSE bridge shows the mounted `uri`, if any.
    std::optional<std::filesystem::path> LocalPath(const std::string& uri);

private:
    CommandRunner& runner_;
};

}  // namespace lumora
