// Feeds arbitrary UTF-16 text (little-endian byte pairs) to the table parser and
// checks what a catalogue promises afterwards: ordinal order, paired rows, no
// empty translations, and that every key is found again.

#include "app/Language.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::u16string text;
    for (std::size_t i = 0; i + 1 < size; i += 2)
        text.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));

    lumora::CLanguageBase language;
    const bool parsed = language.ParseTable(text);
    if (!parsed) {
        Check(language.Count() == 0);
        return 0;
    }
    for (std::size_t i = 0; i < language.Count(); ++i) {
        Check(i == 0 || !(language.Key(i) < language.Key(i - 1)));
        Check(!language.Value(i).empty() || language.Key(i).empty());
        const std::u16string key(language.Key(i));
        Check(language.Lookup(key) == language.Value(i) || (i > 0 && language.Key(i - 1) == key));
    }
    // Any text at all may be looked up, whether or not it is a key.
    const auto result = language.Lookup(text);
    (void)result;
    return 0;
}
