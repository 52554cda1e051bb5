#include "drawing/pathordering.h"

#include "drawing/endpointgrid.h"
#include "drawing/tourimprovement.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kLink = 250.0; // both links of the arm
constexpr int kNeighbours = 8;  // candidates a path end is compared with
constexpr size_t kTilePaths = 6000;

std::vector<PathPoint> pathEnds(const std::vector<DrawnPath>& paths) {
    std::vector<PathPoint> ends;
    ends.reserve(paths.size() * 2);
    for (const DrawnPath& path : paths) {
        ends.push_back(path.points.front());
        ends.push_back(path.points.back());
    }
    return ends;
}

// Greedy nearest neighbour: on to the nearest end of a path not yet drawn.
// The tour holds per place 2 * path, plus 1 when the path is drawn backwards.
std::vector<int> nearestNeighbour(const std::vector<PathPoint>& ends, PathPoint start) {
    EndpointGrid grid(ends);
    const size_t count = ends.size() / 2;
    std::vector<int> tour;
    tour.reserve(count);
    PathPoint at = start;
    for (size_t step = 0; step < count; ++step) {
        const int id = grid.nearest(at);
        grid.remove(id), grid.remove(id ^ 1);
        tour.push_back(id);
        at = ends[size_t(id ^ 1)];
    }
    return tour;
}

NeighbourLists neighbourLists(const std::vector<PathPoint>& ends, const EndpointGrid& grid) {
    NeighbourLists near;
    near.perEnd = kNeighbours;
    near.ends.assign(ends.size() * kNeighbours, -1);
    std::vector<int> found;
    for (const int id : grid.idsByCell()) {
        const int path = id / 2;
        grid.nearestK(
            ends[size_t(id)], kNeighbours, [&](int other) { return other / 2 != path; }, found);
        std::copy(found.begin(), found.end(), near.ends.begin() + qsizetype(id) * kNeighbours);
    }
    return near;
}

std::vector<DrawnPath> inTourOrder(std::vector<DrawnPath>& paths, const std::vector<int>& tour) {
    std::vector<DrawnPath> out;
    out.reserve(paths.size());
    for (const int stop : tour) {
        DrawnPath& path = paths[size_t(stop / 2)];
        if (stop % 2 == 1)
            std::reverse(path.points.begin(), path.points.end());
        out.push_back(std::move(path));
    }
    return out;
}

using Clock = std::chrono::steady_clock;

// The tours asked for, over end ids of the whole drawing.
struct Tours {
    std::vector<int> byDistance;
    std::vector<int> byJoints;
};

// One part of the drawing (`part`: indexes of its paths) ordered on its own:
// the greedy order from each start, improved by each price asked for.
void orderPart(const std::vector<PathPoint>& allEnds, const std::vector<int>& part,
               const PathPoint (&starts)[2], const bool (&wanted)[2], Clock::duration budget,
               Tours& tours) {
    std::vector<PathPoint> points(part.size() * 2);
    for (size_t k = 0; k < part.size(); ++k) {
        points[2 * k] = allEnds[size_t(2 * part[k])];
        points[2 * k + 1] = allEnds[size_t(2 * part[k] + 1)];
    }
    const EndpointGrid lookup(points);
    const NeighbourLists near = neighbourLists(points, lookup);
    std::vector<TourEnd> ends(points.size());
    for (size_t id = 0; id < points.size(); ++id)
        ends[id].p = points[id];
    const int asked = int(wanted[0]) + int(wanted[1]);
    for (int kind = 0; kind < 2; ++kind) {
        if (!wanted[kind])
            continue;
        if (kind == 1) {
            for (TourEnd& end : ends)
                end.j = JointsAt(end.p);
        }
        std::vector<int> tour = nearestNeighbour(points, starts[kind]);
        const TourEnd home{starts[kind], JointsAt(starts[kind])};
        ImproveTour(tour, ends, home, TravelPrice(kind == 1), near, Clock::now() + budget / asked);
        std::vector<int>& whole = kind == 0 ? tours.byDistance : tours.byJoints;
        for (const int stop : tour)
            whole.push_back(2 * part[size_t(stop / 2)] + (stop & 1));
    }
}

