#include "drawing/placementsearch.h"

#include "drawing/convexhull.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace placementsearch {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr int kColumns = 1024;
constexpr int kSamples = 200;      // places tried across the allowed width
constexpr int kRefinements = 40;   // golden-section steps around the best sample
constexpr double kScanStep = 0.85; // scales tried downwards from the upper bound
constexpr int kScanSteps = 200;
constexpr int kBisections = 20; // a scale to a millionth of the scan step

class ColumnFill {
public:
    explicit ColumnFill(Outline& outline)
        : o_(outline), perColumn_(outline.columnWidth > 0 ? 1 / outline.columnWidth : 0),
          last_(int(outline.lowest.size()) - 1) {}

    int column(double x) const { return std::clamp(int(x * perColumn_), 0, last_); }
    void point(PathPoint p) {
        double& low = o_.lowest[size_t(column(p.x))];
        low = std::min(low, p.y);
    }
    // The line's lowest point within each column it passes: at one end of
    // its part in the column.
    void line(PathPoint a, PathPoint b) {
        const int first = column(std::min(a.x, b.x)), last = column(std::max(a.x, b.x));
        if (first == last)
            return; // its ends are there already
        const double slope = (b.y - a.y) / (b.x - a.x);
        const double from = std::min(a.x, b.x), to = std::max(a.x, b.x);
        for (int j = first; j <= last; ++j) {
            const double left = std::max(from, j * o_.columnWidth);
            const double right = std::min(to, (j + 1) * o_.columnWidth);
            const double y = std::min(a.y + slope * (left - a.x), a.y + slope * (right - a.x));
            double& low = o_.lowest[size_t(j)];
            low = std::min(low, y);
        }
    }

private:
    Outline& o_;
    double perColumn_; // columns a unit
    int last_;
};

// How low and how high the base may lie at a given u.
class Room {
public:
    Room(const Outline& outline, const Limits& limits, double scale)
        : o_(outline), inner_(limits.inner / scale), outer_(limits.outer / scale),
          highest_(-limits.margin / scale) {}

    // The base must lie at least this low for the hull to stay within reach.
    double lowest(double u) const {
        double v = -kInfinity;
        for (const PathPoint& h : o_.hull) {
            const double dx = h.x - u, free = outer_ * outer_ - dx * dx;
            if (free < 0)
                return kInfinity;
            v = std::max(v, h.y - std::sqrt(free));
        }
        return v;
    }
    // ... and at most this high, for the drawing to stay clear of the inner
    // circle and above the X axis.
    double highest(double u) const {
        double v = highest_;
        const int columns = int(o_.lowest.size());
        int first = 0, last = columns - 1;
        if (o_.columnWidth > 0) {
            first = std::max(0, int(std::floor((u - inner_) / o_.columnWidth)) - 1);
            last = std::min(columns - 1, int(std::floor((u + inner_) / o_.columnWidth)) + 1);
        }
        for (int j = first; j <= last; ++j) {
            const double low = o_.lowest[size_t(j)];
            if (low == kInfinity)
                continue;
            const double left = j * o_.columnWidth, right = left + o_.columnWidth;
            const double dx = std::max({0.0, left - u, u - right});
            if (dx < inner_)
                v = std::min(v, low - std::sqrt(inner_ * inner_ - dx * dx));
        }
        return v;
    }
    double at(double u) const { return highest(u) - lowest(u); }

private:
    const Outline& o_;
    double inner_, outer_, highest_;
};

} // namespace

