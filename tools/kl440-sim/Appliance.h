#pragma once
// The state of one simulated KL-440 and the configuration file it is loaded from.
//
// Configuration file: one "[appliance]" section per appliance, then
// "key = value" lines; "#" starts a comment line. Keys this file does not know
// are kept in `settings`, in order, for the services that do (e.g. the CGI
// server). Datagram keys:
//
//   name, mac, interface, ip, netmask, gateway, dhcp (0/1), extra,
//   account = USER:PASSWORD (repeatable), dhcp_ip, dhcp_netmask, dhcp_gateway,
//   manage_address (0: the address is already on the link; default 1),
//   faults: silent = discovery,login,set-address | all, model_tag = A,B,C,
//   duplicate = 1, delay_ms = N, truncate = N, wrong_id = 1, name_length = N,
//   junk = N, reply_to = group | sender | A.B.C.D.

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace lumora::sim {

// How the appliance misbehaves for fault tests; the defaults answer as a KL-440 does.
struct Faults {
    bool silentDiscovery = false;
    bool silentLogin = false;
    bool silentSetAddress = false;
    std::array<int, 3> modelTag{0, 11, 0};
    bool duplicate = false;                   // every reply sent twice
    int delayMs = 0;                          // every reply sent this late
    int truncate = 0;                         // replies cut to this many bytes (0: whole)
    bool wrongId = false;                     // replies echo another request id
    std::optional<std::uint32_t> nameLength;  // a name length field that lies
    int junk = 0;         // junk datagrams sent to the group before a discovery or login reply
    std::string replyTo;  // "": the group; "sender": the requester; else that address
};

// One appliance. Services on different threads share it: lock `mutex` around every use.
struct Appliance {
    mutable std::mutex mutex;
    std::string name;  // UTF-8; sent in the ANSI code page
    std::array<std::uint8_t, 6> mac{};
    std::string interfaceName;         // the link it sits on
    std::string ip, netmask, gateway;  // dotted
    bool dhcp = false;
    std::string extraText;
    std::vector<std::pair<std::string, std::string>> accounts;  // user, password
    std::string dhcpIp, dhcpNetmask, dhcpGateway;               // what a DHCP server would hand out
    bool manageAddress = true;
    Faults faults;
    std::vector<std::pair<std::string, std::string>> settings;  // keys for other services
    std::uint64_t addressGeneration = 0;                        // bumped whenever ip/netmask/gateway change

    // The value of the first setting with this key, if any.
    std::optional<std::string> Setting(const std::string& key) const;
    // True when the account exists with this password.
    bool Accepts(const std::string& user, const std::string& password) const;
};

using ApplianceSet = std::vector<std::unique_ptr<Appliance>>;

// Reads the configuration text; on a malformed line fills `error` and returns nothing.
std::optional<ApplianceSet> ParseApplianceConfig(const std::string& text, std::string& error);
// Reads the configuration file.
std::optional<ApplianceSet> LoadApplianceConfig(const std::string& path, std::string& error);
// "aa:bb:cc:dd:ee:ff" to bytes.
std::optional<std::array<std::uint8_t, 6>> ParseMac(const std::string& text);

}  // namespace lumora::sim
