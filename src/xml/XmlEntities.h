#pragma once
// Character references of element text: numeric references and the named
// references of HTML 4.01 plus "apos", matched without regard to ASCII case.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace lumora {

struct NamedReference {
    std::u16string_view name;
    uint32_t codePoint;
};

// The 253 named references, sorted by name with A-Z folded to a-z.
std::span<const NamedReference> NamedReferences();

// Code point of a named reference (case-insensitive; for names that differ only by
// case, the exactly written one wins); 0 when the name is unknown.
uint32_t LookUpNamedReference(std::u16string_view name);

// Copies `text`, replacing each resolvable reference &name; by its character;
// anything that does not resolve stays as written.
std::u16string DecodeReferences(std::u16string_view text);
// Writes the decoded `text` to `out`, which has room for text.size() units (decoding
// never lengthens a text); returns the number of units written.
size_t DecodeInto(std::u16string_view text, char16_t* out);
// Appends the decoded `text` to `out`.
void AppendDecoded(std::u16string& out, std::u16string_view text);

}  // namespace lumora
