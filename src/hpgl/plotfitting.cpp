#include "hpgl/plotfitting.h"

#include "hpgl/hpglmessages.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Rounding a point to whole units moves it by at most this much.
constexpr double kRoundingSlack = 0.75;

struct Point {
    double x;
    double y;
};

double cross(const Point& o, const Point& a, const Point& b) {
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

// Leaves out the points strictly inside the polygon of the eight extreme
// points (least and greatest x, y, x + y and x - y): they cannot be corners
// of the hull, and most points of a drawing are such.
std::vector<Point> withoutInnerPoints(const std::vector<Point>& points) {
    using Key = double (*)(const Point&);
    const Key keys[8] = {
        [](const Point& p) { return -p.y; }, [](const Point& p) { return p.x - p.y; },
        [](const Point& p) { return p.x; },  [](const Point& p) { return p.x + p.y; },
        [](const Point& p) { return p.y; },  [](const Point& p) { return p.y - p.x; },
        [](const Point& p) { return -p.x; }, [](const Point& p) { return -p.x - p.y; },
    };
    std::vector<Point> corners;
    for (const Key key : keys) {
        const auto best =
            std::max_element(points.begin(), points.end(),
                             [key](const Point& a, const Point& b) { return key(a) < key(b); });
        if (corners.empty() || corners.back().x != best->x || corners.back().y != best->y)
            corners.push_back(*best);
    }
    if (corners.size() > 1 && corners.front().x == corners.back().x &&
        corners.front().y == corners.back().y)
        corners.pop_back();
    if (corners.size() < 3)
        return points;
    std::vector<Point> kept;
    for (const Point& p : points) {
        bool inside = true;
        for (size_t i = 0; i < corners.size() && inside; ++i)
            inside = cross(corners[i], corners[(i + 1) % corners.size()], p) > 0;
        if (!inside)
            kept.push_back(p);
    }
    return kept;
}

// The corners of the points' convex hull: only they can touch the edge of a
// convex working area.
std::vector<Point> convexHull(std::vector<Point> points) {
    points = withoutInnerPoints(points);
    std::sort(points.begin(), points.end(), [](const Point& a, const Point& b) {
        return a.x < b.x || (a.x == b.x && a.y < b.y);
    });
    if (points.size() < 3)
        return points;
    std::vector<Point> hull(2 * points.size());
    size_t k = 0;
    for (const Point& p : points) {
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

// The largest scale at which every point, placed as (u + s*dx, margin + s*dy),
// stays within `radius` of the base. Each point bounds s by the positive
// root of |(u + s*dx, margin + s*dy)| = radius.
double largestScale(const std::vector<Point>& offsets, double u, double margin, double radius) {
    double best = std::numeric_limits<double>::infinity();
    const double c = u * u + margin * margin - radius * radius;
    for (const Point& d : offsets) {
        const double a = d.x * d.x + d.y * d.y;
        if (a == 0)
            continue;
        const double b = u * d.x + margin * d.y;
        best = std::min(best, (-b + std::sqrt(b * b - a * c)) / a);
    }
    return best;
}

// 1, or for a drawing with coordinates beyond 1e100 the power of two that
// brings the largest of them near 1.
double unitFor(const std::vector<Point>& points) {
    double largest = 0;
    for (const Point& p : points)
        largest = std::max({largest, std::abs(p.x), std::abs(p.y)});
    if (!(largest > 1e100))
        return 1;
    int exponent = 0;
    std::frexp(largest, &exponent);
    return std::ldexp(1.0, -exponent);
}

} // namespace

Result<PlotFit> FitToWorkingArea(NormalizedPlot& plot, const FitSettings& settings) {
    const double margin = settings.margin;
    const double radius = kReach - margin - kRoundingSlack;
    if (margin < 0 || radius <= margin)
        return Failure{hpgl::marginLeavesNoRoom(settings.margin)};
    std::vector<Point> points;
    for (const PlotOp& op : plot.ops) {
        if (op.kind == PlotOp::Kind::PenUp || op.kind == PlotOp::Kind::PenDown)
            points.push_back({op.x, op.y});
    }
    if (points.empty())
        return PlotFit{};
    // Coordinates far beyond 1e100 are brought near 1 by a power of two
    // (exact), so that no square or sum below overflows; the factor goes
    // into the scale at the end.
    const double unit = unitFor(points);
    if (unit != 1) {
        for (Point& p : points)
            p = {p.x * unit, p.y * unit};
    }
    std::vector<Point> hull = convexHull(std::move(points));
    double minX = hull[0].x, maxX = hull[0].x, minY = hull[0].y;
    for (const Point& p : hull) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
    }
    // Rest the drawing on the margin above the X axis (lower is wider) and
    // find the sideways place that allows the largest scale; that scale is
    // a concave function of the place, so a ternary search finds it.
    const double centreX = (minX + maxX) / 2;
    for (Point& p : hull)
        p = {p.x - centreX, p.y - minY};
    double low = -std::sqrt(radius * radius - margin * margin);
    double high = -low;
    for (int i = 0; i < 100; ++i) {
        const double a = low + (high - low) / 3;
        const double b = high - (high - low) / 3;
        if (largestScale(hull, a, margin, radius) < largestScale(hull, b, margin, radius))
            low = a;
        else
            high = b;
    }
    const double u = (low + high) / 2;
    double scale = largestScale(hull, u, margin, radius);
    if (!std::isfinite(scale)) // a single point
        scale = unit == 1 ? 1 : 0;
    PlotFit fit;
    fit.scale = scale * unit;
    fit.offsetX = u - scale * centreX;
    fit.offsetY = margin - scale * minY;
    for (PlotOp& op : plot.ops) {
        if (op.kind == PlotOp::Kind::PenUp || op.kind == PlotOp::Kind::PenDown) {
            op.x = fit.scale * op.x + fit.offsetX;
            op.y = fit.scale * op.y + fit.offsetY;
        }
    }
    return fit;
}

Result<QString> normalizePlotText(QStringView text, const NormalizeOptions& options,
                                  QString* dropped) {
    Result<NormalizedPlot> plot = NormalizePlot(text, options.normalizer);
    if (!plot)
        return plot.failure();
    if (options.fit) {
        if (const Result<PlotFit> fit = FitToWorkingArea(plot.value(), options.fitting); !fit)
            return fit.failure();
    }
    if (dropped != nullptr)
        *dropped = droppedSummary(*plot);
    return FormatNormalizedPlot(*plot);
}