std::optional<Outline> OutlineOf(const DrawingShape& shape, Frame& frame) {
    if (shape.empty())
        return std::nullopt;
    double minX = kInfinity, minY = kInfinity, maxX = -kInfinity, maxY = -kInfinity;
    bool drawn = false;
    ExtremePoints extremes;
    for (size_t i = 0; i < shape.size(); ++i) {
        const PathPoint p = shape[i].to;
        minX = std::min(minX, p.x), maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
        drawn = drawn || (i > 0 && shape[i].drawn && !(shape[i - 1].to == p));
        extremes.add(p);
    }
    const double size = std::max(maxX - minX, maxY - minY);
    if (!drawn || !(size > 0) || !std::isfinite(size))
        return std::nullopt;
    frame = {minX, minY, size};
    Outline outline;
    outline.width = (maxX - minX) / size;
    outline.height = (maxY - minY) / size;
    outline.lowest.assign(outline.width > 0 ? kColumns : 1, kInfinity);
    outline.columnWidth = outline.width / double(outline.lowest.size());
    // Only the points outside the extremes' polygon can be corners of the hull.
    const ConvexPolygon inner(extremes.corners());
    std::vector<PathPoint> outside;
    ColumnFill fill(outline);
    PathPoint previous{};
    const double unit = 1 / size;
    for (size_t i = 0; i < shape.size(); ++i) {
        const PathPoint p = shape[i].to;
        const PathPoint q{(p.x - minX) * unit, (p.y - minY) * unit};
        fill.point(q);
        if (i > 0 && shape[i].drawn)
            fill.line(previous, q);
        if (!inner.strictlyInside(p))
            outside.push_back(q);
        previous = q;
    }
    outline.hull = ConvexHull(std::move(outside));
    return outline;
}

std::optional<Found> FitAt(const Outline& outline, const Limits& limits, PlacedSide side,
                           double scale) {
    // The base lies below and beside the outline within the reach of all of it.
    const double reach = limits.outer / scale, beside = limits.margin / scale;
    double low = outline.width - reach, high = reach;
    if (side == PlacedSide::Right)
        high = std::min(high, -beside);
    else if (side == PlacedSide::Left)
        low = std::max(low, outline.width + beside);
    if (!(low <= high))
        return std::nullopt;
    const Room room(outline, limits, scale);
    const double step = (high - low) / (kSamples - 1);
    int best = 0;
    double bestRoom = -kInfinity;
    for (int k = 0; k < kSamples; ++k) {
        const double r = room.at(low + k * step);
        if (r > bestRoom)
            bestRoom = r, best = k;
    }
    // Golden-section search between the best sample's neighbours.
    double a = low + std::max(0, best - 1) * step,
           b = low + std::min(kSamples - 1, best + 1) * step;
    const double ratio = (std::sqrt(5.0) - 1) / 2;
    double u = low + best * step;
    for (int i = 0; i < kRefinements && b - a > 0; ++i) {
        const double c = b - ratio * (b - a), d = a + ratio * (b - a);
        const double rc = room.at(c), rd = room.at(d);
        if (rc > bestRoom)
            bestRoom = rc, u = c;
        if (rd > bestRoom)
            bestRoom = rd, u = d;
        (rc < rd ? a : b) = rc < rd ? c : d;
    }
    if (!(bestRoom >= 0))
        return std::nullopt;
    return Found{scale, u, (room.lowest(u) + room.highest(u)) / 2, bestRoom};
}

std::optional<Found> LargestFit(const Outline& outline, const Limits& limits, PlacedSide side) {
    // No drawing of unit size fits wider than the reach's diameter.
    const double upper = 2 * limits.outer;
    double scale = upper;
    std::optional<Found> fit;
    for (int i = 0; i < kScanSteps && !fit; ++i, scale *= kScanStep)
        fit = FitAt(outline, limits, side, scale);
    if (!fit)
        return std::nullopt;
    double fits = fit->scale, fails = std::min(upper, fits / kScanStep);
    for (int i = 0; i < kBisections && fails > fits; ++i) {
        const double middle = (fits + fails) / 2;
        if (std::optional<Found> f = FitAt(outline, limits, side, middle))
            fits = middle, fit = f;
        else
            fails = middle;
    }
    return fit;
}

} // namespace placementsearch
