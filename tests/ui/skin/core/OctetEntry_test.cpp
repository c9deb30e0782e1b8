#include "ui/skin/core/ButtonRules.h"
#include "ui/skin/core/OctetEntry.h"
#include "ui/skin/core/WindowShape.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

TEST(OctetEntry, CharactersByKind) {
    struct Case {
        char32_t c;
        OctetKey key;
    } cases[] = {{U'0', OctetKey::Insert},    {U'9', OctetKey::Insert},     {U'.', OctetKey::NextField},
                 {U' ', OctetKey::NextField}, {U'\t', OctetKey::Tab},       {U'\r', OctetKey::Enter},
                 {8, OctetKey::Default},      {22, OctetKey::Default},      {U'a', OctetKey::Reject},
                 {U'-', OctetKey::Reject},    {U'\u00E9', OctetKey::Reject}};
    for (const Case& c : cases) EXPECT_EQ(ClassifyOctetChar(c.c), c.key) << static_cast<int>(c.c);
}

TEST(OctetEntry, ThirdCharacterFinishesTheField) {
    struct Case {
        std::u16string text;
        bool noCheck;
        OctetFieldState state;
        int value;
    } cases[] = {
        {u"19", false, OctetFieldState::Open, -1},         {u"192", false, OctetFieldState::Finished, 192},
        {u"255", false, OctetFieldState::Finished, 255},   {u"256", false, OctetFieldState::OutOfRange, 256},
        {u"999", false, OctetFieldState::OutOfRange, 999}, {u"300", true, OctetFieldState::Finished, 300},
        {u"1a2", false, OctetFieldState::Finished, 1}};
    for (const Case& c : cases) {
        int value = -1;
        EXPECT_EQ(JudgeOctetField(c.text, c.noCheck, value), c.state);
        EXPECT_EQ(value, c.value);
    }
}

TEST(OctetEntry, FieldsAndDotsShareTheWidth) {
    OctetLayout l = LayOutOctets(188, 28, 4);
    // f = (188 - 12) / 4 = 44
    EXPECT_EQ(l.fields[0], (OctetRect{2, 4, 42, 26}));
    EXPECT_EQ(l.fields[3], (OctetRect{146, 4, 186, 26}));
    EXPECT_EQ(l.dots[0], (OctetRect{44, 0, 48, 28}));
    EXPECT_EQ(l.dots[2], (OctetRect{140, 0, 144, 28}));
}

TEST(ButtonRules, ClicksAndStoredChecks) {
    EXPECT_EQ(CheckAfterClick(ButtonKind::CheckBox, 0), 1);
    EXPECT_EQ(CheckAfterClick(ButtonKind::CheckBox, 1), 0);
    EXPECT_EQ(CheckAfterClick(ButtonKind::Radio, 1), 1);
    EXPECT_EQ(CheckAfterClick(ButtonKind::Push, 0), 0);
    EXPECT_EQ(StoredCheck(ButtonKind::Push, true), 0);
    EXPECT_EQ(StoredCheck(ButtonKind::Radio, true), 1);
}

TEST(ButtonRules, GroupWalkWrapsInsideItsGroup) {
    //                        0     1      2      3     4      5
    std::vector<bool> starts{true, false, false, true, false, false};
    EXPECT_EQ(OtherGroupMembers(starts, 1), (std::vector<int>{2, 0}));
    EXPECT_EQ(OtherGroupMembers(starts, 0), (std::vector<int>{1, 2}));
    EXPECT_EQ(OtherGroupMembers(starts, 5), (std::vector<int>{3, 4}));
    EXPECT_TRUE(OtherGroupMembers({true}, 0).empty());
    EXPECT_TRUE(OtherGroupMembers(starts, 6).empty());
    EXPECT_EQ(OtherGroupMembers({false, false}, 1), (std::vector<int>{0}));  // no opener: one group
}

TEST(WindowShape, RoundedOutlineStaysInsideTheRectangle) {
    auto square = RoundedRectOutline(100, 50, 0);
    EXPECT_EQ(square.size(), 4u);
    auto round = RoundedRectOutline(100, 50, 10);
    for (const ShapePoint& p : round) {
        EXPECT_GE(p.x, 0);
        EXPECT_LE(p.x, 100);
        EXPECT_GE(p.y, 0);
        EXPECT_LE(p.y, 50);
    }
    EXPECT_EQ(round.front(), (ShapePoint{90, 0}));
    EXPECT_EQ(RoundedRectOutline(10, 10, 50).front(), (ShapePoint{5, 0}));  // radius clamped
}

}  // namespace
}  // namespace lumora
