#pragma once
// One "[appliance]" section of a kl440-sim configuration, for tests that start the simulator.

#include <string>

namespace lumora::test {

// An appliance `name` with MAC address `mac` on link `link` at address `ip`, on a /24 with its
// gateway at .1, DHCP off, extra text "x" and the accounts admin/admin and bob/secret; then the
// lines of `extra` (each ending in '\n'). The simulator takes the last value of a key, so
// `extra` also overrides these ("netmask = 255.255.0.0\n"); accounts add up (the web side keeps
// a user's last password).
inline std::string ApplianceSection(const std::string& name, const std::string& mac, const std::string& link,
                                    const std::string& ip, const std::string& extra = {}) {
    return "[appliance]\nname = " + name + "\nmac = " + mac + "\ninterface = " + link + "\nip = " + ip +
           "\nnetmask = 255.255.255.0\ngateway = " + ip.substr(0, ip.rfind('.')) +
           ".1\ndhcp = 0\nextra = x\naccount = admin:admin\naccount = bob:secret\n" + extra;
}

}  // namespace lumora::test
