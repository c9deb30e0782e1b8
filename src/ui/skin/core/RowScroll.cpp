#include "ui/skin/core/RowScroll.h"

#include <algorithm>
#include <cmath>

namespace lumora {

void RowScroll::Reset(int count, int visible) {
    count_ = std::max(count, 0);
    visible_ = std::max(visible, 1);
    top_ = std::clamp(top_, 0, MaxTop());
}

bool RowScroll::ScrollTo(int top) {
    int next = std::clamp(top, 0, MaxTop());
    if (next == top_) return false;
    top_ = next;
    return true;
}

bool RowScroll::EnsureVisible(int row) {
    if (row < 0 || row >= count_) return false;
    if (row < top_) return ScrollTo(row);
    if (row >= top_ + visible_) return ScrollTo(row - visible_ + 1);
    return false;
}

std::pair<int, int> RowScroll::Thumb(int length) const {
    if (!CanScroll() || length <= 0) return {0, std::max(length, 0)};
    int thumb =
        std::clamp(static_cast<int>(static_cast<long long>(length) * visible_ / count_), kMinThumb, length);
    int travel = length - thumb;
    int offset = static_cast<int>(std::lround(static_cast<double>(travel) * top_ / MaxTop()));
    return {offset, thumb};
}

int RowScroll::TopForThumb(int offset, int length) const {
    int travel = length - Thumb(length).second;
    if (!CanScroll() || travel <= 0) return top_;
    double share = std::clamp(static_cast<double>(offset) / travel, 0.0, 1.0);
    return static_cast<int>(std::lround(share * MaxTop()));
}

}  // namespace lumora
