#pragma once
// The whole diagnosis of "no appliance is found": the system's facts, one
// traced discovery, and a plain-language conclusion drawn from both.

#include <string>
#include <vector>

#include "protocol/diagnosis/DiscoveryTrace.h"
#include "protocol/diagnosis/SystemProbe.h"

namespace lumora::diagnosis {

struct AdapterReport {
    AdapterFacts facts;
    std::string groupRoute;  // the interface a route sends 224.0.0.1 out of; empty: no route
};

struct DoctorReport {
    std::vector<AdapterReport> adapters;  // every IPv4 adapter but loopback
    std::vector<PortHolder> portHolders;  // sockets already bound to UDP 13579
    FirewallFacts firewall;
    std::vector<AdapterTrace> traces;
    int appliancesFound = 0;            // accepted replies on the PC's subnets or others
    std::vector<std::string> findings;  // the conclusion, one sentence each, most important first
};

// Gathers the facts of the running system; runs the traced discovery unless `discover` is false.
DoctorReport Diagnose(bool discover = true);
// Draws the conclusion of `report` into its findings and counts the appliances found.
void Conclude(DoctorReport& report);
// The set-address command that moves the appliance onto the adapter's subnet.
std::string SetAddressAdvice(const DiscoveryReply& reply, const std::string& adapterAddress,
                             const std::string& adapterNetmask);

}  // namespace lumora::diagnosis
