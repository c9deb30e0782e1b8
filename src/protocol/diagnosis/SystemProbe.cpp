#include "protocol/diagnosis/SystemProbe.h"

#include <arpa/inet.h>
#include <dirent.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/CommandRunner.h"

namespace lumora::diagnosis {
namespace {

std::string Dotted(const sockaddr* address) {
    if (!address || address->sa_family != AF_INET) return {};
    char text[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in*>(address)->sin_addr, text, sizeof text);
    return text;
}

std::optional<int> ReadNumber(const std::string& path) {
    auto text = ReadSmallFile(path);
    if (!text) return std::nullopt;
    char* end = nullptr;
    long value = std::strtol(text->c_str(), &end, 10);
    if (end == text->c_str()) return std::nullopt;
    return static_cast<int>(value);
}

std::vector<std::string> Words(std::string_view line) {
    std::vector<std::string> words;
    std::istringstream in{std::string(line)};
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

bool Mentions(std::string_view line, unsigned port) {
    std::string p = std::to_string(port);
    for (std::size_t at = line.find(p); at != std::string_view::npos; at = line.find(p, at + 1)) {
        bool before = at == 0 || !std::isdigit(static_cast<unsigned char>(line[at - 1]));
        bool after =
            at + p.size() >= line.size() || !std::isdigit(static_cast<unsigned char>(line[at + p.size()]));
        if (before && after) return true;
    }
    return false;
}

bool Contains(std::string_view line, std::string_view word) {
    return line.find(word) != std::string_view::npos;
}

}  // namespace

std::optional<std::string> ReadSmallFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<AdapterFacts> ReadAdapters() {
    std::vector<AdapterFacts> adapters;
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0) return adapters;
    for (ifaddrs* a = list; a; a = a->ifa_next) {
        if (!a->ifa_addr || a->ifa_addr->sa_family != AF_INET) continue;
        std::string name = a->ifa_name;
        if (name.find(':') != std::string::npos) continue;  // an alias address of an adapter already listed
        if (std::any_of(adapters.begin(), adapters.end(),
                        [&](const AdapterFacts& f) { return f.name == name; }))
            continue;
        AdapterFacts facts;
        facts.name = name;
        facts.address = Dotted(a->ifa_addr);
        facts.netmask = Dotted(a->ifa_netmask);
        facts.up = (a->ifa_flags & IFF_UP) != 0;
        facts.carrier = (a->ifa_flags & IFF_RUNNING) != 0;
        facts.multicast = (a->ifa_flags & IFF_MULTICAST) != 0;
        facts.loopback = (a->ifa_flags & IFF_LOOPBACK) != 0;
        auto all = ReadNumber("/proc/sys/net/ipv4/conf/all/rp_filter");
        auto own = ReadNumber("/proc/sys/net/ipv4/conf/" + name + "/rp_filter");
        if (all && own) facts.reversePathFilter = std::max(*all, *own);
        adapters.push_back(facts);
    }
    freeifaddrs(list);
    return adapters;
}

std::vector<RouteEntry> ParseRouteTable(std::string_view text) {
    std::vector<RouteEntry> routes;
    std::istringstream in{std::string(text)};
    std::string line;
    std::getline(in, line);  // the heading
    while (std::getline(in, line)) {
        auto w = Words(line);
        if (w.size() < 8) continue;
        RouteEntry r;
        r.interfaceName = w[0];
        r.destination = static_cast<unsigned>(std::strtoul(w[1].c_str(), nullptr, 16));
        r.up = (std::strtoul(w[3].c_str(), nullptr, 16) & 0x1) != 0;
        r.metric = static_cast<unsigned>(std::strtoul(w[6].c_str(), nullptr, 10));
        r.mask = static_cast<unsigned>(std::strtoul(w[7].c_str(), nullptr, 16));
        routes.push_back(r);
    }
    return routes;
}

std::optional<std::string> RouteInterface(const std::vector<RouteEntry>& routes, unsigned destination) {
    const RouteEntry* best = nullptr;
    for (const RouteEntry& r : routes) {
        if (!r.up || (destination & r.mask) != (r.destination & r.mask)) continue;
        unsigned length = __builtin_popcount(r.mask);
        unsigned bestLength = best ? __builtin_popcount(best->mask) : 0;
        if (!best || length > bestLength || (length == bestLength && r.metric < best->metric)) best = &r;
    }
    if (!best) return std::nullopt;
    return best->interfaceName;
}

std::vector<PortHolder> ParseUdpTable(std::string_view text, unsigned port) {
    std::vector<PortHolder> holders;
    std::istringstream in{std::string(text)};
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        auto w = Words(line);
        if (w.size() < 10) continue;
        auto colon = w[1].find(':');
        if (colon == std::string::npos) continue;
        if (std::strtoul(w[1].c_str() + colon + 1, nullptr, 16) != port) continue;
        in_addr address{};
        address.s_addr = static_cast<in_addr_t>(std::strtoul(w[1].substr(0, colon).c_str(), nullptr, 16));
        char dotted[INET_ADDRSTRLEN] = {};
        inet_ntop(AF_INET, &address, dotted, sizeof dotted);
        PortHolder holder;
        holder.localAddress = std::string(dotted) + ":" + std::to_string(port);
        holder.inode = std::strtoul(w[9].c_str(), nullptr, 10);
        holders.push_back(holder);
    }
    return holders;
}

