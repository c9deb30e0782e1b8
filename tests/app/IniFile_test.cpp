#include "app/IniFile.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace lumora::ini {
namespace {

using namespace std::string_literals;

TEST(IniEscape, PlainTextIsStoredAsItIsAndOddTextRoundTrips) {
    struct Case {
        std::u16string text;
        std::string name;
        std::string value;
    };
    const Case cases[] = {
        {u"KL-440 (Office)", "KL-440 (Office)", "KL-440 (Office)"},
        {u"\u0421\u0435\u0440\u0432\u0435\u0440", "\xd0\xa1\xd0\xb5\xd1\x80\xd0\xb2\xd0\xb5\xd1\x80",
         "\xd0\xa1\xd0\xb5\xd1\x80\xd0\xb2\xd0\xb5\xd1\x80"},
        {u"a]b", "a%5Db", "a]b"},
        {u"[Current]", "%5BCurrent%5D", "[Current]"},
        {u"k=v;c", "k%3Dv%3Bc", "k=v;c"},
        {u"QUJD==", "QUJD%3D%3D", "QUJD=="},
        {u"two\r\nlines", "two%0D%0Alines", "two%0D%0Alines"},
        {u" pad  x ", "%20pad  x%20", "%20pad  x%20"},
        {u"  ", "%20%20", "%20%20"},
        {u"100%", "100%", "100%"},
        {u"%41%g1%", "%2541%g1%", "%2541%g1%"},
        {u"tab\tdel\x7f", "tab%09del%7F", "tab%09del%7F"},
        {u"nul\0x"s, "nul%00x", "nul%00x"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EscapeName(c.text), c.name);
        EXPECT_EQ(EscapeValue(c.text), c.value);
        EXPECT_EQ(Unescape(c.name), c.text) << c.name;
        EXPECT_EQ(Unescape(c.value), c.text) << c.value;
    }
}

TEST(IniEscape, HandWrittenTextIsReadLeniently) {
    EXPECT_EQ(Unescape("%5d%5D"), u"]]");
    EXPECT_EQ(Unescape("50%"), u"50%");
    EXPECT_EQ(Unescape("%zz%4"), u"%zz%4");
    EXPECT_EQ(Unescape("caf\xe9 \x80"), u"caf\u00e9 \u20ac");  // not UTF-8: read as Windows-1252
    EXPECT_EQ(Unescape("\xef\xbf\xbd"), u"\ufffd");            // a genuine replacement character stays
}

TEST(IniNames, MatchWithoutRegardToCase) {
    EXPECT_TRUE(SameName(u"Current", u"cURRENT"));
    EXPECT_TRUE(SameName(u"\u00c9t\u00e9", u"\u00e9T\u00c9"));
    EXPECT_TRUE(SameName(u"\u0421\u0415\u0420\u0401", u"\u0441\u0435\u0440\u0451"));
    EXPECT_FALSE(SameName(u"Current", u"Curren"));
    EXPECT_FALSE(SameName(u"a", u"b"));
    EXPECT_FALSE(SameName(u"\u00d7", u"\u00f7"));  // multiplication and division signs are not a pair
}

TEST(IniLookup, FindsValuesTheWayThePrivateProfileCallsDo) {
    const std::string file =
        "stray=before any section\r\n"
        "; comment=not a key\r\n"
        "[Current]\r\n"
        "  ServName =  KL-440 \r\n"
        "ServName=second\r\n"
        "Empty=\r\n"
        "[ Spaced ]\r\n"
        "key=spaced\r\n"
        "[current]\r\n"
        "Other=later duplicate section\r\n"
        "[Last]\n"
        "novalue\n"
        "k=a=b;c";
    struct Case {
        std::u16string section, key;
        std::optional<std::u16string> value;
    };
    const Case cases[] = {
        {u"Current", u"ServName", u"KL-440"},
        {u"CURRENT", u"servname", u"KL-440"},
        {u"Current", u"Empty", u""},
        {u"Current", u"Other", std::nullopt},  // only the first section of a name counts
        {u"Current", u"comment", std::nullopt},
        {u"Current", u"key", std::nullopt},  // belongs to the next section
        {u"Spaced", u"key", u"spaced"},
        {u"Last", u"k", u"a=b;c"},
        {u"Last", u"novalue", std::nullopt},
        {u"Missing", u"k", std::nullopt},
        {u"", u"stray", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(Lookup(file, c.section, c.key), c.value);
}

TEST(IniUpdate, ChangesOneLineAndKeepsEverythingElse) {
    struct Case {
        std::string before;
        std::u16string section, key, value;
        std::string after;
    };
    const Case cases[] = {
        {"", u"A", u"k", u"v", "[A]\nk=v\n"},
        {"; top\r\n[A]\r\nx=1\r\n", u"B", u"k", u"v", "; top\r\n[A]\r\nx=1\r\n[B]\r\nk=v\r\n"},
        {"[A]\nx=1", u"B", u"k", u"v", "[A]\nx=1\n[B]\nk=v\n"},
        {"[A]\nx=1", u"a", u"y", u"2", "[A]\nx=1\ny=2\n"},
        {"[A]\nx = 1 \n;c\ny=2\n", u"A", u"X", u"3", "[A]\nx=3\n;c\ny=2\n"},  // the key keeps its spelling
        {"[A]\nx=1\n\n; about B\n[B]\nx=1\n", u"A", u"z", u"3", "[A]\nx=1\nz=3\n\n; about B\n[B]\nx=1\n"},
        {"[A]\n\n[B]\n", u"A", u"k", u"", "[A]\nk=\n\n[B]\n"},
        {"[A]\r\nx=1\r\n[A]\r\nx=2\r\n", u"A", u"x", u"9", "[A]\r\nx=9\r\n[A]\r\nx=2\r\n"},
        {"[A]\nx=1\n", u"a]b", u"k", u"v", "[A]\nx=1\n[a%5Db]\nk=v\n"},
    };
    for (const Case& c : cases) {
        std::string after = Update(c.before, c.section, c.key, c.value);
        EXPECT_EQ(after, c.after) << c.before;
        EXPECT_EQ(Lookup(after, c.section, c.key), c.value);
    }
}

TEST(IniUpdate, HostileNamesTouchNoOtherSection) {
    const std::u16string names[] = {
        u"Current",
        u"evil]\nServName=hijack",
        u"a=b",
        u";Current",
        u"[Current]",
        u"line\r\n[Current]",
        u"\u0421\u0435\u0440\u0432\u0435\u0440 \u00e9",
        u"%43urrent",
        u" Current ",
        u"\U0001F600",
    };
    std::string file;
    for (const auto& name : names) file = Update(file, name, u"ServName", u"for " + name);
    for (const auto& name : names) EXPECT_EQ(Lookup(file, name, u"ServName"), u"for " + name);
    // The file still has one header line per name and nothing else.
    std::size_t lines = 0;
    for (char c : file) lines += c == '\n';
    EXPECT_EQ(lines, 2 * std::size(names));
}

}  // namespace
}  // namespace lumora::ini
