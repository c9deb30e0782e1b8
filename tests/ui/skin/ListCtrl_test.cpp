// The skinned list's click-to-choice-box flow on a real window: what opens, and what
// each way of leaving the box writes into the cell and tells the parent.

#include <gtest/gtest.h>

#include "SkinTestSupport.h"
#include "ui/skin/GdipListCtrl.h"

namespace lumora::test {
namespace {

class ListTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.reset(new RecordingWindow());
        window->choices = {u"select", u"E:", u"F:", u"G:"};
        window->Show();
        list = new CGdipListCtrl(window.get(), wxID_ANY, wxPoint(10, 10), wxSize(400, 22 + 8 * 30));
        list->InsertColumn(u"Share", 200);
        list->InsertColumn(u"Drive", 100);
        for (auto name : {u"public", u"music", u"photo"}) list->SetItemText(list->InsertItem(name), 1, u"F:");
        list->EnableChoiceColumn();
    }
    // Client point of a cell's middle (the header is 22 high, rows 30).
    static wxPoint Cell(int row, int column) { return wxPoint(column == 0 ? 100 : 250, 22 + row * 30 + 15); }
    void Press(int row, int column, bool shift = false) { list->PressAt(Cell(row, column), shift); }
    std::vector<Recorded> Edited() {
        PumpUntil([&] { return !window->Of(WM_SKIN_LISTITEMEDITED).empty(); },
                  std::chrono::milliseconds(300));
        return window->Of(WM_SKIN_LISTITEMEDITED);
    }

    TestWindow<RecordingWindow> window;
    CGdipListCtrl* list = nullptr;
};

TEST_F(ListTest, ColumnZeroOnlySelects) {
    Press(1, 0);
    EXPECT_EQ(list->GetSelection(), 1);
    EXPECT_FALSE(list->ChoiceBox().IsEditing());
    EXPECT_TRUE(window->Of(WM_SKIN_LISTGETCHOICES).empty());
}

TEST_F(ListTest, BelowTheRowsOrWithShiftNothingHappens) {
    Press(1, 0);
    list->PressAt(wxPoint(250, 22 + 5 * 30), false);
    Press(2, 1, true);
    EXPECT_EQ(list->GetSelection(), 1);
    EXPECT_FALSE(list->ChoiceBox().IsEditing());
}

TEST_F(ListTest, EditableColumnAsksForChoicesAndOpensOnTheCellText) {
    Press(2, 1);
    EXPECT_EQ(list->GetSelection(), 2);
    auto asked = window->Of(WM_SKIN_LISTGETCHOICES);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].wParam, 2u);
    ASSERT_TRUE(list->ChoiceBox().IsEditing());
    EXPECT_EQ(list->ChoiceBox().Session().Shown(), u"F:");
    EXPECT_EQ(list->ChoiceBox().GetPosition(), wxPoint(200, 22 + 60));
}

TEST_F(ListTest, EachKeyCommitsItsText) {
    struct Case {
        const char* how;
        std::vector<int> keys;
        std::u16string text;
    } cases[] = {
        {"enter unchanged", {WXK_RETURN}, u"F:"},
        {"down then enter", {WXK_DOWN, WXK_RETURN}, u"G:"},
        {"up twice then enter", {WXK_UP, WXK_UP, WXK_RETURN}, u"select"},
        {"down then escape", {WXK_DOWN, WXK_ESCAPE}, u"F:"},
    };
    for (const Case& c : cases) {
        window->received.clear();
        list->SetItemText(0, 1, u"F:");
        Press(0, 1);
        for (int key : c.keys) SendKey(list->ChoiceBox(), wxEVT_KEY_DOWN, key);
        auto edited = Edited();
        ASSERT_EQ(edited.size(), 1u) << c.how;
        EXPECT_EQ(edited[0].wParam, 0u);
        EXPECT_EQ(edited[0].lParam, 1);
        EXPECT_EQ(list->GetItemText(0, 1), c.text) << c.how;
        EXPECT_FALSE(list->ChoiceBox().IsEditing()) << c.how;
    }
}

