#pragma once
// The checks of an IPv4 address typed into the four octet fields of an address
// control, judged by what the address is for before anything is sent. Pure
// logic on the four field texts; the control passes its texts and itself as
// the owner of the message box a failure shows.

#include <array>
#include <cstdint>
#include <string_view>

#include "platform/WindowMessages.h"

namespace lumora {

// What an address is for; any other value checks only that all four fields are filled.
enum AddressCheckKind : int {
    CheckNone = 0,     // all four fields filled
    CheckAddress = 1,  // host address
    CheckMask = 2,     // subnet mask
    CheckGateway = 3,  // gateway address
    CheckDns = 4,      // name server address
};

// The texts of the four fields, left to right.
using OctetTexts = std::array<std::u16string_view, 4>;

// Reads and checks the fields. Returns 4 when all are filled and the check of `kind` passes
// (the octets then hold the address, most significant first); 0 when filled but failing the
// check; otherwise the number of fields before the first empty one. The octets are zeroed
// first and stay 0 on any failure. A failure shows its message (caption "Error", exclamation
// icon, both translated) in a message box owned by `owner`; called on the UI thread.
int GetOctets(const OctetTexts& fields, int kind, std::uint8_t& b1, std::uint8_t& b2, std::uint8_t& b3,
              std::uint8_t& b4, HWND owner = kNoWindow);
// As GetOctets, delivering the address as one value with the first octet in the top byte (0 on failure).
int GetOctetsValue(const OctetTexts& fields, int kind, std::uint32_t& value, HWND owner = kNoWindow);

}  // namespace lumora
