#include "platform/Text.h"

#include <algorithm>
#include <cstdint>

namespace lumora {

// --- Windows-1252

namespace {

// 0x80..0x9F: the only range where Windows-1252 differs from Latin-1. The five
// unassigned bytes stand for the C1 control of the same value, as Windows maps them.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char unitToAnsi(char16_t unit) {
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) return static_cast<char>(unit);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == unit) return static_cast<char>(0x80 + i);
    return '?';
}

}  // namespace

std::string WideToAnsi(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char16_t unit : text) out += unitToAnsi(unit);
    return out;
}

std::u16string AnsiToWide(std::string_view bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        auto b = static_cast<unsigned char>(c);
        out += (b >= 0x80 && b < 0xA0) ? kHighControls[b - 0x80] : static_cast<char16_t>(b);
    }
    return out;
}

// --- Fixed fields

void CopyToField(std::span<char> field, std::string_view text) {
    if (field.empty()) return;
    std::size_t n = std::min(text.size(), field.size() - 1);
    std::copy_n(text.data(), n, field.data());
    std::fill(field.begin() + static_cast<std::ptrdiff_t>(n), field.end(), '\0');
}

std::string_view FieldText(std::span<const char> field) {
    auto end = std::find(field.begin(), field.end(), '\0');
    return {field.data(), static_cast<std::size_t>(end - field.begin())};
}

// --- Base64

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// Six bits of one character; anything outside the alphabet (padding included) counts as zero.
std::uint32_t sextet(char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<std::uint32_t>(c - 'A');
    if (c >= 'a' && c <= 'z') return static_cast<std::uint32_t>(c - 'a' + 26);
    if (c >= '0' && c <= '9') return static_cast<std::uint32_t>(c - '0' + 52);
    if (c == '+') return 62;
    if (c == '/') return 63;
    return 0;
}

}  // namespace

std::string Base64Encode(std::string_view bytes) {
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        std::size_t n = std::min<std::size_t>(3, bytes.size() - i);
        std::uint32_t v = 0;
        for (std::size_t k = 0; k < 3; ++k)
            v = (v << 8) | (k < n ? static_cast<unsigned char>(bytes[i + k]) : 0u);
        out += kAlphabet[(v >> 18) & 0x3F];
        out += kAlphabet[(v >> 12) & 0x3F];
        out += n > 1 ? kAlphabet[(v >> 6) & 0x3F] : '=';
        out += n > 2 ? kAlphabet[v & 0x3F] : '=';
    }
    return out;
}

std::string Base64Decode(std::string_view text) {
    std::string out;
    out.reserve(text.size() / 4 * 3 + 2);
    for (std::size_t i = 0; i < text.size(); i += 4) {
        std::string_view given = text.substr(i, 4);
        // A short last group reads as if padded, and gives no more than the whole bytes its bits cover.
        std::string group(given);
        group.resize(4, '=');
        std::size_t count = given.size() == 4 ? 3 : (given.size() * 6) / 8;
        if (group.ends_with("=="))
            count = std::min<std::size_t>(count, 1);
        else if (group.ends_with('='))
            count = std::min<std::size_t>(count, 2);
        std::uint32_t v = 0;
        for (char c : group) v = (v << 6) | sextet(c);
        for (std::size_t k = 0; k < count; ++k) out += static_cast<char>((v >> (16 - 8 * k)) & 0xFF);
    }
    return out;
}

// --- UTF-8

namespace {

bool isContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

constexpr char16_t kReplacement = 0xFFFD;

}  // namespace

