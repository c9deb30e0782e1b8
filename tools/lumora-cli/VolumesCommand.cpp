// lumora-cli volumes NAS -u USER -p PASS: the appliance's volumes with their usage.

#include <cstdio>

#include "CgiSupport.h"
#include "Json.h"
#include "protocol/cgi/CgiCommands.h"
#include "protocol/query/Messages.h"

namespace lumora::cli {

int RunVolumes(CommandContext& context) {
    Session session;
    int exitCode = kExitOk;
    const std::optional<LoggedIn> login = LogIn(session, context, {.name = "volumes"}, exitCode);
    if (!login) return exitCode;
    const std::optional<Report> report =
        session.Request([&](HWND window) { return GetVolumeInfo(window, login->nasIndex); }, WM_QUERY_RESULT,
                        std::chrono::seconds(30));
    if (!report || !report->query) return Fail(context, "the appliance did not report its volumes");
    const VolumeUsage& first = report->query->volumes;
    // As the information panel does: the list ends at the first record without a volume number.
    std::vector<std::string> json;
    if (!context.json) std::printf("%-10s %10s %10s %5s\n", "VOLUME", "SIZE GiB", "USED GiB", "USE");
    for (const VolumeUsage* v = &first; v && v->volume != 0; v = v->next.get()) {
        const int total = v->totalSize >> 20, used = v->usedSize >> 20;
        const int percent = total > 0 ? static_cast<int>(100LL * used / total) : 0;
        if (context.json) {
            json.push_back(JsonObject()
                               .Number("volume", v->volume)
                               .Number("totalKiB", v->totalSize)
                               .Number("usedKiB", v->usedSize)
                               .Number("totalGiB", total)
                               .Number("usedGiB", used)
                               .str());
        } else {
            std::printf("Volume_%-3d %10d %10d %4d%%\n", v->volume, total, used, percent);
        }
    }
    if (context.json) std::printf("%s\n", JsonList(json).c_str());
    return kExitOk;
}

}  // namespace lumora::cli
