#pragma once
// The prefix rule of drawn text: "&&" shows one "&", and a single "&" marks the next
// character as a keyboard mnemonic. The skin draws no mnemonic underline (its windows
// have no mnemonics), so a single "&" is simply left out.

#include <string>
#include <string_view>

namespace lumora {

// The text as it is shown under the prefix rule.
template <class Char>
std::basic_string<Char> ApplyPrefixRule(std::basic_string_view<Char> text) {
    std::basic_string<Char> shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == Char('&')) {
            ++i;  // the marker goes; what follows it ("&" for "&&") stays
            if (i == text.size()) break;
        }
        shown.push_back(text[i]);
    }
    return shown;
}

}  // namespace lumora