TEST_F(ListTest, FocusLeavingCommitsTheShownChoice) {
    Press(1, 1);
    SendKey(list->ChoiceBox(), wxEVT_KEY_DOWN, WXK_DOWN);
    list->ChoiceBox().Commit();  // what losing the focus does
    EXPECT_EQ(list->GetItemText(1, 1), u"G:");
    EXPECT_EQ(Edited().size(), 1u);
}

TEST_F(ListTest, NoChoicesNoBox) {
    window->choices.clear();
    Press(1, 1);
    EXPECT_EQ(list->GetSelection(), 1);
    EXPECT_FALSE(list->ChoiceBox().IsEditing());
}

TEST_F(ListTest, KeysMoveTheSelectionAndReportScrolling) {
    Press(0, 0);
    SendKey(*list, wxEVT_KEY_DOWN, WXK_DOWN);
    SendKey(*list, wxEVT_KEY_DOWN, WXK_END);
    EXPECT_EQ(list->GetSelection(), 2);
    EXPECT_TRUE(PumpUntil([&] { return window->Of(WM_SKIN_LISTSCROLLED).size() == 2; }));
}

TEST_F(ListTest, AClickReportsItsRowAfterTheSelectionAndKeysDoNot) {
    std::vector<std::pair<wxEventType, int>> heard;
    auto record = [&](wxCommandEvent& e) { heard.emplace_back(e.GetEventType(), e.GetInt()); };
    list->Bind(wxEVT_LISTBOX, record);
    list->Bind(EVT_SKIN_LIST_CLICK, record);
    Press(1, 0);
    Press(1, 0);  // the same row again: a click, but no new selection
    SendKey(*list, wxEVT_KEY_DOWN, WXK_DOWN);
    list->PressAt(wxPoint(250, 22 + 5 * 30), false);  // below the last row: nothing at all
    Press(0, 0, true);                                // with Shift: nothing at all
    std::vector<std::pair<wxEventType, int>> expected{
        {wxEVT_LISTBOX, 1}, {EVT_SKIN_LIST_CLICK, 1}, {EVT_SKIN_LIST_CLICK, 1}, {wxEVT_LISTBOX, 2}};
    EXPECT_EQ(heard, expected);
    EXPECT_EQ(list->GetSelection(), 2);
}

TEST_F(ListTest, AHandlerMayClearOrDestroyTheListItWasToldOf) {
    list->Bind(wxEVT_LISTBOX, [&](wxCommandEvent&) { list->DeleteAllItems(); });
    Press(2, 1);  // opens the choice box, then the handler empties the list
    EXPECT_EQ(list->GetItemCount(), 0);
    EXPECT_FALSE(list->ChoiceBox().IsEditing()) << "no box left open over a row that is gone";
    EXPECT_EQ(window->Of(WM_SKIN_LISTGETCHOICES).size(), 1u);

    auto* doomed = new CGdipListCtrl(window.get(), wxID_ANY, wxPoint(10, 300), wxSize(400, 22 + 3 * 30));
    doomed->InsertColumn(u"Share", 200);
    doomed->InsertItem(u"public");
    bool clicked = false;
    doomed->Bind(wxEVT_LISTBOX, [&](wxCommandEvent&) { doomed->Destroy(); });
    window->Bind(EVT_SKIN_LIST_CLICK, [&](wxCommandEvent&) { clicked = true; });
    doomed->PressAt(wxPoint(100, 22 + 15), false);
    EXPECT_FALSE(clicked) << "a destroyed list reports nothing more";
}

TEST_F(ListTest, OutsideIndexesAreRefused) {
    EXPECT_FALSE(list->SetItemText(3, 0, u"x"));
    EXPECT_FALSE(list->SetItemText(0, 5, u"x"));
    EXPECT_EQ(list->GetItemText(99, 0), u"");
    list->SetSelection(42);
    EXPECT_EQ(list->GetSelection(), -1);
    for (int i = 0; i < 20; ++i) list->InsertItem(u"more");
    list->ScrollToRow(1000);
    EXPECT_EQ(list->GetTopIndex(), 23 - list->GetCountPerPage());
}

}  // namespace
}  // namespace lumora::test
