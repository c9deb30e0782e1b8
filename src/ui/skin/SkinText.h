#pragma once
// Fonts, colours and text layout the skinned controls share.

#include <cstdint>

#include <wx/dc.h>
#include <wx/font.h>
#include <wx/gdicmn.h>

namespace lumora {

// A colour given as COLORREF (0x00BBGGRR), the form every skin colour is written in.
wxColour FromColorRef(std::uint32_t colorRef);

// The skin's own values for the few system colours its controls name. Skinned controls
// never take a colour from the desktop theme: under a dark theme its window colour is
// dark while the skin's text on that window stays dark too.
inline constexpr std::uint32_t kSkinWindow = 0xFFFFFF;         // pop-up list and field backgrounds
inline constexpr std::uint32_t kSkinWindowText = 0x000000;     // text on those
inline constexpr std::uint32_t kSkinGrayText = 0x6D6D6D;       // disabled text on those
inline constexpr std::uint32_t kSkinHighlight = 0xD77800;      // a chosen entry (blue)
inline constexpr std::uint32_t kSkinHighlightText = 0xFFFFFF;  // text on a chosen entry

// The skin's face at a cell height in pixels; weights of 600 and above are bold.
// Decker when the system has it, else DejaVu Sans stands in.
wxFont SkinFont(int height, int weight);

// Text layout flags, with the values the controls were designed with.
enum TextFlags : unsigned {
    kTextLeft = 0x0,
    kTextCenter = 0x1,
    kTextRight = 0x2,
    kTextVCenter = 0x4,
    kTextBottom = 0x8,
    kTextWordBreak = 0x10,
    kTextSingleLine = 0x20,
    kTextNoPrefix = 0x800,  // without it, "&&" shows "&" and a single "&" is left out
    kTextEditControl = 0x2000,
    kTextEndEllipsis = 0x8000,
};

// Draws text into `rect` with the current font and colour of `dc`; returns the height used.
// Without kTextSingleLine, kTextWordBreak wraps at spaces; line breaks always break.
// Unless kTextNoPrefix is given, the prefix rule applies (ui/skin/core/TextPrefix.h).
int DrawSkinText(wxDC& dc, const wxString& text, const wxRect& rect, unsigned flags);
// The size the text takes under the same rules (for measuring before drawing).
wxSize MeasureSkinText(wxDC& dc, const wxString& text, int width, unsigned flags);

}  // namespace lumora
