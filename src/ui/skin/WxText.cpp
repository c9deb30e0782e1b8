#include "ui/skin/WxText.h"

namespace lumora {

wxString ToWx(std::u16string_view text) {
    wxString out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        out += wxUniChar(static_cast<wxUint32>(c));
    }
    return out;
}

std::u16string FromWx(const wxString& text) {
    std::u16string out;
    out.reserve(text.length());
    for (wxUniChar ch : text) {
        wxUint32 c = ch.GetValue();
        if (c >= 0x10000) {
            c -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (c >> 10));
            out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
    }
    return out;
}

}  // namespace lumora
