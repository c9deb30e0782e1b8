#pragma once
// The skinned report list: rows of 30 pixels over the parent's background, a header,
// and an in-place choice box on its editable column.
//
// Talks to its parent through the message layer: WM_SKIN_LISTGETCHOICES (sent, the
// parent fills the std::vector<std::u16string> at lParam), WM_SKIN_LISTITEMEDITED and
// WM_SKIN_LISTSCROLLED (posted). A selection made by mouse or key is announced with
// wxEVT_LISTBOX carrying the row; a mouse click on a row is announced apart, after it,
// with EVT_SKIN_LIST_CLICK carrying the row (GetInt), so a window can tell a click from
// an arrow key. A click below the last row, right of the last column, or with Shift or
// Ctrl held does nothing at all: no selection change and no event. Both events go out
// last, after the list has finished with the click, so a handler may clear or destroy
// the list.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include <wx/scrolbar.h>

#include "ui/skin/GdipHeaderCtrl.h"
#include "ui/skin/GdipListComboBox.h"
#include "ui/skin/SkinControl.h"
#include "ui/skin/core/ListModel.h"

namespace lumora {

// A mouse click on a row of a CGdipListCtrl; GetInt() is the row.
wxDECLARE_EVENT(EVT_SKIN_LIST_CLICK, wxCommandEvent);

// The choices the parent supplies for a row (what lParam of WM_SKIN_LISTGETCHOICES points to).
using ChoiceList = std::vector<std::u16string>;

class CGdipListCtrl : public CSkinControl {
public:
    CGdipListCtrl(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
                  bool withHeader = true);

    // Appends a column; returns its index.
    int InsertColumn(std::u16string_view title, int width, ColumnAlign align = ColumnAlign::Left);
    // Appends a row with `text` in column 0; returns its index.
    int InsertItem(std::u16string_view text);
    // Sets a cell's text; false for a cell that does not exist.
    bool SetItemText(int row, int column, std::u16string_view text);
    // A cell's text; empty for a cell that does not exist.
    std::u16string GetItemText(int row, int column) const { return model_.Text(row, column); }
    // Removes every row (an open choice box commits first).
    void DeleteAllItems();
    int GetItemCount() const { return model_.RowCount(); }

    // Every row of `column` drawn at `fontHeight` in `colour` (COLORREF).
    void SetColumnFormat(int column, int fontHeight, std::uint32_t colour);
    // Makes column 1 open the choice box when clicked.
    void EnableChoiceColumn();
    // Leaves the scroll bar out of sight (the window scrolls by wheel, keys and program).
    void HideVerticalScrollBar();

    int GetSelection() const { return model_.Selected(); }
    // Selects a row (out of range: none) and scrolls it into view.
    void SetSelection(int row);
    // First row shown.
    int GetTopIndex() const { return topRow_; }
    // Scrolls so that `row` is the first shown (kept inside the list).
    void ScrollToRow(int row);
    // Whole rows that fit below the header.
    int GetCountPerPage() const;
    // Scrolls as little as needed to show `row`.
    void EnsureVisible(int row);

    const ListModel& Model() const { return model_; }
    CGdipListComboBox& ChoiceBox() { return *choice_; }
    // A left press at a client point, as the mouse gives it.
    void PressAt(const wxPoint& point, bool shiftOrCtrl);

    LRESULT OnMessage(unsigned message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(wxDC& dc, const wxRect& client) override;
    bool PaintsOwnBackground() const override { return true; }
    void OnLeftDown(wxMouseEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void OnWheel(wxMouseEvent& event);
    void OnScrollBar(wxScrollEvent& event);
    void OnSize(wxSizeEvent& event);
    // False when the list was destroyed meanwhile (the parent's answer may do that).
    bool OpenChoice(CellRef cell);
    void Committed(const ChoiceCommit& commit);
    void Scrolled();
    void NotifySelection();
    void NotifyClick(int row);
    void UpdateScrollBar();
    void EnsureCache();
    void DrawRow(wxDC& dc, int y, int row, bool selected) const;
    void DrawCellBase(wxDC& dc, const wxRect& cell, bool selected) const;
    int HeaderHeight() const { return header_ ? CGdipHeaderCtrl::kHeight : 0; }
    int BodyWidth() const;
    HWND ParentHandle() const { return HandleOf(GetParent()); }

    ListModel model_;
    CGdipHeaderCtrl* header_ = nullptr;  // child windows, destroyed by wx with the list
    wxScrollBar* scrollBar_ = nullptr;
    CGdipListComboBox* choice_ = nullptr;
    wxBitmap cache_;
    bool scrollBarHidden_ = false;
    int topRow_ = 0;
    int scrollX_ = 0;
};

}  // namespace lumora
