#include "web/SimReplies.h"

#include <algorithm>

#include "web/HttpRequest.h"

namespace lumora::sim {

namespace {

constexpr std::string_view kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";

std::string Element(std::string_view name, std::string_view text) {
    return "<" + std::string(name) + ">" + XmlEscape(text) + "</" + std::string(name) + ">";
}

std::string Element(std::string_view name, long long number) { return Element(name, std::to_string(number)); }

std::string Config(std::string_view inner) {
    return std::string(kDeclaration) + "<config>" + std::string(inner) + "</config>\n";
}

// Sizes are reported in KiB in 32-bit fields; a very large volume is capped rather than wrapped.
long long KiB(int gib) { return std::min<long long>(static_cast<long long>(gib) << 20, 0x7FFFFFFF); }

}  // namespace

std::string XmlEscape(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            case '\'': out += "&apos;"; break;
            default: out += c;
        }
    }
    return out;
}

std::string ResXml(int res) { return Config(Element("res", res)); }

std::string PasswordStatusXml(bool accepted) { return Config(Element("status", accepted ? 1 : 0)); }

std::string WizardXml(const CgiState& s) {
    return Config("<lan>" + Element("dhcp_enable", s.lan.dhcpEnable) + Element("ip", s.lan.ip) +
                  Element("netmask", s.lan.netmask) + Element("gateway", s.lan.gateway) +
                  Element("dns1", s.lan.dns1.empty() ? "0.0.0.0" : s.lan.dns1) +
                  Element("dns2", s.lan.dns2.empty() ? "0.0.0.0" : s.lan.dns2) + "</lan><system>" +
                  Element("name", s.deviceName) + Element("workgroup", s.workgroup) +
                  Element("description", s.description) + Element("timezone", s.timeZone) + "</system>");
}

std::string LanXml(const CgiState& s) {
    const std::string ip = s.faults.zeroLanAddress ? "0.0.0.0" : s.lan.ip;
    return std::string(kDeclaration) + "<info>" + Element("ip1", ip) + Element("netmask1", s.lan.netmask) +
           Element("gateway1", s.lan.gateway) + Element("dhcp1", s.lan.dhcpEnable) + "</info>\n";
}

std::string SharesXml(const CgiState& s, bool withUsb) {
    std::string items;
    for (const std::string& share : s.shares) items += Element("item", share);
    if (withUsb)
        for (const std::string& share : s.usbShares) items += Element("item", share);
    return Config(items);
}

std::string UserAccessXml(const CgiState& s, const std::string& user) {
    const auto found = s.userAccess.find(user);
    return Config(
        Element("authority", found != s.userAccess.end() ? found->second : std::string(kDefaultAccess)));
}

std::string DiskInfoXml(const CgiState& s) {
    std::string items;
    for (const SimDisk& d : s.disks)
        items += "<item>" + Element("device_name", d.name) + Element("hd_GiB_size", d.sizeGiB) + "</item>";
    return Config("<hd_info><device_info>" + Element("device_num", static_cast<long long>(s.disks.size())) +
                  items + "</device_info></hd_info>");
}

std::string FormatStateXml(const FormatJob::Progress& p) {
    return Config("<dm_state>" + Element("finished", p.finished ? 1 : 0) +
                  Element("errcode", p.error ? 0 : 1) + Element("percent", p.percent) + "</dm_state>");
}

std::string VolumeInfoXml(const CgiState& s) {
    std::string items;
    for (const SimVolume& v : s.volumes)
        items += "<item>" + Element("volume", v.number) + Element("raid_level", v.raidLevel) +
                 Element("total_size", KiB(v.sizeGiB)) + Element("use_size", KiB(v.usedGiB)) + "</item>";
    return Config(items);
}

std::string RedirectPage(std::string_view query) {
    static const char* const kCentres[] = {"Unknown",         "File Center",   "Management Center",
                                           "Download Center", "Backup Center", "Surveillance Center"};
    const auto fields = ParseForm(query);
    auto get = [&](const char* name) {
        const auto f = fields.find(name);
        return f == fields.end() ? std::string() : f->second;
    };
    const std::string m = get("m");
    const int page = m.size() == 1 && m[0] >= '1' && m[0] <= '5' ? m[0] - '0' : 0;
    return "<!DOCTYPE html>\n<html><head><title>KL-440</title></head><body>\n<h1 id=\"centre\">" +
           XmlEscape(kCentres[page]) + "</h1>\n<p>page: <span id=\"m\">" + XmlEscape(m) +
           "</span></p>\n<p>user: <span id=\"u\">" + XmlEscape(get("u")) +
           "</span></p>\n<p>password: <span id=\"p\">" + XmlEscape(get("p")) +
           "</span></p>\n<p>view: <span id=\"d\">" + XmlEscape(get("d")) + "</span></p>\n</body></html>\n";
}

std::string HttpReply(std::string_view statusLine, std::string_view contentType, std::string_view body) {
    std::string out(statusLine);
    out += "\r\nContent-Type: ";
    out += contentType;
    out += "\r\nContent-Length: " + std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n";
    out += body;
    return out;
}

}  // namespace lumora::sim
