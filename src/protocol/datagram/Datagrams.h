#pragma once
// The discovery, login and set-address datagrams built and read (their byte
// layout is in DatagramLayout.h), and the rules that match a reply to its request.
//
// Every parser checks the length first: a datagram shorter than the fields it
// reads, or whose name runs past its end, is ignored. Nothing is read past the
// bytes received.

#include <array>
#include <cstdint>
#include <ctime>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "protocol/datagram/DatagramLayout.h"

namespace lumora {

using Bytes = std::vector<std::uint8_t>;
using ByteView = std::span<const std::uint8_t>;
// Bytes 0-5 random, 6-9 zero; a reply echoes bytes 0-5 at its offset 1.
using RequestId = std::array<std::uint8_t, layout::kIdSize>;
// Bytes 11-20 of a discovery reply, sent back unchanged.
using HwTag = std::array<std::uint8_t, layout::kHwTagSize>;
using ModelTag = std::array<int, 3>;
inline constexpr ModelTag kKl440ModelTag{0, 11, 0};

// A new id from a generator seeded with `seconds` (the current time in seconds).
RequestId MakeRequestId(std::time_t seconds);
// The id of the last discovery, which login and set-address reuse (process-wide).
RequestId& CurrentRequestId();

// New network settings of a set-address request (120 bytes, all texts zero-terminated).
struct IpConfigBlock {
    char interfaceName[10];  // "LAN1"
    char ip[16];             // new address, dotted
    char netmask[16];        // new netmask, dotted
    char gateway[16];        // new default gateway, dotted
    char mode;               // '1' DHCP, '0' static
    char zero[61];
};
static_assert(sizeof(IpConfigBlock) == 120);
// A block for interface "LAN1" (texts cut to 15 characters).
IpConfigBlock MakeIpConfigBlock(std::string_view ip, std::string_view netmask, std::string_view gateway,
                                bool dhcp);

// --- Requests

// Type 1, 11 bytes.
Bytes BuildDiscoveryRequest(const RequestId& id);
// Type 3, 30 + u + p bytes; user name and password are cut to 16 bytes.
Bytes BuildLoginRequest(const RequestId& id, const HwTag& hwTag, std::string_view userName,
                        std::string_view password);
// Type 5, 180 bytes.
Bytes BuildSetAddressRequest(const RequestId& id, const HwTag& hwTag, const IpConfigBlock& block);

// --- Replies

// An accepted discovery reply, already turned into texts.
struct DiscoveryReply {
    std::string macText;    // "xx:xx:xx:xx:xx:xx"
    std::string ip;         // "%d.%d.%d.%d" of bytes 17-20
    char dhcpFlag = '0';    // byte 21
    std::string netmask;    // field at 24 (at most 15 characters)
    std::string gateway;    // field at 40
    HwTag hwTag{};          // bytes 11-20
    std::string extraText;  // field at 68 (at most 31 characters)
    std::string name;       // N bytes at 104, up to the first zero byte
};

// True when bytes 1-6 of the datagram equal bytes 0-5 of the id (length checked).
bool EchoesId(ByteView datagram, const RequestId& id);
// The reply when it is type 8, echoes the id, carries the model tag and is long enough.
std::optional<DiscoveryReply> ParseDiscoveryReply(ByteView datagram, const RequestId& id,
                                                  const ModelTag& modelTag = kKl440ModelTag);
// The result byte (signed) of a type-4 reply that echoes the id and comes from `targetIp`.
std::optional<std::int8_t> ParseLoginReply(ByteView datagram, const RequestId& id, std::string_view targetIp);

enum class AckMatch {
    NotAck,   // not a type-6 datagram: dropped without counting
    OtherId,  // type 6 for another request: counts a turn
    Matched,  // the acknowledgement of this request
};
// Classifies a datagram received while waiting for a set-address acknowledgement.
AckMatch MatchSetAddressAck(ByteView datagram, const RequestId& id);

// "%d.%d.%d.%d" of four bytes.
std::string DottedText(const std::uint8_t* four);

}  // namespace lumora
