#include "ui/skin/core/FolderGrid.h"

namespace lumora {

std::u16string FolderGrid::DisplayName(std::u16string_view name) {
    if (name.size() < 14) return std::u16string(name);
    std::size_t keep = 9;
    // Never leave half of a surrogate pair before the dots.
    if (name[keep - 1] >= 0xD800 && name[keep - 1] < 0xDC00) --keep;
    return std::u16string(name.substr(0, keep)) + u"....";
}

TileRect FolderGrid::TileAt(int n) {
    TileRect r;
    r.left = (n % 4) * kTileStep;
    r.right = r.left + kTileSize;
    r.top = (n / 4) * kTileStep + kFirstRowTop;
    r.bottom = r.top + kTileSize;
    return r;
}

bool FolderGrid::Add(std::u16string_view name) {
    if (Count() >= kMaxFolders) return false;
    tiles_.push_back({DisplayName(name), TileAt(Count())});
    return true;
}

std::optional<int> FolderGrid::HitTest(int x, int y) const {
    for (int i = 0; i < Count(); ++i)
        if (tiles_[i].rect.Contains(x, y)) return i;
    return std::nullopt;
}

}  // namespace lumora
