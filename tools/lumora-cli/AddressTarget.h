#pragma once
// An appliance named by --address A.B.C.D instead of a discovery: for one behind a router
// or in another VLAN, which the discovery datagrams never reach but HTTP does.

#include <string>

namespace lumora::cli {

inline constexpr const char* kAddressOption = "--address";

// Why `value` cannot be given to --address (only a dotted IPv4 address can); "" when it can.
std::string AddressOptionProblem(const std::string& value);

// Makes the appliance at `address` the only entry of the appliance list and returns its
// nasIndex, so every CGI command addresses it as it would a discovered one.
int ListAddressedAppliance(const std::string& address);

// Checks the password (already stored as the active credentials) with one harmless CGI
// request to `address`; "" when the appliance accepted it, otherwise what to tell the user.
std::string CheckPasswordOverHttp(const std::string& address);

}  // namespace lumora::cli
