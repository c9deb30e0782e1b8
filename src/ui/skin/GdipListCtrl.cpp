#include "ui/skin/GdipListCtrl.h"

#include <algorithm>

#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/weakref.h>

#include "ui/skin/SkinText.h"
#include "app/Language.h"
#include "ui/skin/WxText.h"
#include "ui/skin/core/SkinMessages.h"

namespace lumora {

wxDEFINE_EVENT(EVT_SKIN_LIST_CLICK, wxCommandEvent);

namespace {

constexpr std::uint32_t kSelectedRow = 0x505050;
constexpr std::uint32_t kRowLine = 0x4B4B4B;
constexpr std::uint32_t kPlaceholderText = 0x969696;

}  // namespace

CGdipListCtrl::CGdipListCtrl(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
                             bool withHeader)
    : CSkinControl(parent, id, pos, size, wxWANTS_CHARS) {
    if (withHeader) header_ = new CGdipHeaderCtrl(this, model_);
    scrollBar_ = new wxScrollBar(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxSB_VERTICAL);
    scrollBar_->Hide();
    choice_ = new CGdipListComboBox(this, [this](const ChoiceCommit& c) { Committed(c); });
    Bind(wxEVT_LEFT_DOWN, &CGdipListCtrl::OnLeftDown, this);
    Bind(wxEVT_LEFT_DCLICK, &CGdipListCtrl::OnLeftDown, this);
    Bind(wxEVT_KEY_DOWN, &CGdipListCtrl::OnKeyDown, this);
    Bind(wxEVT_MOUSEWHEEL, &CGdipListCtrl::OnWheel, this);
    Bind(wxEVT_SIZE, &CGdipListCtrl::OnSize, this);
    scrollBar_->Bind(wxEVT_SCROLL_CHANGED, &CGdipListCtrl::OnScrollBar, this);
    scrollBar_->Bind(wxEVT_SCROLL_THUMBTRACK, &CGdipListCtrl::OnScrollBar, this);
    scrollBar_->Bind(wxEVT_SCROLL_LINEUP, &CGdipListCtrl::OnScrollBar, this);
    scrollBar_->Bind(wxEVT_SCROLL_LINEDOWN, &CGdipListCtrl::OnScrollBar, this);
    scrollBar_->Bind(wxEVT_SCROLL_PAGEUP, &CGdipListCtrl::OnScrollBar, this);
    scrollBar_->Bind(wxEVT_SCROLL_PAGEDOWN, &CGdipListCtrl::OnScrollBar, this);
}

int CGdipListCtrl::InsertColumn(std::u16string_view title, int width, ColumnAlign align) {
    model_.AddColumn({std::u16string(title), width, align});
    if (header_) header_->Refresh(false);
    Refresh(false);
    return model_.ColumnCount() - 1;
}

int CGdipListCtrl::InsertItem(std::u16string_view text) {
    int row = model_.AddRow(text);
    UpdateScrollBar();
    Refresh(false);
    return row;
}

bool CGdipListCtrl::SetItemText(int row, int column, std::u16string_view text) {
    if (!model_.SetText(row, column, text)) return false;
    Refresh(false);
    return true;
}

void CGdipListCtrl::DeleteAllItems() {
    choice_->Commit();
    model_.ClearRows();
    topRow_ = 0;
    UpdateScrollBar();
    Refresh(false);
}

void CGdipListCtrl::SetColumnFormat(int column, int fontHeight, std::uint32_t colour) {
    model_.SetColumnFormat(column, fontHeight, colour);
    Refresh(false);
}

void CGdipListCtrl::EnableChoiceColumn() { model_.EnableChoiceColumn(); }

void CGdipListCtrl::HideVerticalScrollBar() {
    scrollBarHidden_ = true;
    UpdateScrollBar();
}

void CGdipListCtrl::SetSelection(int row) {
    model_.Select(row);
    if (model_.Selected() >= 0) EnsureVisible(row);
    Refresh(false);
}

int CGdipListCtrl::GetCountPerPage() const {
    return std::max((GetClientSize().y - HeaderHeight()) / ListModel::kRowHeight, 1);
}

void CGdipListCtrl::ScrollToRow(int row) {
    int last = std::max(model_.RowCount() - GetCountPerPage(), 0);
    int next = std::clamp(row, 0, last);
    if (next == topRow_) return;
    topRow_ = next;
    UpdateScrollBar();
    Refresh(false);
}

void CGdipListCtrl::EnsureVisible(int row) {
    if (row < topRow_)
        ScrollToRow(row);
    else if (row >= topRow_ + GetCountPerPage())
        ScrollToRow(row - GetCountPerPage() + 1);
}

int CGdipListCtrl::BodyWidth() const {
    return GetClientSize().x - (scrollBar_->IsShown() ? scrollBar_->GetSize().x : 0);
}

void CGdipListCtrl::UpdateScrollBar() {
    bool needed = !scrollBarHidden_ && model_.RowCount() > GetCountPerPage();
    if (needed) {
        wxSize client = GetClientSize();
        int width = scrollBar_->GetBestSize().x;
        scrollBar_->SetSize(client.x - width, HeaderHeight(), width, client.y - HeaderHeight());
        scrollBar_->SetScrollbar(topRow_, GetCountPerPage(), model_.RowCount(), GetCountPerPage());
    }
    scrollBar_->Show(needed);
}

void CGdipListCtrl::OnSize(wxSizeEvent& event) {
    cache_ = wxBitmap();
    if (header_) header_->SetSize(0, 0, GetClientSize().x, CGdipHeaderCtrl::kHeight);
    UpdateScrollBar();
    Refresh(false);
    event.Skip();
}

void CGdipListCtrl::EnsureCache() {
    wxSize client = GetClientSize();
    if (cache_.IsOk() && cache_.GetSize() == client) return;
    cache_.Create(std::max(client.x, 1), std::max(client.y, 1), 24);
    wxMemoryDC dc(cache_);
    PaintParentBackground(dc);
}

LRESULT CGdipListCtrl::OnMessage(unsigned message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SKIN_DRAWPARENTBKGND && wParam != 0) {
        if (header_ != nullptr && static_cast<HWND>(lParam) == HandleOf(header_)) {
            EnsureCache();
            return AnswerFromCache(*this, cache_, wParam, lParam);
        }
        wxWindow* requester = WindowOf(static_cast<HWND>(lParam));
        wxDC& dc = DcOf(wParam);
        dc.SetBrush(wxBrush(FromColorRef(kSelectedRow)));
        dc.SetPen(*wxTRANSPARENT_PEN);
        if (requester) dc.DrawRectangle(wxPoint(0, 0), requester->GetClientSize());
        return 0;
    }
    return CSkinControl::OnMessage(message, wParam, lParam);
}

