#pragma once
// The sockets of one datagram exchange: a sending and a receiving UDP socket
// for every adapter of the AdapterTable.
//
// The receiving socket of an adapter takes the datagrams for the discovery
// port that arrive on that adapter and are addressed to the group or to the
// adapter's own address, and no others: it is bound to the port on every
// address, tied to the adapter's interface, and checks each datagram's
// destination address and the interface it came in on.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "protocol/datagram/AdapterTable.h"
#include "protocol/datagram/DatagramPort.h"

namespace lumora {

class DatagramSockets final : public DatagramPort {
public:
    static constexpr std::size_t kReplyBufferSize = 4096;

    // Opens the sockets of every table entry (failures leave that socket closed).
    explicit DatagramSockets(const AdapterTable& table);
    // Closes every socket.
    ~DatagramSockets() override;
    DatagramSockets(const DatagramSockets&) = delete;
    DatagramSockets& operator=(const DatagramSockets&) = delete;

    // Sends the datagram to the group out of adapter `entry`; false when it did not leave.
    bool Send(int entry, std::span<const std::uint8_t> datagram) override;
    // Waits up to `wait` for one datagram on adapter `entry` and receives at most 4095 bytes of
    // it, zero-terminated one past the end in the buffer.
    ReceivedDatagram Receive(int entry, std::chrono::milliseconds wait) override;
    // The same on every adapter of `entries` at once; missing adapters are silent.
    ReceivedDatagram ReceiveAny(const std::vector<int>& entries, std::chrono::milliseconds wait) override;
    // Number of table entries served.
    int Count() const override { return static_cast<int>(adapters_.size()); }
    // The system's clock.
    Clock& clock() override { return SystemClock(); }

private:
    struct Adapter {
        int sendSocket = -1;
        int receiveSocket = -1;
        std::uint32_t address = 0;    // network order
        unsigned interfaceIndex = 0;  // 0: unknown
    };
    // Reads the datagram waiting on adapter `entry` into the buffer.
    ReceivedDatagram ReadFrom(int entry);

    std::vector<Adapter> adapters_;
    std::vector<std::uint8_t> buffer_;
    std::size_t nextReady_ = 0;  // where the next ReceiveAny starts looking among the ready sockets
};

}  // namespace lumora
