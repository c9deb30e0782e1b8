// lumora-cli set-address NAS (--dhcp | --ip A --mask M [--gateway G]): gives an appliance new
// network settings.

#include <cstdio>

#include "AddressOptions.h"
#include "Command.h"
#include "DeviceText.h"
#include "Json.h"
#include "NasArgument.h"
#include "Options.h"
#include "platform/Text.h"
#include "protocol/datagram/DatagramCommands.h"
#include "protocol/query/Messages.h"

namespace lumora::cli {

int RunSetAddress(CommandContext& context) {
    std::string problem;
    std::set<std::string> withValue = kAddressValueOptions;
    auto options = ParseOptions(context.args, withValue, {kDhcpFlag}, problem);
    if (!options) return UsageError("set-address", problem);
    if (options->positional.size() != 1) return UsageError("set-address");
    const std::optional<AddressChoice> address = ReadAddressChoice(*options, problem);
    if (!address) return UsageError("set-address", problem);
    const bool dhcp = address->dhcp;
    const std::string &ip = address->ip, &mask = address->mask, &gateway = address->gateway;

    Session session;
    const int nasIndex = FindAppliance(session, options->positional[0]);
    if (nasIndex < 0) return kExitFailed;
    const NasDevice device = *NasList::Instance().At(nasIndex);

    const IpConfigBlock block = MakeIpConfigBlock(ip, mask, gateway, dhcp);
    const std::optional<Report> report =
        session.Request([&](HWND window) { return StartSetAddress(window, nasIndex, block); },
                        WM_SETIP_RESULT, std::chrono::minutes(2));
    const bool acknowledged = report && report->wParam == 0;
    ReportWorkerMessages(session);
    if (context.json) {
        JsonObject result;
        result.Text("name", DeviceName(device))
            .Text("mac", FieldText(device.macText))
            .Bool("acknowledged", acknowledged);
        if (!dhcp) result.Text("ip", ip).Text("netmask", mask).Text("gateway", gateway);
        result.Bool("dhcp", dhcp);
        std::printf("%s\n", result.str().c_str());
    } else if (acknowledged) {
        std::printf("%s acknowledged the new settings.\n", DeviceName(device).c_str());
    }
    if (!acknowledged)
        std::fprintf(stderr, "lumora-cli: %s did not acknowledge the new settings\n",
                     DeviceName(device).c_str());
    return acknowledged ? kExitOk : kExitFailed;
}

}  // namespace lumora::cli