// The paths in tiles of about kTilePaths each by their middles, the tiles
// in rows walked back and forth from the corner nearest `start`. A tile
// ordered alone keeps the improvement's moves short and in the cache.
std::vector<std::vector<int>> tiles(const std::vector<PathPoint>& ends, PathPoint start) {
    const size_t count = ends.size() / 2;
    std::vector<PathPoint> middles(count);
    double minX = INFINITY, minY = INFINITY, maxX = -INFINITY, maxY = -INFINITY;
    for (size_t i = 0; i < count; ++i) {
        middles[i] = {(ends[2 * i].x + ends[2 * i + 1].x) / 2,
                      (ends[2 * i].y + ends[2 * i + 1].y) / 2};
        if (std::isfinite(middles[i].x) && std::isfinite(middles[i].y)) {
            minX = std::min(minX, middles[i].x), maxX = std::max(maxX, middles[i].x);
            minY = std::min(minY, middles[i].y), maxY = std::max(maxY, middles[i].y);
        }
    }
    const double w = std::max(maxX - minX, 1e-9), h = std::max(maxY - minY, 1e-9);
    const double wanted = std::ceil(double(count) / double(kTilePaths));
    const int rows = std::clamp(int(std::lround(std::sqrt(wanted * h / w))), 1, 64);
    const int columns = std::clamp(int(std::ceil(wanted / rows)), 1, 64);
    auto index = [](double v, double from, double size, int cells) {
        const double c = (v - from) / size * cells;
        return c >= cells ? cells - 1 : c > 0 ? int(c) : 0;
    };
    const bool fromTop = std::abs(start.y - maxY) < std::abs(start.y - minY);
    const bool fromRight = std::abs(start.x - maxX) < std::abs(start.x - minX);
    std::vector<std::vector<int>> out(size_t(rows * columns));
    for (size_t i = 0; i < count; ++i) {
        int row = index(middles[i].y, minY, h, rows);
        int column = index(middles[i].x, minX, w, columns);
        if (fromTop)
            row = rows - 1 - row;
        if ((row % 2 == 1) != fromRight)
            column = columns - 1 - column;
        out[size_t(row * columns + column)].push_back(int(i));
    }
    std::erase_if(out, [](const std::vector<int>& tile) { return tile.empty(); });
    return out;
}

} // namespace

Joints JointsAt(PathPoint p) {
    const double r2 = p.x * p.x + p.y * p.y;
    const double c = std::clamp((r2 - 2 * kLink * kLink) / (2 * kLink * kLink), -1.0, 1.0);
    double beta = std::acos(c);
    if (p.x >= 0)
        beta = -beta; // clockwise on the right of the Y axis
    const double alfa =
        std::atan2(p.y, p.x) - std::atan2(kLink * std::sin(beta), kLink + kLink * std::cos(beta));
    constexpr double kDegrees = 180.0 / std::numbers::pi;
    return {alfa * kDegrees, beta * kDegrees};
}

std::vector<DrawnPath> OrderPaths(std::vector<DrawnPath> paths, PathPoint start,
                                  TravelCost costKind, std::chrono::milliseconds budget) {
    const std::vector<PathPoint> ends = pathEnds(paths);
    const bool wanted[2] = {costKind != TravelCost::JointTime, costKind != TravelCost::Distance};
    PathPoint starts[2] = {start, start};
    Tours tours;
    const std::vector<std::vector<int>> parts = tiles(ends, start);
    for (const std::vector<int>& part : parts) {
        const Clock::duration share = budget * qint64(part.size()) / qint64(paths.size());
        orderPart(ends, part, starts, wanted, share, tours);
        if (!tours.byDistance.empty())
            starts[0] = ends[size_t(tours.byDistance.back() ^ 1)];
        if (!tours.byJoints.empty())
            starts[1] = ends[size_t(tours.byJoints.back() ^ 1)];
    }
    if (costKind == TravelCost::Best) {
        // Both orders, and the one the arm travels faster.
        auto armTravel = [&](const std::vector<int>& tour) {
            double total = 0;
            PathPoint at = start;
            for (const int stop : tour) {
                total += ArmTravel(at, ends[size_t(stop)]);
                at = ends[size_t(stop ^ 1)];
            }
            return total;
        };
        const bool joints = armTravel(tours.byJoints) < armTravel(tours.byDistance);
        return inTourOrder(paths, joints ? tours.byJoints : tours.byDistance);
    }
    return inTourOrder(paths, wanted[0] ? tours.byDistance : tours.byJoints);
}

std::vector<DrawnPath> GreedyOrder(std::vector<DrawnPath> paths, PathPoint start) {
    const std::vector<PathPoint> points = pathEnds(paths);
    return inTourOrder(paths, nearestNeighbour(points, start));
}

double ArmTravel(PathPoint from, PathPoint to) {
    // Sampled every 10 units (at most 64 pieces): enough to follow the
    // joints' turn along a line across the reach.
    const double length =
        std::sqrt((to.x - from.x) * (to.x - from.x) + (to.y - from.y) * (to.y - from.y));
    const double tens = length / 10; // never converted while infinite or NaN
    const int pieces = tens >= 64 ? 64 : tens >= 1 ? int(tens) : 1;
    double total = 0;
    Joints previous = JointsAt(from);
    for (int i = 1; i <= pieces; ++i) {
        const double t = double(i) / pieces;
        const Joints next = JointsAt({from.x + t * (to.x - from.x), from.y + t * (to.y - from.y)});
        total += JointTurn(previous, next);
        previous = next;
    }
    return total;
}

double DrawingArmTravel(const Drawing& drawing, PathPoint start) {
    double total = 0;
    PathPoint at = start;
    for (const DrawnPath& path : drawing.paths) {
        if (path.points.empty())
            continue;
        total += ArmTravel(at, path.points.front());
        at = path.points.back();
    }
    return total;
}
