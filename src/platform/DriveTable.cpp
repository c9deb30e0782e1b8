#include "platform/DriveTable.h"

#include "platform/FileContents.h"
#include "platform/ShareNames.h"
#include "platform/Text.h"

namespace lumora {

namespace {

constexpr std::string_view kHeader = "# Lumora network drives: LETTER: \\\\SERVER\\SHARE\n";

bool IsValidEntry(char letter, std::u16string_view remoteName) {
    return letter >= 'A' && letter <= 'Z' && SplitRemoteName(remoteName).has_value();
}

}  // namespace

std::optional<DriveTable> ParseDriveTable(std::string_view text) {
    DriveTable table;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line.front() == '#') continue;
        if (line.size() < 4 || line[1] != ':' || line[2] != ' ') return std::nullopt;
        const std::u16string remote = Utf8ToWide(line.substr(3));
        // A stray byte that is no UTF-8 comes back as U+FFFD: the file was not written by us.
        if (remote.find(u'\uFFFD') != std::u16string::npos) return std::nullopt;
        if (!IsValidEntry(line[0], remote)) return std::nullopt;
        if (!table.emplace(line[0], remote).second) return std::nullopt;
    }
    return table;
}

std::string FormatDriveTable(const DriveTable& table) {
    std::string text(kHeader);
    for (const auto& [letter, remote] : table) {
        if (!IsValidEntry(letter, remote)) continue;
        text += letter;
        text += ": ";
        text += WideToUtf8(remote);
        text += '\n';
    }
    return text;
}

DriveTable ReadDriveTable(const std::filesystem::path& file) {
    std::string text;
    if (ReadFileContents(file, text) != FileRead::Ok) return {};
    return ParseDriveTable(text).value_or(DriveTable{});
}

bool WriteDriveTable(const std::filesystem::path& file, const DriveTable& table) {
    std::error_code ec;
    std::filesystem::create_directories(file.parent_path(), ec);
    return ReplaceFileContents(file, FormatDriveTable(table));
}

}  // namespace lumora
