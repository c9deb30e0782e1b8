// lumora-cli lan NAS -u USER -p PASS: the address, netmask and gateway the appliance's
// LAN port reports (the list entry follows it).

#include <cstdio>

#include "CgiSupport.h"
#include "Json.h"
#include "platform/Text.h"
#include "protocol/cgi/CgiCommands.h"

namespace lumora::cli {

int RunLan(CommandContext& context) {
    Session session;
    int exitCode = kExitOk;
    const std::optional<LoggedIn> login = LogIn(session, context, {.name = "lan"}, exitCode);
    if (!login) return exitCode;
    if (!RunCgi(session, [&](HWND window) { return GetLanInfo(window, login->nasIndex); }))
        return Fail(context, "the appliance reported no address");
    const WizardInfo info = g_wizardInfo.Get();
    const std::string ip(FieldText(info.ip)), netmask(FieldText(info.netmask)),
        gateway(FieldText(info.gateway));
    if (context.json)
        std::printf(
            "%s\n",
            JsonObject().Text("ip", ip).Text("netmask", netmask).Text("gateway", gateway).str().c_str());
    else
        std::printf("ip       %s\nnetmask  %s\ngateway  %s\n", ip.c_str(), netmask.c_str(), gateway.c_str());
    return kExitOk;
}

}  // namespace lumora::cli
