#include "ui/skin/core/OctetEntry.h"

namespace lumora {

OctetKey ClassifyOctetChar(char32_t c) {
    if (c >= U'0' && c <= U'9') return OctetKey::Insert;
    if (c == U'\t') return OctetKey::Tab;
    if (c == U'\r' || c == U'\n') return OctetKey::Enter;
    if (c == U' ' || c == U'.') return OctetKey::NextField;
    if (c < 0x20 || c == 0x7F) return OctetKey::Default;
    return OctetKey::Reject;
}

OctetFieldState JudgeOctetField(std::u16string_view text, bool noFieldCheck, int& value) {
    if (text.size() != 3) return OctetFieldState::Open;
    // Read as far as the digits go, like the platform's number reading (a paste may bring others).
    value = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9') break;
        value = value * 10 + (c - u'0');
    }
    if (!noFieldCheck && value > 255) return OctetFieldState::OutOfRange;
    return OctetFieldState::Finished;
}

OctetLayout LayOutOctets(int width, int height, int dotWidth) {
    OctetLayout layout;
    int step = (width - 3 * dotWidth) / 4;
    for (int k = 0; k < 4; ++k) {
        int shift = k * (step + dotWidth);
        layout.fields[k] = {2 + shift, 4, step - 2 + shift, height - 2};
    }
    for (int k = 0; k < 3; ++k) {
        int shift = k * (step + dotWidth);
        layout.dots[k] = {step + shift, 0, step + dotWidth + shift, height};
    }
    return layout;
}

}  // namespace lumora
