// lumora-cli shares NAS -u USER -p PASS [--usb]: the appliance's shared folders
// (--usb: as the main window asks, with the USB shares).

#include <cstdio>

#include "CgiSupport.h"
#include "Json.h"
#include "platform/Text.h"
#include "protocol/cgi/CgiCommands.h"
#include "protocol/query/Messages.h"

namespace lumora::cli {

int RunShares(CommandContext& context) {
    Session session;
    int exitCode = kExitOk;
    const std::optional<LoggedIn> login =
        LogIn(session, context, {.name = "shares", .flags = {"--usb"}}, exitCode);
    if (!login) return exitCode;
    const int usb = login->options.Has("--usb") ? 1 : 0;
    g_shareList.Set({});
    const auto start = [&](HWND window) { return GetShareList(window, login->nasIndex, usb); };
    const bool ok = usb ? session.Request(start, WM_QUERY_RESULT, std::chrono::seconds(30)).has_value()
                        : RunCgi(session, start);
    if (!ok) return Fail(context, "the appliance did not report its shares");
    std::vector<std::string> names;
    for (const ShareEntry& share : g_shareList.Get()) names.push_back(WideToUtf8(share.shareName));
    if (context.json) {
        std::vector<std::string> json;
        for (const std::string& name : names) json.push_back(JsonString(name));
        std::printf("%s\n", JsonList(json).c_str());
    } else {
        for (const std::string& name : names) std::printf("%s\n", name.c_str());
    }
    return kExitOk;
}

}  // namespace lumora::cli
