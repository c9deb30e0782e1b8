#pragma once
// The command kinds of the CGI commands; each selects a CGI path and a reply handler.

namespace lumora {

// Command kinds; each selects a CGI path.
enum CgiKind : int {
    kKindNone = 0,
    kKindChangePassword = 1,
    kKindWizardInfo = 2,
    kKindDeviceInfo = 3,
    kKindTimeZone = 4,
    kKindNetwork = 5,
    kKindLanInfo = 6,
    kKindLockAddress = 7,
    kKindShareList = 8,
    kKindDiskInfo = 9,
    kKindStopFileBrowser = 10,
    kKindCreateVolumes = 11,
    kKindFormatState = 12,
    kKindRemount = 13,
    kKindCheckRemount = 14,
    kKindFinishFormat = 15,
    kKindVolumeInfo = 16,
    kKindUsbDevice = 17,
    kKindUserAccess = 18,
};

}  // namespace lumora
