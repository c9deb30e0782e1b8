#pragma once
// Typing into the four octet fields of the address control, without any window.

#include <array>
#include <string_view>

namespace lumora {

// What a typed character does in an octet field.
enum class OctetKey {
    Insert,     // a digit: the field takes it
    Default,    // a control character (backspace, clipboard shortcuts): the field handles it
    Reject,     // any other printable character: beep, nothing inserted
    NextField,  // space or dot: on to the next field, its text selected
    Tab,        // leave the control in the tab order
    Enter,      // press the dialog's default button
};

// Classifies a typed character.
OctetKey ClassifyOctetChar(char32_t c);

// State of a field after an edit.
enum class OctetFieldState {
    Open,        // fewer than 3 characters: keep typing
    Finished,    // 3 characters and in range (or not checked): move on
    OutOfRange,  // 3 characters above 255: complain and empty the field
};

// Judges a field's text after an edit; `value` receives its number when it has 3 characters.
OctetFieldState JudgeOctetField(std::u16string_view text, bool noFieldCheck, int& value);

struct OctetRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const OctetRect&) const = default;
};

// Where the four fields and three dots sit in a control of the given size and dot width.
struct OctetLayout {
    std::array<OctetRect, 4> fields;
    std::array<OctetRect, 3> dots;
};
OctetLayout LayOutOctets(int width, int height, int dotWidth);

}  // namespace lumora
