#pragma once
// Puts an appliance's address on its link and takes it off again (through iproute2).

#include <string>

namespace lumora::sim {

// Number of leading one bits of a dotted netmask (24 for "255.255.255.0").
int PrefixLength(const std::string& netmask);
// Brings the link up and adds ip/netmask to it; true on success (an address already there counts).
bool AddHostAddress(const std::string& interfaceName, const std::string& ip, const std::string& netmask);
// Removes ip/netmask from the link; true on success.
bool RemoveHostAddress(const std::string& interfaceName, const std::string& ip, const std::string& netmask);

}  // namespace lumora::sim
