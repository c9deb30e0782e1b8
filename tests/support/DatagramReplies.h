#pragma once
// Well-formed appliance replies for tests, built from the tool's own layout;
// tests spoil one field at a time.

#include <algorithm>
#include <cstring>
#include <string_view>

#include "protocol/datagram/Datagrams.h"

namespace lumora::test {

// A datagram of `type` and `size` bytes echoing `id`.
inline Bytes ReplyHeader(std::uint8_t type, const RequestId& id, std::size_t size) {
    Bytes d(size, 0);
    d[layout::kType] = type;
    std::copy_n(id.begin(), layout::kIdEchoed, d.begin() + layout::kId);
    return d;
}

// A discovery reply of a KL-440 named `name` with `hwTag` (its MAC and address).
inline Bytes DiscoveryReplyBytes(const RequestId& id, const HwTag& hwTag, std::string_view name,
                                 std::string_view netmask = "255.255.255.0", std::string_view gateway = "",
                                 char dhcpFlag = '0') {
    using namespace layout;
    Bytes d = ReplyHeader(kDiscoveryReply, id, kName + name.size());
    std::copy(hwTag.begin(), hwTag.end(), d.begin() + kHwTag);
    d[kDhcpFlag] = static_cast<std::uint8_t>(dhcpFlag);
    std::memcpy(d.data() + kNetmask, netmask.data(), std::min(netmask.size(), kNetmaskSize - 1));
    std::memcpy(d.data() + kGateway, gateway.data(), std::min(gateway.size(), kGatewaySize - 1));
    for (std::size_t i = 0; i < kModelTagSize; ++i)
        d[kModelTag + i] = static_cast<std::uint8_t>(kKl440ModelTag[i]);
    d[kNameLength] = static_cast<std::uint8_t>(name.size());
    std::memcpy(d.data() + kName, name.data(), name.size());
    return d;
}

// A login reply from the appliance at `address` (four bytes) with `result`.
inline Bytes LoginReplyBytes(const RequestId& id, const std::array<std::uint8_t, 4>& address,
                             std::int8_t result) {
    Bytes d = ReplyHeader(kLoginReply, id, layout::kLoginReplyMinSize + 3);
    std::copy(address.begin(), address.end(), d.begin() + layout::kAddress);
    d[layout::kLoginResult] = static_cast<std::uint8_t>(result);
    return d;
}

// A set-address acknowledgement.
inline Bytes AckBytes(const RequestId& id) {
    return ReplyHeader(kSetAddressAck, id, layout::kHwTag + layout::kHwTagSize + 1);
}

}  // namespace lumora::test
