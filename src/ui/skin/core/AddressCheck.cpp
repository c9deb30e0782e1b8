#include "ui/skin/core/AddressCheck.h"

#include "app/Language.h"
#include "platform/Dialogs.h"
#include "platform/Format.h"
#include "platform/Text.h"

namespace lumora {

namespace {

void complain(std::u16string text, HWND owner) {
    MessageBox(std::move(text), Tr(u"Error"), MessageButtons::Ok, MessageIcon::Exclamation, owner);
}

// The message of a host-style check (two "%d": the octet found and the highest allowed).
const char16_t* hostMessage(int kind) {
    switch (kind) {
        case CheckAddress:
            return u"%d is not a valid entry in IP address.Please specify a value between 1 and %d for this field.";
        case CheckGateway:
            return u"%d is not a valid entry in GateWay IP.  Please specify a value between 1 and %d for this field.";
        case CheckDns:
            return u"%d is not a valid entry in DNS.  Please specify a value between 1 and %d for this field.";
        default: return nullptr;
    }
}

bool passes(int kind, const std::array<std::uint8_t, 4>& octets, HWND owner) {
    if (kind == CheckMask) {
        std::uint32_t m = (std::uint32_t{octets[0]} << 24) | (octets[1] << 16) | (octets[2] << 8) | octets[3];
        // Ones followed by zeros only: no zero bit above the lowest one bit.
        if (m != 0 && (~m & (0u - m)) == 0) return true;
        complain(Tr(u"Please enter a valid address in SubnetMask."), owner);
        return false;
    }
    const char16_t* message = hostMessage(kind);
    if (!message) return true;
    if (octets[0] < 1 || octets[0] > 223) {
        complain(FormatText(Tr(message), {octets[0], 223}), owner);
        return false;
    }
    if (octets[3] == 0 || octets[3] == 255) {
        complain(FormatText(Tr(message), {octets[3], 254}), owner);
        return false;
    }
    return true;
}

}  // namespace

int GetOctets(const OctetTexts& fields, int kind, std::uint8_t& b1, std::uint8_t& b2, std::uint8_t& b3,
              std::uint8_t& b4, HWND owner) {
    b1 = b2 = b3 = b4 = 0;
    std::array<std::uint8_t, 4> octets{};
    for (int i = 0; i < 4; ++i) {
        if (fields[i].empty()) {
            complain(Tr(u"Missing value in address"), owner);
            return i;
        }
        // Only the lowest 8 bits count, so a pasted 999 reads as 231.
        octets[i] = static_cast<std::uint8_t>(LeadingInteger(fields[i]) & 0xFF);
    }
    if (!passes(kind, octets, owner)) return 0;
    b1 = octets[0], b2 = octets[1], b3 = octets[2], b4 = octets[3];
    return 4;
}

int GetOctetsValue(const OctetTexts& fields, int kind, std::uint32_t& value, HWND owner) {
    std::uint8_t b[4];
    int result = GetOctets(fields, kind, b[0], b[1], b[2], b[3], owner);
    value = (std::uint32_t{b[0]} << 24) | (std::uint32_t{b[1]} << 16) | (std::uint32_t{b[2]} << 8) | b[3];
    return result;
}

}  // namespace lumora
