#pragma once
// The off-screen surface every skinned window draws into before its one copy to the screen.

#include <wx/bitmap.h>
#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/window.h>

namespace lumora {

// Everything drawn into the object until its destruction lands off-screen, in the same
// coordinates as on the target; the destructor copies the rectangle to the target.
class CMyMemDC : public wxMemoryDC {
public:
    // `rect` in the target's logical coordinates; an empty rect means the target's whole size.
    CMyMemDC(wxDC& target, const wxRect& rect = wxRect());
    ~CMyMemDC() override;
    CMyMemDC(const CMyMemDC&) = delete;
    CMyMemDC& operator=(const CMyMemDC&) = delete;

    const wxRect& Rect() const { return rect_; }
    // Keeps the drawing off-screen: the destructor then copies nothing (for caches).
    void Keep() { copyBack_ = false; }
    // The surface's pixels so far.
    wxBitmap Snapshot();

private:
    wxDC& target_;
    wxRect rect_;
    wxBitmap bitmap_;
    bool copyBack_ = true;
};

// The paint prologue of every skinned window: from a wxEVT_PAINT handler, runs
// `draw(dc, client)` on an off-screen surface over the whole client area, then copies
// the surface to the screen in one piece.
template <class Draw>
void PaintOffScreen(wxWindow& window, Draw&& draw) {
    wxPaintDC paint(&window);
    wxRect client(wxPoint(0, 0), window.GetClientSize());
    CMyMemDC dc(paint, client);
    draw(static_cast<wxDC&>(dc), client);
}

}  // namespace lumora
