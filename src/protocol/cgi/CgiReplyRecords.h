#pragma once
// Records that the CGI reply handlers fill. Texts in the 8-bit fields are in the
// tool's ANSI code page and zero-terminated.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/Guarded.h"
#include "platform/WindowMessages.h"

namespace lumora {

// What the wizard shows: network and system settings of the appliance.
struct WizardInfo {
    char ip[16] = {};
    char netmask[16] = {};
    char gateway[16] = {};
    std::int32_t dhcpEnable = 0;
    char dns1[16] = {};
    char dns2[16] = {};
    char name[16] = {};
    char workgroup[16] = {};
    char description[31] = {};
    std::int32_t timeZone = 0;
};

// Written by the wizard and LAN information handlers on worker threads before they
// report; read by windows after the report arrived. The wizard polls the LAN information
// while other requests run, so every access takes the record's lock:
// `g_wizardInfo.Get()` returns a copy, `g_wizardInfo.Set(info)` replaces it.
extern Guarded<WizardInfo> g_wizardInfo;

// The appliance's disks (at most two), sizes in GiB.
struct HdInfo {
    std::int32_t diskCount = 0;
    char disk1Name[10] = {};
    std::int32_t disk1SizeGiB = 0;
    char disk2Name[10] = {};
    std::int32_t disk2SizeGiB = 0;
};

// Hands a disk record over in a message parameter; the receiver takes it back with TakeHdInfo.
WPARAM ReleaseHdInfo(std::unique_ptr<HdInfo> info);
// Takes ownership of the record carried by a WM_HDINFO_RESULT wParam (null for 0).
std::unique_ptr<HdInfo> TakeHdInfo(WPARAM wParam);

// One volume's usage, sizes in KiB. The caller owns the first record; the handler
// chains one more per further volume.
struct VolumeUsage {
    std::int32_t volume = 0;
    std::int32_t totalSize = 0;
    std::int32_t usedSize = 0;
    std::unique_ptr<VolumeUsage> next;
};

// One shared folder and the label shown beside it.
struct ShareEntry {
    std::u16string shareName;
    std::u16string label;
};

// Filled by the share-list handler on a worker thread; callers empty it before asking
// (`g_shareList.Set({})`) and read a copy after the report arrived (`g_shareList.Get()`).
extern Guarded<std::vector<ShareEntry>> g_shareList;

}  // namespace lumora
