#include "protocol/diagnosis/Doctor.h"

#include <arpa/inet.h>

#include <algorithm>

namespace lumora::diagnosis {
namespace {

std::uint32_t AddressOf(const std::string& dotted) {
    in_addr a{};
    inet_pton(AF_INET, dotted.c_str(), &a);
    return a.s_addr;
}

std::string HolderText(const PortHolder& h) {
    if (h.pid == 0) return "a program of another user (its process cannot be read)";
    return "\"" + h.program + "\" (pid " + std::to_string(h.pid) + ")";
}

}  // namespace

std::string SetAddressAdvice(const DiscoveryReply& reply, const std::string& adapterAddress,
                             const std::string& adapterNetmask) {
    std::string ip;
    if (adapterNetmask == "255.255.255.0") {
        ip = adapterAddress.substr(0, adapterAddress.rfind('.') + 1) + "N";
    } else {
        in_addr network{};
        network.s_addr = AddressOf(adapterAddress) & AddressOf(adapterNetmask);
        char text[INET_ADDRSTRLEN] = {};
        inet_ntop(AF_INET, &network, text, sizeof text);
        ip = "<a free address of " + std::string(text) + "/" + adapterNetmask + ">";
    }
    std::string command =
        "lumora-cli set-address " + reply.macText + " --ip " + ip + " --mask " + adapterNetmask;
    if (ip.back() == 'N') command += "   (N: a free address of that network)";
    return command;
}

DoctorReport Diagnose(bool discover) {
    DoctorReport report;
    auto routeText = ReadSmallFile("/proc/net/route");
    auto routes = ParseRouteTable(routeText.value_or(""));
    std::vector<AdapterFacts> all = ReadAdapters();
    for (const AdapterFacts& facts : all) {
        if (facts.loopback) continue;
        AdapterReport adapter;
        adapter.facts = facts;
        adapter.groupRoute = RouteInterface(routes, AddressOf(kDiscoveryGroup)).value_or("");
        report.adapters.push_back(adapter);
    }
    auto udp = ReadSmallFile("/proc/net/udp");
    report.portHolders = ParseUdpTable(udp.value_or(""), kDiscoveryPort);
    FindOwners(report.portHolders);
    report.firewall = ReadFirewall(kDiscoveryPort);
    if (discover) report.traces = TraceDiscovery(all);
    Conclude(report);
    return report;
}

void Conclude(DoctorReport& report) {
    auto& say = report.findings;
    say.clear();
    report.appliancesFound = 0;

    std::vector<std::string> found, moved;
    bool heardAnything = false, otherModel = false, otherId = false, cannotListen = false;
    for (const AdapterTrace& trace : report.traces) {
        if (!trace.bound) cannotListen = true;
        for (const HeardDatagram& heard : trace.heard) {
            heardAnything = true;
            if (heard.verdict == Verdict::OtherModel) otherModel = true;
            if (heard.verdict == Verdict::OtherRequestId) otherId = true;
            if (!heard.reply) continue;
            ++report.appliancesFound;
            std::string who = "\"" + heard.reply->name + "\" at " + heard.reply->ip;
            if (heard.verdict == Verdict::Accepted) {
                found.push_back(who + " (adapter " + trace.adapter + ")");
            } else {
                moved.push_back(who + " answers on adapter " + trace.adapter + " (" + trace.address + "/" +
                                trace.netmask +
                                ") from another subnet: the tool finds it, but cannot reach its web "
                                "side until it is moved, for example with: " +
                                SetAddressAdvice(*heard.reply, trace.address, trace.netmask));
            }
        }
    }
    if (!found.empty()) {
        std::string list;
        for (const std::string& f : found) list += (list.empty() ? "" : ", ") + f;
        say.push_back("Found " + std::to_string(found.size()) + " appliance(s): " + list + ".");
    }
    for (const std::string& m : moved) say.push_back(m + ".");

    bool usable = std::any_of(report.adapters.begin(), report.adapters.end(), [](const AdapterReport& a) {
        return a.facts.up && a.facts.carrier && !a.facts.address.empty();
    });
    if (report.adapters.empty() || !usable)
        say.push_back(
            "No network adapter of this PC is up with a link and an IPv4 address: connect the PC to the "
            "appliance's network.");
    for (const AdapterReport& a : report.adapters) {
        if (a.facts.up && !a.facts.carrier)
            say.push_back("Adapter " + a.facts.name +
                          " has no link (cable unplugged or Wi-Fi not connected).");
        if (a.facts.up && !a.facts.multicast)
            say.push_back("Adapter " + a.facts.name +
                          " cannot send multicast (its MULTICAST flag is off): `ip link "
                          "set " +
                          a.facts.name + " multicast on` as administrator.");
    }
    if (cannotListen) {
        std::string holders;
        for (const PortHolder& h : report.portHolders)
            holders += (holders.empty() ? "" : ", ") + HolderText(h);
        say.push_back(
            "UDP port 13579 cannot be opened for listening" +
            (holders.empty() ? std::string(".") : ": it is held by " + holders + ". Close that program."));
    } else if (!report.portHolders.empty() && report.appliancesFound == 0) {
        std::string holders;
        for (const PortHolder& h : report.portHolders)
            holders += (holders.empty() ? "" : ", ") + HolderText(h);
        say.push_back("Another program also listens on UDP 13579: " + holders +
                      ". It may take replies meant for this tool; close it and try again.");
    }
    if (report.firewall.state == FirewallState::Drops) {
        std::string rules;
        for (const std::string& r : report.firewall.rules) rules += "\n    " + r;
        say.push_back("The firewall (" + report.firewall.tool +
                      ") drops discovery traffic; it must let UDP 13579 in and out:" + rules);
    }
    if (report.appliancesFound == 0) {
        if (otherModel) say.push_back("A device answered, but it is not a KL-440.");
        if (otherId) say.push_back("Replies to another finder's request were heard, none to ours.");
        for (const AdapterReport& a : report.adapters)
            if (a.facts.reversePathFilter == 1)
                say.push_back(
                    "Reverse-path filtering is strict on " + a.facts.name +
                    ": the kernel drops replies from an appliance on another subnet. Loose filtering "
                    "lets them in: `sysctl net.ipv4.conf." +
                    a.facts.name + ".rp_filter=2`.");
        if (!report.adapters.empty() && report.adapters.front().groupRoute.empty())
            say.push_back(
                "No route covers 224.0.0.1. This tool names the adapter itself, but other programs "
                "may not reach the group.");
        if (report.firewall.state == FirewallState::Unknown)
            say.push_back("The firewall could not be checked (" + report.firewall.note +
                          "); if one is active, it must let UDP 13579 in and out.");
        if (!heardAnything && usable && !cannotListen)
            say.push_back(
                "No datagram came back on UDP 13579: check that the appliance is powered on and "
                "connected to the same network as this PC.");
    }
}

}  // namespace lumora::diagnosis
