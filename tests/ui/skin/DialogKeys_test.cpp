// Enter and Escape on a skinned window: which button each presses, who may take them
// first, and which controls keep them.

#include <gtest/gtest.h>

#include <wx/timer.h>

#include "SkinTestSupport.h"
#include "ui/skin/GdipButton.h"
#include "ui/skin/GdipComboBox.h"
#include "ui/skin/GdipListCtrl.h"
#include "ui/skin/SkinEdit.h"
#include "ui/skin/SkinPanel.h"

namespace lumora::test {
namespace {

// A page that takes the keys it is told to.
class KeyPage : public CSkinPanel {
public:
    using CSkinPanel::CSkinPanel;
    bool TakeDialogKey(DialogKey key) override { return key == DialogKey::Enter && takeEnter; }
    bool takeEnter = false;
};

// A window that takes Escape itself when told to.
class KeyWindow : public RecordingWindow {
public:
    bool TakeDialogKey(DialogKey key) override { return key == DialogKey::Escape && takeEscape; }
    bool takeEscape = false;
};

class DialogKeysTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.reset(new KeyWindow());
        window->Show();
        page = new KeyPage(window.get(), wxID_ANY, wxPoint(0, 0), wxSize(400, 300));
        field = CreateSkinEdit(page, wxID_ANY, wxRect(10, 10, 200, 24));
        ok = Button(wxID_OK, 10);
        cancel = Button(wxID_CANCEL, 130);
        apply = Button(wxID_APPLY, 250);
        window->Bind(wxEVT_BUTTON, [this](wxCommandEvent& e) {
            pressed.push_back(e.GetId());
            fromWindow.push_back(e.GetEventObject() == window.get());
        });
    }
    CGdipButton* Button(int id, int x) {
        return new CGdipButton(window.get(), id, "b", ButtonKind::Push, wxPoint(x, 320), wxSize(110, 34));
    }
    // The ids pressed by one key typed in `focus`.
    std::vector<int> Type(wxWindow& focus, int key) {
        pressed.clear();
        fromWindow.clear();
        focus.SetFocus();
        SendCharHook(focus, key);
        return pressed;
    }

    TestWindow<KeyWindow> window;
    KeyPage* page = nullptr;
    wxTextCtrl* field = nullptr;
    CGdipButton *ok = nullptr, *cancel = nullptr, *apply = nullptr;
    std::vector<int> pressed;
    std::vector<bool> fromWindow;
};

TEST_F(DialogKeysTest, EnterPressesTheDefaultOrOkAndEscapeTheCancelButton) {
    EXPECT_EQ(Type(*field, WXK_RETURN), std::vector<int>{wxID_OK}) << "no default named: OK is the default";
    EXPECT_EQ(Type(*field, WXK_NUMPAD_ENTER), std::vector<int>{wxID_OK});
    window->SetDefaultItem(apply);
    EXPECT_EQ(Type(*field, WXK_RETURN), std::vector<int>{wxID_APPLY});
    EXPECT_EQ(Type(*cancel, WXK_RETURN), std::vector<int>{wxID_CANCEL})
        << "a focused button is the one pressed";
    EXPECT_EQ(Type(*field, WXK_ESCAPE), std::vector<int>{wxID_CANCEL});
    EXPECT_EQ(fromWindow, std::vector<bool>{false}) << "pressed as the button itself";

    apply->Disable();
    window->SetDefaultItem(nullptr);
    ok->Hide();
    EXPECT_TRUE(Type(*field, WXK_RETURN).empty()) << "hidden or disabled buttons are never pressed";
}

TEST(DialogKeys, EscapeEndsAModalDialogWithoutACancelButtonAsCancel) {
    TestWindow<RecordingWindow> dialog(new RecordingWindow(wxSize(300, 200)));
    wxTextCtrl* field = CreateSkinEdit(dialog.get(), wxID_ANY, wxRect(10, 10, 200, 24));
    // Only a guard against hanging: the escape below ends the dialog at once.
    wxTimer guard;
    guard.Bind(wxEVT_TIMER, [&](wxTimerEvent&) { dialog->EndModal(-1); });
    dialog->CallAfter([&] {
        guard.StartOnce(10000);
        field->SetFocus();
        SendCharHook(*field, WXK_ESCAPE);
    });
    EXPECT_EQ(dialog->ShowModal(), wxID_CANCEL);
}

TEST_F(DialogKeysTest, APageOrTheWindowTakesTheKeysFirstAndOpenControlsKeepThem) {
    page->takeEnter = true;
    EXPECT_TRUE(Type(*field, WXK_RETURN).empty());
    window->takeEscape = true;
    EXPECT_TRUE(Type(*field, WXK_ESCAPE).empty());
    page->takeEnter = false;
    window->takeEscape = false;

    auto* combo = new CGdipComboBox(page, wxID_ANY, wxPoint(10, 50), wxSize(300, 30));
    for (int i = 0; i < 5; ++i) combo->Append(wxString::Format("entry %d", i));
    EXPECT_EQ(Type(*combo, WXK_RETURN), std::vector<int>{wxID_OK})
        << "a closed combo box leaves Enter to the window";
    combo->ShowPopup();
    EXPECT_TRUE(Type(*combo, WXK_RETURN).empty()) << "an open list keeps Enter";
    EXPECT_TRUE(Type(*combo, WXK_ESCAPE).empty());
    combo->HidePopup();

    RecordingWindow& recorder = *window;
    recorder.choices = {u"E:", u"F:"};
    auto* list = new CGdipListCtrl(window.get(), wxID_ANY, wxPoint(420, 10), wxSize(300, 22 + 3 * 30));
    list->InsertColumn(u"Share", 150);
    list->InsertColumn(u"Drive", 100);
    list->SetItemText(list->InsertItem(u"public"), 1, u"F:");
    list->EnableChoiceColumn();
    list->PressAt(wxPoint(200, 22 + 15), false);
    ASSERT_TRUE(list->ChoiceBox().IsEditing());
    EXPECT_TRUE(Type(list->ChoiceBox(), WXK_ESCAPE).empty()) << "the choice box keeps Escape";
}

}  // namespace
}  // namespace lumora::test
