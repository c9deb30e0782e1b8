// lumora-cli format NAS LAYOUT -u USER -p PASS --yes
// Rebuilds the appliance's volumes: LAYOUT is standard, linear, raid0 or raid1.
// Every volume and its data is lost, so nothing happens without --yes. Runs the
// whole sequence (stop the file browser, create, format with a progress bar,
// remount, check, finish) and then lists the new volumes.

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "CgiSupport.h"
#include "Json.h"
#include "platform/Text.h"
#include "protocol/cgi/CgiCommands.h"
#include "protocol/cgi/FormatSequence.h"
#include "protocol/query/Messages.h"
#include "protocol/query/Thread.h"
#include "protocol/cgi/VolumeLayout.h"

namespace lumora::cli {

namespace {

constexpr int kBarWidth = 40;
// A step whose reply fails in transport or does not load reports nothing at all. When
// no request runs and nothing was heard for this long, the appliance has stopped
// answering: every step ends (or is polled again) well within it.
constexpr auto kSilenceLimit = std::chrono::seconds(60);

std::string CheckArguments(const Options& o) {
    const std::string& layout = o.positional[1];
    if (layout != "standard" && layout != "linear" && layout != "raid0" && layout != "raid1")
        return "LAYOUT is standard, linear, raid0 or raid1";
    if (!o.Has("--yes")) return "formatting erases every volume on the appliance; add --yes to go ahead";
    return {};
}

void DrawBar(int percent) {
    percent = std::clamp(percent, 0, 100);
    const int filled = percent * kBarWidth / 100;
    std::printf("\r[%s%s] %3d%%", std::string(filled, '#').c_str(),
                std::string(kBarWidth - filled, '.').c_str(), percent);
    std::fflush(stdout);
}

}  // namespace

int RunFormat(CommandContext& context) {
    Session session;
    int exitCode = kExitOk;
    const std::optional<LoggedIn> login =
        LogIn(session, context,
              {.name = "format", .flags = {"--yes"}, .positionals = 2, .check = &CheckArguments}, exitCode);
    if (!login) return exitCode;
    const std::string layout = login->options.positional[1];
    const std::optional<HdInfo> disks = ReadDisks(session, login->nasIndex);
    if (!disks) return Fail(context, "Get wizard information failed.");
    if (disks->diskCount != 1 && disks->diskCount != 2) return Fail(context, "No hard disk is detected.");
    const std::unique_ptr<VolumeSpec> chain = BuildVolumeChain(*disks, layout);
    if (!chain) return Fail(context, "Check disk mode error.");

    bool barShown = false;
    std::vector<std::string> steps;
    auto lastHeard = std::chrono::steady_clock::now();
    FormatSequence sequence(login->nasIndex, *chain, [&](const FormatSequence::Event& e) {
        lastHeard = std::chrono::steady_clock::now();
        if (context.json) {
            if (e.kind != FormatSequence::Event::Progress) steps.push_back(e.text);
            return;
        }
        if (e.kind == FormatSequence::Event::Progress) {
            DrawBar(e.percent);
            barShown = true;
            return;
        }
        if (barShown) std::printf("\n");
        barShown = false;
        if (e.kind == FormatSequence::Event::Failed) {
            std::fflush(stdout);
            std::fprintf(stderr, "lumora-cli: %s\n", e.text.c_str());
            return;
        }
        std::printf("%s\n", e.text.c_str());
    });
    if (!context.json)
        std::printf("Format Hard Drives: %s on %d disk(s)\n", layout.c_str(), disks->diskCount);
    bool silent = false;
    const auto endedOrSilent = [&] {
        silent = RunningWorkerCount() == 0 && std::chrono::steady_clock::now() - lastHeard > kSilenceLimit;
        return sequence.finished() || silent;
    };
    if (!sequence.Start()) return context.json ? Fail(context, "setting failed.") : kExitFailed;
    if (!session.PumpUntil(endedOrSilent, std::chrono::hours(4)) || silent) {
        if (barShown) std::printf("\n");
        return Fail(context, "setting failed.");
    }
    if (!sequence.succeeded())
        return context.json ? Fail(context, steps.empty() ? "setting failed." : steps.back()) : kExitFailed;

    const std::optional<Report> listed =
        session.Request([&](HWND window) { return GetVolumeInfo(window, login->nasIndex); }, WM_QUERY_RESULT,
                        std::chrono::seconds(30));
    std::vector<std::string> volumes;
    for (const VolumeUsage* v = listed && listed->query ? &listed->query->volumes : nullptr;
         v && v->volume != 0; v = v->next.get()) {
        if (context.json)
            volumes.push_back(
                JsonObject().Number("volume", v->volume).Number("totalGiB", v->totalSize >> 20).str());
        else
            std::printf("Volume_%d  %d GiB\n", v->volume, v->totalSize >> 20);
    }
    if (context.json)
        std::printf("%s\n", JsonObject()
                                .Bool("ok", true)
                                .Text("layout", layout)
                                .Bool("formatError", sequence.formatError())
                                .Raw("volumes", JsonList(volumes))
                                .str()
                                .c_str());
    return kExitOk;
}

}  // namespace lumora::cli
