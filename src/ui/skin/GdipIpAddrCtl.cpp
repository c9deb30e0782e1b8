#include "ui/skin/GdipIpAddrCtl.h"

#include <vector>

#include <wx/dcclient.h>
#include <wx/utils.h>

#include "app/Language.h"
#include "platform/Dialogs.h"
#include "platform/Format.h"
#include "ui/skin/ImageIds.h"
#include "ui/skin/SkinEdit.h"
#include "ui/skin/SkinText.h"
#include "ui/skin/WxText.h"
#include "ui/skin/core/AddressCheck.h"

namespace lumora {
namespace {

constexpr int kFieldFontHeight = 18;

}  // namespace

CIPAddrEdit::CIPAddrEdit(CGdipIpAddrCtl& owner, int index)
    : wxTextCtrl(&owner, index + 1, wxString(), wxDefaultPosition, wxDefaultSize,
                 wxTE_CENTRE | wxTE_PROCESS_ENTER | wxTE_PROCESS_TAB | wxBORDER_NONE),
      owner_(owner),
      index_(index) {
    SetFont(SkinFont(kFieldFontHeight, 100));
    SetMaxLength(3);
    SetBackgroundColour(FromColorRef(kSkinWindow));
    SetForegroundColour(FromColorRef(kSkinWindowText));
    Bind(wxEVT_CHAR, &CIPAddrEdit::OnChar, this);
    Bind(wxEVT_KEY_DOWN, &CIPAddrEdit::OnKeyDown, this);
    Bind(wxEVT_TEXT, &CIPAddrEdit::OnText, this);
    Bind(wxEVT_SET_FOCUS, &CIPAddrEdit::OnSetFocus, this);
    // A key typed into a full field changes nothing, yet it still finishes the field.
    Bind(wxEVT_TEXT_MAXLEN, &CIPAddrEdit::OnText, this);
}

void CIPAddrEdit::OnChar(wxKeyEvent& event) {
    wxChar c = event.GetUnicodeKey();
    if (c == WXK_NONE) {  // arrows and other keys without a character
        event.Skip();
        return;
    }
    switch (ClassifyOctetChar(static_cast<char32_t>(c))) {
        case OctetKey::Insert:
        case OctetKey::Default: event.Skip(); break;  // the field's own handling; OnText follows
        case OctetKey::Reject: wxBell(); break;
        case OctetKey::NextField: owner_.FocusField(index_ + 1, true); break;
        case OctetKey::Tab: owner_.FocusNeighbour(!event.ShiftDown()); break;
        case OctetKey::Enter: SendDialogKey(*this, DialogKey::Enter); break;
    }
}

void CIPAddrEdit::OnKeyDown(wxKeyEvent& event) {
    long from = 0, to = 0;
    GetSelection(&from, &to);
    switch (event.GetKeyCode()) {
        case WXK_LEFT:
            if (GetInsertionPoint() == 0 && from == to && index_ > 0) {
                owner_.FocusField(index_ - 1, false, true);
                return;
            }
            break;
        case WXK_RIGHT:
            if (GetInsertionPoint() == GetLastPosition() && from == to &&
                index_ < CGdipIpAddrCtl::kFieldCount - 1) {
                owner_.FocusField(index_ + 1, false, false);
                return;
            }
            break;
        // Escape cancels the window that holds the control (the wizard frame around a
        // page, or the change-address dialog), unless the page takes it first.
        case WXK_ESCAPE: SendDialogKey(*this, DialogKey::Escape); return;
        default: break;
    }
    event.Skip();
}

// Focus coming from another window of the dialog without a mouse press is keyboard
// traversal into the control: it enters at the first field. (Focus given back on
// activating the window comes from no window and stays where it was.)
void CIPAddrEdit::OnSetFocus(wxFocusEvent& event) {
    event.Skip();
    const wxWindow* from = event.GetWindow();
    bool fromOutside = from != nullptr && from->GetParent() != &owner_;
    if (index_ == 0 || !fromOutside || wxGetMouseState().LeftIsDown()) return;
    CallAfter([this] { owner_.FocusField(0, true); });
}

void CIPAddrEdit::OnText(wxCommandEvent& event) {
    owner_.FieldEdited(*this);
    event.Skip();
}

CGdipIpAddrCtl::CGdipIpAddrCtl(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
                               bool noFieldCheck)
    : CSkinControl(parent, id, pos, size), noFieldCheck_(noFieldCheck) {
    SetFont(SkinFont(kFieldFontHeight, 100));
    SetCursor(wxCursor(wxCURSOR_IBEAM));
    for (int k = 0; k < kFieldCount; ++k) fields_[k] = new CIPAddrEdit(*this, k);
    frame_.LoadPng(IDB_IPADDR_FRAME);
    Bind(wxEVT_SIZE, &CGdipIpAddrCtl::OnSize, this);
    wxSizeEvent first(GetSize());
    OnSize(first);
}

void CGdipIpAddrCtl::OnSize(wxSizeEvent& event) {
    wxClientDC dc(this);
    dc.SetFont(GetFont());
    wxSize client = GetClientSize();
    layout_ = LayOutOctets(client.x, client.y, dc.GetTextExtent(".").x);
    for (int k = 0; k < kFieldCount; ++k) {
        const OctetRect& r = layout_.fields[k];
        fields_[k]->SetSize(r.left, r.top, std::max(r.right - r.left, 1), std::max(r.bottom - r.top, 1));
    }
    Refresh(false);
    event.Skip();
}

void CGdipIpAddrCtl::Paint(wxDC& dc, const wxRect& client) {
    // The frame covers the control, so no parent background is asked for.
    frame_.Draw(dc, wxRect(0, 0, frame_.Width(), frame_.Height()));
    dc.SetFont(GetFont());
    dc.SetTextForeground(FromColorRef(enabled_ ? kSkinWindowText : kSkinGrayText));
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(FromColorRef(kSkinWindow)));
    for (const OctetRect& r : layout_.dots) {
        dc.DrawRectangle(r.left - 2, r.top + 4, r.right - r.left + 4, r.bottom - r.top - 6);
        DrawSkinText(dc, ".", wxRect(r.left, r.top, r.right - r.left, r.bottom - r.top),
                     kTextSingleLine | kTextVCenter | kTextCenter);
    }
}

