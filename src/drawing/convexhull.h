#pragma once

#include "drawing/drawing.h"

#include <array>
#include <cstddef>
#include <limits>
#include <vector>

// The corners of the points' convex hull, counter-clockwise from the
// lowest-leftmost; fewer than three points come back as they are (one of
// each). Points strictly inside the polygon of the eight extreme points are
// left out first, which is most of a drawing's points.
std::vector<PathPoint> ConvexHull(std::vector<PathPoint> points);

// The extreme points by least and greatest x, y, x + y and x - y, gathered
// one point at a time: their polygon lies inside the hull, so a point
// strictly inside it is no corner of the hull.
class ExtremePoints {
public:
    void add(PathPoint p) {
        const double keys[8] = {-p.y, p.x - p.y, p.x, p.x + p.y, p.y, p.y - p.x, -p.x, -p.x - p.y};
        for (std::size_t k = 0; k < 8; ++k) {
            if (keys[k] > best_[k])
                best_[k] = keys[k], at_[k] = p;
        }
    }
    // The polygon, counter-clockwise, repeated points dropped.
    std::vector<PathPoint> corners() const;

private:
    std::array<double, 8> best_{-kInf, -kInf, -kInf, -kInf, -kInf, -kInf, -kInf, -kInf};
    std::array<PathPoint, 8> at_{};
    static constexpr double kInf = std::numeric_limits<double>::infinity();
};

// A convex polygon (counter-clockwise, at least three corners) asked, point
// by point, whether a point lies strictly inside it.
class ConvexPolygon {
public:
    explicit ConvexPolygon(const std::vector<PathPoint>& corners);
    bool strictlyInside(PathPoint p) const {
        for (const Edge& e : edges_) {
            if (e.a * p.x + e.b * p.y <= e.c)
                return false;
        }
        return !edges_.empty();
    }

private:
    struct Edge {
        double a, b, c; // inside: a * x + b * y > c
    };
    std::vector<Edge> edges_;
};
