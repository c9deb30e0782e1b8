#include "ui/skin/core/ChoiceEdit.h"
#include "ui/skin/core/ListModel.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

ListModel driveList() {
    ListModel model;
    model.AddColumn({u"Share", 200});
    model.AddColumn({u"Drive", 100});
    for (auto name : {u"public", u"music", u"photo"}) model.SetText(model.AddRow(name), 1, u"select");
    model.EnableChoiceColumn();
    return model;
}

TEST(ListModel, ClicksSelectOpenOrDoNothing) {
    struct Case {
        int x, y;
        bool modifier;
        ListClick outcome;
        int selectedAfter;
    } cases[] = {
        {10, 40, false, ListClick::Selected, 1},     // column 0 only selects
        {250, 70, false, ListClick::OpenChoice, 2},  // column 1 opens the box
        {250, 95, false, ListClick::Ignored, -1},    // below the last row
        {350, 10, false, ListClick::Ignored, -1},    // right of the last column
        {250, 10, true, ListClick::Ignored, -1},     // Shift or Ctrl held
    };
    for (const Case& c : cases) {
        ListModel model = driveList();
        EXPECT_EQ(model.Click(c.x, c.y, c.modifier), c.outcome) << c.x << "," << c.y;
        EXPECT_EQ(model.Selected(), c.selectedAfter) << c.x << "," << c.y;
    }
}

TEST(ListModel, OutOfRangeCellsAreHarmless) {
    ListModel model = driveList();
    EXPECT_FALSE(model.SetText(3, 0, u"x"));
    EXPECT_FALSE(model.SetText(-1, 0, u"x"));
    EXPECT_FALSE(model.SetText(0, 2, u"x"));
    EXPECT_EQ(model.Text(7, 1), u"");
    EXPECT_EQ(model.Text(0, -1), u"");
    EXPECT_EQ(model.Column(5), nullptr);
    EXPECT_FALSE(model.SetColumnWidth(2, 10));
    model.Select(9);
    EXPECT_EQ(model.Selected(), -1);
}

TEST(ListModel, FormatsTakeTheFirstMatchingRecord) {
    ListModel model = driveList();
    EXPECT_EQ(model.StyleOf(0, 0), (CellStyle{17, 0xFFFFFF}));
    model.SetColumnFormat(1, 15, 0x00A0FF);
    model.SetCellFormat(2, -1, 20, 0x123456);
    EXPECT_EQ(model.StyleOf(0, 1), (CellStyle{15, 0x00A0FF}));
    EXPECT_EQ(model.StyleOf(2, 1), (CellStyle{15, 0x00A0FF}));  // column record came first
    EXPECT_EQ(model.StyleOf(2, 0), (CellStyle{20, 0x123456}));
    model.SetColumnFormat(1, 13, 0x111111);  // replaces the column's earlier record
    EXPECT_EQ(model.StyleOf(0, 1), (CellStyle{13, 0x111111}));
}

TEST(ListModel, EmptyRowsFillTheView) {
    ListModel model = driveList();
    EXPECT_EQ(model.EmptyRowsBelow(8 * 30, 0), 5);
    EXPECT_EQ(model.EmptyRowsBelow(8 * 30 + 5, 0), 6);
    EXPECT_EQ(model.EmptyRowsBelow(60, 0), 0);
}

TEST(ListModel, ChoiceBoxSitsOnTheCellAndDropsForItsChoices) {
    ListModel model = driveList();
    auto place = PlaceChoiceBox(model, {1, 1}, 400, 0, 0, 3);
    ASSERT_TRUE(place);
    EXPECT_EQ(place->x, 200);
    EXPECT_EQ(place->y, 30);
    EXPECT_EQ(place->width, 100);
    EXPECT_EQ(place->droppedHeight, 30 * 5);
    EXPECT_EQ(PlaceChoiceBox(model, {1, 1}, 400, 0, 0, 40)->droppedHeight, 30 * 27);
    EXPECT_EQ(PlaceChoiceBox(model, {1, 1}, 250, 0, 0, 3)->width, 50);  // cut at the client edge
    model.SetColumnWidth(1, 9);
    EXPECT_FALSE(PlaceChoiceBox(model, {1, 1}, 400, 0, 0, 3));
    EXPECT_FALSE(PlaceChoiceBox(model, {1, 4}, 400, 0, 0, 3));
    EXPECT_FALSE(PlaceChoiceBox(model, {9, 1}, 400, 0, 0, 3));
}

TEST(ChoiceEdit, EachWayOfLeavingCommitsItsText) {
    std::vector<std::u16string> choices{u"select", u"E:", u"F:", u"G:"};
    struct Case {
        const char* how;
        void (*act)(ChoiceEdit&);
        std::u16string committed;
    } cases[] = {
        {"enter or focus lost unchanged", [](ChoiceEdit&) {}, u"F:"},
        {"arrow down then enter", [](ChoiceEdit& e) { e.Step(+1); }, u"G:"},
        {"arrow past the end stays",
         [](ChoiceEdit& e) {
             e.Step(+1);
             e.Step(+1);
         },
         u"G:"},
        {"pick from the drop-down", [](ChoiceEdit& e) { e.Show(0); }, u"select"},
        {"pick out of range ignored", [](ChoiceEdit& e) { e.Show(9); }, u"F:"},
        {"escape keeps the cell",
         [](ChoiceEdit& e) {
             e.Step(-1);
             e.Cancel();
         },
         u"f:"},
    };
    for (const Case& c : cases) {
        ChoiceEdit edit;
        edit.Open(2, 1, choices, u"f:");
        EXPECT_EQ(edit.Shown(), u"F:") << c.how;  // matched regardless of case
        c.act(edit);
        auto commit = edit.Commit();
        ASSERT_TRUE(commit) << c.how;
        EXPECT_EQ(commit->row, 2);
        EXPECT_EQ(commit->column, 1);
        EXPECT_EQ(commit->text, c.committed) << c.how;
        EXPECT_FALSE(edit.Commit()) << "a session commits once";
    }
}

TEST(ChoiceEdit, TextThatIsNoChoiceStaysShown) {
    ChoiceEdit edit;
    edit.Open(0, 1, {u"E:", u"F:"}, u"Z:");
    EXPECT_EQ(edit.Current(), -1);
    EXPECT_EQ(edit.Shown(), u"Z:");
    edit.Step(+1);
    EXPECT_EQ(edit.Shown(), u"E:");
    EXPECT_EQ(edit.Commit()->text, u"E:");
}

}  // namespace
}  // namespace lumora
