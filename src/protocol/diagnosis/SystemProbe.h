#pragma once
// What the PC's own set-up says about discovery, read without privileges and
// without changing anything: the IPv4 adapters and their flags, the route the
// group address takes, reverse-path filtering, who holds the discovery port,
// and the firewall rules that mention it. What cannot be read is reported as
// unknown, never guessed.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumora::diagnosis {

struct AdapterFacts {
    std::string name;
    std::string address;  // dotted; empty when the adapter has no IPv4 address
    std::string netmask;  // dotted
    bool up = false;
    bool carrier = false;  // the link is running (cable in, associated)
    bool multicast = false;
    bool loopback = false;
    // Reverse-path filtering in force for the adapter (the larger of "all" and its own):
    // 0 off, 1 strict, 2 loose; nullopt when unreadable.
    std::optional<int> reversePathFilter;
};

// A route of the main IPv4 table as the kernel lists it.
struct RouteEntry {
    std::string interfaceName;
    unsigned destination = 0;  // network order
    unsigned mask = 0;         // network order
    unsigned metric = 0;
    bool up = false;
};

// A socket bound to the discovery port and the program that holds it.
struct PortHolder {
    std::string localAddress;  // "0.0.0.0:13579"
    unsigned long inode = 0;
    int pid = 0;          // 0 when the owner could not be found (another user's process)
    std::string program;  // the process's command name, or empty
};

enum class FirewallState { Unknown, NoRules, Drops };

struct FirewallFacts {
    FirewallState state = FirewallState::Unknown;
    std::string tool;                // "nft", "iptables" or empty
    std::vector<std::string> rules;  // the rules that would drop discovery traffic
    std::string note;                // why the state is unknown, when it is
};

// Every IPv4 adapter of the system (loopback included, flagged), in system order.
std::vector<AdapterFacts> ReadAdapters();
// The routes of /proc/net/route text.
std::vector<RouteEntry> ParseRouteTable(std::string_view text);
// The interface the longest matching up route sends `destination` (network order) out of, or nullopt.
std::optional<std::string> RouteInterface(const std::vector<RouteEntry>& routes, unsigned destination);
// The sockets of /proc/net/udp text bound to `port`.
std::vector<PortHolder> ParseUdpTable(std::string_view text, unsigned port);
// Fills pid and program of each holder from /proc/<pid>/fd where readable.
void FindOwners(std::vector<PortHolder>& holders);
// The rules in an `nft list ruleset` text that drop or reject UDP `port`, or a
// default-drop hook chain with no rule accepting it.
std::vector<std::string> DroppingNftRules(std::string_view ruleset, unsigned port);
// The same for `iptables -S` text.
std::vector<std::string> DroppingIptablesRules(std::string_view rules, unsigned port);
// Asks nft, then iptables (read-only listings).
FirewallFacts ReadFirewall(unsigned port);
// Reads a whole small file; nullopt when it cannot be read.
std::optional<std::string> ReadSmallFile(const std::string& path);

}  // namespace lumora::diagnosis
