// Feeds arbitrary datagrams to every reply parser. The id is taken from the
// datagram itself so that the echo check passes and the deeper fields are read.

#include <cstddef>
#include <cstdint>
#include <span>

#include "protocol/datagram/Datagrams.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lumora;
    const ByteView datagram(data, size);
    RequestId id{};
    for (std::size_t i = 0; i < 6 && i + 1 < size; ++i) id[i] = data[i + 1];
    ModelTag tag = kKl440ModelTag;
    if (size > 58) tag = {data[56], data[57], data[58]};
    if (auto reply = ParseDiscoveryReply(datagram, id, tag)) {
        if (reply->name.size() > 255 || reply->netmask.size() > 15 || reply->extraText.size() > 31)
            __builtin_trap();
    }
    (void)ParseDiscoveryReply(datagram, id);
    (void)ParseLoginReply(datagram, id, "10.0.0.1");
    (void)MatchSetAddressAck(datagram, id);
    return 0;
}
