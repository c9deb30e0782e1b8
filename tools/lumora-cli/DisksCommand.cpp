// lumora-cli disks NAS -u USER -p PASS: the appliance's hard disks.

#include <cstdio>

#include "CgiSupport.h"
#include "Json.h"
#include "platform/Text.h"
#include "protocol/cgi/CgiCommands.h"
#include "protocol/query/Messages.h"

namespace lumora::cli {

std::optional<HdInfo> ReadDisks(Session& session, int nasIndex) {
    RequestWindow window(session);
    if (GetDiskInfo(window.handle(), nasIndex) == 0) return std::nullopt;
    const std::optional<Report> report =
        session.WaitFor(window.handle(), WM_HDINFO_RESULT, std::chrono::seconds(30));
    if (!report) return std::nullopt;
    const std::unique_ptr<HdInfo> info = TakeHdInfo(report->wParam);
    // The request's closing report follows at once.
    session.WaitFor(window.handle(), WM_CGI_RESULT, std::chrono::seconds(30));
    return info ? std::optional<HdInfo>(*info) : std::nullopt;
}

int RunDisks(CommandContext& context) {
    Session session;
    int exitCode = kExitOk;
    const std::optional<LoggedIn> login = LogIn(session, context, {.name = "disks"}, exitCode);
    if (!login) return exitCode;
    const std::optional<HdInfo> disks = ReadDisks(session, login->nasIndex);
    if (!disks) return Fail(context, "the appliance did not report its disks");
    const std::pair<std::string, int> rows[] = {
        {std::string(FieldText(disks->disk1Name)), disks->disk1SizeGiB},
        {std::string(FieldText(disks->disk2Name)), disks->disk2SizeGiB}};
    std::vector<std::string> json;
    for (int i = 0; i < disks->diskCount && i < 2; ++i) {
        if (context.json)
            json.push_back(JsonObject().Text("name", rows[i].first).Number("sizeGiB", rows[i].second).str());
        else
            std::printf("%-10s %6d GiB\n", rows[i].first.c_str(), rows[i].second);
    }
    if (context.json)
        std::printf(
            "%s\n",
            JsonObject().Number("count", disks->diskCount).Raw("disks", JsonList(json)).str().c_str());
    else if (disks->diskCount == 0)
        std::printf("No hard disk is detected.\n");
    return kExitOk;
}

}  // namespace lumora::cli
