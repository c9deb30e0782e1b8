#include "AddressOptions.h"

#include "platform/Text.h"

namespace lumora::cli {

std::optional<AddressChoice> ReadAddressChoice(const Options& options, std::string& problem) {
    AddressChoice choice;
    choice.dhcp = options.Has(kDhcpFlag);
    choice.ip = options.Value("--ip").value_or("");
    choice.mask = options.Value("--mask").value_or("");
    choice.gateway = options.Value("--gateway").value_or("");
    const bool manual = options.Value("--ip") || options.Value("--mask") || options.Value("--gateway");
    if (choice.dhcp == manual) {
        problem = "give either --dhcp or --ip and --mask";
        return std::nullopt;
    }
    if (!choice.dhcp && (!IsDottedIpv4(choice.ip) || !IsDottedIpv4(choice.mask) ||
                         (!choice.gateway.empty() && !IsDottedIpv4(choice.gateway)))) {
        problem = "--ip, --mask and --gateway take dotted IPv4 addresses";
        return std::nullopt;
    }
    return choice;
}

}  // namespace lumora::cli
