// The address control on a real window: reading through the address checks, the
// 0-255 check of a finished field, Enter and Escape.

#include <gtest/gtest.h>

#include "SkinTestSupport.h"
#include "support/ScriptedDialogs.h"
#include "ui/skin/GdipButton.h"
#include "ui/skin/GdipIpAddrCtl.h"
#include "ui/skin/TransStatic.h"
#include "ui/skin/WxText.h"
#include "ui/skin/core/AddressCheck.h"

namespace lumora::test {
namespace {

class IpAddrTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.reset(new RecordingWindow());
        window->Show();
        address = new CGdipIpAddrCtl(window.get(), wxID_ANY, wxPoint(10, 10));
    }
    void Type(int field, const wxString& before, const wxString& typed) {
        address->Field(field).ChangeValue(before);
        address->Field(field).SetInsertionPointEnd();
        address->Field(field).WriteText(typed);
    }

    ScriptedDialogs dialogs;
    TestWindow<RecordingWindow> window;
    CGdipIpAddrCtl* address = nullptr;
};

TEST_F(IpAddrTest, ReadsThroughTheAddressChecks) {
    address->SetOctets(10, 0, 0, 0);
    std::uint8_t b[4] = {9, 9, 9, 9};
    EXPECT_EQ(address->GetOctets(CheckAddress, b[0], b[1], b[2], b[3]), 0);
    EXPECT_EQ(b[0] + b[1] + b[2] + b[3], 0);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_NE(dialogs.shown()[0].text.find(u"0 is not a valid entry in IP address"), std::u16string::npos);
    EXPECT_NE(dialogs.shown()[0].text.find(u"254"), std::u16string::npos);
    EXPECT_EQ(dialogs.shown()[0].owner, address->Handle());

    address->SetOctets(192, 168, 1, 20);
    std::uint32_t value = 0;
    EXPECT_EQ(address->GetOctetsValue(CheckAddress, value), 4);
    EXPECT_EQ(value, 0xC0A80114u);
    EXPECT_EQ(address->GetOctetsValue(CheckMask, value), 0);
}

TEST_F(IpAddrTest, EmptyFieldsAreCountedAndReported) {
    EXPECT_TRUE(address->IsBlank());
    address->SetOctets(1, 2, 3, 4);
    EXPECT_FALSE(address->IsBlank());
    address->Field(1).ChangeValue("");
    std::uint32_t value = 7;
    EXPECT_EQ(address->GetOctetsValue(CheckNone, value), 1);
    EXPECT_EQ(value, 0u);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text, u"Missing value in address");
    address->ClearOctets();
    EXPECT_TRUE(address->IsBlank());
    EXPECT_EQ(address->FieldText(4), u"");
}

TEST_F(IpAddrTest, AThirdDigitAbove255IsRefusedAndEmptied) {
    Type(0, "30", "0");
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text,
              u"300 is not a valid entry.  Please specify a value between 0 and 255 for this field.");
    EXPECT_EQ(dialogs.shown()[0].caption, u"Error");
    EXPECT_EQ(address->FieldText(0), u"");

    Type(1, "", "999");  // a paste finishes the field as well
    EXPECT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(address->FieldText(1), u"");

    Type(2, "19", "2");
    EXPECT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(address->FieldText(2), u"192");
}

