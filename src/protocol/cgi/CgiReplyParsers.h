#pragma once
// Reading the appliance's XML replies into values. Each function takes the whole
// reply text (status line, headers and body, as received) and touches no global
// state; the handlers store and report what these return.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "protocol/cgi/CgiReplyRecords.h"

namespace lumora {

// Reply body to UTF-16: the reply decoder for the UTF-8 replies, Windows-1252 otherwise.
std::u16string ReplyAsUtf8(std::string_view reply);
std::u16string ReplyAsAnsi(std::string_view reply);

// Password change: true when (root)/status is exactly "1".
bool ParsePasswordAccepted(std::string_view reply);

// Wizard information, read into a zeroed record (never fails).
WizardInfo ParseWizardInfo(std::string_view reply);

// Address, netmask and gateway of the LAN port (ANSI texts).
struct LanInfo {
    std::string ip;
    std::string netmask;
    std::string gateway;
};
// nullopt without an info element, or when ip1 is missing, "0.0.0.0" or no dotted IPv4 address.
std::optional<LanInfo> ParseLanInfo(std::string_view reply);

// The share names in reply order; nullopt when the reply does not load.
std::optional<std::vector<std::u16string>> ParseShareNames(std::string_view reply);

// The disk record; nullopt when the reply does not load.
std::optional<HdInfo> ParseDiskInfo(std::string_view reply);

// (root)/res as a number, 0 when missing; nullopt when the reply does not load.
std::optional<int> ParseResValue(std::string_view reply);

// Format progress: state 0 error, 1 running, 2 finished.
struct FormatState {
    int state = 0;
    int percent = 0;
};
// nullopt when the reply does not load.
std::optional<FormatState> ParseFormatState(std::string_view reply);

// Fills `first` and chains one record per further item; false when the reply does not load.
bool ParseVolumeUsage(std::string_view reply, VolumeUsage& first);

// (root)/authority text (empty when missing); nullopt when the reply does not load.
std::optional<std::u16string> ParseUserAccess(std::string_view reply);

}  // namespace lumora
