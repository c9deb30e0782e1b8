#include "ui/skin/GdipComboBox.h"

#include <algorithm>

#include "ui/skin/ComboPopup.h"
#include "ui/skin/SkinText.h"

namespace lumora {
namespace {

constexpr std::uint32_t kEntryText = 0x323232;

}  // namespace

CGdipComboBox::CGdipComboBox(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size)
    : CSkinControl(parent, id, pos, size, wxWANTS_CHARS) {
    SetFont(SkinFont(16, 100));
    // Otherwise the closed box would cover whatever the layout puts under its list.
    if (size.y >= kClosedHeight + kFieldHeight) {
        SetDroppedHeight(size.y - kClosedHeight);
        SetSize(wxSize(size.x, kClosedHeight));
    }
    Bind(wxEVT_LEFT_DOWN, &CGdipComboBox::OnLeftDown, this);
    Bind(wxEVT_KEY_DOWN, &CGdipComboBox::OnKeyDown, this);
    Bind(wxEVT_CHAR, &CGdipComboBox::OnChar, this);
    Bind(wxEVT_SET_FOCUS, [this](wxFocusEvent& e) {
        Refresh(false);
        e.Skip();
    });
    Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& e) {
        Refresh(false);
        e.Skip();
    });
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

bool CGdipComboBox::WantsDialogKey(DialogKey) const { return IsPopupShown(); }

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
    dc.SetBrush(wxBrush(FromColorRef(highlighted ? kSkinHighlight : kSkinWindow)));
    dc.DrawRectangle(rect);
    dc.SetTextForeground(FromColorRef(highlighted ? kSkinHighlightText : kEntryText));
    DrawSkinText(dc, GetString(index), rect.Deflate(6, 0), kTextSingleLine | kTextVCenter);
}

void CGdipComboBox::Paint(wxDC& dc, const wxRect& client) {
    frame_.Draw(
        dc, wxRect(0, 0, std::min(frame_.Width(), client.width), std::min(frame_.Height(), client.height)),
        IsEnabled() ? 1.0 : kDisabledOpacity);
    wxString text = FieldText();
    if (text.empty()) return;
    wxRect field(client.x + 6, client.y + 6, client.width - 6 - 32, client.height - 12);
    dc.SetFont(GetFont());
    if (HasFocus()) {
        wxColour highlight = FromColorRef(kSkinHighlight);
        dc.SetBrush(wxBrush(highlight));
        dc.SetPen(wxPen(highlight));
        dc.DrawRectangle(field);
        dc.SetTextForeground(FromColorRef(kSkinHighlightText));
    } else {
        dc.SetTextForeground(FromColorRef(kEntryText));
    }
    DrawSkinText(dc, text, field, kTextSingleLine | kTextVCenter);
}

void CGdipComboBox::OnLeftDown(wxMouseEvent&) {
    if (!IsEnabled()) return;
    SetFocus();
    if (IsPopupShown())
        HidePopup();
    else
        ShowPopup();
}

// While the list is open the keys move its highlight; Enter takes the highlighted entry.
bool CGdipComboBox::HandlePopupKey(int key) {
    int row = popup_->Highlighted();
    int page = popup_->Scroll().Visible();
    switch (key) {
        case WXK_UP: popup_->Highlight(std::max(row - 1, 0)); return true;
        case WXK_DOWN: popup_->Highlight(row + 1); return true;
        case WXK_PAGEUP: popup_->Highlight(std::max(row - page, 0)); return true;
        case WXK_PAGEDOWN: popup_->Highlight(row + page); return true;
        case WXK_HOME: popup_->Highlight(0); return true;
        case WXK_END: popup_->Highlight(GetCount() - 1); return true;
        case WXK_RETURN:
        case WXK_NUMPAD_ENTER:
            if (row >= 0) PopupPicked(row);
            HidePopup();
            return true;
        case WXK_ESCAPE:
        case WXK_F4: HidePopup(); return true;
        default: return false;
    }
}

void CGdipComboBox::OnKeyDown(wxKeyEvent& event) {
    if (IsPopupShown() && HandlePopupKey(event.GetKeyCode())) return;
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
