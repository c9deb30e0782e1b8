#include "ui/main/WebAddress.h"

#include "platform/Text.h"

namespace lumora {

std::string PercentEncode(std::u16string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : WideToUtf8(text)) {
        const bool unreserved = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                                c == '-' || c == '.' || c == '_' || c == '~';
        if (unreserved) {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 0xF];
        }
    }
    return out;
}

std::string WebCentreAddress(std::u16string_view address, WebCentre centre, std::u16string_view userName,
                             std::u16string_view password) {
    std::string url = "http://" + WideToUtf8(address) +
                      "/web/tessil_redirect.html?m=" + std::to_string(static_cast<int>(centre)) +
                      "&u=" + PercentEncode(userName) + "&p=" + PercentEncode(password);
    if (centre == WebCentre::Management) url += "&d=status";
    return url;
}

}  // namespace lumora
