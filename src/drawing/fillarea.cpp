#include "drawing/fillarea.h"

#include <cstddef>

bool FillContains(const FillArea& area, PathPoint p) {
    int winding = 0, crossings = 0;
    for (const Ring& ring : area.rings) {
        for (std::size_t i = 0, n = ring.size(); i < n; ++i) {
            const PathPoint a = ring[i], b = ring[(i + 1) % n];
            if ((a.y <= p.y) == (b.y <= p.y))
                continue;
            const double x = a.x + (b.x - a.x) * (p.y - a.y) / (b.y - a.y);
            if (x > p.x) {
                ++crossings;
                winding += b.y > a.y ? 1 : -1;
            }
        }
    }
    return area.rule == FillRule::EvenOdd ? crossings % 2 == 1 : winding != 0;
}
