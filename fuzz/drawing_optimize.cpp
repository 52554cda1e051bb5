// Fuzzes the path optimiser with arbitrary strokes. The first bytes choose
// the settings; then each stroke is a byte (its point count and pen) and
// its points, two 16-bit coordinates each, in tenths of a unit. Besides
// crashes and sanitizer reports it checks that the output
// - draws every point of every input path that draws anything, within the
//   tolerance, with the same Z;
// - draws nothing new: its points are input points of the same Z;
// - keeps the Zs apart, in the order they first appear.
#include "drawing/pathoptimizer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <set>
#include <tuple>

namespace {

struct Reader {
    const uint8_t* data;
    size_t size;
    size_t at = 0;

    bool has(size_t n) const { return at + n <= size; }
    uint8_t byte() { return data[at++]; }
    double coordinate() {
        int16_t v;
        std::memcpy(&v, data + at, 2);
        at += 2;
        return v / 10.0;
    }
};

double segmentDistance(const PathPoint& p, const PathPoint& a, const PathPoint& b) {
    const double dx = b.x - a.x, dy = b.y - a.y, len2 = dx * dx + dy * dy;
    const double t =
        len2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / len2, 0.0, 1.0) : 0.0;
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

bool drawn(const PathPoint& p, double z, const Drawing& out, double tolerance) {
    for (const DrawnPath& path : out.paths) {
        if (path.z != z)
            continue;
        for (size_t i = 0; i + 1 < path.points.size(); ++i) {
            if (segmentDistance(p, path.points[i], path.points[i + 1]) <= tolerance + 1e-9)
                return true;
        }
    }
    return false;
}

void check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "optimiser: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Reader in{data, size};
    if (!in.has(2))
        return 0;
    const uint8_t flags = in.byte();
    OptimizerSettings settings;
    settings.join = flags & 1;
    settings.simplify = flags & 2;
    settings.order = flags & 4;
    settings.cost = (flags >> 3) % 3 == 0   ? TravelCost::Distance
                    : (flags >> 3) % 3 == 1 ? TravelCost::JointTime
                                            : TravelCost::Best;
    settings.tolerance = 0.05 + in.byte() / 64.0;
    settings.orderingTime = std::chrono::milliseconds(20);
    Drawing drawing;
    while (in.has(1) && drawing.paths.size() < 400) {
        const uint8_t head = in.byte();
        DrawnPath path;
        path.z = 1 + (head >> 5) % 3;
        for (int k = 0; k < 1 + (head & 7) && in.has(4); ++k) {
            const double x = in.coordinate();
            path.points.push_back({x, in.coordinate()});
        }
        drawing.paths.push_back(std::move(path));
    }
    const PathPoint start{500, 0};
    const Drawing out = OptimizeDrawing(drawing, settings, start);

    std::set<std::tuple<double, double, double>> inputPoints;
    std::vector<double> zOrder;
    for (const DrawnPath& path : drawing.paths) {
        bool drawsSomething = false;
        for (size_t i = 1; i < path.points.size(); ++i)
            drawsSomething = drawsSomething || !(path.points[i] == path.points[0]);
        if (!drawsSomething)
            continue;
        if (std::find(zOrder.begin(), zOrder.end(), path.z) == zOrder.end())
            zOrder.push_back(path.z);
        for (const PathPoint& p : path.points) {
            inputPoints.insert({p.x, p.y, path.z});
            check(drawn(p, path.z, out, settings.simplify ? settings.tolerance : 0),
                  "an input point is not drawn");
        }
    }
    std::vector<double> outOrder;
    for (const DrawnPath& path : out.paths) {
        check(path.points.size() >= 2, "a path of fewer than two points");
        if (outOrder.empty() || outOrder.back() != path.z)
            outOrder.push_back(path.z);
        for (const PathPoint& p : path.points)
            check(inputPoints.count({p.x, p.y, path.z}) == 1, "a point that was not drawn before");
    }
    check(outOrder == zOrder, "the Zs mixed or out of their order");
    return 0;
}
