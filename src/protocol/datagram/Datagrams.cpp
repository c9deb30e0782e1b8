#include "protocol/datagram/Datagrams.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <random>

#include "platform/Text.h"

namespace lumora {
namespace {

void PutU32(Bytes& out, std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        out[offset + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint32_t GetU32(ByteView in, std::size_t offset) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | in[offset + static_cast<std::size_t>(i)];
    return value;
}

// The text of a fixed field inside the datagram, up to its first zero, at most `keep` bytes.
std::string FieldAt(ByteView in, std::size_t offset, std::size_t size, std::size_t keep) {
    std::size_t n = 0;
    while (n < size && n < keep && in[offset + n] != 0) ++n;
    return std::string(reinterpret_cast<const char*>(in.data() + offset), n);
}

Bytes Header(std::uint8_t type, const RequestId& id, std::size_t size) {
    Bytes out(size, 0);
    out[layout::kType] = type;
    std::copy(id.begin(), id.end(), out.begin() + layout::kId);
    return out;
}

void PutHwTag(Bytes& out, const HwTag& hwTag) {
    std::copy(hwTag.begin(), hwTag.end(), out.begin() + layout::kHwTag);
}

}  // namespace

RequestId MakeRequestId(std::time_t seconds) {
    RequestId id{};
    std::minstd_rand generator(static_cast<std::minstd_rand::result_type>(seconds));
    for (int i = 0; i < 6; ++i)
        id[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(generator() & 0xFF);
    return id;
}

RequestId& CurrentRequestId() {
    static RequestId id{};
    return id;
}

IpConfigBlock MakeIpConfigBlock(std::string_view ip, std::string_view netmask, std::string_view gateway,
                                bool dhcp) {
    IpConfigBlock block{};
    CopyToField(block.interfaceName, "LAN1");
    CopyToField(block.ip, ip);
    CopyToField(block.netmask, netmask);
    CopyToField(block.gateway, gateway);
    block.mode = dhcp ? '1' : '0';
    return block;
}

Bytes BuildDiscoveryRequest(const RequestId& id) {
    return Header(kDiscoveryRequest, id, layout::kHeaderSize);
}

Bytes BuildLoginRequest(const RequestId& id, const HwTag& hwTag, std::string_view userName,
                        std::string_view password) {
    using namespace layout;
    userName = userName.substr(0, kMaxLoginText);
    password = password.substr(0, kMaxLoginText);
    const std::size_t u = userName.size(), p = password.size();
    Bytes out = Header(kLoginRequest, id, kLoginFixedSize + u + p);
    PutHwTag(out, hwTag);
    out[kRequestKind] = kLoginKind;
    PutU32(out, kLoginLength, static_cast<std::uint32_t>(u + sizeof kSeparator + p));
    std::copy(userName.begin(), userName.end(), out.begin() + kLoginUser);
    std::copy(std::begin(kSeparator), std::end(kSeparator),
              out.begin() + static_cast<std::ptrdiff_t>(kLoginUser + u));
    std::copy(password.begin(), password.end(),
              out.begin() + static_cast<std::ptrdiff_t>(kLoginUser + u + sizeof kSeparator));
    return out;
}

Bytes BuildSetAddressRequest(const RequestId& id, const HwTag& hwTag, const IpConfigBlock& block) {
    using namespace layout;
    static_assert(kBlock + sizeof(IpConfigBlock) == kSetAddressSize);
    Bytes out = Header(kSetAddressRequest, id, kSetAddressSize);
    PutHwTag(out, hwTag);
    out[kRequestKind] = kSetAddressKind;
    std::memcpy(out.data() + kNetmask, block.netmask, kNetmaskSize);
    std::memcpy(out.data() + kGateway, block.gateway, kGatewaySize);
    PutU32(out, kBlockLength, sizeof block);
    std::memcpy(out.data() + kBlock, &block, sizeof block);
    return out;
}

bool EchoesId(ByteView datagram, const RequestId& id) {
    return datagram.size() >= layout::kId + layout::kIdEchoed &&
           std::equal(id.begin(), id.begin() + layout::kIdEchoed, datagram.begin() + layout::kId);
}

std::string DottedText(const std::uint8_t* four) {
    char text[16];
    std::snprintf(text, sizeof text, "%d.%d.%d.%d", four[0], four[1], four[2], four[3]);
    return text;
}

std::optional<DiscoveryReply> ParseDiscoveryReply(ByteView datagram, const RequestId& id,
                                                  const ModelTag& modelTag) {
    using namespace layout;
    if (datagram.size() < kName || datagram[kType] != kDiscoveryReply || !EchoesId(datagram, id))
        return std::nullopt;
    for (std::size_t i = 0; i < kModelTagSize; ++i)
        if (datagram[kModelTag + i] != static_cast<std::uint8_t>(modelTag[i])) return std::nullopt;
    const std::uint32_t nameLength = GetU32(datagram, kNameLength);
    if (nameLength > kMaxNameLength || nameLength > datagram.size() - kName) return std::nullopt;

    DiscoveryReply reply;
    char mac[18];
    const std::uint8_t* m = datagram.data() + kMac;
    std::snprintf(mac, sizeof mac, "%02x:%02x:%02x:%02x:%02x:%02x", m[0], m[1], m[2], m[3], m[4], m[5]);
    reply.macText = mac;
    reply.ip = DottedText(datagram.data() + kAddress);
    reply.dhcpFlag = static_cast<char>(datagram[kDhcpFlag]);
    reply.netmask = FieldAt(datagram, kNetmask, kNetmaskSize, kNetmaskSize - 1);
    reply.gateway = FieldAt(datagram, kGateway, kGatewaySize, kGatewaySize - 1);
    std::copy_n(datagram.begin() + kHwTag, reply.hwTag.size(), reply.hwTag.begin());
    reply.extraText = FieldAt(datagram, kExtra, kExtraSize, kExtraSize - 1);
    reply.name = FieldAt(datagram, kName, nameLength, nameLength);
    return reply;
}

std::optional<std::int8_t> ParseLoginReply(ByteView datagram, const RequestId& id,
                                           std::string_view targetIp) {
    using namespace layout;
    if (datagram.size() < kLoginReplyMinSize || datagram[kType] != kLoginReply || !EchoesId(datagram, id))
        return std::nullopt;
    if (DottedText(datagram.data() + kAddress) != targetIp) return std::nullopt;
    return static_cast<std::int8_t>(datagram[kLoginResult]);
}

AckMatch MatchSetAddressAck(ByteView datagram, const RequestId& id) {
    if (datagram.empty() || datagram[layout::kType] != kSetAddressAck) return AckMatch::NotAck;
    return EchoesId(datagram, id) ? AckMatch::Matched : AckMatch::OtherId;
}

}  // namespace lumora
