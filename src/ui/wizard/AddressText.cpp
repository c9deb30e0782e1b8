#include "ui/wizard/AddressText.h"

#include <arpa/inet.h>

namespace lumora {

std::uint32_t AddressValue(std::string_view dotted) {
    const std::string text(dotted);
    return ntohl(inet_addr(text.c_str()));
}

std::string DottedAddress(std::uint32_t value) {
    return std::to_string(value >> 24) + '.' + std::to_string((value >> 16) & 0xFF) + '.' +
           std::to_string((value >> 8) & 0xFF) + '.' + std::to_string(value & 0xFF);
}

bool SameSubnet(std::string_view address1, std::string_view mask1, std::string_view address2,
                std::string_view mask2) {
    return (AddressValue(address1) & AddressValue(mask1)) == (AddressValue(address2) & AddressValue(mask2));
}

}  // namespace lumora
