// The web side of every simulated appliance: one CGI server on port 80 of each
// appliance's address, kept in step with the datagram side in both directions
// (a set-address datagram moves the server; a network setting, a new name or a
// new password made over CGI reach the datagram answers).

#include <atomic>
#include <deque>
#include <chrono>
#include <cstdio>
#include <thread>

#include "HostAddress.h"
#include "Services.h"
#include "web/CgiServer.h"

namespace lumora::sim {

namespace {

CgiState InitialState(const Appliance& a, std::string& error) {
    CgiState state;
    state.deviceName = a.name;
    state.lan.ip = a.ip;
    state.lan.netmask = a.netmask;
    state.lan.gateway = a.gateway;
    state.lan.dhcpEnable = a.dhcp ? 1 : 0;
    state.lan.dhcpIp = a.dhcpIp;
    state.lan.dhcpNetmask = a.dhcpNetmask;
    state.lan.dhcpGateway = a.dhcpGateway;
    if (!a.accounts.empty()) state.passwords.clear();
    for (const auto& [user, password] : a.accounts) state.passwords[user] = password;
    for (const auto& [key, value] : a.settings) {
        if (key.rfind("web.", 0) != 0 || key == "web.record") continue;
        if (!ApplyWebConfig(state, key, value)) error = a.name + ": bad setting " + key + " = " + value;
    }
    return state;
}

// Called under the server's lock; takes the appliance's lock (always in this order).
void SyncAppliance(Appliance& a, const CgiState& s, const std::optional<std::string>& newAddress,
                   std::uint64_t& seenGeneration) {
    std::lock_guard lock(a.mutex);
    a.name = s.deviceName;
    a.accounts.assign(s.passwords.begin(), s.passwords.end());
    if (!newAddress && a.dhcp == (s.lan.dhcpEnable != 0)) return;
    // The old address stays on the link: the web side still answers there until the move.
    if (newAddress && a.manageAddress) AddHostAddress(a.interfaceName, s.lan.ip, s.lan.netmask);
    a.ip = s.lan.ip;
    a.netmask = s.lan.netmask;
    a.gateway = s.lan.gateway;
    a.dhcp = s.lan.dhcpEnable != 0;
    seenGeneration = ++a.addressGeneration;
    std::fprintf(stderr, "kl440-sim: %s moved to %s/%s (web)\n", a.name.c_str(), a.ip.c_str(),
                 a.netmask.c_str());
}

class WebService : public Service {
public:
    ~WebService() override {
        stop_ = true;
        if (watcher_.joinable()) watcher_.join();
        servers_.clear();
    }

    bool Start(ApplianceSet& appliances, std::string& error) {
        for (auto& a : appliances) {
            CgiState state;
            std::string ip;
            {
                std::lock_guard lock(a->mutex);
                state = InitialState(*a, error);
                ip = a->ip;
                generations_.push_back(a->addressGeneration);
            }
            if (!error.empty()) return false;
            const std::optional<std::string> record = a->Setting("web.record");
            auto server = std::make_unique<CgiServer>(ip, std::move(state));
            if (record) server->RecordTo(*record);
            Appliance* appliance = a.get();
            std::uint64_t* seen = &generations_.back();
            server->OnServed([appliance, seen](const CgiState& s, const std::optional<std::string>& moved) {
                SyncAppliance(*appliance, s, moved, *seen);
            });
            if (!server->Start()) {
                error = "cannot serve the web side of " + a->name + " on " + ip + ":80";
                return false;
            }
            servers_.push_back(std::move(server));
            appliances_.push_back(appliance);
        }
        watcher_ = std::thread([this] { Watch(); });
        return true;
    }

private:
    // Follows address changes made by set-address datagrams.
    void Watch() {
        while (!stop_) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            for (std::size_t i = 0; i < servers_.size(); ++i) {
                std::string ip, netmask, gateway;
                bool dhcp = false;
                {
                    std::lock_guard lock(appliances_[i]->mutex);
                    if (appliances_[i]->addressGeneration == generations_[i]) continue;
                    generations_[i] = appliances_[i]->addressGeneration;
                    ip = appliances_[i]->ip, netmask = appliances_[i]->netmask,
                    gateway = appliances_[i]->gateway;
                    dhcp = appliances_[i]->dhcp;
                }
                servers_[i]->MoveTo(ip, netmask, gateway, dhcp);
            }
        }
    }

    std::vector<std::unique_ptr<CgiServer>> servers_;
    std::vector<Appliance*> appliances_;
    std::deque<std::uint64_t>
        generations_;  // guarded by the appliance's lock; a deque keeps addresses stable
    std::atomic<bool> stop_{false};
    std::thread watcher_;
};

}  // namespace

std::unique_ptr<Service> StartWebService(ApplianceSet& appliances, std::string& error) {
    auto service = std::make_unique<WebService>();
    if (!service->Start(appliances, error)) return nullptr;
    return service;
}

}  // namespace lumora::sim
