#pragma once
// The folder list's content: at most 26 tiles, four to a row, and the scroll range they need.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumora {

// A rectangle in content coordinates; right and bottom are exclusive.
struct TileRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool operator==(const TileRect&) const = default;
};

struct FolderTile {
    std::u16string displayName;
    TileRect rect;
};

class FolderGrid {
public:
    static constexpr int kMaxFolders = 26;
    static constexpr int kTileSize = 116;
    static constexpr int kTileStep = 130;
    static constexpr int kFirstRowTop = 37;
    static constexpr int kVisibleHeight = 163;

    // The name as shown under a tile: whole below 14 units, else its first 9 and "....".
    static std::u16string DisplayName(std::u16string_view name);
    // The tile rectangle of folder n (counted from 0).
    static TileRect TileAt(int n);

    // Appends a folder; false (and nothing changes) when 26 are already shown.
    bool Add(std::u16string_view name);
    // Removes every folder (the selection is the control's business).
    void Clear() { tiles_.clear(); }

    const std::vector<FolderTile>& Tiles() const { return tiles_; }
    int Count() const { return static_cast<int>(tiles_.size()); }
    // Bottom of the last tile, 0 when empty.
    int ContentBottom() const { return tiles_.empty() ? 0 : tiles_.back().rect.bottom; }
    // True when the scroll bar is shown (5 or more folders).
    bool NeedsScrollBar() const { return tiles_.size() >= 5; }
    // Upper end of the scroll range: bottom of the last tile minus 163 (0 without a scroll bar).
    int ScrollMaximum() const { return NeedsScrollBar() ? ContentBottom() - kVisibleHeight : 0; }
    // The first folder whose tile holds the content point, if any.
    std::optional<int> HitTest(int x, int y) const;

private:
    std::vector<FolderTile> tiles_;
};

}  // namespace lumora
