#pragma once
// Shapes known exactly, as curves over t in [0, 1], and the distance from an
// SVG import's lines to them: what the SVG suites compare against.

#include "svg/svgimport.h"

#include <QByteArray>
#include <QMetaType>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

namespace svgtest {

using Curve = std::function<PathPoint(double)>; // t in [0, 1]
using Shape = std::vector<Curve>;

inline QByteArray document(const QByteArray& body,
                           const QByteArray& root = "width=\"100mm\" height=\"100mm\" "
                                                    "viewBox=\"0 0 100 100\"") {
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" "
           "xmlns:xlink=\"http://www.w3.org/1999/xlink\" " +
           root + ">" + body + "</svg>";
}

// Program coordinates of an SVG point on the 100 mm page: Y up.
inline PathPoint up(double x, double y) {
    return {x, 100 - y};
}

inline Curve segment(PathPoint a, PathPoint b) {
    return [=](double t) { return PathPoint{a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)}; };
}
inline Curve polyline(std::vector<PathPoint> points) {
    return [=](double t) {
        const double at = t * double(points.size() - 1);
        const size_t i = std::min(size_t(at), points.size() - 2);
        return segment(points[i], points[i + 1])(at - double(i));
    };
}
inline Curve ellipse(PathPoint c, double rx, double ry, double from = 0, double sweep = 360) {
    return [=](double t) {
        const double a = (from + t * sweep) * std::numbers::pi / 180;
        return PathPoint{c.x + rx * std::cos(a), c.y + ry * std::sin(a)};
    };
}
inline Curve cubic(PathPoint p0, PathPoint p1, PathPoint p2, PathPoint p3) {
    return [=](double t) {
        const double u = 1 - t;
        return PathPoint{
            u * u * u * p0.x + 3 * u * u * t * p1.x + 3 * u * t * t * p2.x + t * t * t * p3.x,
            u * u * u * p0.y + 3 * u * u * t * p1.y + 3 * u * t * t * p2.y + t * t * t * p3.y};
    };
}
inline Curve quadratic(PathPoint p0, PathPoint p1, PathPoint p2) {
    return cubic(p0, {p0.x + 2 * (p1.x - p0.x) / 3, p0.y + 2 * (p1.y - p0.y) / 3},
                 {p2.x + 2 * (p1.x - p2.x) / 3, p2.y + 2 * (p1.y - p2.y) / 3}, p2);
}

inline double segmentDistance(PathPoint p, PathPoint a, PathPoint b) {
    const double dx = b.x - a.x, dy = b.y - a.y, len2 = dx * dx + dy * dy;
    const double t =
        len2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / len2, 0.0, 1.0) : 0.0;
    return std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy);
}

inline double distanceToLines(PathPoint p, const std::vector<SvgLine>& lines) {
    double best = INFINITY;
    for (const SvgLine& line : lines) {
        for (size_t i = 0; i + 1 < line.points.size(); ++i)
            best = std::min(best, segmentDistance(p, line.points[i], line.points[i + 1]));
    }
    return best;
}

// The two-way distance between the lines and the shape sampled densely:
// every point of the shape near a line, every point of the lines on the shape.
inline double hausdorff(const std::vector<SvgLine>& lines, const Shape& shape) {
    constexpr int kSamples = 400;
    std::vector<SvgLine> sampled;
    double worst = 0;
    for (const Curve& curve : shape) {
        SvgLine line;
        for (int i = 0; i <= kSamples; ++i) {
            line.points.push_back(curve(double(i) / kSamples));
            worst = std::max(worst, distanceToLines(line.points.back(), lines));
        }
        sampled.push_back(std::move(line));
    }
    for (const SvgLine& line : lines) {
        for (const PathPoint& p : line.points)
            worst = std::max(worst, distanceToLines(p, sampled));
    }
    return worst;
}

} // namespace svgtest

Q_DECLARE_METATYPE(svgtest::Shape)
