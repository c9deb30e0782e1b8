#pragma once
// What a datagram exchange needs of the network: send out of an adapter, receive
// on it with a wait, and a clock. DatagramSockets is the real one; tests script one.

#include <chrono>
#include <cstdint>
#include <span>
#include <vector>

#include "platform/Clock.h"

namespace lumora {

// A received datagram; its bytes stay valid until the next Receive on the same port.
struct ReceivedDatagram {
    enum class Status { Datagram, Timeout, Failed } status = Status::Failed;
    std::span<const std::uint8_t> bytes;
    int entry = -1;  // the adapter it came in on; -1 for a timeout or a failure of no one adapter
};

class DatagramPort {
public:
    virtual ~DatagramPort() = default;
    // Number of adapters served, entries 0 to Count() - 1.
    virtual int Count() const = 0;
    // Sends the datagram to the group out of adapter `entry`; false when it did not leave.
    virtual bool Send(int entry, std::span<const std::uint8_t> datagram) = 0;
    // Waits up to `wait` for one datagram on adapter `entry` (a missing adapter waits and times out).
    virtual ReceivedDatagram Receive(int entry, std::chrono::milliseconds wait) = 0;
    // Waits up to `wait` for one datagram on any of the adapters `entries`, taking them in turn
    // when several have datagrams waiting, so that a busy adapter cannot hold back the others.
    virtual ReceivedDatagram ReceiveAny(const std::vector<int>& entries, std::chrono::milliseconds wait) = 0;
    // The clock the exchange counts its deadlines and pauses by.
    virtual Clock& clock() = 0;
};

}  // namespace lumora
