#include "protocol/datagram/Datagrams.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <random>

#include "platform/Text.h"

namespace lumora {
namespace {

void PutU32(Bytes& out, std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) out[offset + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
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
    out[0] = type;
    std::copy(id.begin(), id.end(), out.begin() + 1);
    return out;
}

}  // namespace

RequestId MakeRequestId(std::time_t seconds) {
    RequestId id{};
    std::minstd_rand generator(static_cast<std::minstd_rand::result_type>(seconds));
    for (int i = 0; i < 6; ++i) id[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(generator() & 0xFF);
    return id;
}

RequestId& CurrentRequestId() {
    static RequestId id{};
    return id;
}

IpConfigBlock MakeIpConfigBlock(std::string_view ip, std::string_view netmask,
                                std::string_view gateway, bool dhcp) {
    IpConfigBlock block{};
    CopyToField(block.interfaceName, "LAN1");
    CopyToField(block.ip, ip);
    CopyToField(block.netmask, netmask);
    CopyToField(block.gateway, gateway);
    block.mode = dhcp ? '1' : '0';
    return block;
}

Bytes BuildDiscoveryRequest(const RequestId& id) { return Header(kDiscoveryRequest, id, 11); }

Bytes BuildLoginRequest(const RequestId& id, const HwTag& hwTag, std::string_view userName,
                        std::string_view password) {
    userName = userName.substr(0, 16);
    password = password.substr(0, 16);
    const std::size_t u = userName.size(), p = password.size();
    Bytes out = Header(kLoginRequest, id, 30 + u + p);
    std::copy(hwTag.begin(), hwTag.end(), out.begin() + 11);
    out[21] = 4;
    PutU32(out, 24, static_cast<std::uint32_t>(u + p + 2));
    std::copy(userName.begin(), userName.end(), out.begin() + 28);
    out[28 + u] = 0x55;
    out[29 + u] = 0xAA;
    std::copy(password.begin(), password.end(), out.begin() + static_cast<std::ptrdiff_t>(30 + u));
    return out;
}

Bytes BuildSetAddressRequest(const RequestId& id, const HwTag& hwTag, const IpConfigBlock& block) {
    Bytes out = Header(kSetAddressRequest, id, 180);
    std::copy(hwTag.begin(), hwTag.end(), out.begin() + 11);
    out[21] = 0x15;
    std::memcpy(out.data() + 24, block.netmask, 16);
    std::memcpy(out.data() + 40, block.gateway, 16);
    PutU32(out, 56, 120);
    std::memcpy(out.data() + 60, &block, sizeof block);
    return out;
}

bool EchoesId(ByteView datagram, const RequestId& id) {
    return datagram.size() >= 7 && std::equal(id.begin(), id.begin() + 6, datagram.begin() + 1);
}

std::string DottedText(const std::uint8_t* four) {
    char text[16];
    std::snprintf(text, sizeof text, "%d.%d.%d.%d", four[0], four[1], four[2], four[3]);
    return text;
}

std::optional<DiscoveryReply> ParseDiscoveryReply(ByteView datagram, const RequestId& id,
                                                  const ModelTag& modelTag) {
    constexpr std::size_t kNameOffset = 104;
    if (datagram.size() < kNameOffset || datagram[0] != kDiscoveryReply || !EchoesId(datagram, id))
        return std::nullopt;
    for (std::size_t i = 0; i < 3; ++i)
        if (datagram[56 + i] != static_cast<std::uint8_t>(modelTag[i])) return std::nullopt;
    const std::uint32_t nameLength = GetU32(datagram, 100);
    if (nameLength > 255 || nameLength > datagram.size() - kNameOffset) return std::nullopt;

    DiscoveryReply reply;
    char mac[18];
    const std::uint8_t* m = datagram.data() + 11;
    std::snprintf(mac, sizeof mac, "%02x:%02x:%02x:%02x:%02x:%02x", m[0], m[1], m[2], m[3], m[4], m[5]);
    reply.macText = mac;
    reply.ip = DottedText(datagram.data() + 17);
    reply.dhcpFlag = static_cast<char>(datagram[21]);
    reply.netmask = FieldAt(datagram, 24, 16, 15);
    reply.gateway = FieldAt(datagram, 40, 16, 15);
    std::copy_n(datagram.begin() + 11, reply.hwTag.size(), reply.hwTag.begin());
    reply.extraText = FieldAt(datagram, 68, 32, 31);
    reply.name = FieldAt(datagram, kNameOffset, nameLength, nameLength);
    return reply;
}

std::optional<std::int8_t> ParseLoginReply(ByteView datagram, const RequestId& id,
                                           std::string_view targetIp) {
    if (datagram.size() < 29 || datagram[0] != kLoginReply || !EchoesId(datagram, id)) return std::nullopt;
    if (DottedText(datagram.data() + 17) != targetIp) return std::nullopt;
    return static_cast<std::int8_t>(datagram[28]);
}

AckMatch MatchSetAddressAck(ByteView datagram, const RequestId& id) {
    if (datagram.empty() || datagram[0] != kSetAddressAck) return AckMatch::NotAck;
    return EchoesId(datagram, id) ? AckMatch::Matched : AckMatch::OtherId;
}

}  // namespace lumora
