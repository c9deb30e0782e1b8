#include "ui/skin/WxText.h"

#include "platform/Text.h"

namespace lumora {

wxString ToWx(std::u16string_view text) { return wxString::FromUTF8(WideToUtf8(text)); }

std::u16string FromWx(const wxString& text) {
    wxScopedCharBuffer utf8 = text.utf8_str();
    return Utf8ToWide(std::string_view(utf8.data(), utf8.length()));
}

}  // namespace lumora
