#include "platform/Format.h"

#include <gtest/gtest.h>

#include "platform/Text.h"

namespace lumora {
namespace {

TEST(FormatText, FillsPlaceholdersInOrder) {
    EXPECT_EQ(FormatText(u"%d of %d", {3, 254}), u"3 of 254");
    EXPECT_EQ(FormatText(u"Bienvenue %s", {u"admin"}), u"Bienvenue admin");
    EXPECT_EQ(FormatText(u"%u:", {3600000}), u"3600000:");
    EXPECT_EQ(FormatText(u"%s=%i%%", {u"x", -5}), u"x=-5%");
    EXPECT_EQ(FormatText(u"%s and %d", {7, u"text"}), u"7 and text");  // whichever kind the argument is
}

TEST(FormatText, FaultyFormatsNeverReadMissingArguments) {
    EXPECT_EQ(FormatText(u"%d %d %s", {1}), u"1 %d %s");
    EXPECT_EQ(FormatText(u"%x %5d 100%", {1}), u"%x %5d 100%");
    EXPECT_EQ(FormatText(u"none", {1, 2}), u"none");
    EXPECT_EQ(FormatText(u"", {}), u"");
}

TEST(LeadingInteger, ReadsLikeTheCLibrary) {
    const std::pair<std::string, std::int32_t> cases[] = {
        {"42", 42},
        {"  -7x", -7},
        {"+15:", 15},
        {"\t\n 3", 3},
        {"", 0},
        {"x1", 0},
        {"- 1", 0},
        {"-", 0},
        {"2147483647", INT32_MAX},
        {"99999999999999999999", INT32_MAX},
        {"-2147483648", INT32_MIN},
        {"-99999999999999999999", INT32_MIN},
    };
    for (const auto& [text, number] : cases) {
        EXPECT_EQ(LeadingInteger(text), number) << text;
        EXPECT_EQ(LeadingInteger(Utf8ToWide(text)), number) << text;
    }
    EXPECT_EQ(LeadingInteger(u"\u0663"), 0);  // only ASCII digits
}

}  // namespace
}  // namespace lumora
