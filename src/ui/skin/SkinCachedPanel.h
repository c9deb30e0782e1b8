#pragma once
// A container with a look of its own over its parent's background (the information
// panel's whitened pane): the parent's background and whatever PaintCache draws over it
// are composed once into a cache, the panel paints from the cache, and its children's
// background requests are answered from the cache too, so they draw on the pane and not
// on the window behind it.

#include <cstdint>

#include <wx/dcmemory.h>

#include "ui/skin/SkinPanel.h"

namespace lumora {

class CSkinCachedPanel : public CSkinPanel {
public:
    CSkinCachedPanel(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size);

    // Composes the cache again at the next paint or request (after the parent's
    // background or the panel's own look changed); the panel and its children repaint.
    void InvalidateCache();
    // The composed cache (built first when missing).
    const wxBitmap& Cache();

    // Answers the children's background requests from the cache.
    LRESULT OnMessage(unsigned message, WPARAM wParam, LPARAM lParam) override;

protected:
    // Draws the panel's own look over the parent's background, once, into the cache.
    virtual void PaintCache(wxMemoryDC& dc) {}
    // Lays `colour` (COLORREF) over `rect` of `dc` at `alpha` (0-255).
    static void BlendOver(wxMemoryDC& dc, const wxRect& rect, std::uint32_t colour, int alpha);

    void PaintBackground(wxDC& dc) override;

private:
    wxBitmap cache_;
};

}  // namespace lumora
