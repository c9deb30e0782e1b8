#pragma once
// Outlines of the borderless windows: rounded rectangles as polygons.

#include <vector>

namespace lumora {

struct ShapePoint {
    int x = 0, y = 0;
    bool operator==(const ShapePoint&) const = default;
};

// A w x h rectangle whose corners are cut round with `radius`, as a closed polygon
// (clockwise from the top edge); a radius of 0 gives the four corners.
std::vector<ShapePoint> RoundedRectOutline(int width, int height, int radius);

}  // namespace lumora
