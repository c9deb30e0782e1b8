#pragma once
// Records the windows fill for the CGI commands that change the appliance.
// Texts are 8-bit and zero-terminated inside their fixed fields.

#include <cstdint>
#include <memory>

namespace lumora {

// Name, workgroup and description of the appliance; texts in UTF-8.
struct DeviceSettings {
    char hostName[16] = {};
    char workgroup[16] = {};
    char description[31] = {};
};

// Address settings of the appliance's LAN port; addresses in dotted text.
struct NetworkSettings {
    std::int32_t dhcpEnable = 0;  // 1 DHCP, 0 static
    char address[16] = {};
    char netmask[16] = {};
    char gateway[16] = {};
    char dns1[16] = {};
    char dns2[16] = {};
};

// One volume to create; a second volume hangs off the first through `next`.
struct VolumeSpec {
    std::int32_t autoSync = 0;      // read from the first record only
    std::int32_t volumeNumber = 0;  // 1 or 2
    char raidLevel[15] = {};        // "standard", "linear", "raid0" or "raid1"
    char fileSystem[10] = {};       // "ext4"
    std::int32_t sizeGiB = 0;
    char devices[10] = {};          // disk name(s) as the disk information names them
    std::int32_t extraFlag = 0;     // sent as the 7th value
    std::int32_t matchedSizes = 0;  // sent as the 12th value
    std::unique_ptr<VolumeSpec> next;
};

}  // namespace lumora
