// Skinned text drawing: the prefix rule ("&&" shows "&") wherever the flags call for it.

#include <gtest/gtest.h>

#include <algorithm>

#include <wx/dcmemory.h>

#include "SkinTestSupport.h"
#include "ui/skin/SkinText.h"

namespace lumora::test {
namespace {

wxImage Drawn(const wxString& text, unsigned flags) {
    wxBitmap surface(320, 24, 24);
    wxMemoryDC dc(surface);
    dc.SetBackground(*wxBLACK_BRUSH);
    dc.Clear();
    dc.SetFont(SkinFont(17, 400));
    dc.SetTextForeground(*wxWHITE);
    DrawSkinText(dc, text, wxRect(0, 0, 320, 24), flags);
    dc.SelectObject(wxNullBitmap);
    return surface.ConvertToImage();
}

bool Same(const wxImage& a, const wxImage& b) {
    return std::equal(a.GetData(), a.GetData() + a.GetWidth() * a.GetHeight() * 3, b.GetData());
}

TEST(SkinText, DoubledAmpersandsDrawAsOneUnlessPrefixesAreOff) {
    unsigned cell = kTextSingleLine | kTextVCenter | kTextEndEllipsis;  // the list's cells
    unsigned asWritten = cell | kTextNoPrefix;                          // the header's titles
    EXPECT_TRUE(
        Same(Drawn("Pacific Time (US && Canada)", cell), Drawn("Pacific Time (US & Canada)", asWritten)));
    EXPECT_TRUE(Same(Drawn("&Next", kTextWordBreak), Drawn("Next", kTextWordBreak)));
    EXPECT_FALSE(Same(Drawn("US && Canada", asWritten), Drawn("US & Canada", asWritten)));
    wxBitmap probe(1, 1, 24);
    wxMemoryDC dc(probe);
    dc.SetFont(SkinFont(17, 400));
    EXPECT_EQ(MeasureSkinText(dc, "US && Canada", 300, kTextSingleLine),
              MeasureSkinText(dc, "US & Canada", 300, kTextSingleLine | kTextNoPrefix));
}

}  // namespace
}  // namespace lumora::test
