// lumora-cli info NAS -u USER -p PASS: what the setup wizard shows of the appliance
// (network and system settings).

#include <cstdio>

#include "CgiSupport.h"
#include "Json.h"
#include "platform/Text.h"
#include "protocol/cgi/CgiCommands.h"

namespace lumora::cli {

namespace {

std::string Utf8(std::string_view ansi) { return WideToUtf8(AnsiToWide(ansi)); }

}  // namespace

int RunInfo(CommandContext& context) {
    Session session;
    int exitCode = kExitOk;
    const std::optional<LoggedIn> login = LogIn(session, context, {.name = "info"}, exitCode);
    if (!login) return exitCode;
    if (!RunCgi(session, [&](HWND window) { return GetWizardInfo(window, login->nasIndex); }))
        return Fail(context, "the appliance did not report its settings");
    const WizardInfo w = g_wizardInfo.Get();
    const std::pair<const char*, std::string> rows[] = {
        {"name", Utf8(FieldText(w.name))},
        {"workgroup", Utf8(FieldText(w.workgroup))},
        {"description", Utf8(FieldText(w.description))},
        {"ip", Utf8(FieldText(w.ip))},
        {"netmask", Utf8(FieldText(w.netmask))},
        {"gateway", Utf8(FieldText(w.gateway))},
        {"dns1", Utf8(FieldText(w.dns1))},
        {"dns2", Utf8(FieldText(w.dns2))},
    };
    if (context.json) {
        JsonObject json;
        for (const auto& [key, value] : rows) json.Text(key, value);
        json.Bool("dhcp", w.dhcpEnable == 1).Number("timeZone", w.timeZone);
        std::printf("%s\n", json.str().c_str());
    } else {
        for (const auto& [key, value] : rows) std::printf("%-12s %s\n", key, value.c_str());
        std::printf("%-12s %s\n%-12s %d\n", "dhcp", w.dhcpEnable == 1 ? "yes" : "no", "timezone", w.timeZone);
    }
    return kExitOk;
}

}  // namespace lumora::cli
