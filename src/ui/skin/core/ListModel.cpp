#include "ui/skin/core/ListModel.h"

#include <algorithm>

namespace lumora {

int ListModel::AddRow(std::u16string_view text) {
    rows_.emplace_back();
    rows_.back().emplace_back(text);
    return RowCount() - 1;
}

bool ListModel::SetText(int row, int column, std::u16string_view text) {
    if (row < 0 || row >= RowCount() || column < 0 || column >= std::max(ColumnCount(), 1)) return false;
    auto& cells = rows_[row];
    if (cells.size() <= static_cast<std::size_t>(column)) cells.resize(column + 1);
    cells[column] = std::u16string(text);
    return true;
}

std::u16string ListModel::Text(int row, int column) const {
    if (row < 0 || row >= RowCount() || column < 0) return {};
    const auto& cells = rows_[row];
    return static_cast<std::size_t>(column) < cells.size() ? cells[column] : std::u16string();
}

const ListColumn* ListModel::Column(int column) const {
    return (column >= 0 && column < ColumnCount()) ? &columns_[column] : nullptr;
}

bool ListModel::SetColumnWidth(int column, int width) {
    if (column < 0 || column >= ColumnCount()) return false;
    columns_[column].width = std::max(width, 0);
    return true;
}

int ListModel::TotalWidth() const { return ColumnLeft(ColumnCount()); }

int ListModel::ColumnLeft(int column) const {
    int left = 0;
    for (int i = 0; i < column && i < ColumnCount(); ++i) left += columns_[i].width;
    return left;
}

void ListModel::SetColumnFormat(int column, int fontHeight, std::uint32_t colour) {
    std::erase_if(formats_, [column](const FormatRecord& f) { return f.column == column; });
    formats_.push_back({-1, column, {fontHeight, colour}});
}

void ListModel::SetCellFormat(int row, int column, int fontHeight, std::uint32_t colour) {
    formats_.push_back({row, column, {fontHeight, colour}});
}

CellStyle ListModel::StyleOf(int row, int column) const {
    for (const FormatRecord& f : formats_) {
        bool rowMatches = f.row == -1 || f.row == row;
        bool columnMatches = f.column == -1 || f.column == column;
        // A record for any row and any column matches nothing, as in the original lookup.
        if (f.row == -1 && f.column == -1) continue;
        if (rowMatches && columnMatches) return f.style;
    }
    return {};
}

std::optional<CellRef> ListModel::HitTest(int x, int y) const {
    if (x < 0 || y < 0) return std::nullopt;
    int row = y / kRowHeight;
    if (row >= RowCount()) return std::nullopt;
    for (int c = 0, left = 0; c < ColumnCount(); left += columns_[c].width, ++c)
        if (x >= left && x < left + columns_[c].width) return CellRef{row, c};
    return std::nullopt;
}

ListClick ListModel::Click(int x, int y, bool shiftOrCtrl) {
    std::optional<CellRef> cell = HitTest(x, y);
    if (!cell || shiftOrCtrl) return ListClick::Ignored;
    selected_ = cell->row;
    return IsEditable(cell->column) ? ListClick::OpenChoice : ListClick::Selected;
}

int ListModel::EmptyRowsBelow(int viewHeight, int scrollY) const {
    int usedBelowTop = RowCount() * kRowHeight - scrollY;
    int free = viewHeight - std::max(usedBelowTop, 0);
    return free <= 0 ? 0 : (free + kRowHeight - 1) / kRowHeight;
}

std::optional<ChoiceBoxPlace> PlaceChoiceBox(const ListModel& model, CellRef cell, int clientWidth,
                                             int scrollX, int scrollY, int choiceCount) {
    const ListColumn* column = model.Column(cell.column);
    if (column == nullptr || column->width <= 9 || cell.row < 0 || cell.row >= model.RowCount())
        return std::nullopt;
    ChoiceBoxPlace place;
    place.x = model.ColumnLeft(cell.column) - scrollX;
    place.y = cell.row * ListModel::kRowHeight - scrollY;
    place.width = std::min(column->width, clientWidth - place.x);
    place.height = ListModel::kRowHeight;
    place.droppedHeight = place.height * (std::min(choiceCount, ListModel::kMaxDroppedChoices) + 2);
    return place;
}

}  // namespace lumora
