#include "ui/skin/SkinText.h"

#include <vector>

#include <wx/fontenum.h>
#include <wx/tokenzr.h>

#include "ui/skin/core/TextPrefix.h"

namespace lumora {

wxColour FromColorRef(std::uint32_t c) { return wxColour(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

wxFont SkinFont(int height, int weight) {
    // The artwork was drawn for Decker; where it is installed, the text uses it.
    static const wxString face = wxFontEnumerator::IsValidFacename("Decker") ? "Decker" : "DejaVu Sans";
    wxFont font(wxFontInfo(wxSize(0, height > 0 ? height : 1)).FaceName(face));
    font.SetWeight(weight >= 600 ? wxFONTWEIGHT_BOLD : wxFONTWEIGHT_NORMAL);
    return font;
}

namespace {

wxString shownText(const wxString& text, unsigned flags) {
    if ((flags & kTextNoPrefix) || !text.Contains("&")) return text;
    return wxString(ApplyPrefixRule(std::wstring_view(text.wc_str(), text.length())));
}

std::vector<wxString> wrapLines(wxDC& dc, const wxString& raw, int width, unsigned flags) {
    std::vector<wxString> lines;
    wxString text = shownText(raw, flags);
    if (flags & kTextSingleLine) {
        wxString one = text;
        one.Replace("\n", " ");
        lines.push_back(one);
        return lines;
    }
    wxStringTokenizer paragraphs(text, "\n", wxTOKEN_RET_EMPTY_ALL);
    while (paragraphs.HasMoreTokens()) {
        wxString paragraph = paragraphs.GetNextToken();
        if (!(flags & kTextWordBreak)) {
            lines.push_back(paragraph);
            continue;
        }
        wxString line;
        wxStringTokenizer words(paragraph, " ", wxTOKEN_RET_EMPTY_ALL);
        while (words.HasMoreTokens()) {
            wxString word = words.GetNextToken();
            wxString candidate = line.empty() ? word : line + " " + word;
            if (!line.empty() && dc.GetTextExtent(candidate).x > width) {
                lines.push_back(line);
                line = word;
            } else {
                line = candidate;
            }
        }
        lines.push_back(line);
    }
    return lines;
}

wxString ellipsize(wxDC& dc, const wxString& line, int width) {
    if (dc.GetTextExtent(line).x <= width) return line;
    wxString cut = line;
    while (!cut.empty() && dc.GetTextExtent(cut + "...").x > width) cut.RemoveLast();
    return cut + "...";
}

}  // namespace

wxSize MeasureSkinText(wxDC& dc, const wxString& text, int width, unsigned flags) {
    wxSize size(0, 0);
    for (const wxString& line : wrapLines(dc, text, width, flags)) {
        wxSize extent = dc.GetTextExtent(line.empty() ? wxString(" ") : line);
        size.x = std::max(size.x, line.empty() ? 0 : extent.x);
        size.y += extent.y;
    }
    return size;
}

int DrawSkinText(wxDC& dc, const wxString& text, const wxRect& rect, unsigned flags) {
    std::vector<wxString> lines = wrapLines(dc, text, rect.width, flags);
    int lineHeight = dc.GetCharHeight();
    int total = lineHeight * static_cast<int>(lines.size());
    int y = rect.y;
    if (flags & kTextSingleLine) {
        if (flags & kTextVCenter)
            y = rect.y + (rect.height - total) / 2;
        else if (flags & kTextBottom)
            y = rect.GetBottom() + 1 - total;
    }
    wxDCClipper clip(dc, rect);
    for (wxString line : lines) {
        if (flags & kTextEndEllipsis) line = ellipsize(dc, line, rect.width);
        int width = dc.GetTextExtent(line).x;
        int x = rect.x;
        if (flags & kTextCenter)
            x = rect.x + (rect.width - width) / 2;
        else if (flags & kTextRight)
            x = rect.GetRight() + 1 - width;
        dc.DrawText(line, x, y);
        y += lineHeight;
    }
    return total;
}

}  // namespace lumora
