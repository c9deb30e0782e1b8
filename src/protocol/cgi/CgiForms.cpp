#include "protocol/cgi/CgiForms.h"

#include <array>

#include "platform/Text.h"

namespace lumora {

namespace {

constexpr std::array<std::string_view, 19> kPaths = {
    " ",
    "/cgi-bin/account_mgr.cgi",
    "/cgi-bin/wizard_mgr.cgi",
    "/cgi-bin/system_mgr.cgi",
    "/cgi-bin/system_mgr.cgi",
    "/cgi-bin/network_mgr.cgi",
    "/cgi-bin/network_mgr.cgi",
    "/cgi-bin/network_mgr.cgi",
    "/cgi-bin/account_mgr.cgi",
    "/xml/current_hd_info.xml",
    "/cgi-bin/hd_config.cgi",
    "/cgi-bin/hd_config.cgi",
    "/xml/dm_read_state.xml",
    "/cgi-bin/hd_config.cgi",
    "/cgi-bin/hd_config.cgi",
    "/cgi-bin/hd_config.cgi",
    "/cgi-bin/hd_config.cgi",
    "/cgi-bin/usb_device.cgi",
    "/cgi-bin/account_mgr.cgi",
};

// "&" and ";" end a field, "=" ends a name, "+" and "%" are rewritten by decoders, "#"
// ends the form for some; control bytes may end a line or the text.
bool NeedsEscape(unsigned char c) {
    switch (c) {
        case '&':
        case ';':
        case '=':
        case '+':
        case '%':
        case '#': return true;
        default: return c < 0x20 || c == 0x7F;
    }
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Escapes what a form value must not hold as it stands, plus `separator` where the value is
// one item of a list inside a field.
std::string Escape(std::string_view value, char separator = '&') {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(value.size());
    for (char ch : value) {
        const auto c = static_cast<unsigned char>(ch);
        if (!NeedsEscape(c) && ch != separator) {
            out += ch;
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        }
    }
    return out;
}

std::string Field(std::string_view text) { return Escape(text); }
// The volume description is split on its commas before its items are decoded: a comma
// inside an item must not shift the ones after it.
std::string VolumeItem(std::string_view text) { return Escape(text, ','); }

void AppendVolume(std::string& out, const VolumeSpec& v) {
    const std::string size = std::to_string(v.sizeGiB);
    const std::string values[15] = {std::to_string(v.volumeNumber),
                                    VolumeItem(FieldText(v.raidLevel)),
                                    VolumeItem(FieldText(v.fileSystem)),
                                    size,
                                    VolumeItem(FieldText(v.devices)),
                                    "none",
                                    std::to_string(v.extraFlag),
                                    "1",
                                    size,
                                    "0",
                                    "none",
                                    std::to_string(v.matchedSizes),
                                    "0",
                                    "0",
                                    "null"};
    for (const std::string& value : values) {
        if (!out.empty()) out += ',';
        out += value;
    }
}

}  // namespace

std::string_view CgiPath(int kind) {
    if (kind < 0 || kind >= static_cast<int>(kPaths.size())) return kPaths[0];
    return kPaths[static_cast<std::size_t>(kind)];
}

std::string PercentEncode(std::string_view value) { return Escape(value); }

std::string PercentDecode(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '+') {
            out += ' ';
        } else if (value[i] == '%' && i + 2 < value.size() && HexValue(value[i + 1]) >= 0 &&
                   HexValue(value[i + 2]) >= 0) {
            out += static_cast<char>(HexValue(value[i + 1]) * 16 + HexValue(value[i + 2]));
            i += 2;
        } else {
            out += value[i];
        }
    }
    return out;
}

std::string ChangePasswordForm(std::string_view userName, std::string_view oldPassword,
                               std::string_view newPassword) {
    return "cmd=cgi_chg_user_pw&uname=" + Field(userName) + "&opw=" + Field(oldPassword) +
           "&pw=" + Field(newPassword);
}

std::string DeviceInfoForm(const DeviceSettings& s) {
    // The appliance expects the description first, although the record holds it last.
    return "cmd=cgi_device&description=" + Field(FieldText(s.description)) +
           "&hostname=" + Field(FieldText(s.hostName)) + "&workgroup=" + Field(FieldText(s.workgroup));
}

std::string TimeZoneForm(int timeZone) { return "cmd=cgi_timezone&f_timezone=" + std::to_string(timeZone); }

std::string NetworkForm(const NetworkSettings& s) {
    // Gateway before netmask: the order the appliance reads them in.
    return "cmd=cgi_ip&f_dhcp_enable=" + std::to_string(s.dhcpEnable) +
           "&f_ip=" + Field(FieldText(s.address)) + "&f_gateway=" + Field(FieldText(s.gateway)) +
           "&f_netmask=" + Field(FieldText(s.netmask)) + "&f_dns1=" + Field(FieldText(s.dns1)) +
           "&f_dns2=" + Field(FieldText(s.dns2)) + "&vlan_enable=0&vlan_id=0&lan=0";
}

std::string ShareListForm(std::string_view userName, int usb) {
    return "cmd=cgi_get_share_info2&name=" + Field(userName) + "&usb=" + std::to_string(usb);
}

std::string UserAccessForm(std::string_view userName) {
    return "cmd=cgi_get_user_access&name=" + Field(userName);
}

std::optional<std::string> VolumeDescription(const VolumeSpec& first) {
    std::string text;
    AppendVolume(text, first);
    if (first.next) AppendVolume(text, *first.next);
    if (text.size() > kMaxVolumeDescription) return std::nullopt;
    return text;
}

std::optional<std::string> CreateVolumesForm(const VolumeSpec& first) {
    std::optional<std::string> description = VolumeDescription(first);
    if (!description) return std::nullopt;
    return "cmd=cgi_FMT_Create_DiskMGR&f_create_volume_info=" + *description +
           "&f_create_type=1&f_auto_sync=" + std::to_string(first.autoSync);
}

}  // namespace lumora
