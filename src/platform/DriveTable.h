#pragma once
// The table of drive letters the tool has mapped, kept as a small text file in the
// settings folder (NetworkDrives.txt beside Tessil.ini):
//
//   # Lumora network drives
//   Z: \\192.0.2.10\Public
//
// one "LETTER: \\SERVER\SHARE" line per letter, UTF-8. A table with any line that is not
// of that form, or with a letter twice, is corrupt and reads as empty: a half-understood
// table must not free or hold letters at random.

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace lumora {

// Upper-case letter to remote name "\\SERVER\SHARE".
using DriveTable = std::map<char, std::u16string>;

// The table a text stands for, or nothing when the text is corrupt.
std::optional<DriveTable> ParseDriveTable(std::string_view text);
// The file text of a table (entries whose letter or remote name is invalid are left out).
std::string FormatDriveTable(const DriveTable& table);

// Reads the table; empty when the file is missing, unreadable or corrupt.
DriveTable ReadDriveTable(const std::filesystem::path& file);
// Replaces the file with the table (temporary file, then rename), making its folder when
// missing; false with the old file kept.
bool WriteDriveTable(const std::filesystem::path& file, const DriveTable& table);

}  // namespace lumora
