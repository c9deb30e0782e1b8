// lumora-cli set-address NAS (--dhcp | --ip A --mask M [--gateway G]): gives an appliance new
// network settings.

#include <arpa/inet.h>

#include <cstdio>

#include "Command.h"
#include "DeviceText.h"
#include "Json.h"
#include "NasArgument.h"
#include "Options.h"
#include "platform/Text.h"
#include "protocol/datagram/DatagramCommands.h"
#include "protocol/query/Messages.h"

namespace lumora::cli {
namespace {

bool IsDotted(const std::string& text) {
    in_addr parsed{};
    return inet_pton(AF_INET, text.c_str(), &parsed) == 1;
}

}  // namespace

int RunSetAddress(CommandContext& context) {
    std::string problem;
    auto options = ParseOptions(context.args, {"--ip", "--mask", "--gateway"}, {"--dhcp"}, problem);
    if (!options) return UsageError("set-address", problem);
    const bool dhcp = options->Has("--dhcp");
    const std::string ip = options->Value("--ip").value_or("");
    const std::string mask = options->Value("--mask").value_or("");
    const std::string gateway = options->Value("--gateway").value_or("");
    if (options->positional.size() != 1) return UsageError("set-address");
    const bool manual = !ip.empty() || !mask.empty() || !gateway.empty();
    if (dhcp == manual) return UsageError("set-address", "give either --dhcp or --ip and --mask");
    if (!dhcp && (!IsDotted(ip) || !IsDotted(mask) || (!gateway.empty() && !IsDotted(gateway))))
        return UsageError("set-address", "--ip, --mask and --gateway take dotted IPv4 addresses");

    Session session;
    const int nasIndex = FindAppliance(session, options->positional[0]);
    if (nasIndex < 0) return kExitFailed;
    const NasDevice device = *NasList::Instance().At(nasIndex);

    const IpConfigBlock block = MakeIpConfigBlock(ip, mask, gateway, dhcp);
    const RequestHandle handle = StartSetAddress(session.window(), nasIndex, block);
    auto report = handle ? session.WaitFor(WM_SETIP_RESULT, handle, std::chrono::minutes(2)) : std::nullopt;
    const bool acknowledged = report && report->wParam == 0;
    ReportWorkerMessages(session);
    if (context.json) {
        JsonObject result;
        result.Text("name", DeviceName(device)).Text("mac", FieldText(device.macText)).Bool("acknowledged", acknowledged);
        if (!dhcp) result.Text("ip", ip).Text("netmask", mask).Text("gateway", gateway);
        result.Bool("dhcp", dhcp);
        std::printf("%s\n", result.str().c_str());
    } else if (acknowledged) {
        std::printf("%s acknowledged the new settings.\n", DeviceName(device).c_str());
    }
    if (!acknowledged) std::fprintf(stderr, "lumora-cli: %s did not acknowledge the new settings\n", DeviceName(device).c_str());
    return acknowledged ? kExitOk : kExitFailed;
}

}  // namespace lumora::cli
