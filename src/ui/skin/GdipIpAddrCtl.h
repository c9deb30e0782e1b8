#pragma once
// The four-field IPv4 address control: a framed field with dots, the caret moving on
// from field to field, each finished field checked against 0-255, and the address read
// and judged by kind (ui/skin/core/AddressCheck.h) with the message of each failure.
//
// The control is one stop of the window's tab order: Tab and Shift+Tab from outside both
// land on the first field with its text selected (the toolkit's own traversal would enter
// at the fourth field going backwards); a click still focuses the field clicked.

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include <wx/textctrl.h>

#include "ui/skin/GdiPlusBitmap.h"
#include "ui/skin/SkinControl.h"
#include "ui/skin/core/OctetEntry.h"

namespace lumora {

class CGdipIpAddrCtl;

// One octet field: at most 3 characters in the control's font, keys handled by the control.
class CIPAddrEdit : public wxTextCtrl {
public:
    CIPAddrEdit(CGdipIpAddrCtl& owner, int index);
    int Index() const { return index_; }

private:
    void OnChar(wxKeyEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void OnText(wxCommandEvent& event);
    void OnSetFocus(wxFocusEvent& event);

    CGdipIpAddrCtl& owner_;
    int index_;
};

class CGdipIpAddrCtl : public CSkinControl {
public:
    static constexpr int kFieldCount = 4;

    // `noFieldCheck`: a third digit does not trigger the 0-255 check (no window sets it).
    CGdipIpAddrCtl(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
                   const wxSize& size = wxSize(188, 28), bool noFieldCheck = false);

    // Reads and checks the fields by kind (CheckNone..CheckDns); 4 on success, see AddressCheck.h.
    int GetOctets(int kind, std::uint8_t& b1, std::uint8_t& b2, std::uint8_t& b3, std::uint8_t& b4);
    // As GetOctets, with the address as one value, first octet in the top byte.
    int GetOctetsValue(int kind, std::uint32_t& value);
    // Writes the four octets as decimal numbers.
    void SetOctets(std::uint8_t b1, std::uint8_t b2, std::uint8_t b3, std::uint8_t b4);
    // Empties all four fields.
    void ClearOctets();
    // True when all four fields are empty.
    bool IsBlank() const;
    // Enables or disables the four fields and the control.
    virtual void EnableFields(bool enable);
    bool Enable(bool enable = true) override;
    // The font goes on to the four fields.
    bool SetFont(const wxFont& font) override;

    // The text of field k (0-3); empty for any other k.
    std::u16string FieldText(int k) const;
    // Field k (0-3), clamped into range.
    CIPAddrEdit& Field(int k) { return *fields_[std::clamp(k, 0, kFieldCount - 1)]; }
    // Focuses field k; `selectAll` selects its text, else the caret goes to `caretAtEnd`'s side.
    void FocusField(int k, bool selectAll, bool caretAtEnd = false);
    // Gives the focus to the first field with its text selected.
    void SetFocus() override { FocusField(0, true); }
    bool AcceptsFocus() const override { return false; }

private:
    friend class CIPAddrEdit;
    void Paint(wxDC& dc, const wxRect& client) override;
    bool PaintsOwnBackground() const override { return true; }
    void OnSize(wxSizeEvent& event);
    void FieldEdited(CIPAddrEdit& field);
    void FocusNeighbour(bool forward);

    CGdiPlusBitmapResource frame_;
    std::array<CIPAddrEdit*, kFieldCount> fields_{};  // child windows, destroyed by wx
    OctetLayout layout_;
    bool enabled_ = true;
    bool noFieldCheck_;
    bool reporting_ = false;
};

}  // namespace lumora
