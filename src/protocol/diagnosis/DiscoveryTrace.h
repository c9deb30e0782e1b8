#pragma once
// One discovery that keeps every datagram it hears, with the reason it was
// accepted or ignored: the evidence behind "my appliance is not found".
//
// It sends the same request as a real discovery, on sockets of its own, and
// listens on each adapter for the same time a real discovery would.

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "protocol/datagram/Datagrams.h"
#include "protocol/diagnosis/SystemProbe.h"

namespace lumora::diagnosis {

enum class Verdict {
    Accepted,        // an appliance answering this request
    OtherSubnet,     // accepted, but the appliance is not on the adapter's subnet
    OwnRequest,      // a discovery request (our own, looped back, or another finder's)
    NotAReply,       // another datagram type
    TooShort,        // shorter than a reply's fields, or its name runs past its end
    OtherRequestId,  // a reply to another request
    OtherModel,      // a reply from another model
};

// A short English phrase for the verdict ("accepted", "ignored: another model", ...).
const char* VerdictText(Verdict verdict);

struct HeardDatagram {
    std::string sender;  // "A.B.C.D:PORT"
    std::size_t length = 0;
    int type = -1;
    Verdict verdict = Verdict::NotAReply;
    std::optional<DiscoveryReply> reply;  // for Accepted and OtherSubnet
};

struct AdapterTrace {
    std::string adapter;  // interface name
    std::string address;
    std::string netmask;
    bool bound = false;   // the port could be bound for listening
    bool sent = false;    // the request left the adapter
    std::string problem;  // why listening or sending failed
    std::vector<HeardDatagram> heard;
};

// Classifies one datagram heard on an adapter with `address`/`netmask` while
// waiting for the reply to `id`.
HeardDatagram Classify(ByteView datagram, const RequestId& id, const std::string& address,
                       const std::string& netmask);

// Sends one discovery request out of each adapter (up, with an address, not
// loopback) and listens `listen` long on each, one adapter after the other.
std::vector<AdapterTrace> TraceDiscovery(const std::vector<AdapterFacts>& adapters,
                                         std::chrono::milliseconds listen = std::chrono::milliseconds(2240));

}  // namespace lumora::diagnosis
