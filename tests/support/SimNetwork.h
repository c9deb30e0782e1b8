#pragma once
// A PC and simulated appliances joined by veth links, for tests that exchange
// real datagrams (and CGI requests) with kl440-sim.
//
// The test thread becomes the PC in a fresh namespace of its own; the
// appliances live in a second namespace where kl440-sim runs. Tests skip when
// the system allows no namespaces.

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "support/NetNamespace.h"
#include "support/Sandbox.h"

namespace lumora::test {

class SimNetwork {
public:
    SimNetwork();
    ~SimNetwork();
    // False when namespaces cannot be made here (the test should skip).
    bool ok() const;

    // A PC adapter `pcName` with address `cidr` ("192.0.2.1/24"), joined to link `nasName` of the
    // appliances' namespace. Adapters are listed by the system in the order they are added.
    bool AddAdapter(const std::string& pcName, const std::string& cidr, const std::string& nasName);
    // A PC adapter `pcName` with address `pcCidr` that reaches link `nasName` of the appliances'
    // namespace only through a router namespace of its own (addresses `routerPcCidr` towards the
    // PC, `routerNasCidr` towards the appliances; each side's default route points at it). The
    // router forwards unicast, so HTTP passes and the discovery datagrams stop there.
    bool AddRoutedAdapter(const std::string& pcName, const std::string& pcCidr,
                          const std::string& routerPcCidr, const std::string& nasName,
                          const std::string& routerNasCidr);
    // A bridge `name` in the appliances' namespace with the given links as ports (one LAN).
    bool AddBridge(const std::string& name, const std::vector<std::string>& ports);
    // Writes the configuration and starts kl440-sim (`simPath`) with it; true once it is ready.
    bool StartSim(const std::string& simPath, const std::string& config,
                  std::chrono::milliseconds timeout = std::chrono::seconds(10));
    // Stops kl440-sim.
    void StopSim();

    NetNamespace& appliances() { return *appliances_; }
    const std::string& simOutput() const { return sim_.output(); }

private:
    std::unique_ptr<FreshNetNamespace> pc_;
    std::unique_ptr<NetNamespace> appliances_;
    std::unique_ptr<NetNamespace> router_;  // made by AddRoutedAdapter
    Sandbox files_;
    ChildProcess sim_;
};

#if defined(LUMORA_SIM_PATH) && defined(LUMORA_CLI_PATH)
// The built simulator and command-line tool (their paths come from the build).
inline std::string SimBinary() { return LUMORA_SIM_PATH; }
inline std::string CliBinary() { return LUMORA_CLI_PATH; }
// Runs the built lumora-cli with `args` (and `input` on its standard input) and captures what it
// printed.
inline ProgramResult RunCli(std::vector<std::string> args, const std::string& input = {}) {
    args.insert(args.begin(), CliBinary());
    return CaptureProgram(args, input);
}
#endif

}  // namespace lumora::test
