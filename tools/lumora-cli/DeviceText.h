#pragma once
// How lumora-cli shows an appliance of the list.

#include <string>

#include "protocol/datagram/NasList.h"

namespace lumora::cli {

// The appliance's name in UTF-8 (it travels in the ANSI code page).
std::string DeviceName(const NasDevice& device);
// The address of the PC adapter through which the appliance is reached.
std::string DeviceAdapter(const NasDevice& device);
// The appliance as a JSON object: name, ip, netmask, gateway, dhcp, mac, adapter, adapterIndex, index.
std::string DeviceJson(int nasIndex, const NasDevice& device);

}  // namespace lumora::cli
