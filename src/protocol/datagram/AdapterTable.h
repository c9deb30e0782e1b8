#pragma once
// The PC's IPv4 adapters as the last discovery enumerated them.
//
// Adapters that are up, have a carrier and an IPv4 address, in the order the system
// lists them, loopback excluded, at most 8 (further ones are ignored). Each
// entry holds the first IPv4 address of its adapter and that address's netmask.
// Process-wide and not locked: written by the thread that starts a discovery,
// read by the workers it starts afterwards.

#include <array>
#include <string>

struct ifaddrs;

namespace lumora {

class AdapterTable {
public:
    static constexpr int kCapacity = 8;

    // The process-wide table.
    static AdapterTable& Instance();

    // Refills the table from the system; leaves it empty when the system does not answer.
    void Enumerate();
    // Refills the table from a list of the system's interface addresses (Enumerate's work).
    void Fill(const ifaddrs* list);
    // Empties the table.
    void Clear();
    // Adds an entry unless the table is full (used by Enumerate and by tests).
    bool Add(std::string_view interfaceName, std::string_view address, std::string_view netmask);

    int count = 0;
    std::array<std::array<char, 16>, kCapacity> address{};  // dotted address of each adapter
    std::array<std::array<char, 16>, kCapacity> netmask{};  // dotted netmask of each adapter
    // Linux: the interface name, which the receiving socket binds to.
    std::array<std::string, kCapacity> interfaceName{};
};

}  // namespace lumora
