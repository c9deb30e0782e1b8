// lumora-cli doctor: why an appliance is or is not found, told per adapter.

#include <cstdio>

#include "Command.h"
#include "Json.h"
#include "protocol/diagnosis/Doctor.h"

namespace lumora::cli {
namespace {

using namespace lumora::diagnosis;

const char* YesNo(bool value) { return value ? "yes" : "no"; }

std::string FilterText(const std::optional<int>& filter) {
    if (!filter) return "unknown";
    return *filter == 0 ? "off" : *filter == 1 ? "strict" : "loose";
}

std::string FirewallText(const FirewallFacts& firewall) {
    switch (firewall.state) {
        case FirewallState::NoRules: return "no rule drops UDP 13579 (" + firewall.tool + ")";
        case FirewallState::Drops: return "drops UDP 13579 (" + firewall.tool + ")";
        case FirewallState::Unknown: break;
    }
    return "unknown: " + firewall.note;
}

std::string HolderText(const PortHolder& h) {
    return h.localAddress + " " +
           (h.pid ? h.program + " (pid " + std::to_string(h.pid) + ")" : "owner unknown");
}

void PrintTable(const DoctorReport& report) {
    std::printf("%-12s %-15s %-15s %-3s %-5s %-5s %-12s %s\n", "ADAPTER", "ADDRESS", "NETMASK", "UP", "LINK",
                "MCAST", "GROUP ROUTE", "RP_FILTER");
    for (const AdapterReport& a : report.adapters)
        std::printf("%-12s %-15s %-15s %-3s %-5s %-5s %-12s %s\n", a.facts.name.c_str(),
                    a.facts.address.c_str(), a.facts.netmask.c_str(), YesNo(a.facts.up),
                    YesNo(a.facts.carrier), YesNo(a.facts.multicast),
                    a.groupRoute.empty() ? "none" : a.groupRoute.c_str(),
                    FilterText(a.facts.reversePathFilter).c_str());
    std::printf("\nUDP 13579: %s\n", report.portHolders.empty() ? "free" : "held by");
    for (const PortHolder& h : report.portHolders) std::printf("  %s\n", HolderText(h).c_str());
    std::printf("firewall:  %s\n", FirewallText(report.firewall).c_str());
    for (const std::string& r : report.firewall.rules) std::printf("  %s\n", r.c_str());
    for (const AdapterTrace& t : report.traces) {
        std::printf("\ndiscovery on %s (%s): %s%s\n", t.adapter.c_str(), t.address.c_str(),
                    t.sent ? "request sent" : "request not sent",
                    t.problem.empty() ? "" : ("; " + t.problem).c_str());
        if (t.heard.empty()) std::printf("  nothing heard\n");
        for (const HeardDatagram& h : t.heard)
            std::printf("  %-21s type %-3d %4zu bytes  %s%s\n", h.sender.c_str(), h.type, h.length,
                        VerdictText(h.verdict),
                        h.reply ? (": \"" + h.reply->name + "\" " + h.reply->ip).c_str() : "");
    }
    std::printf("\nconclusion:\n");
    for (const std::string& f : report.findings) std::printf("  %s\n", f.c_str());
}

std::string ReportJson(const DoctorReport& report) {
    std::vector<std::string> adapters, holders, rules, traces, findings;
    for (const AdapterReport& a : report.adapters)
        adapters.push_back(JsonObject()
                               .Text("name", a.facts.name)
                               .Text("address", a.facts.address)
                               .Text("netmask", a.facts.netmask)
                               .Bool("up", a.facts.up)
                               .Bool("link", a.facts.carrier)
                               .Bool("multicast", a.facts.multicast)
                               .Text("groupRoute", a.groupRoute)
                               .Text("reversePathFilter", FilterText(a.facts.reversePathFilter))
                               .str());
    for (const PortHolder& h : report.portHolders)
        holders.push_back(
            JsonObject().Text("local", h.localAddress).Number("pid", h.pid).Text("program", h.program).str());
    for (const std::string& r : report.firewall.rules) rules.push_back(JsonString(r));
    for (const AdapterTrace& t : report.traces) {
        std::vector<std::string> heard;
        for (const HeardDatagram& h : t.heard) {
            JsonObject o;
            o.Text("sender", h.sender)
                .Number("type", h.type)
                .Number("length", static_cast<long long>(h.length));
            o.Text("verdict", VerdictText(h.verdict));
            if (h.reply) o.Text("name", h.reply->name).Text("ip", h.reply->ip).Text("mac", h.reply->macText);
            heard.push_back(o.str());
        }
        traces.push_back(JsonObject()
                             .Text("adapter", t.adapter)
                             .Text("address", t.address)
                             .Bool("sent", t.sent)
                             .Bool("listening", t.bound)
                             .Text("problem", t.problem)
                             .Raw("heard", JsonList(heard))
                             .str());
    }
    for (const std::string& f : report.findings) findings.push_back(JsonString(f));
    return JsonObject()
        .Raw("adapters", JsonList(adapters))
        .Raw("portHolders", JsonList(holders))
        .Raw("firewall",
             JsonObject().Text("state", FirewallText(report.firewall)).Raw("rules", JsonList(rules)).str())
        .Raw("discovery", JsonList(traces))
        .Number("appliancesFound", report.appliancesFound)
        .Raw("conclusion", JsonList(findings))
        .str();
}

}  // namespace

int RunDoctor(CommandContext& context) {
    if (!context.args.empty()) return UsageError("doctor", "doctor takes no arguments");
    DoctorReport report = Diagnose();
    if (context.json)
        std::printf("%s\n", ReportJson(report).c_str());
    else
        PrintTable(report);
    return report.appliancesFound > 0 ? kExitOk : kExitFailed;
}

}  // namespace lumora::cli
