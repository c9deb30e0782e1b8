#include "web/CgiState.h"

#include "web/SimText.h"

namespace lumora::sim {

namespace {

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    if (text.empty()) return parts;
    while (true) {
        const std::size_t at = text.find(separator);
        parts.push_back(text.substr(0, at));
        if (at == std::string_view::npos) break;
        text.remove_prefix(at + 1);
    }
    return parts;
}

// Tenths are enough for tests: "0.5" or "3".
bool ToSeconds(std::string_view value, double& out) {
    const std::size_t dot = value.find('.');
    int whole = 0, tenth = 0;
    if (!ParseInt(value.substr(0, dot), whole) || whole < 0) return false;
    if (dot != std::string_view::npos && !ParseInt(value.substr(dot + 1, 1), tenth)) return false;
    out = whole + tenth / 10.0;
    return true;
}

bool ApplyFault(WebFaults& f, std::string_view name) {
    static const std::map<std::string_view, bool WebFaults::*> kFaults = {
        {"never_answer", &WebFaults::neverAnswer}, {"close_mid_reply", &WebFaults::closeMidReply},
        {"oversize", &WebFaults::oversizeReply},   {"malformed_xml", &WebFaults::malformedXml},
        {"high_bytes", &WebFaults::highBytes},     {"zero_lan_address", &WebFaults::zeroLanAddress},
        {"empty_body", &WebFaults::emptyBody},     {"format_error", &WebFaults::formatError},
        {"no_decode", &WebFaults::noDecode},
    };
    const auto found = kFaults.find(name);
    if (found == kFaults.end()) return false;
    f.*(found->second) = true;
    return true;
}

bool ParseDisks(std::string_view value, std::vector<SimDisk>& disks) {
    disks.clear();
    for (std::string_view item : Split(value, ',')) {
        const std::vector<std::string_view> f = Split(item, ':');
        SimDisk disk;
        if (f.size() != 2 || !ParseInt(f[1], disk.sizeGiB)) return false;
        disk.name = f[0];
        disks.push_back(disk);
    }
    return true;
}

bool ParseVolumes(std::string_view value, std::vector<SimVolume>& volumes) {
    volumes.clear();
    for (std::string_view item : Split(value, ',')) {
        const std::vector<std::string_view> f = Split(item, ':');
        SimVolume v;
        if (f.size() != 5 || !ParseInt(f[0], v.number) || !ParseInt(f[3], v.sizeGiB) ||
            !ParseInt(f[4], v.usedGiB))
            return false;
        v.raidLevel = f[1];
        v.devices = f[2];
        volumes.push_back(v);
    }
    return true;
}

}  // namespace

bool ApplyWebConfig(CgiState& s, std::string_view key, std::string_view value) {
    constexpr std::string_view kPassword = "web.password.", kAccess = "web.access.";
    if (key.substr(0, kPassword.size()) == kPassword) {
        s.passwords[std::string(key.substr(kPassword.size()))] = value;
        return true;
    }
    if (key.substr(0, kAccess.size()) == kAccess) {
        s.userAccess[std::string(key.substr(kAccess.size()))] = value;
        return true;
    }
    static const std::map<std::string_view, std::string CgiState::*> kTexts = {
        {"web.name", &CgiState::deviceName},
        {"web.workgroup", &CgiState::workgroup},
        {"web.description", &CgiState::description}};
    static const std::map<std::string_view, std::string SimLan::*> kLanTexts = {
        {"web.ip", &SimLan::ip},
        {"web.netmask", &SimLan::netmask},
        {"web.gateway", &SimLan::gateway},
        {"web.dns1", &SimLan::dns1},
        {"web.dns2", &SimLan::dns2}};
    if (auto t = kTexts.find(key); t != kTexts.end()) return s.*(t->second) = value, true;
    if (auto t = kLanTexts.find(key); t != kLanTexts.end()) return s.lan.*(t->second) = value, true;
    if (key == "web.timezone") return ParseInt(value, s.timeZone);
    if (key == "web.dhcp") return ParseInt(value, s.lan.dhcpEnable);
    if (key == "web.disks") return ParseDisks(value, s.disks);
    if (key == "web.volumes") return ParseVolumes(value, s.volumes);
    if (key == "web.status_line") return s.faults.statusLine = value, true;
    if (key == "web.format_seconds") return ToSeconds(value, s.formatSeconds);
    if (key == "web.move_delay") return ToSeconds(value, s.moveDelaySeconds);
    auto list = [&](std::vector<std::string>& out) {
        out.clear();
        for (std::string_view item : Split(value, ',')) out.emplace_back(item);
        return true;
    };
    if (key == "web.shares") return list(s.shares);
    if (key == "web.usb_shares") return list(s.usbShares);
    if (key == "web.fault") {
        for (std::string_view name : Split(value, ','))
            if (!ApplyFault(s.faults, name)) return false;
        return true;
    }
    return false;
}

}  // namespace lumora::sim