void CGdipIpAddrCtl::FocusField(int k, bool selectAll, bool caretAtEnd) {
    if (k < 0 || k >= kFieldCount) return;
    CIPAddrEdit& field = *fields_[k];
    field.wxTextCtrl::SetFocus();
    if (selectAll)
        field.SelectAll();
    else
        field.SetInsertionPoint(caretAtEnd ? field.GetLastPosition() : 0);
}

void CGdipIpAddrCtl::FieldEdited(CIPAddrEdit& field) {
    if (reporting_) return;
    int value = 0;
    switch (JudgeOctetField(FromWx(field.GetValue()), noFieldCheck_, value)) {
        case OctetFieldState::Open: break;
        case OctetFieldState::Finished: FocusField(field.Index() + 1, true); break;
        case OctetFieldState::OutOfRange: {
            reporting_ = true;
            MessageBox(
                FormatText(
                    Tr(u"%d is not a valid entry.  Please specify a value between 0 and 255 for this field."),
                    {static_cast<long long>(value)}),
                Tr(u"Error"), MessageButtons::Ok, MessageIcon::Exclamation, Handle());
            field.ChangeValue(wxString());
            FocusField(field.Index(), true);
            reporting_ = false;
            break;
        }
    }
}

// Tab leaves the control for its neighbour in the window's tab order (the toolkit's own
// traversal would only step on to the next field).
void CGdipIpAddrCtl::FocusNeighbour(bool forward) {
    wxWindow* parent = GetParent();
    if (parent == nullptr) return;
    std::vector<wxWindow*> order(parent->GetChildren().begin(), parent->GetChildren().end());
    auto self = std::find(order.begin(), order.end(), this);
    if (self == order.end()) return;
    int count = static_cast<int>(order.size());
    int at = static_cast<int>(self - order.begin());
    for (int step = 1; step < count; ++step) {
        wxWindow* next = order[(at + (forward ? step : count - step)) % count];
        if (next->IsTopLevel() || !next->IsShown() || !next->IsEnabled()) continue;
        if (next->CanAcceptFocusFromKeyboard() || dynamic_cast<CGdipIpAddrCtl*>(next) != nullptr) {
            next->SetFocusFromKbd();
            return;
        }
    }
}

int CGdipIpAddrCtl::GetOctets(int kind, std::uint8_t& b1, std::uint8_t& b2, std::uint8_t& b3,
                              std::uint8_t& b4) {
    std::array<std::u16string, kFieldCount> texts;
    for (int k = 0; k < kFieldCount; ++k) texts[k] = FieldText(k);
    OctetTexts views{texts[0], texts[1], texts[2], texts[3]};
    return ::lumora::GetOctets(views, kind, b1, b2, b3, b4, Handle());
}

int CGdipIpAddrCtl::GetOctetsValue(int kind, std::uint32_t& value) {
    std::array<std::u16string, kFieldCount> texts;
    for (int k = 0; k < kFieldCount; ++k) texts[k] = FieldText(k);
    OctetTexts views{texts[0], texts[1], texts[2], texts[3]};
    return ::lumora::GetOctetsValue(views, kind, value, Handle());
}

void CGdipIpAddrCtl::SetOctets(std::uint8_t b1, std::uint8_t b2, std::uint8_t b3, std::uint8_t b4) {
    const std::uint8_t octets[] = {b1, b2, b3, b4};
    for (int k = 0; k < kFieldCount; ++k)
        fields_[k]->ChangeValue(wxString::Format("%u", unsigned{octets[k]}));
}

void CGdipIpAddrCtl::ClearOctets() {
    for (CIPAddrEdit* field : fields_) field->ChangeValue(wxString());
}

bool CGdipIpAddrCtl::IsBlank() const {
    for (const CIPAddrEdit* field : fields_)
        if (!field->IsEmpty()) return false;
    return true;
}

std::u16string CGdipIpAddrCtl::FieldText(int k) const {
    return (k >= 0 && k < kFieldCount) ? FromWx(fields_[k]->GetValue()) : std::u16string();
}

void CGdipIpAddrCtl::EnableFields(bool enable) {
    for (CIPAddrEdit* field : fields_) {
        field->Enable(enable);
        // Our own text colour would hide the toolkit's disabled look.
        field->SetForegroundColour(FromColorRef(enable ? kSkinWindowText : kSkinGrayText));
    }
    wxControl::Enable(enable);
    // The window's own state changed: remember it, or a later Enable would take the
    // control for already in that state and leave it as it is.
    enabled_ = enable;
    Refresh(false);
}

bool CGdipIpAddrCtl::SetFont(const wxFont& font) {
    bool changed = CSkinControl::SetFont(font);
    for (CIPAddrEdit* field : fields_)
        if (field != nullptr) field->SetFont(font);
    return changed;
}

bool CGdipIpAddrCtl::Enable(bool enable) {
    if (enable != enabled_) {
        enabled_ = enable;
        EnableFields(enable);
    }
    Refresh(false);
    return true;
}

}  // namespace lumora
