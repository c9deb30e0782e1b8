#include "ui/skin/GdipComboBox.h"

#include <algorithm>

#include <wx/dcclient.h>
#include <wx/popupwin.h>
#include <wx/settings.h>

#include "ui/skin/MyMemDC.h"
#include "ui/skin/SkinText.h"

namespace lumora {

// The pop-up list: one row per entry, the row under the mouse highlighted.
class ComboPopup : public wxPopupTransientWindow {
public:
    explicit ComboPopup(CGdipComboBox& owner) : wxPopupTransientWindow(&owner, wxBORDER_SIMPLE), owner_(owner) {
        SetBackgroundStyle(wxBG_STYLE_PAINT);
        Bind(wxEVT_PAINT, &ComboPopup::OnPaint, this);
        Bind(wxEVT_MOTION, [this](wxMouseEvent& e) { Highlight(RowAt(e.GetY())); });
        Bind(wxEVT_LEFT_UP, [this](wxMouseEvent& e) {
            int row = RowAt(e.GetY());
            if (row >= 0) {
                owner_.PopupPicked(row);
                DismissAndNotify();
            }
        });
    }
    void Open(int width, int height) {
        highlighted_ = owner_.GetSelection();
        SetClientSize(width, height);
        Position(owner_.ClientToScreen(wxPoint(0, 0)), wxSize(0, owner_.GetClientSize().y));
        Popup();
    }
    int Highlighted() const { return highlighted_; }
    void Highlight(int row) {
        if (row == highlighted_) return;
        highlighted_ = row;
        Refresh(false);
    }

private:
    int RowAt(int y) const {
        int row = y / CGdipComboBox::kFieldHeight;
        return (y >= 0 && row < owner_.GetCount()) ? row : -1;
    }
    void OnPaint(wxPaintEvent&) {
        wxPaintDC paint(this);
        CMyMemDC dc(paint, wxRect(wxPoint(0, 0), GetClientSize()));
        dc.SetBackground(wxBrush(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW)));
        dc.Clear();
        for (int i = 0; i < owner_.GetCount(); ++i)
            owner_.DrawEntry(dc, wxRect(0, i * CGdipComboBox::kFieldHeight, GetClientSize().x, CGdipComboBox::kFieldHeight),
                             i, i == highlighted_);
    }
    void OnDismiss() override { owner_.PopupClosed(); }

    CGdipComboBox& owner_;
    int highlighted_ = -1;
};

CGdipComboBox::CGdipComboBox(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size)
    : CSkinControl(parent, id, pos, size, wxWANTS_CHARS) {
    SetFont(SkinFont(16, 100));
    // Otherwise the closed box would cover whatever the layout puts under its list.
    if (size.y >= kClosedHeight + kFieldHeight) {
        SetDroppedHeight(size.y - kClosedHeight);
        SetSize(wxSize(size.x, kClosedHeight));
    }
    Bind(wxEVT_PAINT, &CGdipComboBox::OnPaint, this);
    Bind(wxEVT_LEFT_DOWN, &CGdipComboBox::OnLeftDown, this);
    Bind(wxEVT_KEY_DOWN, &CGdipComboBox::OnKeyDown, this);
    Bind(wxEVT_CHAR, &CGdipComboBox::OnChar, this);
    Bind(wxEVT_SET_FOCUS, [this](wxFocusEvent& e) { Refresh(false); e.Skip(); });
    Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& e) { Refresh(false); e.Skip(); });
}

CGdipComboBox::~CGdipComboBox() = default;

bool CGdipComboBox::SetFrameImage(int id) {
    bool loaded = frame_.LoadPng(id);
    Refresh(false);
    return loaded;
}

int CGdipComboBox::Append(const wxString& text) {
    items_.push_back(text);
    return GetCount() - 1;
}

void CGdipComboBox::Clear() {
    items_.clear();
    selection_ = -1;
    hasOverride_ = false;
    Refresh(false);
}

wxString CGdipComboBox::GetString(int index) const {
    return (index >= 0 && index < GetCount()) ? items_[index] : wxString();
}

void CGdipComboBox::SetSelection(int index) {
    if (index < -1 || index >= GetCount()) return;
    selection_ = index;
    hasOverride_ = false;
    Refresh(false);
}

wxString CGdipComboBox::GetValue() const { return hasOverride_ ? override_ : GetString(selection_); }

void CGdipComboBox::SetFieldOverride(const wxString& text) {
    override_ = text;
    hasOverride_ = true;
    Refresh(false);
}

void CGdipComboBox::ShowPopup() {
    if (GetCount() == 0 || IsPopupShown()) return;
    if (popup_ == nullptr) popup_ = new ComboPopup(*this);
    popup_->Open(GetClientSize().x, PopupHeight());
}