void CGdipListCtrl::DrawCellBase(wxDC& dc, const wxRect& cell, bool selected) const {
    dc.SetPen(*wxTRANSPARENT_PEN);
    if (selected) {
        dc.SetBrush(wxBrush(FromColorRef(kSelectedRow)));
        dc.DrawRectangle(cell);
    }
    dc.SetBrush(wxBrush(FromColorRef(kRowLine)));
    dc.DrawRectangle(cell.x, cell.GetBottom(), cell.width, 1);
}

void CGdipListCtrl::DrawRow(wxDC& dc, int y, int row, bool selected) const {
    int body = BodyWidth();
    int right = model_.TotalWidth() - scrollX_;
    for (int c = 0; c < model_.ColumnCount(); ++c) {
        wxRect cell(model_.ColumnLeft(c) - scrollX_, y, model_.Column(c)->width, ListModel::kRowHeight);
        DrawCellBase(dc, cell, selected);
        if (row < 0) continue;
        std::u16string text = model_.Text(row, c);
        CellStyle style = model_.StyleOf(row, c);
        dc.SetFont(SkinFont(style.fontHeight, 400));
        dc.SetTextForeground(FromColorRef(text == Tr(u"select") ? kPlaceholderText : style.colour));
        DrawSkinText(dc, ToWx(text), cell.Deflate(4, 0), kTextSingleLine | kTextVCenter | kTextEndEllipsis);
    }
    if (right < body) DrawCellBase(dc, wxRect(right, y, body - right, ListModel::kRowHeight), selected);
}

void CGdipListCtrl::Paint(wxDC& dc, const wxRect& client) {
    EnsureCache();
    dc.DrawBitmap(cache_, 0, 0, false);
    wxDCClipper clip(dc, wxRect(0, HeaderHeight(), BodyWidth(), client.height - HeaderHeight()));
    int y = HeaderHeight();
    for (int row = topRow_; row < model_.RowCount() && y < client.height; ++row, y += ListModel::kRowHeight)
        DrawRow(dc, y, row, row == model_.Selected());
    // Below the last item the rows go on empty, each with its line.
    for (; y < client.height; y += ListModel::kRowHeight) DrawRow(dc, y, -1, false);
}

void CGdipListCtrl::OnLeftDown(wxMouseEvent& event) {
    PressAt(event.GetPosition(), event.ShiftDown() || event.ControlDown());
}

