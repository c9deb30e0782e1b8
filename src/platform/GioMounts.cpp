#include "platform/GioMounts.h"

#include <chrono>

namespace lumora {

namespace {

using std::chrono::seconds;

// A mount waits for the server; one that cannot be reached fails well before this.
constexpr seconds kMountTimeout{90};
constexpr seconds kQuickTimeout{30};

// gio's first message line ("gio: URI: what went wrong"), or a description of the exit.
std::string Reason(const CommandResult& r) {
    if (!r.started) return r.err.empty() ? "gio could not be started" : r.err;
    if (r.timedOut) return "gio did not finish in time";
    const std::size_t start = r.err.find("gio: ");
    if (start != std::string::npos) return r.err.substr(start, r.err.find('\n', start) - start);
    return "gio exited with code " + std::to_string(r.exitCode);
}

bool Says(const CommandResult& r, std::string_view text) {
    return r.err.find(text) != std::string::npos || r.out.find(text) != std::string::npos;
}

bool HasLineBreak(const std::string& text) { return text.find_first_of("\r\n", 0) != std::string::npos; }

}  // namespace

GioResult GioMounts::Mount(const std::string& uri, const std::string& user, const std::string& password) {
    if (HasLineBreak(user) || HasLineBreak(password) || user.find('\0') != std::string::npos ||
        password.find('\0') != std::string::npos)
        return {false, false, "the user name or password holds a line break"};
    // The answers to gio's prompts for a share: user, domain (empty: the default), password.
    // When they run out gio gives up, so a refused password ends the mount instead of
    // asking again.
    const std::string answers = user + "\n\n" + password + "\n";
    const CommandResult r = runner_.Run({"gio", "mount", uri}, answers, kMountTimeout);
    if (r.started && !r.timedOut && r.exitCode == 0) return {true, false, {}};
    if (Says(r, "already mounted")) return {true, true, {}};
    return {false, false, Reason(r)};
}

GioResult GioMounts::Unmount(const std::string& uri, bool force) {
    std::vector<std::string> argv = {"gio", "mount", "-u"};
    if (force) argv.push_back("-f");
    argv.push_back(uri);
    const CommandResult r = runner_.Run(argv, {}, kQuickTimeout);
    if (r.started && !r.timedOut && r.exitCode == 0) return {true, false, {}};
    if (Says(r, "not mounted")) return {true, false, {}};
    return {false, false, Reason(r)};
}

std::optional<std::filesystem::path> GioMounts::LocalPath(const std::string& uri) {
    const CommandResult r = runner_.Run({"gio", "info", "-a", "standard::type", uri}, {}, kQuickTimeout);
    if (!r.started || r.timedOut || r.exitCode != 0) return std::nullopt;
    constexpr std::string_view kKey = "local path: ";
    std::size_t at = 0;
    while (at < r.out.size()) {
        const std::size_t end = std::min(r.out.find('\n', at), r.out.size());
        const std::string_view line = std::string_view(r.out).substr(at, end - at);
        if (line.starts_with(kKey) && line.size() > kKey.size() && line[kKey.size()] == '/')
            return std::filesystem::path(line.substr(kKey.size()));
        at = end + 1;
    }
    return std::nullopt;
}

}  // namespace lumora