void FindOwners(std::vector<PortHolder>& holders) {
    if (holders.empty()) return;
    DIR* proc = opendir("/proc");
    if (!proc) return;
    while (dirent* entry = readdir(proc)) {
        char* end = nullptr;
        long pid = std::strtol(entry->d_name, &end, 10);
        if (*end != '\0' || pid <= 0) continue;
        std::string fdDir = std::string("/proc/") + entry->d_name + "/fd";
        DIR* fds = opendir(fdDir.c_str());
        if (!fds) continue;  // another user's process: its descriptors are not ours to read
        while (dirent* fd = readdir(fds)) {
            char target[64] = {};
            std::string link = fdDir + "/" + fd->d_name;
            ssize_t n = readlink(link.c_str(), target, sizeof target - 1);
            if (n <= 0) continue;
            std::string_view t(target, static_cast<std::size_t>(n));
            if (t.substr(0, 8) != "socket:[") continue;
            unsigned long inode = std::strtoul(target + 8, nullptr, 10);
            for (PortHolder& h : holders)
                if (h.inode == inode && h.pid == 0) {
                    h.pid = static_cast<int>(pid);
                    auto comm = ReadSmallFile(std::string("/proc/") + entry->d_name + "/comm");
                    if (comm) h.program = comm->substr(0, comm->find('\n'));
                }
        }
        closedir(fds);
    }
    closedir(proc);
}

std::vector<std::string> DroppingNftRules(std::string_view ruleset, unsigned port) {
    std::vector<std::string> found;
    std::istringstream in{std::string(ruleset)};
    std::string line, chain;
    bool hookChain = false, defaultDrop = false, accepts = false;
    auto closeChain = [&] {
        if (hookChain && defaultDrop && !accepts)
            found.push_back("chain " + chain + ": policy drop, and no rule accepts UDP " +
                            std::to_string(port));
        chain.clear();
        hookChain = defaultDrop = accepts = false;
    };
    while (std::getline(in, line)) {
        auto w = Words(line);
        if (w.size() >= 2 && w[0] == "chain") {
            closeChain();
            chain = w[1];
            continue;
        }
        if (Contains(line, "hook input") || Contains(line, "hook output") ||
            Contains(line, "hook prerouting")) {
            hookChain = true;
            if (Contains(line, "policy drop")) defaultDrop = true;
            continue;
        }
        if (!Mentions(line, port)) continue;
        std::string rule = line.substr(line.find_first_not_of(" \t"));
        if (Contains(line, " drop") || Contains(line, " reject"))
            found.push_back("chain " + chain + ": " + rule);
        if (Contains(line, " accept")) accepts = true;
    }
    closeChain();
    return found;
}

std::vector<std::string> DroppingIptablesRules(std::string_view rules, unsigned port) {
    std::vector<std::string> found;
    std::istringstream in{std::string(rules)};
    bool inputDrops = false, outputDrops = false, inputAccepts = false, outputAccepts = false;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("-P INPUT DROP", 0) == 0) inputDrops = true;
        if (line.rfind("-P OUTPUT DROP", 0) == 0) outputDrops = true;
        if (!Mentions(line, port)) continue;
        bool input = line.rfind("-A INPUT", 0) == 0, output = line.rfind("-A OUTPUT", 0) == 0;
        if (Contains(line, "-j DROP") || Contains(line, "-j REJECT")) found.push_back(line);
        if (Contains(line, "-j ACCEPT"))
            (input ? inputAccepts : output ? outputAccepts : inputAccepts) = true;
    }
    if (inputDrops && !inputAccepts)
        found.push_back("-P INPUT DROP, and no rule accepts UDP " + std::to_string(port));
    if (outputDrops && !outputAccepts)
        found.push_back("-P OUTPUT DROP, and no rule accepts UDP " + std::to_string(port));
    return found;
}

FirewallFacts ReadFirewall(unsigned port) {
    FirewallFacts facts;
    constexpr std::chrono::seconds kFirewallToolTimeout{10};
    CommandRunner& run = SystemCommandRunner();
    const CommandResult nft = run.Run({"nft", "list", "ruleset"}, {}, kFirewallToolTimeout);
    if (nft.Succeeded()) {
        facts.tool = "nft";
        facts.rules = DroppingNftRules(nft.out, port);
        facts.state = facts.rules.empty() ? FirewallState::NoRules : FirewallState::Drops;
        return facts;
    }
    const CommandResult ipt = run.Run({"iptables", "-S"}, {}, kFirewallToolTimeout);
    if (ipt.Succeeded()) {
        facts.tool = "iptables";
        facts.rules = DroppingIptablesRules(ipt.out, port);
        facts.state = facts.rules.empty() ? FirewallState::NoRules : FirewallState::Drops;
        return facts;
    }
    if (!nft.started && !ipt.started)
        facts.note = "neither nft nor iptables is installed";
    else
        facts.note = "the firewall rules cannot be read without administrator rights";
    return facts;
}

}  // namespace lumora::diagnosis
