#pragma once
// A window of whole rows over a longer list, and the thumb of its scroll bar: what the
// combo box's pop-up list scrolls by, without any window.

#include <utility>

namespace lumora {

class RowScroll {
public:
    static constexpr int kMinThumb = 20;

    // `count` rows of which `visible` fit; the first shown row is kept in range.
    void Reset(int count, int visible);
    int Top() const { return top_; }
    int Count() const { return count_; }
    int Visible() const { return visible_; }
    // Whether some rows are out of sight (the scroll bar is then shown).
    bool CanScroll() const { return count_ > visible_; }
    // The last row that can be the first shown.
    int MaxTop() const { return count_ > visible_ ? count_ - visible_ : 0; }

    // Makes `top` the first row shown, kept in range; true when the view moved.
    bool ScrollTo(int top);
    bool ScrollBy(int rows) { return ScrollTo(top_ + rows); }
    // Scrolls as little as needed to show `row`; true when the view moved.
    bool EnsureVisible(int row);

    // The thumb on a track of `length` pixels: {offset, length}; the whole track when nothing scrolls.
    std::pair<int, int> Thumb(int length) const;
    // The first row shown for a thumb whose top is dragged to `offset` on a track of `length`.
    int TopForThumb(int offset, int length) const;

private:
    int count_ = 0;
    int visible_ = 1;
    int top_ = 0;
};

}  // namespace lumora
