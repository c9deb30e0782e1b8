#pragma once
// The appliances found by the last discovery, addressed by position (nasIndex).
//
// Process-wide and not locked: a discovery empties it on the thread that
// starts it and fills it on its worker; windows read it only after the
// discovery's WM_QUERY_RESULT arrived. Records keep their address until the
// next Clear.

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace lumora {

struct NasDevice {
    std::array<char, 256> name{};      // appliance name, at most 255 bytes
    std::array<char, 16> ip{};         // dotted address; later replaced by the LAN information
    std::array<char, 16> netmask{};    // dotted netmask
    std::array<char, 16> gateway{};    // dotted default gateway
    std::array<char, 8> dhcpFlag{};    // "1" DHCP, "0" static
    std::array<std::uint8_t, 10> hwTag{};  // sent back in login and set-address requests
    std::array<char, 32> extraText{};  // kept, shown nowhere
    std::array<char, 20> macText{};    // "xx:xx:xx:xx:xx:xx"; the identity of an appliance
    int adapterIndex = 0;              // AdapterTable entry through which it is reached
};

class NasList {
public:
    // The process-wide list.
    static NasList& Instance();

    // Frees every record.
    void Clear();
    // Appends a record at the tail and returns it.
    NasDevice& Append(const NasDevice& device);
    // The record at nasIndex, or null when the index is not in the list.
    NasDevice* At(int nasIndex);
    const NasDevice* At(int nasIndex) const;
    // The first record (from the head) with this macText, or null.
    NasDevice* FindByMac(std::string_view macText);
    // Number of records.
    int Count() const { return static_cast<int>(devices_.size()); }

private:
    std::vector<std::unique_ptr<NasDevice>> devices_;
};

}  // namespace lumora
