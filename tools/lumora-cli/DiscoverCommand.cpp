// lumora-cli discover: lists the appliances on every network of the PC.

#include <cstdio>

#include "Command.h"
#include "DeviceText.h"
#include "Json.h"
#include "Session.h"
#include "platform/Text.h"

namespace lumora::cli {

int RunDiscover(CommandContext& context) {
    if (!context.args.empty()) return UsageError("discover", "discover takes no arguments");
    Session session;
    if (!session.Discover()) {
        std::fprintf(stderr, "lumora-cli: the discovery could not run\n");
        return kExitFailed;
    }
    const NasList& list = NasList::Instance();
    // No appliance answering is the "no answer" of the exit codes; --json still prints its list.
    if (list.Count() == 0) std::fprintf(stderr, "lumora-cli: no appliance answered\n");
    if (context.json) {
        std::vector<std::string> devices;
        for (int i = 0; i < list.Count(); ++i) devices.push_back(DeviceJson(i, *list.At(i)));
        std::printf("%s\n", JsonList(devices).c_str());
        return list.Count() == 0 ? kExitFailed : kExitOk;
    }
    if (list.Count() == 0) return kExitFailed;
    std::printf("%-3s %-24s %-15s %-15s %-15s %-4s %-17s %s\n", "#", "NAME", "IP", "NETMASK", "GATEWAY",
                "DHCP", "MAC", "ADAPTER");
    for (int i = 0; i < list.Count(); ++i) {
        const NasDevice d = list.At(i).value_or(NasDevice{});
        std::printf("%-3d %-24s %-15s %-15s %-15s %-4s %-17s %s\n", i, DeviceName(d).c_str(),
                    std::string(FieldText(d.ip)).c_str(), std::string(FieldText(d.netmask)).c_str(),
                    std::string(FieldText(d.gateway)).c_str(), FieldText(d.dhcpFlag) == "1" ? "yes" : "no",
                    std::string(FieldText(d.macText)).c_str(), DeviceAdapter(d).c_str());
    }
    return kExitOk;
}

}  // namespace lumora::cli