TEST_F(IpAddrTest, AFinishedFieldMovesOnWithTheNextFieldSelected) {
    address->SetOctets(1, 168, 3, 4);
    Type(0, "19", "2");
    EXPECT_EQ(address->Field(1).GetStringSelection(), "168");
    SendKey(address->Field(1), wxEVT_CHAR, '.');
    EXPECT_EQ(address->Field(2).GetStringSelection(), "3");
    SendKey(address->Field(3), wxEVT_CHAR, ' ');  // nothing after the fourth field
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(IpAddrTest, ADigitTypedIntoAFullFieldFinishesIt) {
    address->SetOctets(192, 168, 3, 4);
    Type(0, "192", "5");
    EXPECT_EQ(address->FieldText(0), u"192");
    EXPECT_EQ(address->Field(1).GetStringSelection(), "168");
}

TEST_F(IpAddrTest, EnterPressesTheDefaultButtonAndEscapeCancels) {
    auto* ok =
        new CGdipButton(window.get(), wxID_OK, "OK", ButtonKind::Push, wxPoint(10, 60), wxSize(110, 34));
    new CGdipButton(window.get(), wxID_CANCEL, "Cancel", ButtonKind::Push, wxPoint(130, 60), wxSize(110, 34));
    window->SetDefaultItem(ok);
    std::vector<int> pressed;
    window->Bind(wxEVT_BUTTON, [&](wxCommandEvent& e) { pressed.push_back(e.GetId()); });
    SendKey(address->Field(2), wxEVT_CHAR, WXK_RETURN);
    SendKey(address->Field(3), wxEVT_KEY_DOWN, WXK_ESCAPE);
    EXPECT_EQ(pressed, (std::vector<int>{wxID_OK, wxID_CANCEL}));
}

TEST_F(IpAddrTest, EnablingAfterEnableFieldsReachesControlAndFields) {
    struct Step {
        void (*apply)(CGdipIpAddrCtl&);
        bool enabled;
    };
    const Step steps[] = {
        {[](CGdipIpAddrCtl& a) { a.EnableFields(false); }, false},
        {[](CGdipIpAddrCtl& a) { a.Enable(true); }, true},
        {[](CGdipIpAddrCtl& a) { a.Enable(false); }, false},
        {[](CGdipIpAddrCtl& a) { a.EnableFields(true); }, true},
        {[](CGdipIpAddrCtl& a) { a.Enable(false); }, false},
    };
    for (const Step& step : steps) {
        step.apply(*address);
        EXPECT_EQ(address->IsThisEnabled(), step.enabled);
        for (int k = 0; k < CGdipIpAddrCtl::kFieldCount; ++k)
            EXPECT_EQ(address->Field(k).IsThisEnabled(), step.enabled);
    }
}

TEST_F(IpAddrTest, TabInAFieldLeavesTheControlBothWays) {
    auto* before =
        new CGdipButton(window.get(), wxID_ANY, "A", ButtonKind::Push, wxPoint(10, 60), wxSize(110, 34));
    before->MoveBeforeInTabOrder(address);
    auto* label = new CTransStatic(window.get(), wxID_ANY, "label", wxPoint(130, 100), wxSize(50, 20));
    auto* after =
        new CGdipButton(window.get(), wxID_ANY, "B", ButtonKind::Push, wxPoint(130, 60), wxSize(110, 34));
    label->MoveAfterInTabOrder(address);
    address->Field(1).SetFocus();
    SendKey(address->Field(1), wxEVT_CHAR, WXK_TAB);
    EXPECT_EQ(wxWindow::FindFocus(), after) << "past the label, which takes no focus";
    address->Field(2).SetFocus();
    SendKey(address->Field(2), wxEVT_CHAR, WXK_TAB, true);
    EXPECT_EQ(wxWindow::FindFocus(), before);
}

TEST_F(IpAddrTest, KeyboardFocusFromOutsideEntersAtTheFirstField) {
    auto* after =
        new CGdipButton(window.get(), wxID_ANY, "B", ButtonKind::Push, wxPoint(130, 60), wxSize(110, 34));
    address->SetOctets(10, 0, 0, 7);
    // What Shift+Tab from the button does to the toolkit's traversal: the last field gets the focus.
    auto focusFrom = [&](wxWindow* previous, int k) {
        address->Field(k).SetFocus();
        wxFocusEvent gained(wxEVT_SET_FOCUS, address->Field(k).GetId());
        gained.SetEventObject(&address->Field(k));
        gained.SetWindow(previous);
        address->Field(k).GetEventHandler()->ProcessEvent(gained);
        Pump();
    };
    focusFrom(after, 3);
    EXPECT_EQ(wxWindow::FindFocus(), &address->Field(0));
    EXPECT_EQ(address->Field(0).GetStringSelection(), "10");
    focusFrom(&address->Field(2), 3);  // moving inside the control stays where it went
    EXPECT_EQ(wxWindow::FindFocus(), &address->Field(3));
    focusFrom(nullptr, 3);  // the window activated again: the field it had
    EXPECT_EQ(wxWindow::FindFocus(), &address->Field(3));
}

TEST_F(IpAddrTest, LettersAreRejected) {
    address->Field(0).ChangeValue("1");
    SendKey(address->Field(0), wxEVT_CHAR, 'a');
    EXPECT_EQ(address->FieldText(0), u"1");
    EXPECT_TRUE(dialogs.shown().empty());
}

}  // namespace
}  // namespace lumora::test
