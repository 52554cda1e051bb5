#include "svg/svgstrokes.h"

#include "drawing/areaclip.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr int kMostCurvePieces = 4096;

// A cubic curve flattened into points after its start, no farther than
// `tolerance` from it: n pieces deviate at most max|B''| / (8 n^2).
void flattenCubic(SvgPolyline& out, QPointF p0, QPointF p1, QPointF p2, QPointF p3,
                  double tolerance) {
    const QPointF d1 = p0 - 2 * p1 + p2, d2 = p1 - 2 * p2 + p3;
    const double bend = 6 * std::max(std::hypot(d1.x(), d1.y()), std::hypot(d2.x(), d2.y()));
    const int n =
        std::clamp(int(std::ceil(std::sqrt(bend / (8 * tolerance)))), 1, kMostCurvePieces);
    for (int i = 1; i <= n; ++i) {
        const double t = double(i) / n, u = 1 - t;
        const QPointF p = u * u * u * p0 + 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t * p3;
        out.push_back({p.x(), p.y()});
    }
}

QRectF boundsOf(const SvgPolyline& line) {
    double minX = INFINITY, minY = INFINITY, maxX = -INFINITY, maxY = -INFINITY;
    for (const PathPoint& p : line) {
        minX = std::min(minX, p.x), maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
    }
    return line.empty() ? QRectF() : QRectF(QPointF(minX, minY), QPointF(maxX, maxY));
}

bool within(const QRectF& outer, const QRectF& inner) {
    return inner.left() >= outer.left() && inner.right() <= outer.right() &&
           inner.top() >= outer.top() && inner.bottom() <= outer.bottom();
}

// Winding number, or crossings counted for the even-odd rule.
int windings(const std::vector<SvgPolyline>& polygons, PathPoint p, bool evenOdd) {
    int winding = 0;
    for (const SvgPolyline& polygon : polygons) {
        const size_t n = polygon.size();
        for (size_t i = 0; i < n; ++i) {
            const PathPoint& a = polygon[i];
            const PathPoint& b = polygon[(i + 1) % n];
            if ((a.y <= p.y) == (b.y <= p.y))
                continue;
            const double x = a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y);
            if (x > p.x)
                winding += evenOdd ? 1 : (b.y > a.y ? 1 : -1);
        }
    }
    return winding;
}

} // namespace

std::vector<SvgSubpath> FlattenSvgPath(const QPainterPath& path, const std::vector<bool>& closed,
                                       const QTransform& toMm, double tolerance) {
    std::vector<SvgSubpath> out;
    size_t subpath = 0;
    const int count = path.elementCount();
    for (int i = 0; i < count; ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        const QPointF p = toMm.map(QPointF(e.x, e.y));
        if (e.type == QPainterPath::MoveToElement || out.empty()) {
            SvgSubpath next;
            next.closed = subpath < closed.size() && closed[subpath];
            ++subpath;
            next.points.push_back({p.x(), p.y()});
            out.push_back(std::move(next));
        } else if (e.type == QPainterPath::LineToElement) {
            out.back().points.push_back({p.x(), p.y()});
        } else if (e.type == QPainterPath::CurveToElement && i + 2 < count) {
            const QPointF c2 = toMm.map(QPointF(path.elementAt(i + 1).x, path.elementAt(i + 1).y));
            const QPointF end = toMm.map(QPointF(path.elementAt(i + 2).x, path.elementAt(i + 2).y));
            const PathPoint from = out.back().points.back();
            flattenCubic(out.back().points, QPointF(from.x, from.y), p, c2, end, tolerance);
            i += 2;
        }
    }
    return out;
}

