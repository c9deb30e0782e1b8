#pragma once
// Dotted IPv4 texts as the configuration windows read and compare them.

#include <cstdint>
#include <string>
#include <string_view>

namespace lumora {

// The address of a dotted text in host order, as inet_addr reads it: a text that is
// not an address (an empty one included) gives 0xFFFFFFFF.
std::uint32_t AddressValue(std::string_view dotted);
// "a.b.c.d" of a host-order address.
std::string DottedAddress(std::uint32_t value);
// Whether two addresses lie in the same subnet, each with its own mask (dotted texts).
bool SameSubnet(std::string_view address1, std::string_view mask1, std::string_view address2,
                std::string_view mask2);

}  // namespace lumora
