#include "platform/Text.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace lumora {
namespace {

using namespace std::string_literals;

// --- Windows-1252

TEST(AnsiText, EveryByteRoundTrips) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    std::u16string wide = AnsiToWide(all);
    ASSERT_EQ(wide.size(), 256u);
    EXPECT_EQ(WideToAnsi(wide), all);
}

TEST(AnsiText, KnownMappings) {
    struct Case {
        unsigned char byte;
        char16_t unit;
    };
    const Case cases[] = {
        {0x41, u'A'},   {0x80, 0x20AC}, {0x81, 0x0081}, {0x8D, 0x008D}, {0x8F, 0x008F},
        {0x90, 0x0090}, {0x9D, 0x009D}, {0x8A, 0x0160}, {0x9F, 0x0178}, {0x99, 0x2122},
        {0xA0, 0x00A0}, {0xE9, 0x00E9}, {0xFF, 0x00FF}, {0x00, 0x0000},
    };
    for (const Case& c : cases) {
        std::string byte(1, static_cast<char>(c.byte));
        EXPECT_EQ(AnsiToWide(byte), std::u16string(1, c.unit)) << int(c.byte);
        EXPECT_EQ(WideToAnsi(std::u16string(1, c.unit)), byte) << int(c.byte);
    }
}

TEST(AnsiText, UnmappableUnitsBecomeQuestionMarks) {
    // C1 controls that Windows-1252 assigns to printable characters have no byte of their own.
    const char16_t units[] = {0x0080, 0x0085, 0x009F, 0x0100, 0x0416, 0x4E2D, 0xD83D, 0xDE00, 0xFFFD};
    for (char16_t u : units) EXPECT_EQ(WideToAnsi(std::u16string(1, u)), "?") << int(u);
    EXPECT_EQ(WideToAnsi(u"Caf\u00e9 \u20ac5 \u041c"),
              "Caf\xe9 \x80"
              "5 ?");
}

// --- Fixed fields

TEST(FixedField, CopyTruncatesTerminatesAndZeroesTheRest) {
    std::array<char, 6> field;
    field.fill('x');
    CopyToField(field, "abc");
    EXPECT_EQ(std::string(field.data(), 6), "abc\0\0\0"s);
    CopyToField(field, "abcdefgh");
    EXPECT_EQ(std::string(field.data(), 6), "abcde\0"s);
    EXPECT_EQ(FieldText(field), "abcde");
    CopyToField(field, "");
    EXPECT_EQ(FieldText(field), "");

    char raw[3] = {'p', 'q', 'r'};  // no terminator: the whole field is the text
    EXPECT_EQ(FieldText(raw), "pqr");
    CopyToField(std::span<char>(), "ignored");  // an empty field is left alone, not overrun
}

// --- Base64

TEST(Base64, EncodesRfc4648Vectors) {
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"f", "Zg=="},
        {"fo", "Zm8="},
        {"foo", "Zm9v"},
        {"foob", "Zm9vYg=="},
        {"fooba", "Zm9vYmE="},
        {"foobar", "Zm9vYmFy"},
        {"\xff\xfe\x00"s, "//4A"},
        {"\xfb\xef", "++8="},
    };
    for (const auto& [plain, coded] : cases) {
        EXPECT_EQ(Base64Encode(plain), coded);
        EXPECT_EQ(Base64Decode(coded), plain) << coded;
    }
}

TEST(Base64, EveryByteValueRoundTrips) {
    for (std::size_t len = 0; len < 7; ++len) {
        std::string bytes;
        for (int b = 0; b < 256; ++b) bytes += static_cast<char>((b * 37 + len) & 0xFF);
        bytes.resize(bytes.size() - len);
        EXPECT_EQ(Base64Decode(Base64Encode(bytes)), bytes) << len;
    }
}

TEST(Base64, OddInputDecodesByGroupsOfFour) {
    const std::pair<std::string, std::string> cases[] = {
        {"Q", ""},                // six bits: no whole byte
        {"QQ", "A"},              // short group, as if "QQ=="
        {"QUI", "AB"},            // as if "QUI="
        {"QQ=", "A"},             // as if "QQ=="
        {"QQ==QUJD", "AABC"},     // padding mid-text ends only its own group
        {"====", "\0"s},          // "==" ends the group: one (zero) byte
        {"Q!!!", "@\0\0"s},       // outside the alphabet counts as zero bits
        {"QU\nJD", "A@\x09"s},    // a line break is just another foreign character
        {"Zm9vYmFyQ", "foobar"},  // trailing single character adds nothing
    };
    for (const auto& [coded, plain] : cases) EXPECT_EQ(Base64Decode(coded), plain) << coded;
}

