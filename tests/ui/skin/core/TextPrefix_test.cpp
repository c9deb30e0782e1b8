#include "ui/skin/core/TextPrefix.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

std::u16string Shown(std::u16string_view text) { return ApplyPrefixRule(text); }

TEST(TextPrefix, DoubledAmpersandShowsOneAndASingleOneMarksTheNextCharacter) {
    EXPECT_EQ(Shown(u"Pacific Time (US && Canada)"), u"Pacific Time (US & Canada)");
    EXPECT_EQ(Shown(u"Central Time(US && Canada)"), u"Central Time(US & Canada)");
    EXPECT_EQ(Shown(u"&Next"), u"Next");
    EXPECT_EQ(Shown(u"a&&&b"), u"a&b");
    EXPECT_EQ(Shown(u"&&&&"), u"&&");
    EXPECT_EQ(Shown(u"ends with &"), u"ends with ");
    EXPECT_EQ(Shown(u"no marker"), u"no marker");
    EXPECT_EQ(Shown(u""), u"");
}

}  // namespace
}  // namespace lumora
