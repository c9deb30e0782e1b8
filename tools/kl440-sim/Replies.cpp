#include "Replies.h"

#include <arpa/inet.h>

#include <algorithm>
#include <cstring>

#include "platform/Text.h"

namespace lumora::sim {
namespace {

void PutText(Bytes& out, std::size_t offset, std::size_t width, const std::string& text) {
    std::memcpy(out.data() + offset, text.data(), std::min(text.size(), width - 1));
}

void PutAddress(Bytes& out, std::size_t offset, const std::string& dotted) {
    in_addr address{};
    inet_pton(AF_INET, dotted.c_str(), &address);
    std::memcpy(out.data() + offset, &address, 4);
}

// Type byte, the echoed id (bytes 1-10 of the request) and the faults every reply shares.
Bytes Start(const Appliance& appliance, std::uint8_t type, ByteView request, std::size_t size) {
    Bytes out(size, 0);
    out[0] = type;
    std::copy_n(request.begin() + 1, std::min<std::size_t>(10, request.size() - 1), out.begin() + 1);
    if (appliance.faults.wrongId) out[1] ^= 0x5A;
    return out;
}

Bytes Finish(const Appliance& appliance, Bytes out) {
    if (appliance.faults.truncate > 0 && static_cast<std::size_t>(appliance.faults.truncate) < out.size())
        out.resize(static_cast<std::size_t>(appliance.faults.truncate));
    return out;
}

std::string TextAt(ByteView in, std::size_t offset, std::size_t width) {
    std::size_t n = 0;
    while (n < width && in[offset + n] != 0) ++n;
    return std::string(reinterpret_cast<const char*>(in.data() + offset), n);
}

}  // namespace

std::optional<LoginRequest> ReadLoginRequest(ByteView request) {
    if (request.size() < 30 || request[0] != 3) return std::nullopt;
    const std::uint32_t length =
        request[24] | request[25] << 8 | request[26] << 16 | static_cast<std::uint32_t>(request[27]) << 24;
    if (length < 2 || length > request.size() - 28) return std::nullopt;
    // The user name ends at the 0x55 0xAA marker; the password fills the rest.
    const std::size_t end = 28 + length;
    for (std::size_t marker = 28; marker + 1 < end; ++marker) {
        if (request[marker] != 0x55 || request[marker + 1] != 0xAA) continue;
        LoginRequest parsed;
        std::copy_n(request.begin() + 11, 6, parsed.mac.begin());
        parsed.user.assign(request.begin() + 28, request.begin() + static_cast<std::ptrdiff_t>(marker));
        parsed.password.assign(request.begin() + static_cast<std::ptrdiff_t>(marker + 2),
                               request.begin() + static_cast<std::ptrdiff_t>(end));
        return parsed;
    }
    return std::nullopt;
}

std::optional<SetAddressRequest> ReadSetAddressRequest(ByteView request) {
    if (request.size() < 180 || request[0] != 5) return std::nullopt;
    SetAddressRequest parsed;
    std::copy_n(request.begin() + 11, 6, parsed.mac.begin());
    parsed.ip = TextAt(request, 70, 16);
    parsed.netmask = TextAt(request, 86, 16);
    parsed.gateway = TextAt(request, 102, 16);
    parsed.dhcp = request[118] == '1';
    return parsed;
}

Bytes DiscoveryReply(const Appliance& appliance, ByteView request) {
    const std::string name = WideToAnsi(Utf8ToWide(appliance.name)).substr(0, 255);
    Bytes out = Start(appliance, 8, request, 104 + name.size());
    std::copy(appliance.mac.begin(), appliance.mac.end(), out.begin() + 11);
    PutAddress(out, 17, appliance.ip);
    out[21] = appliance.dhcp ? '1' : '0';
    PutText(out, 24, 16, appliance.netmask);
    PutText(out, 40, 16, appliance.gateway);
    for (std::size_t i = 0; i < 3; ++i) out[56 + i] = static_cast<std::uint8_t>(appliance.faults.modelTag[i]);
    PutText(out, 68, 32, appliance.extraText);
    const std::uint32_t length =
        appliance.faults.nameLength.value_or(static_cast<std::uint32_t>(name.size()));
    for (std::size_t i = 0; i < 4; ++i) out[100 + i] = static_cast<std::uint8_t>(length >> (8 * i));
    std::copy(name.begin(), name.end(), out.begin() + 104);
    return Finish(appliance, std::move(out));
}

Bytes LoginReply(const Appliance& appliance, ByteView request, bool accepted) {
    Bytes out = Start(appliance, 4, request, 32);
    std::copy(appliance.mac.begin(), appliance.mac.end(), out.begin() + 11);
    PutAddress(out, 17, appliance.ip);
    out[28] = accepted ? 1 : 0;
    return Finish(appliance, std::move(out));
}

Bytes SetAddressAck(const Appliance& appliance, ByteView request) {
    Bytes out = Start(appliance, 6, request, 22);
    std::copy(appliance.mac.begin(), appliance.mac.end(), out.begin() + 11);
    return Finish(appliance, std::move(out));
}

}  // namespace lumora::sim
