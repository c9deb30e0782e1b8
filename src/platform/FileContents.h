#pragma once
// Whole-file reads and writes that never leave a file half-written.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace lumora {

enum class FileRead { Ok, Missing, Failed };

// Reads a regular file whole into `out`. Missing: no file there; Failed: anything else
// (a folder, a device, no permission, a read error), with `out` left empty.
FileRead ReadFileContents(const std::filesystem::path& path, std::string& out);

// Replaces the file with `bytes`: written to a temporary file in the same folder, flushed,
// then renamed over the old one; a symbolic link is followed so the link stays. A new file
// gets `newMode`; an existing one keeps its mode. False (old file untouched) on any failure,
// and when the existing file is marked read-only for its owner.
bool ReplaceFileContents(const std::filesystem::path& path, std::string_view bytes,
                         std::filesystem::perms newMode = std::filesystem::perms::owner_read |
                                                          std::filesystem::perms::owner_write);

}  // namespace lumora
