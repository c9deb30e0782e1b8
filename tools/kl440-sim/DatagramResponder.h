#pragma once
// Answers discovery, login and set-address datagrams for the appliances on one link.

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include <netinet/in.h>

#include "Appliance.h"
#include "Replies.h"

namespace lumora::sim {

class DatagramResponder {
public:
    // Serves `appliances` (which all sit on `interfaceName` and outlive this object).
    DatagramResponder(std::string interfaceName, std::vector<Appliance*> appliances);
    // Stops the thread and closes the sockets.
    ~DatagramResponder();
    DatagramResponder(const DatagramResponder&) = delete;
    DatagramResponder& operator=(const DatagramResponder&) = delete;

    // Opens the sockets and starts answering; false with `error` filled when the link is unusable.
    bool Start(std::string& error);

private:
    void Loop();
    void Handle(ByteView request, const sockaddr_in& from);
    void Send(const Appliance& appliance, const Bytes& datagram, const sockaddr_in& from);
    void SendJunk(int count);
    void ApplyAddress(Appliance& appliance, const SetAddressRequest& change);
    Appliance* FindByMac(const std::array<std::uint8_t, 6>& mac);

    std::string interfaceName_;
    std::vector<Appliance*> appliances_;
    int interfaceIndex_ = 0;
    int receiveSocket_ = -1;
    int sendSocket_ = -1;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

}  // namespace lumora::sim
