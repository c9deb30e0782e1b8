#pragma once
// The datagrams a KL-440 sends back, and the requests it reads.
//
// The offsets and type bytes here are written out again rather than taken from
// protocol/datagram/DatagramLayout.h, on purpose: the simulator is a second,
// independent reading of the wire, so a wrong offset in the tool's layout shows
// up as a failed exchange instead of being repeated on both sides.
//
// Callers hold the appliance's lock while building its replies.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "Appliance.h"

namespace lumora::sim {

using Bytes = std::vector<std::uint8_t>;
using ByteView = std::span<const std::uint8_t>;

struct LoginRequest {
    std::array<std::uint8_t, 6> mac{};
    std::string user, password;
};

struct SetAddressRequest {
    std::array<std::uint8_t, 6> mac{};
    std::string ip, netmask, gateway;
    bool dhcp = false;
};

// The target MAC and credentials of a type-3 request; nothing when it is malformed.
std::optional<LoginRequest> ReadLoginRequest(ByteView request);
// The target MAC and new settings of a type-5 request; nothing when it is malformed.
std::optional<SetAddressRequest> ReadSetAddressRequest(ByteView request);

// Type 8 for the discovery request, with the appliance's faults applied.
Bytes DiscoveryReply(const Appliance& appliance, ByteView request);
// Type 4: the appliance's address and the result byte.
Bytes LoginReply(const Appliance& appliance, ByteView request, bool accepted);
// Type 6.
Bytes SetAddressAck(const Appliance& appliance, ByteView request);

}  // namespace lumora::sim
