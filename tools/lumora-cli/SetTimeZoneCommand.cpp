// lumora-cli set-timezone NAS ZONE -u USER -p PASS: sets the appliance's time zone
// (the number of the wizard's time-zone list).

#include <charconv>

#include "CgiSupport.h"
#include "protocol/cgi/CgiCommands.h"

namespace lumora::cli {

namespace {

std::optional<int> ZoneNumber(const std::string& text) {
    int zone = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), zone);
    if (error != std::errc() || end != text.data() + text.size() || zone < 0 || zone > 200)
        return std::nullopt;
    return zone;
}

}  // namespace

int RunSetTimeZone(CommandContext& context) {
    Session session;
    int exitCode = kExitOk;
    const std::optional<LoggedIn> login =
        LogIn(session, context,
              {.name = "set-timezone",
               .positionals = 2,
               .check =
                   [](const Options& o) {
                       return ZoneNumber(o.positional[1]) ? std::string()
                                                          : std::string("ZONE is a time-zone number");
                   }},
              exitCode);
    if (!login) return exitCode;
    const int zone = *ZoneNumber(login->options.positional[1]);
    if (!RunCgi(session, [&](HWND window) { return SetTimeZone(window, login->nasIndex, zone); }))
        return Fail(context, "setting failed.");
    return Succeed(context, "Time zone set to " + std::to_string(zone) + ".");
}

}  // namespace lumora::cli
