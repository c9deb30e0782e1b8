#pragma once
// The combo box's pop-up list: one row per entry, the row under the mouse highlighted,
// and, when the entries do not all fit, a scroll bar in the skin's look with wheel,
// drag and page scrolling. It opens below the box, or above when there is more room
// there, and never reaches past the screen.

#include <wx/popupwin.h>

#include "ui/skin/FillBar.h"
#include "ui/skin/core/RowScroll.h"

namespace lumora {

class CGdipComboBox;

class ComboPopup : public wxPopupTransientWindow {
public:
    static constexpr int kScrollBarWidth = 13;
    static constexpr int kWheelRows = 3;

    explicit ComboPopup(CGdipComboBox& owner);

    // Opens at `width` and at most `height` (cut to the screen), showing the selection.
    void Open(int width, int height);
    // The highlighted row (-1 for none).
    int Highlighted() const { return highlighted_; }
    // Highlights `row` (kept in range) and scrolls it into view.
    void Highlight(int row);
    // Scrolls so that `top` is the first row shown (kept in range).
    void ScrollTo(int top);
    const RowScroll& Scroll() const { return scroll_; }
    // Width of the rows (the scroll bar, when shown, lies right of them).
    int RowsWidth() const;

private:
    void OnPaint(wxPaintEvent& event);
    void Paint(wxDC& dc, const wxSize& size) const;
    void OnMotion(wxMouseEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnWheel(wxMouseEvent& event);
    void OnDismiss() override;
    void DrawScrollBar(wxDC& dc) const;
    int RowAt(const wxPoint& point) const;
    bool OnScrollBar(const wxPoint& point) const;

    CGdipComboBox& owner_;
    RowScroll scroll_;
    BarImages bar_;
    int highlighted_ = -1;
    bool dragging_ = false;
    int grab_ = 0;  // where on the thumb the drag took hold
};

}  // namespace lumora
