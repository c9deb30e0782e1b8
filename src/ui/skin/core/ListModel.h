#pragma once
// The skinned list's content and the rules of its mouse clicks, without any window.

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace lumora {

enum class ColumnAlign { Left, Center, Right };

struct ListColumn {
    std::u16string title;
    int width = 0;
    ColumnAlign align = ColumnAlign::Left;
};

// How a cell's text is drawn; colours are COLORREF values (0x00BBGGRR).
struct CellStyle {
    int fontHeight = 17;
    std::uint32_t colour = 0xFFFFFF;
    bool operator==(const CellStyle&) const = default;
};

struct CellRef {
    int row = -1;
    int column = -1;
    bool operator==(const CellRef&) const = default;
};

// What a left click on the list leads to.
enum class ListClick {
    Ignored,     // nothing at all happens (no cell, or Shift/Ctrl held)
    Selected,    // the row is selected and focused
    OpenChoice,  // as Selected, and the choice box opens over the cell
};

class ListModel {
public:
    static constexpr int kRowHeight = 30;
    static constexpr int kHeaderHeight = 22;
    static constexpr int kMaxDroppedChoices = 25;

    // Appends a column.
    void AddColumn(ListColumn column) { columns_.push_back(std::move(column)); }
    // Appends a row with `text` in column 0 and returns its index.
    int AddRow(std::u16string_view text);
    // Sets a cell's text; false for a row or column that does not exist.
    bool SetText(int row, int column, std::u16string_view text);
    // A cell's text; empty for a cell that does not exist.
    std::u16string Text(int row, int column) const;
    // Removes every row.
    void ClearRows() {
        rows_.clear();
        selected_ = -1;
    }

    int RowCount() const { return static_cast<int>(rows_.size()); }
    int ColumnCount() const { return static_cast<int>(columns_.size()); }
    // The column, or null for an index out of range.
    const ListColumn* Column(int column) const;
    // Sets a column's width; false for a column that does not exist.
    bool SetColumnWidth(int column, int width);
    // Sum of all column widths.
    int TotalWidth() const;
    // Left edge of a column in content coordinates (sum of the widths before it).
    int ColumnLeft(int column) const;

    // Replaces the formats of `column` with one for every row of it.
    void SetColumnFormat(int column, int fontHeight, std::uint32_t colour);
    // Adds one row's format for every column (or one cell's, with column >= 0).
    void SetCellFormat(int row, int column, int fontHeight, std::uint32_t colour);
    // The first matching format of the cell, else the default (17, white).
    CellStyle StyleOf(int row, int column) const;

    // Makes column 1 editable through the choice box (once).
    void EnableChoiceColumn() { editable_.insert(1); }
    bool IsEditable(int column) const { return editable_.count(column) != 0; }

    // The cell under a point of the rows' area (content coordinates, header excluded).
    std::optional<CellRef> HitTest(int x, int y) const;
    // Applies a click at that point: selects and focuses the row unless ignored.
    ListClick Click(int x, int y, bool shiftOrCtrl);

    int Selected() const { return selected_; }
    // Selects a row (-1 for none); a row that does not exist selects nothing.
    void Select(int row) { selected_ = (row >= 0 && row < RowCount()) ? row : -1; }

    // Empty rows drawn below the last item in a view of `viewHeight` pixels scrolled by `scrollY`.
    int EmptyRowsBelow(int viewHeight, int scrollY) const;

private:
    struct FormatRecord {
        int row;
        int column;
        CellStyle style;
    };
    std::vector<ListColumn> columns_;
    std::vector<std::vector<std::u16string>> rows_;
    std::vector<FormatRecord> formats_;
    std::set<int> editable_;
    int selected_ = -1;
};

// Where the choice box opens: the cell rectangle (client coordinates) and the dropped height.
struct ChoiceBoxPlace {
    int x = 0, y = 0, width = 0, height = 0;
    int droppedHeight = 0;
};

// Places the choice box over a cell; nothing for a missing column or one 9 pixels wide or less.
std::optional<ChoiceBoxPlace> PlaceChoiceBox(const ListModel& model, CellRef cell, int clientWidth,
                                             int scrollX, int scrollY, int choiceCount);

}  // namespace lumora
