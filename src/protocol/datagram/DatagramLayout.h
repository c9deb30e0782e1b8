#pragma once
// Where every field of the discovery, login and set-address datagrams sits.
//
// Builders, parsers and tests read the layout from here only. Numbers are
// little-endian 32-bit; texts are zero-padded fixed fields; addresses are
// four bytes in network order. (The simulator reads the wire with its own
// numbers on purpose, see tools/kl440-sim/Replies.h.)

#include <cstddef>
#include <cstdint>

namespace lumora {

inline constexpr std::uint16_t kDiscoveryPort = 13579;
inline constexpr const char* kDiscoveryGroup = "224.0.0.1";

// Datagram types (byte 0).
inline constexpr std::uint8_t kDiscoveryRequest = 1;
inline constexpr std::uint8_t kLoginRequest = 3;
inline constexpr std::uint8_t kLoginReply = 4;
inline constexpr std::uint8_t kSetAddressRequest = 5;
inline constexpr std::uint8_t kSetAddressAck = 6;
inline constexpr std::uint8_t kDiscoveryReply = 8;

namespace layout {

// --- Every datagram: type, then the request id, which replies echo.
inline constexpr std::size_t kType = 0;
inline constexpr std::size_t kId = 1;
inline constexpr std::size_t kIdSize = 10;      // bytes 0-5 random, 6-9 zero
inline constexpr std::size_t kIdEchoed = 6;     // the bytes of the id a reply must echo
inline constexpr std::size_t kHeaderSize = 11;  // type and id: the whole discovery request

// --- The appliance's tag (its MAC, then its address), sent back in login and set-address.
inline constexpr std::size_t kHwTag = 11;
inline constexpr std::size_t kHwTagSize = 10;
inline constexpr std::size_t kMac = 11;
inline constexpr std::size_t kMacSize = 6;
inline constexpr std::size_t kAddress = 17;  // IPv4 address (discovery and login replies)

// --- Discovery reply (type 8).
inline constexpr std::size_t kDhcpFlag = 21;  // '1' DHCP, '0' static
inline constexpr std::size_t kNetmask = 24;   // text field
inline constexpr std::size_t kNetmaskSize = 16;
inline constexpr std::size_t kGateway = 40;  // text field
inline constexpr std::size_t kGatewaySize = 16;
inline constexpr std::size_t kModelTag = 56;  // three bytes, 0,11,0 for a KL-440
inline constexpr std::size_t kModelTagSize = 3;
inline constexpr std::size_t kExtra = 68;  // text field
inline constexpr std::size_t kExtraSize = 32;
inline constexpr std::size_t kNameLength = 100;  // 32-bit length of the name
inline constexpr std::size_t kName = 104;        // the name's bytes, to the end
inline constexpr std::uint32_t kMaxNameLength = 255;

// --- Login request (type 3): user name, the separator, password.
inline constexpr std::size_t kRequestKind = 21;  // login 4, set-address 0x15
inline constexpr std::uint8_t kLoginKind = 4;
inline constexpr std::size_t kLoginLength = 24;  // 32-bit: user + separator + password
inline constexpr std::size_t kLoginUser = 28;
inline constexpr std::uint8_t kSeparator[2] = {0x55, 0xAA};
inline constexpr std::size_t kLoginFixedSize = 30;  // everything but the two texts
inline constexpr std::size_t kMaxLoginText = 16;    // user name and password, each

// --- Login reply (type 4).
inline constexpr std::size_t kLoginResult = 28;  // signed; nonzero: accepted
inline constexpr std::size_t kLoginReplyMinSize = 29;

// --- Set-address request (type 5): the netmask and gateway twice, then the settings block.
inline constexpr std::uint8_t kSetAddressKind = 0x15;
inline constexpr std::size_t kBlockLength = 56;  // 32-bit length of the block
inline constexpr std::size_t kBlock = 60;        // the 120-byte IpConfigBlock
inline constexpr std::size_t kSetAddressSize = 180;

}  // namespace layout
}  // namespace lumora
