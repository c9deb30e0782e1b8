#pragma once
// The CGI paths and form bodies of every CGI command, as pure functions.
//
// Form values are escaped only where the body's structure needs it: the bytes a
// form decoder splits on or rewrites ("&", ";", "=", "+", "%", "#") and control
// bytes become %XX, so a value cannot add or rewrite fields. Every other byte
// (spaces, "@", "!", bytes of 0x80 and above) goes out as it stands: a plain value
// is byte for byte the request the appliance has always received, and an appliance
// that never decodes escapes is harmed only by values that were broken before.

#include <optional>
#include <string>
#include <string_view>

#include "protocol/cgi/CgiKind.h"
#include "protocol/cgi/CgiRecords.h"

namespace lumora {

inline constexpr std::size_t kMaxVolumeDescription = 511;
inline constexpr std::size_t kMaxFormBody = 1023;

// The CGI path of a kind; " " for kind 0 and for kinds outside 0-18.
std::string_view CgiPath(int kind);

// Escapes the structural and control bytes of one form value as %XX; keeps every other byte.
std::string PercentEncode(std::string_view value);
// Reverses PercentEncode and also turns "+" into a space; bad escapes stay as written.
std::string PercentDecode(std::string_view value);

// The form bodies of the commands with inputs, fields in the order the appliance reads them.
std::string ChangePasswordForm(std::string_view userName, std::string_view oldPassword,
                               std::string_view newPassword);
std::string DeviceInfoForm(const DeviceSettings& settings);
std::string TimeZoneForm(int timeZone);
std::string NetworkForm(const NetworkSettings& settings);
std::string ShareListForm(std::string_view userName, int usb);
std::string UserAccessForm(std::string_view userName);

// The f_create_volume_info text of one or two chained volumes: 15 values per volume,
// fields encoded one by one and joined with plain commas; nullopt when it would
// exceed 511 characters.
std::optional<std::string> VolumeDescription(const VolumeSpec& first);
// The CreateVolumes body; nullopt when the volume description does not fit.
std::optional<std::string> CreateVolumesForm(const VolumeSpec& first);

// Fixed bodies of the commands without inputs.
inline constexpr std::string_view kWizardInfoForm = "cmd=cgi_get_wizard";
inline constexpr std::string_view kLanInfoForm = "cmd=cgi_get_lan_xml2&lan=0";
inline constexpr std::string_view kLockAddressForm = "cmd=cgi_setip_lock&lan=0";
inline constexpr std::string_view kStopFileBrowserForm = "cmd=cgi_AJAXPlorer_Stop";
inline constexpr std::string_view kRemountForm = "cmd=cgi_Disk_Remount";
inline constexpr std::string_view kCheckRemountForm = "cmd=cgi_Check_Disk_Remount_State";
inline constexpr std::string_view kFinishFormatForm = "cmd=cgi_FMT_Disk_Finish";
inline constexpr std::string_view kVolumeInfoForm = "cmd=cgi_Status_Volume_Info";

}  // namespace lumora
