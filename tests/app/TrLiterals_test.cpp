// Every text the sources show through Tr(u"...") has its row in the key list, so it
// cannot miss its translations (the table tests check the key list against every
// table). The sources are read when the test runs, so texts added anywhere under
// src/ are covered without touching this file.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "app/LanguageKeys.h"
#include "platform/Text.h"

namespace lumora {
namespace {

namespace fs = std::filesystem;

struct Literal {
    std::u16string text;
    std::string where;  // file:line
};

std::size_t SkipBlanks(const std::string& s, std::size_t i) {
    while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i]))) ++i;
    return i;
}

// Reads one u"..." literal at `i` (escapes \\ \" \' \n \t \r \0 \xHH \uXXXX) into `out`;
// the position after it, or npos when there is none.
std::size_t ReadLiteral(const std::string& s, std::size_t i, std::u16string& out) {
    if (s.compare(i, 2, "u\"") != 0) return std::string::npos;
    std::string utf8;
    for (i += 2; i < s.size() && s[i] != '"'; ++i) {
        if (s[i] != '\\') {
            utf8 += s[i];
            continue;
        }
        const char e = s[++i];
        if (e == 'u' || e == 'x') {
            out += Utf8ToWide(utf8);
            utf8.clear();
            std::size_t digits = 0;
            const std::size_t most = e == 'u' ? 4 : 8;
            while (digits < most && i + 1 + digits < s.size() &&
                   std::isxdigit(static_cast<unsigned char>(s[i + 1 + digits])))
                ++digits;
            out += static_cast<char16_t>(std::stoul(s.substr(i + 1, digits), nullptr, 16));
            i += digits;
        } else {
            utf8 += e == 'n' ? '\n' : e == 't' ? '\t' : e == 'r' ? '\r' : e == '0' ? '\0' : e;
        }
    }
    out += Utf8ToWide(utf8);
    return i < s.size() ? i + 1 : std::string::npos;
}

// Every Tr(u"..." u"...") in the text: one or more adjacent literals and the closing parenthesis.
void CollectLiterals(const fs::path& file, std::vector<Literal>& found) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    const std::string s = buffer.str();
    for (std::size_t at = s.find("Tr("); at != std::string::npos; at = s.find("Tr(", at + 3)) {
        if (at > 0 && (std::isalnum(static_cast<unsigned char>(s[at - 1])) || s[at - 1] == '_')) continue;
        std::u16string text;
        std::size_t i = SkipBlanks(s, at + 3), after = 0;
        bool any = false;
        while ((after = ReadLiteral(s, i, text)) != std::string::npos) {
            any = true;
            i = SkipBlanks(s, after);
        }
        if (!any || i >= s.size() || s[i] != ')') continue;  // not a literal: a variable or an expression
        const auto line = 1 + std::count(s.begin(), s.begin() + static_cast<std::ptrdiff_t>(at), '\n');
        found.push_back(
            {text, file.lexically_relative(LUMORA_SOURCE_DIR).string() + ":" + std::to_string(line)});
    }
}

TEST(TrLiterals, EveryTextShownThroughTrHasItsRowInTheKeyList) {
    std::set<std::u16string_view> keys(testing::kInterfaceKeys.begin(), testing::kInterfaceKeys.end());
    keys.insert(testing::kTimeZoneKeys.begin(), testing::kTimeZoneKeys.end());
    keys.insert(testing::kUntranslatedKeys.begin(), testing::kUntranslatedKeys.end());
    std::vector<Literal> found;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(LUMORA_SOURCE_DIR)) {
        const fs::path& path = entry.path();
        // The tables hold the texts themselves, not uses of them.
        if (!entry.is_regular_file() || path.parent_path().filename() == "lang") continue;
        if (path.extension() == ".cpp" || path.extension() == ".h") CollectLiterals(path, found);
    }
    // The scan itself works: the tree has used Tr from its first windows on.
    ASSERT_GE(found.size(), 10u);
    for (const Literal& literal : found)
        EXPECT_TRUE(keys.count(literal.text))
            << literal.where << ": \"" << WideToUtf8(literal.text)
            << "\" is not in tests/app/LanguageKeys.h (nor in the four tables)";
}

}  // namespace
}  // namespace lumora
