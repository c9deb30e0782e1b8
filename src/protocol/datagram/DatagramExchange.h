#pragma once
// The three datagram exchanges: discovery, login check and set-address.
//
// Each runs on the query's worker thread through the port of that query (its
// sockets) and waits in the counted turns of DatagramTimings.h, by the port's
// clock. They return their outcome; the query reports it after closing the port.

#include <cstdint>
#include <functional>
#include <string_view>

#include "protocol/datagram/AdapterTable.h"
#include "protocol/datagram/DatagramPort.h"
#include "protocol/datagram/DatagramTimings.h"
#include "protocol/datagram/Datagrams.h"
#include "protocol/datagram/NasList.h"

namespace lumora {

// Sends the discovery request out of every adapter and adds every acceptable reply to `list`,
// adapter after adapter; the adapters' rounds run at the same time. Datagrams that are not
// acceptable replies take no turn.
void RunDiscoveryExchange(DatagramPort& port, const AdapterTable& adapters, ByteView request,
                          const RequestId& id, const ModelTag& modelTag, NasList& list,
                          const DatagramWaits& waits = {});

// Adds one accepted reply received on adapter `entry`: a known MAC only moves to this adapter
// when the appliance's subnet is the adapter's; a new MAC is appended.
void AddDiscoveredDevice(NasList& list, const AdapterTable& adapters, int entry, const DiscoveryReply& reply);

// Sends the login request out of adapter `entry`, calling `sendFailed` at once when it did not
// leave, and waits for the target's answer; other datagrams take no turn. Returns the answer's
// result byte (nonzero: accepted), or 0 when none came.
std::int8_t RunLoginExchange(DatagramPort& port, int entry, ByteView request, const RequestId& id,
                             std::string_view targetIp, const std::function<void()>& sendFailed,
                             const DatagramWaits& waits = {});

// Sends the set-address request out of adapter `entry`; true when it was acknowledged.
bool RunSetAddressExchange(DatagramPort& port, int entry, ByteView request, const RequestId& id,
                           const DatagramWaits& waits = {});

}  // namespace lumora
