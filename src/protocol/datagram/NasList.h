#pragma once
// The appliances found by the last discovery, addressed by position (nasIndex).
//
// Process-wide. A discovery empties it on the thread that starts it and fills it
// on its worker; a LAN-information reply changes a record's address on another
// worker while windows read the list. Every access therefore takes the list's
// lock and nothing hands out a reference into it: At returns a copy of a record,
// Update changes one in place under the lock.

#include <array>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string_view>
#include <vector>

namespace lumora {

struct NasDevice {
    std::array<char, 256> name{};          // appliance name, at most 255 bytes
    std::array<char, 16> ip{};             // dotted address; later replaced by the LAN information
    std::array<char, 16> netmask{};        // dotted netmask
    std::array<char, 16> gateway{};        // dotted default gateway
    std::array<char, 8> dhcpFlag{};        // "1" DHCP, "0" static
    std::array<std::uint8_t, 10> hwTag{};  // sent back in login and set-address requests
    std::array<char, 32> extraText{};      // kept, shown nowhere
    std::array<char, 20> macText{};        // "xx:xx:xx:xx:xx:xx"; the identity of an appliance
    int adapterIndex = 0;                  // AdapterTable entry through which it is reached
};

class NasList {
public:
    // The process-wide list.
    static NasList& Instance();

    // Frees every record.
    void Clear();
    // Appends a copy of `device` at the tail.
    void Append(const NasDevice& device);
    // A copy of the record at nasIndex, or nothing when the index is not in the list.
    // Keep the copy, not a reference into it: `auto device = list.At(i); if (device) ...`.
    std::optional<NasDevice> At(int nasIndex) const;
    // The position of the first record (from the head) with this macText, or -1.
    int IndexOfMac(std::string_view macText) const;
    // Runs `change` on the record at nasIndex under the list's lock, when that record is the
    // appliance with `macText`; false (nothing changed) otherwise. `change` must not use the list.
    bool Update(int nasIndex, std::string_view macText, const std::function<void(NasDevice&)>& change);
    // Number of records.
    int Count() const;

private:
    mutable std::mutex mutex_;
    std::vector<NasDevice> devices_;
};

}  // namespace lumora
