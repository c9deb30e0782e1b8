#include "app/IniFile.h"

#include <vector>

#include "platform/Text.h"

namespace lumora::ini {

// --- Escaping

namespace {

bool isHex(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return c - 'a' + 10;
}

std::string escape(std::u16string_view text, std::string_view specials) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    const std::string bytes = WideToUtf8(text);
    // Spaces at either end would be lost to the trimming of hand-edited lines.
    std::size_t first = bytes.find_first_not_of(' ');
    std::size_t last = bytes.find_last_not_of(' ');
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        bool special = b < 0x20 || b == 0x7F ||
                       specials.find(static_cast<char>(b)) != std::string_view::npos || i < first ||
                       first == std::string::npos || i > last ||
                       (b == '%' && i + 2 < bytes.size() && isHex(bytes[i + 1]) && isHex(bytes[i + 2]));
        if (!special) {
            out += static_cast<char>(b);
            continue;
        }
        out += '%';
        out += kDigits[b >> 4];
        out += kDigits[b & 0x0F];
    }
    return out;
}

bool isValidUtf8(std::string_view bytes) {
    // Standard UTF-8 decoding marks each bad sequence with U+FFFD; a genuine U+FFFD
    // in the bytes survives the round trip, a bad sequence does not.
    return WideToUtf8(Utf8ToWide(bytes)) == bytes;
}

}  // namespace

std::string EscapeName(std::u16string_view name) { return escape(name, "[]=;"); }

std::string EscapeValue(std::u16string_view value) { return escape(value, {}); }

std::u16string Unescape(std::string_view stored) {
    std::string bytes;
    bytes.reserve(stored.size());
    for (std::size_t i = 0; i < stored.size(); ++i) {
        if (stored[i] == '%' && i + 2 < stored.size() && isHex(stored[i + 1]) && isHex(stored[i + 2])) {
            bytes += static_cast<char>(hexValue(stored[i + 1]) * 16 + hexValue(stored[i + 2]));
            i += 2;
        } else {
            bytes += stored[i];
        }
    }
    return isValidUtf8(bytes) ? Utf8ToWide(bytes) : AnsiToWide(bytes);
}

// --- Names

namespace {

char16_t fold(char16_t c) {
    if (c >= u'A' && c <= u'Z') return c + 32;
    if (c < 0xC0) return c;
    if (c <= 0xDE) return c == 0xD7 ? c : c + 32;                                // Latin-1
    if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) return c | 1;  // Latin Extended-A pairs
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return (c & 1) ? c + 1 : c;
    if (c == 0x178) return 0xFF;
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return c + 32;  // Greek
    if (c >= 0x400 && c <= 0x40F) return c + 80;                // Cyrillic
    if (c >= 0x410 && c <= 0x42F) return c + 32;
    return c;
}

}  // namespace

bool SameName(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (fold(a[i]) != fold(b[i])) return false;
    return true;
}

// --- Lines

namespace {

struct Line {
    std::string_view text;  // without its line end
    std::string_view end;   // "\r\n", "\n" or empty on the last line
};

enum class Kind { Other, Header, Entry };

struct Parsed {
    Kind kind = Kind::Other;
    std::string_view name;   // section or key, as stored
    std::string_view value;  // entries only, as stored
};

std::vector<Line> splitLines(std::string_view file) {
    std::vector<Line> lines;
    std::size_t start = 0;
    while (start < file.size()) {
        std::size_t nl = file.find('\n', start);
        if (nl == std::string_view::npos) {
            lines.push_back({file.substr(start), {}});
            break;
        }
        std::size_t textEnd = (nl > start && file[nl - 1] == '\r') ? nl - 1 : nl;
        lines.push_back({file.substr(start, textEnd - start), file.substr(textEnd, nl + 1 - textEnd)});
        start = nl + 1;
    }
    return lines;
}

std::string_view trim(std::string_view s) {
    constexpr std::string_view blanks = " \t\r\v\f";
    std::size_t b = s.find_first_not_of(blanks);
    if (b == std::string_view::npos) return {};
    return s.substr(b, s.find_last_not_of(blanks) - b + 1);
}

Parsed parse(std::string_view text) {
    std::string_view t = trim(text);
    if (t.empty() || t.front() == ';') return {};
    if (t.front() == '[') {
        std::string_view inside = t.substr(1);
        return {Kind::Header, trim(inside.substr(0, inside.find(']'))), {}};
    }
    std::size_t eq = t.find('=');
    if (eq == std::string_view::npos) return {};
    return {Kind::Entry, trim(t.substr(0, eq)), trim(t.substr(eq + 1))};
}

// Index of the first header naming `section`, or lines.size().
std::size_t findSection(const std::vector<Line>& lines, std::u16string_view section) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        Parsed p = parse(lines[i].text);
        if (p.kind == Kind::Header && SameName(Unescape(p.name), section)) return i;
    }
    return lines.size();
}

}  // namespace

std::optional<std::u16string> Lookup(std::string_view file, std::u16string_view section,
                                     std::u16string_view key) {
    const std::vector<Line> lines = splitLines(file);
    for (std::size_t i = findSection(lines, section) + 1; i < lines.size(); ++i) {
        Parsed p = parse(lines[i].text);
        if (p.kind == Kind::Header) break;
        if (p.kind == Kind::Entry && SameName(Unescape(p.name), key)) return Unescape(p.value);
    }
    return std::nullopt;
}

std::string Update(std::string_view file, std::u16string_view section, std::u16string_view key,
                   std::u16string_view value) {
    const std::vector<Line> lines = splitLines(file);
    std::string_view newline = "\n";
    for (const Line& line : lines)
        if (!line.end.empty()) {
            newline = line.end;  // new lines follow the file's own convention
            break;
        }
    std::string entry = EscapeName(key) + "=" + EscapeValue(value);

    // Where the entry goes: the line it replaces, or the line it follows.
    std::size_t at = lines.size();
    bool replace = false;
    std::size_t header = findSection(lines, section);
    if (header < lines.size()) {
        at = header;
        for (std::size_t i = header + 1; i < lines.size(); ++i) {
            Parsed p = parse(lines[i].text);
            if (p.kind == Kind::Header) break;
            if (p.kind != Kind::Entry) continue;
            at = i;
            if (SameName(Unescape(p.name), key)) {
                entry = std::string(p.name) + "=" + EscapeValue(value);  // the key keeps its spelling
                replace = true;
                break;
            }
        }
    }

    std::string out;
    out.reserve(file.size() + entry.size() + section.size() + 8);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        out += (i == at && replace) ? std::string_view(entry) : lines[i].text;
        out += lines[i].end;
        if (i == at && !replace) {
            if (lines[i].end.empty()) out += newline;
            out += entry;
            out += newline;
        }
    }
    if (header == lines.size()) {
        if (!lines.empty() && lines.back().end.empty()) out += newline;
        out += "[" + EscapeName(section) + "]";
        out += newline;
        out += entry;
        out += newline;
    }
    return out;
}

}  // namespace lumora::ini