void CGdipListCtrl::PressAt(const wxPoint& point, bool shiftOrCtrl) {
    if (point.y < HeaderHeight() || point.x >= BodyWidth()) return;
    int x = point.x + scrollX_;
    int y = point.y - HeaderHeight() + topRow_ * ListModel::kRowHeight;
    std::optional<CellRef> cell = model_.HitTest(x, y);
    int before = model_.Selected();
    ListClick click = model_.Click(x, y, shiftOrCtrl);
    if (click == ListClick::Ignored || !cell) return;  // not even the focus moves
    SetFocus();
    Refresh(false);
    if (click == ListClick::OpenChoice && !OpenChoice(*cell)) return;
    // The window hears of the click last: its handler may clear or destroy the list.
    wxWeakRef<CGdipListCtrl> self(this);
    if (model_.Selected() != before) NotifySelection();
    if (self) NotifyClick(cell->row);
}

bool CGdipListCtrl::OpenChoice(CellRef cell) {
    ChoiceList choices;
    HWND parent = ParentHandle();
    wxWeakRef<CGdipListCtrl> self(this);
    if (parent != kNoWindow)
        SendMessage(parent, WM_SKIN_LISTGETCHOICES, static_cast<WPARAM>(cell.row),
                    reinterpret_cast<LPARAM>(&choices));
    if (!self) return false;
    // Without choices there is nothing to pick from: the click only selects. The answer
    // may also have emptied the list.
    if (choices.empty() || cell.row >= model_.RowCount()) return true;
    EnsureVisible(cell.row);
    const ListColumn* column = model_.Column(cell.column);
    if (column == nullptr) return true;
    int left = model_.ColumnLeft(cell.column);
    if (left < scrollX_)
        scrollX_ = left;
    else if (left + column->width > scrollX_ + BodyWidth())
        scrollX_ = std::max(left + column->width - BodyWidth(), 0);
    if (header_) header_->SetScrollX(scrollX_);
    auto place = PlaceChoiceBox(model_, cell, BodyWidth(), scrollX_, topRow_ * ListModel::kRowHeight,
                                static_cast<int>(choices.size()));
    if (!place) return true;
    Refresh(false);
    choice_->OpenAt(wxRect(place->x, place->y + HeaderHeight(), place->width, place->height),
                    place->droppedHeight, cell.row, cell.column, std::move(choices),
                    model_.Text(cell.row, cell.column));
    return true;
}

void CGdipListCtrl::Committed(const ChoiceCommit& commit) {
    // A row that went away meanwhile (the list was cleared) has nothing to report.
    if (!model_.SetText(commit.row, commit.column, commit.text)) return;
    Refresh(false);
    HWND parent = ParentHandle();
    if (parent != kNoWindow)
        PostMessage(parent, WM_SKIN_LISTITEMEDITED, static_cast<WPARAM>(commit.row),
                    static_cast<LPARAM>(commit.column));
}

void CGdipListCtrl::Scrolled() {
    HWND parent = ParentHandle();
    if (parent != kNoWindow) PostMessage(parent, WM_SKIN_LISTSCROLLED);
}

void CGdipListCtrl::NotifySelection() {
    wxCommandEvent selected(wxEVT_LISTBOX, GetId());
    selected.SetEventObject(this);
    selected.SetInt(model_.Selected());
    ProcessWindowEvent(selected);
}

void CGdipListCtrl::NotifyClick(int row) {
    wxCommandEvent clicked(EVT_SKIN_LIST_CLICK, GetId());
    clicked.SetEventObject(this);
    clicked.SetInt(row);
    ProcessWindowEvent(clicked);
}

void CGdipListCtrl::OnKeyDown(wxKeyEvent& event) {
    int rows = model_.RowCount();
    int current = model_.Selected();
    int next = current;
    switch (event.GetKeyCode()) {
        case WXK_UP: next = current - 1; break;
        case WXK_DOWN: next = current + 1; break;
        case WXK_PAGEUP: next = current - GetCountPerPage(); break;
        case WXK_PAGEDOWN: next = current + GetCountPerPage(); break;
        case WXK_HOME: next = 0; break;
        case WXK_END: next = rows - 1; break;
        default: event.Skip(); break;
    }
    if (rows > 0 && next != current) {
        SetSelection(std::clamp(next, 0, rows - 1));
        NotifySelection();
    }
    Scrolled();
}

void CGdipListCtrl::OnWheel(wxMouseEvent& event) {
    ScrollToRow(topRow_ + (event.GetWheelRotation() < 0 ? 3 : -3));
    Scrolled();
}

void CGdipListCtrl::OnScrollBar(wxScrollEvent& event) {
    SetFocus();
    ScrollToRow(event.GetPosition());
    Scrolled();
}

}  // namespace lumora
