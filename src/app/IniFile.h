#pragma once
// The text of a sectioned key=value settings file, read and changed one value
// at a time the way the Windows private-profile calls do.
//
// The file is UTF-8 (a line that is not valid UTF-8 is read as Windows-1252, so
// a file copied from a Windows PC still reads). Section and key names match
// without regard to case. A write changes one line, or adds one; every other
// byte of the file (other sections, comments, order, line ends) stays as it was.
//
// Names and values come from users and from the network, so they are stored
// escaped: a byte that would break the line structure becomes %XX (two hex
// digits of its UTF-8 byte). Escaped are control characters, a leading or
// trailing space, a "%" that is followed by two hex digits, and in section and
// key names also "[", "]", "=" and ";". Everything else, non-ASCII letters
// included, is written as it is, so plain names appear in the file unchanged.

#include <optional>
#include <string>
#include <string_view>

namespace lumora::ini {

// The stored form of a section or key name.
std::string EscapeName(std::u16string_view name);
// The stored form of a value.
std::string EscapeValue(std::u16string_view value);
// The text a stored name or value stands for (a "%" not followed by two hex digits is itself).
std::u16string Unescape(std::string_view stored);

// True when both names are equal without regard to case (ASCII, Latin, Greek and Cyrillic letters).
bool SameName(std::u16string_view a, std::u16string_view b);

// The value of `key` in the first `section` of the file, or nothing when either is missing.
std::optional<std::u16string> Lookup(std::string_view file, std::u16string_view section,
                                     std::u16string_view key);
// The file with `key` of `section` set to `value`: the first matching key line is
// rewritten, or a line is added at the end of the section, or the section is added
// at the end of the file.
std::string Update(std::string_view file, std::u16string_view section, std::u16string_view key,
                   std::u16string_view value);

}  // namespace lumora::ini
