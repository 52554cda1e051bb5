#include "drawing/travelroute.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kMostStep = 20 * std::numbers::pi / 180;

double squaredDistanceToBase(PathPoint a, PathPoint b) {
    const double dx = b.x - a.x, dy = b.y - a.y, length = dx * dx + dy * dy;
    const double t = length > 0 ? std::clamp(-(a.x * dx + a.y * dy) / length, 0.0, 1.0) : 0.0;
    const double x = a.x + t * dx, y = a.y + t * dy;
    return x * x + y * y;
}

// The angle between a point and where its tangent touches the circle.
double tangentAngle(PathPoint p, double radius) {
    return std::acos(std::min(1.0, radius / std::hypot(p.x, p.y)));
}

} // namespace

TravelRoute::TravelRoute(const PlacementSettings& settings) {
    const double half = std::cos(kMostStep / 2);
    // A line between two waypoints dips to radius * cos(step / 2): at least
    // a unit clear of R even with no margin.
    radius_ =
        std::max(settings.forbiddenRadius + settings.margin, (settings.forbiddenRadius + 1) / half);
    clear_ = radius_ * half;
}

std::vector<PathPoint> TravelRoute::waypoints(PathPoint from, PathPoint to) const {
    if (squaredDistanceToBase(from, to) >= clear_ * clear_)
        return {};
    // Over the top of the circle, from the smaller angle to the larger.
    double a = std::atan2(from.y, from.x), b = std::atan2(to.y, to.x);
    const bool reversed = a > b;
    if (reversed)
        std::swap(a, b), std::swap(from, to);
    const double fromSpan = tangentAngle(from, radius_), toSpan = tangentAngle(to, radius_);
    const double leave = a + fromSpan, reach = b - toSpan;
    std::vector<PathPoint> out;
    if (leave >= reach) {
        // One waypoint that both ends see without crossing the circle.
        const double middle = (std::max(a - fromSpan, reach) + std::min(leave, b + toSpan)) / 2;
        out.push_back({radius_ * std::cos(middle), radius_ * std::sin(middle)});
    } else {
        const int steps = std::max(1, int(std::ceil((reach - leave) / kMostStep)));
        for (int i = 0; i <= steps; ++i) {
            const double angle = leave + (reach - leave) * i / steps;
            out.push_back({radius_ * std::cos(angle), radius_ * std::sin(angle)});
        }
    }
    if (reversed)
        std::reverse(out.begin(), out.end());
    return out;
}

void RouteTravel(Drawing& drawing, PathPoint start, const PlacementSettings& settings) {
    const TravelRoute route(settings);
    PathPoint at = start;
    for (DrawnPath& path : drawing.paths) {
        if (path.points.size() < 2)
            continue;
        path.approach = route.waypoints(at, path.points.front());
        at = path.points.back();
    }
}
