// Skinned buttons driven by synthetic mouse and key events on real windows.

#include <algorithm>

#include <gtest/gtest.h>
#include <wx/dcmemory.h>

#include "SkinTestSupport.h"
#include "ui/skin/GdipButton.h"
#include "ui/skin/ImageIds.h"
#include "ui/skin/ShortCutButton.h"
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

TEST_F(ButtonsTest, APressedFaceFollowsTheMouseWhileHeld) {
    CGdipButton* push = Make(ButtonKind::Push, 10);
    push->Bind(wxEVT_BUTTON, [&](wxCommandEvent&) { ++clicks; });
    SendMouse(*push, wxEVT_LEFT_DOWN, 50, 10);
    EXPECT_TRUE(push->IsPressedLook());
    SendMouse(*push, wxEVT_MOTION, 300, 10);
    EXPECT_FALSE(push->IsPressedLook()) << "dragged off: the button looks up again";
    EXPECT_FALSE(push->IsHover());
    SendMouse(*push, wxEVT_MOTION, 60, 12);
    EXPECT_TRUE(push->IsPressedLook()) << "back over it: pressed again";
    SendMouse(*push, wxEVT_LEFT_UP, 60, 12);
    EXPECT_FALSE(push->IsPressedLook());
    EXPECT_EQ(clicks, 1);
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

// A click may open a modal window, whose grab keeps the pointer's leaving from reaching
// the button: the tip goes at the press (by mouse or key), the light is out while the
// click is handled and comes back only if the pointer is still on the button.
TEST_F(ButtonsTest, AClickTakesTheTipDownAndTheLightOffWhenThePointerWentAway) {
    window->Move(100, 100);  // on the screen, where the pointer can rest on the button
    CGdipButton* push = Make(ButtonKind::Push, 10);
    push->SetToolTip(u"Settings", true);
    std::vector<bool> litDuringClick;
    bool moveAway = true, hideOnClick = false;
    push->Bind(wxEVT_BUTTON, [&](wxCommandEvent&) {
        ++clicks;
        litDuringClick.push_back(push->IsHover());
        if (moveAway) window->WarpPointer(400, 300);  // what the person did while the modal window was up
        if (hideOnClick) push->Hide();
    });
    window->WarpPointer(20, 15);
    SendMouse(*push, wxEVT_ENTER_WINDOW, 10, 5);
    ASSERT_TRUE(push->ToolTip()->IsShown());
    SendMouse(*push, wxEVT_LEFT_DOWN, 10, 5);
    EXPECT_FALSE(push->ToolTip()->IsShown());
    SendMouse(*push, wxEVT_LEFT_UP, 10, 5);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(push->IsHover());

    window->WarpPointer(20, 15);
    SendMouse(*push, wxEVT_ENTER_WINDOW, 10, 5);
    ASSERT_TRUE(push->ToolTip()->IsShown());
    moveAway = false;
    SendKey(*push, wxEVT_KEY_DOWN, WXK_SPACE);
    SendKey(*push, wxEVT_KEY_UP, WXK_SPACE);
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(push->ToolTip()->IsShown());
    EXPECT_TRUE(push->IsHover()) << "the pointer stayed on the button";
    EXPECT_EQ(litDuringClick, (std::vector<bool>{false, false}));
    // A click that hides its own button (Logout): it is not lit when it comes back.
    hideOnClick = true;
    SendKey(*push, wxEVT_KEY_DOWN, WXK_SPACE);
    SendKey(*push, wxEVT_KEY_UP, WXK_SPACE);
    push->Show();
    EXPECT_FALSE(push->IsHover());

    // Disabled under the pointer (Logout while the pointer rests on it), it hears of no leaving either.
    SendMouse(*push, wxEVT_LEAVE_WINDOW, 200, 5);
    SendMouse(*push, wxEVT_ENTER_WINDOW, 10, 5);
    ASSERT_TRUE(push->IsHover());
    push->Disable();
    EXPECT_FALSE(push->IsHover());
    EXPECT_FALSE(push->ToolTip()->IsShown());
}

TEST_F(ButtonsTest, HoverShowsTheTipAfreshFromItsText) {
    CGdipButton* push = Make(ButtonKind::Push, 10);
    push->SetToolTip(u"Search again", false);
    SendMouse(*push, wxEVT_ENTER_WINDOW, 5, 5);
    ASSERT_NE(push->ToolTip(), nullptr);
    EXPECT_TRUE(push->ToolTip()->IsShown()) << "hovering switches the tip on";
    SendMouse(*push, wxEVT_LEAVE_WINDOW, 200, 5);
    push->FreeImages();  // takes the tip window with it, not its text
    EXPECT_EQ(push->ToolTip(), nullptr);
    SendMouse(*push, wxEVT_ENTER_WINDOW, 5, 5);
    ASSERT_NE(push->ToolTip(), nullptr);
    EXPECT_TRUE(push->ToolTip()->IsShown());
    EXPECT_EQ(push->ToolTip()->TipText(), "Search again");
}

TEST_F(ButtonsTest, AShownTooltipPopsDownAfterTenTimesItsDelay) {
    CGdipButton* push = Make(ButtonKind::Push, 10);
    push->SetToolTip(u"Search again", true);
    ASSERT_NE(push->ToolTip(), nullptr);
    EXPECT_EQ(push->ToolTip()->AutoPopTime(), 10000);
    push->ToolTip()->SetAutomaticDelay(20);
    SendMouse(*push, wxEVT_ENTER_WINDOW, 5, 5);
    ASSERT_TRUE(push->ToolTip()->IsShown());
    EXPECT_TRUE(PumpUntil([&] { return !push->ToolTip()->IsShown(); }));
    EXPECT_TRUE(push->IsHover()) << "the face stays lit; only the tip goes";
}

// Draws a shortcut face for a state off-screen and keeps the icon's square.
class ShortcutProbe : public CShortCutButton {
public:
    using CShortCutButton::CShortCutButton;
    wxImage IconFor(const FaceState& state) {
        wxBitmap surface(240, 48, 24);
        wxMemoryDC dc(surface);
        dc.SetBackground(*wxBLACK_BRUSH);
        dc.Clear();
        DrawFace(dc, state);
        dc.SelectObject(wxNullBitmap);
        return surface.ConvertToImage().GetSubImage(wxRect(0, 0, kIconSize, 48));
    }
};

bool SameImage(const wxImage& a, const wxImage& b) {
    return a.GetSize() == b.GetSize() &&
           std::equal(a.GetData(), a.GetData() + a.GetWidth() * a.GetHeight() * 3, b.GetData());
}

TEST_F(ButtonsTest, ShortcutIconLightsWhenPressedOrHoveredNotForFocusAlone) {
    auto* s = new ShortcutProbe(window.get(), wxID_ANY, "Wizard", wxPoint(10, 100), wxSize(240, 48));
    ASSERT_TRUE(s->LoadImages(IDB_SHORTCUT_BAR_GREY, IDB_SHORTCUT_BAR_BLUE, IDB_SHORTCUT_BAR_FAINT,
                              IDB_SC_GLOBE, IDB_SC_GLOBE_LIT));
    FaceState rest, focused, hover, pressed;
    focused.focused = true;
    hover.hover = true;
    pressed.pressed = true;
    // Focus shows the pressed bar; only pressing or hovering lights the icon on it.
    EXPECT_FALSE(SameImage(s->IconFor(focused), s->IconFor(pressed))) << "focus alone leaves the icon plain";
    hover.focused = true;
    EXPECT_TRUE(SameImage(s->IconFor(hover), s->IconFor(pressed)));
    EXPECT_FALSE(SameImage(s->IconFor(rest), s->IconFor(hover)));
}

TEST_F(ButtonsTest, RadioGroupsEndWhereTheWindowSaysAndNeverClearACheckBox) {
    CGdipButton* a = Make(ButtonKind::Radio, 10, true);
    CGdipButton* b = Make(ButtonKind::Radio, 130);
    CGdipButton* box = Make(ButtonKind::CheckBox, 250);  // after the group, with no mark of its own
    box->SetCheck(1);
    b->SetCheck(1);
    a->SetCheck(1);
    Pump();
    EXPECT_EQ(b->GetCheck(), 0);
    EXPECT_EQ(box->GetCheck(), 1) << "a radio never clears a check box";

    // A group named by the window, with another radio between its members.
    CGdipButton* x = Make(ButtonKind::Radio, 370, true);
    CGdipButton* between = Make(ButtonKind::Radio, 490);
    CGdipButton* y = Make(ButtonKind::Radio, 610);
    MakeRadioGroup({x, y});
    between->SetCheck(1);
    y->SetCheck(1);
    Pump();
    x->SetCheck(1);
    Pump();
    EXPECT_EQ(y->GetCheck(), 0);
    EXPECT_EQ(between->GetCheck(), 1) << "outside the named group";
    MakeRadioGroup({between, y});  // y moves to another group
    y->SetCheck(1);
    Pump();
    EXPECT_EQ(x->GetCheck(), 1);
    EXPECT_EQ(between->GetCheck(), 0);
}

TEST_F(ButtonsTest, APressLetsGoWhenTheButtonLosesTheFocus) {
    CGdipButton* push = Make(ButtonKind::Push, 10);
    push->Bind(wxEVT_BUTTON, [&](wxCommandEvent&) { ++clicks; });
    wxFocusEvent lost(wxEVT_KILL_FOCUS, push->GetId());
    lost.SetEventObject(push);

    SendKey(*push, wxEVT_KEY_DOWN, WXK_SPACE);  // Space held...
    EXPECT_TRUE(push->IsPressedLook());
    push->GetEventHandler()->ProcessEvent(lost);  // ...then Tab
    EXPECT_FALSE(push->IsPressedLook());
    SendKey(*push, wxEVT_KEY_UP, WXK_SPACE);
    EXPECT_EQ(clicks, 0) << "the release after the focus went is no click";

    SendMouse(*push, wxEVT_LEFT_DOWN, 50, 10);
    EXPECT_TRUE(push->HasCapture());
    push->GetEventHandler()->ProcessEvent(lost);
    EXPECT_FALSE(push->IsPressedLook());
    EXPECT_FALSE(push->HasCapture());
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
