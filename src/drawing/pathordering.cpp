#include "drawing/pathordering.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace {

constexpr double kLink = 250.0; // both links of the arm

struct Joints {
    double alfa = 0;
    double beta = 0;
};

Joints jointsAt(PathPoint p) {
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

double jointCost(const Joints& a, const Joints& b) {
    return std::max(std::abs(a.alfa - b.alfa), std::abs(a.beta - b.beta));
}

// Removes repeated points; a path left with fewer than two is emptied.
class EndpointGrid {
public:
    EndpointGrid(const std::vector<PathPoint>& points) : points_(points) {
        double maxX = -std::numeric_limits<double>::infinity(), maxY = maxX;
        minX_ = minY_ = std::numeric_limits<double>::infinity();
        for (const PathPoint& p : points) {
            minX_ = std::min(minX_, p.x), minY_ = std::min(minY_, p.y);
            maxX = std::max(maxX, p.x), maxY = std::max(maxY, p.y);
        }
        const double w = std::max(maxX - minX_, 1e-9), h = std::max(maxY - minY_, 1e-9);
        cell_ = std::max(std::sqrt(w * h / double(std::max<size_t>(points.size() / 2, 1))),
                         std::max(w, h) / 2048);
        nx_ = int(w / cell_) + 1, ny_ = int(h / cell_) + 1;
        starts_.assign(size_t(nx_) * size_t(ny_) + 1, 0);
        for (const PathPoint& p : points)
            ++starts_[cellOf(p) + 1];
        for (size_t c = 1; c < starts_.size(); ++c)
            starts_[c] += starts_[c - 1];
        ids_.resize(points.size());
        std::vector<int> fill(starts_.begin(), starts_.end() - 1);
        for (int i = 0; i < int(points.size()); ++i)
            ids_[size_t(fill[cellOf(points[size_t(i)])]++)] = i;
    }

    // The nearest point whose id passes `free`, or -1 when none is found
    // within `rings` rings of cells.
    template <typename Free> int nearest(const PathPoint& p, Free free, int rings) const {
        const int cx = std::clamp(int((p.x - minX_) / cell_), 0, nx_ - 1);
        const int cy = std::clamp(int((p.y - minY_) / cell_), 0, ny_ - 1);
        int best = -1;
        double bestDistance = std::numeric_limits<double>::infinity(); // squared
        for (int r = 0; r <= rings; ++r) {
            for (int y = cy - r; y <= cy + r; ++y) {
                if (y < 0 || y >= ny_)
                    continue;
                const bool edge = y == cy - r || y == cy + r;
                for (int x = cx - r; x <= cx + r; x += edge ? 1 : 2 * r) {
                    if (x >= 0 && x < nx_)
                        visit(size_t(y) * size_t(nx_) + size_t(x), p, free, best, bestDistance);
                    if (r == 0)
                        break;
                }
            }
            if (best >= 0 && bestDistance <= (r * cell_) * (r * cell_))
                break;
            if (r > nx_ && r > ny_)
                break;
        }
        return best;
    }

private:
    size_t cellOf(const PathPoint& p) const {
        const int x = std::clamp(int((p.x - minX_) / cell_), 0, nx_ - 1);
        const int y = std::clamp(int((p.y - minY_) / cell_), 0, ny_ - 1);
        return size_t(y) * size_t(nx_) + size_t(x);
    }
    template <typename Free>
    void visit(size_t c, const PathPoint& p, Free free, int& best, double& bestDistance) const {
        for (int k = starts_[c]; k < starts_[c + 1]; ++k) {
            const int id = ids_[size_t(k)];
            if (!free(id))
                continue;
            const PathPoint& q = points_[size_t(id)];
            const double d = (q.x - p.x) * (q.x - p.x) + (q.y - p.y) * (q.y - p.y);
            if (d < bestDistance)
                bestDistance = d, best = id;
        }
    }

    const std::vector<PathPoint>& points_;
    double minX_, minY_, cell_;
    int nx_, ny_;
    std::vector<int> starts_;
    std::vector<int> ids_;
};

// One path in the tour: its ends (and their joint angles) as it will be drawn.
struct Stop {
    int path;
    bool reversed;
    PathPoint first, last;
    Joints firstJ, lastJ;
    void flip() {
        reversed = !reversed;
        std::swap(first, last);
        std::swap(firstJ, lastJ);
    }
};

std::vector<Stop> nearestNeighbour(const std::vector<DrawnPath>& paths, PathPoint start) {
    std::vector<PathPoint> ends;
    ends.reserve(paths.size() * 2);
    for (const DrawnPath& path : paths) {
        ends.push_back(path.points.front());
        ends.push_back(path.points.back());
    }
    const EndpointGrid grid(ends);
    std::vector<char> used(paths.size(), 0);
    auto free = [&](int id) { return !used[size_t(id / 2)]; };
    std::vector<int> remaining(paths.size());
    for (size_t i = 0; i < paths.size(); ++i)
        remaining[i] = int(i);
    std::vector<Stop> tour;
    tour.reserve(paths.size());
    PathPoint at = start;
    for (size_t step = 0; step < paths.size(); ++step) {
        int id = grid.nearest(at, free, 6);
        if (id < 0) { // far from everything left: look at what is left
            std::erase_if(remaining, [&](int i) { return used[size_t(i)]; });
            double bestDistance = std::numeric_limits<double>::infinity();
            for (int i : remaining) {
                for (int end = 0; end < 2; ++end) {
                    const PathPoint& q = ends[size_t(2 * i + end)];
                    const double d = (q.x - at.x) * (q.x - at.x) + (q.y - at.y) * (q.y - at.y);
                    if (d < bestDistance)
                        bestDistance = d, id = 2 * i + end;
                }
            }
        }
        const int path = id / 2;
        used[size_t(path)] = 1;
        Stop stop{path, false, ends[size_t(2 * path)], ends[size_t(2 * path + 1)], {}, {}};
        if (id % 2 == 1)
            stop.flip();
        at = stop.last;
        tour.push_back(stop);
    }
    return tour;
}

// 2-opt over order and directions: reversing stops i..j reverses each of
// them; only the travel into i and out of j changes. `cost` prices the
// travel between two points given with their joint angles.
template <typename Cost> void twoOpt(std::vector<Stop>& tour, PathPoint start, Cost cost) {
    const int n = int(tour.size());
    const int window = n <= 1500 ? n : 50;
    const int passes = n <= 1500 ? 30 : 4;
    const Stop home{-1, false, start, start, jointsAt(start), jointsAt(start)};
    for (int pass = 0; pass < passes; ++pass) {
        bool improved = false;
        for (int i = 0; i < n; ++i) {
            const Stop& before = i == 0 ? home : tour[size_t(i - 1)];
            const int last = std::min(n - 1, i + window);
            for (int j = i; j <= last; ++j) {
                const Stop& a = tour[size_t(i)];
                const Stop& b = tour[size_t(j)];
                double delta = cost(before.last, before.lastJ, b.last, b.lastJ) -
                               cost(before.last, before.lastJ, a.first, a.firstJ);
                if (j + 1 < n) {
                    const Stop& after = tour[size_t(j + 1)];
                    delta += cost(a.first, a.firstJ, after.first, after.firstJ) -
                             cost(b.last, b.lastJ, after.first, after.firstJ);
                }
                if (delta < -1e-9) {
                    std::reverse(tour.begin() + i, tour.begin() + j + 1);
                    for (int k = i; k <= j; ++k)
                        tour[size_t(k)].flip();
                    improved = true;
                }
            }
        }
        if (!improved)
            break;
    }
}

} // namespace

