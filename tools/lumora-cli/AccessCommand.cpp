// lumora-cli access NAS -u USER -p PASS: which web centres the user may open, from
// the appliance's authority text (characters 2, 6, 8 and 10).

#include <cstdio>

#include "CgiSupport.h"
#include "Json.h"
#include "platform/Text.h"
#include "protocol/cgi/CgiCommands.h"
#include "protocol/query/Messages.h"

namespace lumora::cli {

int RunAccess(CommandContext& context) {
    Session session;
    int exitCode = kExitOk;
    const std::optional<LoggedIn> login = LogIn(session, context, {.name = "access"}, exitCode);
    if (!login) return exitCode;
    const std::optional<Report> report =
        session.Request([&](HWND window) { return GetUserAccess(window, login->nasIndex); }, WM_QUERY_RESULT,
                        std::chrono::seconds(30));
    if (!report || !report->query) return Fail(context, "the appliance did not report the user's access");
    const std::u16string& text = report->query->authorityText;
    static const std::pair<const char*, std::size_t> kCentres[] = {
        {"Download Center", 2}, {"Backup Center", 6}, {"Management Center", 8}, {"Surveillance Center", 10}};
    JsonObject json;
    json.Text("authority", WideToUtf8(text));
    if (!context.json) std::printf("authority  %s\n", WideToUtf8(text).c_str());
    for (const auto& [centre, at] : kCentres) {
        // A short or empty text enables nothing (the main window then uses the user's defaults).
        const bool enabled = at < text.size() && text[at] == u'1';
        if (context.json)
            json.Bool(centre, enabled);
        else
            std::printf("%-20s %s\n", centre, enabled ? "yes" : "no");
    }
    if (context.json) std::printf("%s\n", json.str().c_str());
    return kExitOk;
}

}  // namespace lumora::cli
