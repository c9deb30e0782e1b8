#pragma once
// Text conversions between the tool's UTF-16 text and the 8-bit texts of the
// wire, the records and the settings file.
//
// The "ANSI code page" of the tool is Windows-1252 on every machine.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace lumora {

// --- Windows-1252

// UTF-16 to Windows-1252; a unit with no byte in the code page becomes '?'.
std::string WideToAnsi(std::u16string_view text);
// Windows-1252 to UTF-16; the five unassigned bytes map to the control characters of the same value.
std::u16string AnsiToWide(std::string_view bytes);

// --- Fixed, zero-terminated 8-bit fields

// Copies at most field.size()-1 bytes and always terminates; the rest of the field is zeroed.
void CopyToField(std::span<char> field, std::string_view text);
template <std::size_t N>
void CopyToField(char (&field)[N], std::string_view text) {
    CopyToField(std::span<char>(field, N), text);
}
template <std::size_t N>
void CopyToField(std::array<char, N>& field, std::string_view text) {
    CopyToField(std::span<char>(field), text);
}

// The text of a field: its bytes up to the first zero, or the whole field when there is none.
std::string_view FieldText(std::span<const char> field);
template <std::size_t N>
std::string_view FieldText(const char (&field)[N]) {
    return FieldText(std::span<const char>(field, N));
}
template <std::size_t N>
std::string_view FieldText(const std::array<char, N>& field) {
    return FieldText(std::span<const char>(field));
}

// --- Base64 (standard alphabet, "=" padding, no line breaks)

std::string Base64Encode(std::string_view bytes);
// Decodes four characters at a time: a group ending in "==" gives one byte, in "=" two,
// any other three. Characters outside the alphabet count as zero bits; a short last
// group reads as if padded with "=" and gives only the whole bytes its characters
// cover ("QQ" gives one byte, "Q" none). Never reads past the input.
std::string Base64Decode(std::string_view text);

// --- UTF-8

// The reply decoder: empty when any byte before the first zero is 0xF0 or above;
// otherwise one unit per 1-, 2- or 3-byte sequence, stopping at the first zero byte
// or where an expected continuation byte is missing.
std::u16string DecodeUtf8Reply(std::string_view bytes);
// The device-information encoder: each UTF-16 unit on its own (surrogate halves
// become three-byte sequences), one to three bytes each.
std::string EncodeUtf8Units(std::u16string_view text);

// Standard UTF-8 for terminals, JSON and file names (pairs combined; bad input becomes U+FFFD).
std::string WideToUtf8(std::u16string_view text);
std::u16string Utf8ToWide(std::string_view bytes);

// --- Numbers in text

// The leading decimal number of a text as the C library's conversion reads it: blanks
// skipped, an optional sign, then ASCII digits; 0 when there are none. Values beyond
// 32 bits clamp to INT32_MIN / INT32_MAX.
std::int32_t LeadingInteger(std::u16string_view text);
std::int32_t LeadingInteger(std::string_view text);

// --- Addresses

// True for a dotted IPv4 address of four decimal parts 0-255 ("10.0.0.7"), nothing around it.
bool IsDottedIpv4(std::string_view text);

}  // namespace lumora