std::vector<SvgPolyline> DashSvgSubpaths(const std::vector<SvgSubpath>& subpaths,
                                         const std::vector<double>& pattern, double offset) {
    std::vector<SvgPolyline> out;
    double period = 0;
    for (double d : pattern)
        period += d;
    if (!(period > 0) || !std::isfinite(period))
        return out;
    for (const SvgSubpath& subpath : subpaths) {
        SvgPolyline points = subpath.points;
        if (subpath.closed && points.size() > 1 && !(points.front() == points.back()))
            points.push_back(points.front());
        // Where in the pattern the subpath starts: each starts afresh.
        double into = std::fmod(offset, period);
        if (into < 0)
            into += period;
        size_t dash = 0;
        while (into >= pattern[dash])
            into -= pattern[dash], dash = (dash + 1) % pattern.size();
        double left = pattern[dash] - into; // of the current dash or gap
        SvgPolyline current;
        if (dash % 2 == 0 && !points.empty())
            current.push_back(points.front());
        for (size_t i = 1; i < points.size(); ++i) {
            const PathPoint a = points[i - 1], b = points[i];
            double length = std::hypot(b.x - a.x, b.y - a.y), done = 0;
            while (length - done > left) {
                done += left;
                const double t = done / length;
                const PathPoint at{a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
                if (dash % 2 == 0) {
                    current.push_back(at);
                    out.push_back(std::move(current));
                    current.clear();
                } else {
                    current = {at};
                }
                dash = (dash + 1) % pattern.size();
                left = pattern[dash];
            }
            left -= length - done;
            if (dash % 2 == 0)
                current.push_back(b);
        }
        if (current.size() > 1)
            out.push_back(std::move(current));
    }
    return out;
}

SvgClipShape::SvgClipShape(const SvgClip& clip, const QTransform& toMm, double tolerance) {
    for (const SvgClip* link = &clip; link; link = link->within.get()) {
        Region region;
        for (const SvgClipArea& area : link->areas) {
            Area flat;
            flat.rule = area.rule;
            for (SvgSubpath& subpath : FlattenSvgPath(area.path, {}, toMm, tolerance)) {
                if (subpath.points.size() > 2)
                    flat.polygons.push_back(std::move(subpath.points));
            }
            for (const SvgPolyline& polygon : flat.polygons)
                flat.bounds = flat.bounds.isNull() ? boundsOf(polygon)
                                                   : flat.bounds.united(boundsOf(polygon));
            region.bounds =
                region.bounds.isNull() ? flat.bounds : region.bounds.united(flat.bounds);
            region.areas.push_back(std::move(flat));
        }
        // An axis-aligned rectangle: the common viewport clip, tested by its bounds.
        if (region.areas.size() == 1 && region.areas[0].polygons.size() == 1) {
            const SvgPolyline& p = region.areas[0].polygons[0];
            const QRectF& b = region.bounds;
            region.rectangle = p.size() >= 4 && p.size() <= 5 &&
                               std::all_of(p.begin(), p.end(), [&](const PathPoint& q) {
                                   return (q.x == b.left() || q.x == b.right()) &&
                                          (q.y == b.top() || q.y == b.bottom());
                               });
        }
        regions_.push_back(std::move(region));
    }
}

FillArea SvgClipShape::area() const {
    std::optional<FillArea> inside;
    for (const Region& region : regions_) {
        std::vector<FillArea> areas;
        for (const Area& area : region.areas)
            areas.push_back({area.polygons,
                             area.rule == Qt::OddEvenFill ? FillRule::EvenOdd : FillRule::NonZero});
        FillArea united = UniteAreas(areas);
        inside = inside ? IntersectAreas(*inside, united) : std::move(united);
    }
    return inside.value_or(FillArea{});
}

bool SvgClipShape::inside(const Region& region, PathPoint p) const {
    if (p.x < region.bounds.left() || p.x > region.bounds.right() || p.y < region.bounds.top() ||
        p.y > region.bounds.bottom())
        return false;
    if (region.rectangle)
        return true;
    for (const Area& area : region.areas) {
        const bool evenOdd = area.rule == Qt::OddEvenFill;
        const int w = windings(area.polygons, p, evenOdd);
        if (evenOdd ? (w % 2 != 0) : (w != 0))
            return true;
    }
    return false;
}

bool SvgClipShape::contains(PathPoint p) const {
    return std::all_of(regions_.begin(), regions_.end(),
                       [&](const Region& r) { return inside(r, p); });
}

// Where the segment a-b crosses an edge of any region, as fractions of it.
void SvgClipShape::crossings(PathPoint a, PathPoint b, std::vector<double>& at) const {
    const QRectF span = boundsOf({a, b});
    for (const Region& region : regions_) {
        for (const Area& area : region.areas) {
            if (!area.bounds.intersects(span.adjusted(-1e-9, -1e-9, 1e-9, 1e-9)))
                continue;
            for (const SvgPolyline& polygon : area.polygons) {
                const size_t n = polygon.size();
                for (size_t i = 0; i < n; ++i) {
                    const PathPoint c = polygon[i], d = polygon[(i + 1) % n];
                    const double rx = b.x - a.x, ry = b.y - a.y, sx = d.x - c.x, sy = d.y - c.y;
                    const double denominator = rx * sy - ry * sx;
                    if (denominator == 0)
                        continue;
                    const double t = ((c.x - a.x) * sy - (c.y - a.y) * sx) / denominator;
                    const double u = ((c.x - a.x) * ry - (c.y - a.y) * rx) / denominator;
                    if (t > 0 && t < 1 && u >= 0 && u <= 1)
                        at.push_back(t);
                }
            }
        }
    }
}

void SvgClipShape::clip(const SvgPolyline& line, std::vector<SvgPolyline>& out) const {
    const QRectF bounds = boundsOf(line);
    if (std::all_of(regions_.begin(), regions_.end(),
                    [&](const Region& r) { return r.rectangle && within(r.bounds, bounds); })) {
        out.push_back(line);
        return;
    }
    const size_t first = out.size();
    SvgPolyline current;
    std::vector<double> at;
    for (size_t i = 1; i < line.size(); ++i) {
        const PathPoint a = line[i - 1], b = line[i];
        at.assign({0.0, 1.0});
        crossings(a, b, at);
        std::sort(at.begin(), at.end());
        for (size_t k = 1; k < at.size(); ++k) {
            if (at[k] - at[k - 1] <= 1e-12)
                continue;
            const double m = (at[k] + at[k - 1]) / 2;
            const auto point = [&](double t) {
                return PathPoint{a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
            };
            if (contains(point(m))) {
                if (current.empty())
                    current.push_back(point(at[k - 1]));
                current.push_back(point(at[k]));
            } else if (!current.empty()) {
                if (current.size() > 1)
                    out.push_back(std::move(current));
                current.clear();
            }
        }
    }
    if (current.size() > 1)
        out.push_back(std::move(current));
    // A closed line kept across its start is one piece, not two.
    if (out.size() - first >= 2 && line.front() == line.back() &&
        out[first].front() == line.front() && out.back().back() == line.back()) {
        SvgPolyline joined = std::move(out.back());
        out.pop_back();
        joined.insert(joined.end(), out[first].begin() + 1, out[first].end());
        out[first] = std::move(joined);
    }
}
