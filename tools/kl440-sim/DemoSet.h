#pragma once
// The appliances kl440-sim simulates when it is given no configuration file: enough
// for a person to try every window of Lumora against it.

#include <string_view>

namespace lumora::sim {

// The demo configuration, in the configuration file's own format. Its appliances sit
// on the link "nas0"; the PC side of that link belongs on 192.0.2.0/24.
std::string_view DemoConfig();

}  // namespace lumora::sim
