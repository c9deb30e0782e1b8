#pragma once
// Labels drawn over the parent's background: text (CTransStatic) and picture (CGdipIconStatic).

#include <cstdint>
#include <string_view>

#include "ui/skin/GdiPlusBitmap.h"
#include "ui/skin/SkinControl.h"
#include "ui/skin/SkinText.h"

namespace lumora {

class CTransStatic : public CSkinControl {
public:
    CTransStatic(wxWindow* parent, wxWindowID id, const wxString& text = wxString(),
                 const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize);

    // Sets the text and repaints.
    void SetText(std::u16string_view text);
    void SetText(const wxString& text);
    wxString GetText() const { return GetLabel(); }
    // Layout flags (kText*); default word-wrapped.
    void SetTextFormat(unsigned flags);
    // Font height in pixels and weight (600 and above bold) of the text.
    void SetFontHeight(int height);
    void SetFontWeight(int weight);
    // Colour as COLORREF (0x00BBGGRR); default white.
    void SetTextColour(std::uint32_t colour);
    bool AcceptsFocus() const override { return false; }

private:
    void Paint(wxDC& dc, const wxRect& client) override;

    unsigned format_ = kTextEditControl | kTextWordBreak;
    int fontHeight_ = 17;
    int fontWeight_ = 100;
    std::uint32_t colour_ = 0xFFFFFF;
};

class CGdipIconStatic : public CSkinControl {
public:
    CGdipIconStatic(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
                    const wxSize& size = wxDefaultSize);
    // Loads PNG `id` and shows it scaled to the label; false when it did not load.
    bool SetImage(int id);
    bool AcceptsFocus() const override { return false; }

private:
    void Paint(wxDC& dc, const wxRect& client) override;
    CGdiPlusBitmapResource image_;
};

}  // namespace lumora