std::vector<DrawnPath> OrderPaths(std::vector<DrawnPath> paths, PathPoint start,
                                  TravelCost costKind) {
    std::vector<Stop> tour = nearestNeighbour(paths, start);
    for (Stop& stop : tour)
        stop.firstJ = jointsAt(stop.first), stop.lastJ = jointsAt(stop.last);
    if (costKind == TravelCost::Distance) {
        twoOpt(tour, start,
               [](const PathPoint& p, const Joints&, const PathPoint& q, const Joints&) {
                   return std::sqrt((p.x - q.x) * (p.x - q.x) + (p.y - q.y) * (p.y - q.y));
               });
    } else {
        twoOpt(tour, start,
               [](const PathPoint&, const Joints& a, const PathPoint&, const Joints& b) {
                   return jointCost(a, b);
               });
    }
    std::vector<DrawnPath> out;
    out.reserve(paths.size());
    for (const Stop& stop : tour) {
        DrawnPath& path = paths[size_t(stop.path)];
        if (stop.reversed)
            std::reverse(path.points.begin(), path.points.end());
        out.push_back(std::move(path));
    }
    return out;
}

double ArmTravel(PathPoint from, PathPoint to) {
    // Sampled every 10 units (at most 64 pieces): enough to follow the
    // joints' turn along a line across the reach.
    const double length =
        std::sqrt((to.x - from.x) * (to.x - from.x) + (to.y - from.y) * (to.y - from.y));
    const int pieces = std::clamp(int(length / 10), 1, 64);
    double total = 0;
    Joints previous = jointsAt(from);
    for (int i = 1; i <= pieces; ++i) {
        const double t = double(i) / pieces;
        const Joints next = jointsAt({from.x + t * (to.x - from.x), from.y + t * (to.y - from.y)});
        total += jointCost(previous, next);
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
