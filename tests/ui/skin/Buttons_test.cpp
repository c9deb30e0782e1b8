// Skinned buttons driven by synthetic mouse and key events on real windows.

#include <gtest/gtest.h>

#include "SkinTestSupport.h"
#include "ui/skin/GdipButton.h"
#include "ui/skin/ImageIds.h"
#include "ui/skin/UnderLineButton.h"

namespace lumora::test {
namespace {

class ButtonsTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.reset(new RecordingWindow());
        window->Show();
    }
    CGdipButton* Make(ButtonKind kind, int x, bool groupStart = false) {
        auto* b = new CGdipButton(window.get(), wxID_ANY, "choice", kind, wxPoint(x, 10), wxSize(110, 22));
        b->LoadImages(IDB_RADIO_OFF, IDB_RADIO_OFF, IDB_RADIO_ON);
        b->SetGroupStart(groupStart);
        return b;
    }
    int clicks = 0;
    TestWindow<RecordingWindow> window;
};

TEST_F(ButtonsTest, CheckingARadioUnchecksTheRestOfItsGroupOnly) {
    CGdipButton* a = Make(ButtonKind::Radio, 10, true);
    CGdipButton* b = Make(ButtonKind::Radio, 130);
    CGdipButton* c = Make(ButtonKind::Radio, 250);
    CGdipButton* other = Make(ButtonKind::Radio, 370, true);  // next group
    a->SetCheck(1);
    Pump();
    c->SetCheck(1);  // both are checked until the posted uncheck arrives
    EXPECT_EQ(a->GetCheck(), 1);
    other->SetCheck(1);
    Pump();
    EXPECT_EQ(a->GetCheck(), 0);
    EXPECT_EQ(c->GetCheck(), 1);

    Click(*b, 5, 5);
    EXPECT_EQ(b->GetCheck(), 1);
    ASSERT_TRUE(PumpUntil([&] { return c->GetCheck() == 0; }));
    EXPECT_EQ(a->GetCheck(), 0);
    EXPECT_EQ(other->GetCheck(), 1) << "another group is left alone";

    Click(*b, 5, 5);  // already checked: posts again, nothing changes
    Pump();
    EXPECT_EQ(b->GetCheck(), 1);
    EXPECT_EQ(a->GetCheck() + c->GetCheck(), 0);
}

TEST_F(ButtonsTest, CheckBoxTogglesOnlyWhenReleasedOnIt) {
    CGdipButton* box = Make(ButtonKind::CheckBox, 10);
    box->Bind(wxEVT_BUTTON, [&](wxCommandEvent&) { ++clicks; });
    struct Case {
        int releaseX, releaseY;
        int checkAfter;
        int clicksAfter;
    } cases[] = {{5, 5, 1, 1}, {300, 5, 1, 1}, {5, -3, 1, 1}, {109, 21, 0, 2}};
    for (const Case& c : cases) {
        SendMouse(*box, wxEVT_LEFT_DOWN, 5, 5);
        SendMouse(*box, wxEVT_LEFT_UP, c.releaseX, c.releaseY);
        EXPECT_EQ(box->GetCheck(), c.checkAfter) << c.releaseX << "," << c.releaseY;
        EXPECT_EQ(clicks, c.clicksAfter) << c.releaseX << "," << c.releaseY;
    }
}

TEST_F(ButtonsTest, DoubleClickTogglesTwiceAndSpaceToggles) {
    CGdipButton* box = Make(ButtonKind::CheckBox, 10);
    SendMouse(*box, wxEVT_LEFT_DOWN, 5, 5);
    SendMouse(*box, wxEVT_LEFT_UP, 5, 5);
    SendMouse(*box, wxEVT_LEFT_DCLICK, 5, 5);
    SendMouse(*box, wxEVT_LEFT_UP, 5, 5);
    EXPECT_EQ(box->GetCheck(), 0);
    SendKey(*box, wxEVT_KEY_DOWN, WXK_SPACE);
    SendKey(*box, wxEVT_KEY_UP, WXK_SPACE);
    EXPECT_EQ(box->GetCheck(), 1);
}

TEST_F(ButtonsTest, PushButtonsClickInsideAndNeverHoldACheck) {
    CGdipButton* push = Make(ButtonKind::Push, 10);
    push->Bind(wxEVT_BUTTON, [&](wxCommandEvent&) { ++clicks; });
    push->SetCheck(1);
    EXPECT_EQ(push->GetCheck(), 0);
    Click(*push, 50, 10);
    SendMouse(*push, wxEVT_LEFT_DOWN, 50, 10);
    SendMouse(*push, wxEVT_LEFT_UP, 500, 10);
    EXPECT_EQ(clicks, 1);
    push->Disable();
    Click(*push, 50, 10);
    EXPECT_EQ(clicks, 1) << "a disabled button does not click";
}

TEST_F(ButtonsTest, HoverShowsTheTooltipAndLeavingHidesIt) {
    CGdipButton* push = Make(ButtonKind::Push, 10);
    push->SetToolTip(u"", true);
    EXPECT_EQ(push->ToolTip(), nullptr) << "no tooltip for an empty text";
    push->SetToolTip(u"Search again", true);
    ASSERT_NE(push->ToolTip(), nullptr);
    SendMouse(*push, wxEVT_ENTER_WINDOW, 5, 5);
    EXPECT_TRUE(push->IsHover());
    EXPECT_TRUE(push->ToolTip()->IsShown());
    SendMouse(*push, wxEVT_LEAVE_WINDOW, 200, 5);
    EXPECT_FALSE(push->IsHover());
    EXPECT_FALSE(push->ToolTip()->IsShown());
}

TEST_F(ButtonsTest, MessagesToAGoneButtonAreDropped) {
    CGdipButton* a = Make(ButtonKind::Radio, 10, true);
    CGdipButton* b = Make(ButtonKind::Radio, 130);
    b->SetCheck(1);
    Pump();
    a->SetCheck(1);  // posts to b
    b->Destroy();
    Pump();
    EXPECT_EQ(a->GetCheck(), 1);
}

}  // namespace
}  // namespace lumora::test
