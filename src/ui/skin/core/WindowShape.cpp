#include "ui/skin/core/WindowShape.h"

#include <algorithm>
#include <cmath>

namespace lumora {

std::vector<ShapePoint> RoundedRectOutline(int width, int height, int radius) {
    radius = std::clamp(radius, 0, std::min(width, height) / 2);
    if (radius == 0) return {{0, 0}, {width, 0}, {width, height}, {0, height}};
    std::vector<ShapePoint> points;
    constexpr int kSteps = 8;  // per quarter circle: smooth enough at the radii we use
    struct Corner {
        double cx, cy, startAngle;
    };
    const double pi = std::acos(-1.0);
    const Corner corners[4] = {{static_cast<double>(width - radius), static_cast<double>(radius), -pi / 2},
                               {static_cast<double>(width - radius), static_cast<double>(height - radius), 0},
                               {static_cast<double>(radius), static_cast<double>(height - radius), pi / 2},
                               {static_cast<double>(radius), static_cast<double>(radius), pi}};
    for (const Corner& c : corners) {
        for (int i = 0; i <= kSteps; ++i) {
            double a = c.startAngle + (pi / 2) * i / kSteps;
            points.push_back({static_cast<int>(std::lround(c.cx + radius * std::cos(a))),
                              static_cast<int>(std::lround(c.cy + radius * std::sin(a)))});
        }
    }
    return points;
}

}  // namespace lumora