std::u16string DecodeUtf8Reply(std::string_view bytes) {
    bytes = bytes.substr(0, std::min(bytes.size(), bytes.find('\0')));
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0xF0) return {};

    std::u16string out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    auto next = [&](unsigned& c) {
        if (i >= bytes.size() || !isContinuation(static_cast<unsigned char>(bytes[i]))) return false;
        c = static_cast<unsigned char>(bytes[i++]);
        return true;
    };
    while (i < bytes.size()) {
        unsigned b = static_cast<unsigned char>(bytes[i++]);
        unsigned c = 0, d = 0;
        if (b < 0x80) {
            out += static_cast<char16_t>(b);
        } else if ((b & 0xE0) == 0xC0) {
            if (!next(c)) break;
            out += static_cast<char16_t>(((b & 0x1F) << 6) | (c & 0x3F));
        } else {
            if (!next(c) || !next(d)) break;
            out += static_cast<char16_t>(((b & 0x0F) << 12) | ((c & 0x3F) << 6) | (d & 0x3F));
        }
    }
    return out;
}

std::string EncodeUtf8Units(std::u16string_view text) {
    std::string out;
    out.reserve(text.size() * 3);
    for (char16_t unit : text) appendUtf8(out, unit);
    return out;
}

std::string WideToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        else if (c >= 0xD800 && c < 0xE000)
            c = kReplacement;
        appendUtf8(out, c);
    }
    return out;
}

std::u16string Utf8ToWide(std::string_view bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        unsigned b = static_cast<unsigned char>(bytes[i++]);
        if (b < 0x80) {
            out += static_cast<char16_t>(b);
            continue;
        }
        std::size_t extra = b >= 0xC2 && b < 0xE0   ? 1
                            : b >= 0xE0 && b < 0xF0 ? 2
                            : b >= 0xF0 && b < 0xF5 ? 3
                                                    : 0;
        if (extra == 0) {
            out += kReplacement;
            continue;
        }
        char32_t c = b & (0x3F >> extra);
        // The second byte's range rules out overlong forms, surrogates and values past U+10FFFF.
        unsigned lo = b == 0xE0 ? 0xA0 : b == 0xF0 ? 0x90 : 0x80;
        unsigned hi = b == 0xED ? 0x9F : b == 0xF4 ? 0x8F : 0xBF;
        std::size_t k = 0;
        for (; k < extra && i < bytes.size(); ++k) {
            unsigned cb = static_cast<unsigned char>(bytes[i]);
            if (k == 0 ? (cb < lo || cb > hi) : !isContinuation(static_cast<unsigned char>(cb))) break;
            c = (c << 6) | (cb & 0x3F);
            ++i;
        }
        if (k < extra) {
            out += kReplacement;  // the maximal valid prefix stands for one replacement
        } else if (c >= 0x10000) {
            c -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (c >> 10));
            out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
    }
    return out;
}

// --- Numbers in text

namespace {

template <typename Char>
std::int32_t leadingInteger(std::basic_string_view<Char> t) {
    std::size_t i = 0;
    while (i < t.size() && (t[i] == ' ' || (t[i] >= '\t' && t[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) negative = t[i++] == '-';
    std::int64_t number = 0;  // clamped on the way, so it cannot overflow
    for (; i < t.size() && t[i] >= '0' && t[i] <= '9'; ++i)
        number = std::min<std::int64_t>(number * 10 + (t[i] - '0'), INT64_C(2147483648));
    return static_cast<std::int32_t>(negative ? -number : std::min<std::int64_t>(number, INT32_MAX));
}

}  // namespace

std::int32_t LeadingInteger(std::u16string_view text) { return leadingInteger(text); }
std::int32_t LeadingInteger(std::string_view text) { return leadingInteger(text); }

// --- Addresses

bool IsDottedIpv4(std::string_view text) {
    for (int part = 0; part < 4; ++part) {
        if (part > 0) {
            if (text.empty() || text.front() != '.') return false;
            text.remove_prefix(1);
        }
        std::size_t digits = 0;
        int value = 0;
        while (digits < text.size() && digits < 4 && text[digits] >= '0' && text[digits] <= '9')
            value = value * 10 + (text[digits++] - '0');
        if (digits == 0 || digits > 3 || value > 255) return false;
        text.remove_prefix(digits);
    }
    return text.empty();
}

}  // namespace lumora
