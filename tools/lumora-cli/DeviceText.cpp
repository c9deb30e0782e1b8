#include "DeviceText.h"

#include "Json.h"
#include "platform/Text.h"
#include "protocol/datagram/AdapterTable.h"

namespace lumora::cli {

std::string DeviceName(const NasDevice& device) { return WideToUtf8(AnsiToWide(FieldText(device.name))); }

std::string DeviceAdapter(const NasDevice& device) {
    const AdapterTable& adapters = AdapterTable::Instance();
    if (device.adapterIndex < 0 || device.adapterIndex >= adapters.count) return {};
    return std::string(FieldText(adapters.address[static_cast<std::size_t>(device.adapterIndex)]));
}

std::string DeviceJson(int nasIndex, const NasDevice& device) {
    return JsonObject()
        .Number("index", nasIndex)
        .Text("name", DeviceName(device))
        .Text("ip", FieldText(device.ip))
        .Text("netmask", FieldText(device.netmask))
        .Text("gateway", FieldText(device.gateway))
        .Bool("dhcp", FieldText(device.dhcpFlag) == "1")
        .Text("mac", FieldText(device.macText))
        .Text("adapter", DeviceAdapter(device))
        .Number("adapterIndex", device.adapterIndex)
        .str();
}

}  // namespace lumora::cli
