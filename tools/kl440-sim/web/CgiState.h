#pragma once
// What one simulated appliance's web side knows: accounts, system and network
// settings, disks, volumes, shares, and the fault switches the tests turn on.

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace lumora::sim {

struct SimDisk {
    std::string name;  // "sda"
    int sizeGiB = 0;
};

struct SimVolume {
    int number = 0;
    std::string raidLevel;  // "standard", "linear", "raid0", "raid1"
    std::string devices;    // "sda", "sdasdb"
    int sizeGiB = 0;
    int usedGiB = 0;
};

struct SimLan {
    int dhcpEnable = 0;
    std::string ip;
    std::string netmask = "255.255.255.0";
    std::string gateway;
    std::string dns1;
    std::string dns2;
    // What a DHCP server would hand out; empty: the address stays as it is.
    std::string dhcpIp, dhcpNetmask, dhcpGateway;
};

// Switches that make the web side misbehave on purpose.
struct WebFaults {
    std::string statusLine;       // replaces "HTTP/1.0 200 OK" when not empty
    bool oversizeReply = false;   // pads every reply well past 4095 bytes
    bool neverAnswer = false;     // accepts, reads the request, never replies
    bool closeMidReply = false;   // sends half of the reply and closes
    bool malformedXml = false;    // replies with XML whose root never ends
    bool highBytes = false;       // puts bytes 0xF0 and above into the XML texts
    bool zeroLanAddress = false;  // the LAN information reports ip1 "0.0.0.0"
    bool emptyBody = false;       // status and headers, no body
    bool formatError = false;     // the format reports errcode 0
    bool noDecode = false;        // takes form values as they arrive: "%XX" and "+" stay as written
};

struct CgiState {
    std::map<std::string, std::string> passwords{{"admin", "admin"}};
    std::map<std::string, std::string> userAccess;  // per user; others get kDefaultAccess
    std::string deviceName = "KL440";
    std::string workgroup = "WORKGROUP";
    std::string description = "KL-440 storage";
    int timeZone = 21;
    SimLan lan;
    bool addressLocked = false;
    std::vector<SimDisk> disks{{"sda", 931}, {"sdb", 931}};
    std::vector<SimVolume> volumes{{1, "raid1", "sdasdb", 928, 120}};
    std::vector<std::string> shares{"Public", "Download", "Multimedia"};
    std::vector<std::string> usbShares;
    double formatSeconds = 3.0;
    // A new address takes effect this long after the reply; until then the old one
    // still answers (and reports the new one), as the appliance does.
    double moveDelaySeconds = 2.0;
    WebFaults faults;
};

inline constexpr std::string_view kDefaultAccess = "1,1,1,1,1,0";

// Applies one "web.*" configuration key of the simulator; false for an unknown key or value.
//   web.password.NAME=PW      web.access.NAME=TEXT    web.name / web.workgroup / web.description
//   web.timezone=N            web.dhcp=0|1            web.netmask / web.gateway / web.dns1 / web.dns2
//   web.disks=sda:931,sdb:931 web.volumes=1:raid1:sdasdb:928:120,...
//   web.shares=A,B            web.usb_shares=A,B      web.format_seconds=S  web.move_delay=S
//   web.fault=NAME[,NAME]     (never_answer, close_mid_reply, oversize, malformed_xml,
//                              high_bytes, zero_lan_address, empty_body, format_error,
//                              no_decode)
//   web.status_line=TEXT
bool ApplyWebConfig(CgiState& state, std::string_view key, std::string_view value);

}  // namespace lumora::sim