int CGdipComboBox::PopupHeight() const {
    int rows = GetCount() * kFieldHeight;
    int height = droppedHeight_ > 0 ? std::min(rows, droppedHeight_) : rows;
    return std::max(height, kFieldHeight);
}

void CGdipComboBox::HidePopup() {
    if (IsPopupShown()) popup_->Dismiss();
}

bool CGdipComboBox::IsPopupShown() const { return popup_ != nullptr && popup_->IsShown(); }

void CGdipComboBox::PopupPicked(int index) { OnUserChoice(index); }

void CGdipComboBox::PopupClosed() { OnCloseUp(); }

void CGdipComboBox::OnUserChoice(int index) {
    SetSelection(index);
    wxCommandEvent changed(wxEVT_COMBOBOX, GetId());
    changed.SetEventObject(this);
    changed.SetInt(selection_);
    changed.SetString(GetValue());
    ProcessWindowEvent(changed);
}

void CGdipComboBox::DrawEntry(wxDC& dc, const wxRect& rect, int index, bool highlighted) const {
    dc.SetFont(GetFont());
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(wxSystemSettings::GetColour(highlighted ? wxSYS_COLOUR_HIGHLIGHT : wxSYS_COLOUR_WINDOW)));
    dc.DrawRectangle(rect);
    dc.SetTextForeground(highlighted ? wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHTTEXT) : FromColorRef(0x323232));
    DrawSkinText(dc, GetString(index), rect.Deflate(6, 0), kTextSingleLine | kTextVCenter);
}

void CGdipComboBox::OnPaint(wxPaintEvent&) {
    wxPaintDC paint(this);
    wxRect client(wxPoint(0, 0), GetClientSize());
    CMyMemDC dc(paint, client);
    PaintParentBackground(dc);
    frame_.Draw(dc, wxRect(0, 0, std::min(frame_.Width(), client.width), std::min(frame_.Height(), client.height)),
                IsEnabled() ? 1.0 : kDisabledOpacity);
    wxString text = FieldText();
    if (text.empty()) return;
    wxRect field(client.x + 6, client.y + 6, client.width - 6 - 32, client.height - 12);
    dc.SetFont(GetFont());
    if (HasFocus()) {
        wxColour highlight = wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT);
        dc.SetBrush(wxBrush(highlight));
        dc.SetPen(wxPen(highlight));
        dc.DrawRectangle(field);
        dc.SetTextForeground(wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHTTEXT));
    } else {
        dc.SetTextForeground(FromColorRef(0x323232));
    }
    DrawSkinText(dc, text, field, kTextSingleLine | kTextVCenter);
}

void CGdipComboBox::OnLeftDown(wxMouseEvent&) {
    if (!IsEnabled()) return;
    SetFocus();
    if (IsPopupShown()) HidePopup();
    else ShowPopup();
}

void CGdipComboBox::OnKeyDown(wxKeyEvent& event) {
    if (HandleKey(event)) return;
    int key = event.GetKeyCode();
    if (key == WXK_F4 || (key == WXK_DOWN && event.AltDown())) {
        ShowPopup();
        return;
    }
    if (GetCount() > 0 && (key == WXK_HOME || key == WXK_END)) {
        int next = key == WXK_HOME ? 0 : GetCount() - 1;
        if (next != selection_ || hasOverride_) OnUserChoice(next);
        return;
    }
    int step = (key == WXK_DOWN || key == WXK_RIGHT) ? 1 : (key == WXK_UP || key == WXK_LEFT) ? -1 : 0;
    if (step != 0 && GetCount() > 0) {
        int next = std::clamp(selection_ < 0 ? 0 : selection_ + step, 0, GetCount() - 1);
        if (next != selection_ || hasOverride_) OnUserChoice(next);
        return;
    }
    event.Skip();
}

// A typed character picks the next entry that begins with it, going round the list, as
// a drop-down list does.
void CGdipComboBox::OnChar(wxKeyEvent& event) {
    wxChar typed = event.GetUnicodeKey();
    if (typed == WXK_NONE || typed < 0x20 || GetCount() == 0) {
        event.Skip();
        return;
    }
    wxString wanted = wxString(typed).Lower();
    for (int i = 1; i <= GetCount(); ++i) {
        int candidate = (std::max(selection_, -1) + i) % GetCount();
        if (items_[candidate].Lower().StartsWith(wanted)) {
            if (candidate != selection_ || hasOverride_) OnUserChoice(candidate);
            return;
        }
    }
}

}  // namespace lumora
