#include "Appliance.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "web/SimText.h"

namespace lumora::sim {
namespace {

bool Flag(const std::string& value) { return value == "1" || value == "yes" || value == "true"; }

// Applies one datagram key; false when the key belongs to some other service.
bool Apply(Appliance& a, const std::string& key, const std::string& value, std::string& error) {
    long long n = 0;
    if (key == "name")
        a.name = value;
    else if (key == "mac") {
        auto mac = ParseMac(value);
        if (!mac)
            error = "bad mac: " + value;
        else
            a.mac = *mac;
    } else if (key == "interface")
        a.interfaceName = value;
    else if (key == "ip")
        a.ip = value;
    else if (key == "netmask")
        a.netmask = value;
    else if (key == "gateway")
        a.gateway = value;
    else if (key == "dhcp")
        a.dhcp = Flag(value);
    else if (key == "extra")
        a.extraText = value;
    else if (key == "account") {
        const auto colon = value.find(':');
        if (colon == std::string::npos)
            error = "account needs USER:PASSWORD";
        else
            a.accounts.emplace_back(value.substr(0, colon), value.substr(colon + 1));
    } else if (key == "dhcp_ip")
        a.dhcpIp = value;
    else if (key == "dhcp_netmask")
        a.dhcpNetmask = value;
    else if (key == "dhcp_gateway")
        a.dhcpGateway = value;
    else if (key == "manage_address")
        a.manageAddress = Flag(value);
    else if (key == "silent") {
        const bool all = value == "all";
        a.faults.silentDiscovery = all || value.find("discovery") != std::string::npos;
        a.faults.silentLogin = all || value.find("login") != std::string::npos;
        a.faults.silentSetAddress = all || value.find("set-address") != std::string::npos;
    } else if (key == "model_tag") {
        int t[3];
        if (std::sscanf(value.c_str(), "%d,%d,%d", &t[0], &t[1], &t[2]) != 3)
            error = "model_tag needs A,B,C";
        else
            a.faults.modelTag = {t[0], t[1], t[2]};
    } else if (key == "duplicate")
        a.faults.duplicate = Flag(value);
    else if (key == "wrong_id")
        a.faults.wrongId = Flag(value);
    else if (key == "reply_to")
        a.faults.replyTo = value == "group" ? std::string() : value;
    else if (key == "delay_ms" || key == "truncate" || key == "junk" || key == "name_length") {
        const std::optional<long long> number = ParseNumber(value);
        if (number) n = *number;
        if (!number || n < 0) {
            error = key + " needs a number";
        } else if (key == "delay_ms")
            a.faults.delayMs = static_cast<int>(n);
        else if (key == "truncate")
            a.faults.truncate = static_cast<int>(n);
        else if (key == "junk")
            a.faults.junk = static_cast<int>(n);
        else
            a.faults.nameLength = static_cast<std::uint32_t>(n);
    } else
        return false;
    return true;
}

}  // namespace

std::optional<std::string> Appliance::Setting(const std::string& key) const {
    for (const auto& [k, v] : settings)
        if (k == key) return v;
    return std::nullopt;
}

bool Appliance::Accepts(const std::string& user, const std::string& password) const {
    for (const auto& [u, p] : accounts)
        if (u == user && p == password) return true;
    return false;
}

std::optional<std::array<std::uint8_t, 6>> ParseMac(const std::string& text) {
    unsigned b[6];
    char tail;
    if (std::sscanf(text.c_str(), "%x:%x:%x:%x:%x:%x%c", &b[0], &b[1], &b[2], &b[3], &b[4], &b[5], &tail) !=
        6)
        return std::nullopt;
    std::array<std::uint8_t, 6> mac{};
    for (int i = 0; i < 6; ++i) {
        if (b[i] > 0xFF) return std::nullopt;
        mac[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(b[i]);
    }
    return mac;
}

std::optional<ApplianceSet> ParseApplianceConfig(const std::string& text, std::string& error) {
    ApplianceSet set;
    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        line = std::string(Trim(line));
        if (line.empty() || line[0] == '#') continue;
        if (line.front() == '[') {
            if (line != "[appliance]") {
                error = "line " + std::to_string(number) + ": unknown section " + line;
                return std::nullopt;
            }
            set.push_back(std::make_unique<Appliance>());
            continue;
        }
        const auto equals = line.find('=');
        if (equals == std::string::npos || set.empty()) {
            error = "line " + std::to_string(number) + ": expected key = value inside [appliance]";
            return std::nullopt;
        }
        const std::string key(Trim(std::string_view(line).substr(0, equals)));
        const std::string value(Trim(std::string_view(line).substr(equals + 1)));
        Appliance& a = *set.back();
        std::string problem;
        if (!Apply(a, key, value, problem)) a.settings.emplace_back(key, value);
        if (!problem.empty()) {
            error = "line " + std::to_string(number) + ": " + problem;
            return std::nullopt;
        }
    }
    for (const auto& a : set)
        if (a->interfaceName.empty() || a->ip.empty()) {
            error = "every appliance needs interface and ip";
            return std::nullopt;
        }
    return set;
}

std::optional<ApplianceSet> LoadApplianceConfig(const std::string& path, std::string& error) {
    std::ifstream in(path);
    if (!in) {
        error = "cannot read " + path;
        return std::nullopt;
    }
    std::stringstream text;
    text << in.rdbuf();
    return ParseApplianceConfig(text.str(), error);
}

}  // namespace lumora::sim
