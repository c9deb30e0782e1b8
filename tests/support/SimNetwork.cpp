#include "support/SimNetwork.h"

#include <fstream>
#include <thread>

namespace lumora::test {

SimNetwork::SimNetwork() {
    pc_ = std::make_unique<FreshNetNamespace>();
    // The appliances' namespace is made from inside the PC's, so both are private to the test.
    if (pc_->ok()) appliances_ = std::make_unique<NetNamespace>();
}

SimNetwork::~SimNetwork() {
    sim_.Stop();
    router_.reset();
    appliances_.reset();
    pc_.reset();
}

bool SimNetwork::ok() const { return pc_ && pc_->ok() && appliances_ && appliances_->ok(); }

bool SimNetwork::AddAdapter(const std::string& pcName, const std::string& cidr, const std::string& nasName) {
    if (!ok() || !appliances_->AddVeth(pcName, nasName)) return false;
    if (RunProgram({"ip", "addr", "add", cidr, "dev", pcName}) != 0 ||
        RunProgram({"ip", "link", "set", pcName, "up"}) != 0 ||
        appliances_->Run({"ip", "link", "set", nasName, "up"}) != 0)
        return false;
    // The system marks the link as carrying a moment after both ends are up, and discovery
    // leaves out adapters without a carrier: wait for the mark.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (CaptureProgram({"ip", "-o", "link", "show", pcName}).out.find("state UP") == std::string::npos) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

bool SimNetwork::AddRoutedAdapter(const std::string& pcName, const std::string& pcCidr,
                                  const std::string& routerPcCidr, const std::string& nasName,
                                  const std::string& routerNasCidr) {
    if (!ok()) return false;
    if (!router_) router_ = std::make_unique<NetNamespace>();
    const auto address = [](const std::string& cidr) { return cidr.substr(0, cidr.find('/')); };
    const std::string towardsPc = "r-" + pcName, towardsNas = "r-" + nasName;
    const NetNamespace& router = *router_;
    return router.ok() && router.AddVeth(pcName, towardsPc) &&
           RunProgram({"ip", "addr", "add", pcCidr, "dev", pcName}) == 0 &&
           RunProgram({"ip", "link", "set", pcName, "up"}) == 0 &&
           RunProgram({"ip", "route", "add", "default", "via", address(routerPcCidr)}) == 0 &&
           router.Run({"ip", "link", "add", towardsNas, "type", "veth", "peer", "name", nasName, "netns",
                       std::to_string(appliances_->pid())}) == 0 &&
           router.Run({"ip", "addr", "add", routerPcCidr, "dev", towardsPc}) == 0 &&
           router.Run({"ip", "addr", "add", routerNasCidr, "dev", towardsNas}) == 0 &&
           router.Run({"ip", "link", "set", towardsPc, "up"}) == 0 &&
           router.Run({"ip", "link", "set", towardsNas, "up"}) == 0 &&
           router.Run({"sysctl", "-qw", "net.ipv4.ip_forward=1"}) == 0 &&
           appliances_->Run({"ip", "link", "set", nasName, "up"}) == 0 &&
           appliances_->Run({"ip", "route", "add", "default", "via", address(routerNasCidr), "dev", nasName,
                             "onlink"}) == 0;
}

bool SimNetwork::AddBridge(const std::string& name, const std::vector<std::string>& ports) {
    if (!ok() || appliances_->Run({"ip", "link", "add", name, "type", "bridge"}) != 0) return false;
    for (const std::string& port : ports)
        if (appliances_->Run({"ip", "link", "set", port, "master", name}) != 0) return false;
    return appliances_->Run({"ip", "link", "set", name, "up"}) == 0;
}

bool SimNetwork::StartSim(const std::string& simPath, const std::string& config,
                          std::chrono::milliseconds timeout) {
    if (!ok()) return false;
    const auto path = files_.path() / "appliances.conf";
    std::ofstream(path) << config;
    sim_ = appliances_->Spawn({simPath, "--config", path.string()});
    return sim_.WaitForLine("kl440-sim: ready", timeout);
}

void SimNetwork::StopSim() { sim_.Stop(); }

}  // namespace lumora::test
