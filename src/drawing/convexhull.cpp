#include "drawing/convexhull.h"

#include <algorithm>

namespace {

double cross(const PathPoint& o, const PathPoint& a, const PathPoint& b) {
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

} // namespace

std::vector<PathPoint> ExtremePoints::corners() const {
    std::vector<PathPoint> corners;
    for (const PathPoint& p : at_) {
        if (corners.empty() || !(corners.back() == p))
            corners.push_back(p);
    }
    if (corners.size() > 1 && corners.front() == corners.back())
        corners.pop_back();
    return corners;
}

ConvexPolygon::ConvexPolygon(const std::vector<PathPoint>& corners) {
    if (corners.size() < 3)
        return;
    // cross(o, d, p) > 0 written as a line: the point lies left of o -> d.
    for (size_t i = 0; i < corners.size(); ++i) {
        const PathPoint o = corners[i], d = corners[(i + 1) % corners.size()];
        const double a = -(d.y - o.y), b = d.x - o.x;
        edges_.push_back({a, b, a * o.x + b * o.y});
    }
}

std::vector<PathPoint> ConvexHull(std::vector<PathPoint> points) {
    if (points.empty())
        return points;
    ExtremePoints extremes;
    for (const PathPoint& p : points)
        extremes.add(p);
    const ConvexPolygon inner(extremes.corners());
    std::erase_if(points, [&inner](const PathPoint& p) { return inner.strictlyInside(p); });
    std::sort(points.begin(), points.end(), [](const PathPoint& a, const PathPoint& b) {
        return a.x < b.x || (a.x == b.x && a.y < b.y);
    });
    points.erase(std::unique(points.begin(), points.end()), points.end());
    if (points.size() < 3)
        return points;
    std::vector<PathPoint> hull(2 * points.size());
    size_t k = 0;
    for (const PathPoint& p : points) {
        while (k >= 2 && cross(hull[k - 2], hull[k - 1], p) <= 0)
            --k;
        hull[k++] = p;
    }
    for (size_t i = points.size() - 1, lower = k + 1; i-- > 0;) {
        while (k >= lower && cross(hull[k - 2], hull[k - 1], points[i]) <= 0)
            --k;
        hull[k++] = points[i];
    }
    hull.resize(k - 1);
    return hull;
}
