#pragma once
// The address options that set-address and set-network share:
// --dhcp, or --ip A --mask M with an optional --gateway G.

#include <optional>
#include <set>
#include <string>

#include "Options.h"

namespace lumora::cli {

// The address options that take a value, for ParseOptions.
inline const std::set<std::string> kAddressValueOptions = {"--ip", "--mask", "--gateway"};
inline constexpr const char* kDhcpFlag = "--dhcp";

struct AddressChoice {
    bool dhcp = false;
    std::string ip, mask, gateway;  // dotted IPv4; empty with --dhcp (gateway may be empty)
};

// Reads the address options; nothing, with the problem in `problem`, when they are not
// exactly --dhcp or a dotted --ip and --mask (and a dotted --gateway when given).
std::optional<AddressChoice> ReadAddressChoice(const Options& options, std::string& problem);

}  // namespace lumora::cli