TEST(Base64, NeverReadsPastTheInput) {
    // A view into a larger buffer: the bytes after the view must not change the result.
    const std::string buffer =
        "QUJDRA"
        "QUJD";
    EXPECT_EQ(Base64Decode(std::string_view(buffer).substr(0, 6)), "ABCD");
    EXPECT_EQ(Base64Decode(std::string_view(buffer).substr(0, 5)), "ABC");
}

// --- Reply decoder

TEST(Utf8Reply, DecodesOneTwoAndThreeByteSequences) {
    EXPECT_EQ(DecodeUtf8Reply("abc"), u"abc");
    EXPECT_EQ(DecodeUtf8Reply("\xc3\xa9t\xc3\xa9"), u"\u00e9t\u00e9");
    EXPECT_EQ(DecodeUtf8Reply("\xe2\x82\xac"
                              "5"),
              u"\u20ac5");
    EXPECT_EQ(DecodeUtf8Reply("\xd0\x9c\xd0\xb8\xd1\x80"), u"\u041c\u0438\u0440");
    EXPECT_EQ(DecodeUtf8Reply("\xef\xbf\xbf"), u"\uffff");
}

TEST(Utf8Reply, QuirksAreKept) {
    const std::pair<std::string, std::u16string> cases[] = {
        {"ab\xf0\x9f\x98\x80", u""},  // any byte 0xF0 or above: no text at all
        {"ab\xff", u""},
        {"ab\0\xf0"s, u"ab"},   // ... but only before the first zero
        {"ab\0cd"s, u"ab"},     // the zero ends the text
        {"ab\xc3", u"ab"},      // truncated two-byte sequence
        {"ab\xe2\x82", u"ab"},  // truncated three-byte sequence
        {"ab\xc3"
         "Acd",
         u"ab"},  // missing continuation stops decoding
        {"ab\xe2\x82"
         "Acd",
         u"ab"},
        {"\xc0\x80x", u"\0x"s},       // overlong forms decode as written
        {"\x80\x80\x80z", u"\0z"s},   // a stray continuation is a three-byte lead
        {"\xed\xa0\x80", u"\xd800"},  // an encoded surrogate comes through as a unit
    };
    for (const auto& [bytes, text] : cases) EXPECT_EQ(DecodeUtf8Reply(bytes), text);
}

// --- Unit-wise encoder

TEST(Utf8Units, EachUnitOnItsOwn) {
    const std::pair<std::u16string, std::string> cases[] = {
        {u"Name", "Name"},
        {u"\u007f\u0080", "\x7f\xc2\x80"},
        {u"\u07ff\u0800", "\xdf\xbf\xe0\xa0\x80"},
        {u"\u20ac", "\xe2\x82\xac"},
        {u"\U0001F600", "\xed\xa0\xbd\xed\xb8\x80"},  // surrogate halves, three bytes each
        {u"\xdc00", "\xed\xb0\x80"},
    };
    for (const auto& [text, bytes] : cases) EXPECT_EQ(EncodeUtf8Units(text), bytes);
    // The reply decoder reads the encoder's output back unit for unit.
    std::u16string mixed = u"Nas \u00e9\u041c\u20ac \U0001F600";
    EXPECT_EQ(DecodeUtf8Reply(EncodeUtf8Units(mixed)), mixed);
}

// --- Standard UTF-8

TEST(Utf8Standard, RoundTripsAndCombinesPairs) {
    std::u16string text = u"a\u00e9\u20ac\U0001F600\uffff";
    std::string utf8 = WideToUtf8(text);
    EXPECT_EQ(utf8, "a\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80\xef\xbf\xbf");
    EXPECT_EQ(Utf8ToWide(utf8), text);
}

TEST(Utf8Standard, BadInputBecomesReplacement) {
    const std::pair<std::string, std::u16string> decode[] = {
        {"\xc3", u"\ufffd"},
        {"a\xe2\x82z", u"a\ufffdz"},
        {"\xc0\xaf", u"\ufffd\ufffd"},                      // overlong
        {"\xed\xa0\x80", u"\ufffd\ufffd\ufffd"},            // encoded surrogate
        {"\xf4\x90\x80\x80", u"\ufffd\ufffd\ufffd\ufffd"},  // past U+10FFFF
        {"\xff", u"\ufffd"},
        {"\x80z", u"\ufffdz"},
    };
    for (const auto& [bytes, text] : decode) EXPECT_EQ(Utf8ToWide(bytes), text) << bytes;
    EXPECT_EQ(WideToUtf8(u"\xd800x"), "\xef\xbf\xbdx");
    EXPECT_EQ(WideToUtf8(u"\xdc00"), "\xef\xbf\xbd");
}

}  // namespace
}  // namespace lumora
