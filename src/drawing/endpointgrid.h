#pragma once

#include "drawing/drawing.h"

#include <cstddef>

#include <vector>

using std::size_t;

// Points (the ends of a drawing's paths) in a uniform grid of cells of
// about two points each, for nearest-neighbour questions in about constant
// time. Points can be taken out as they are used; ids are indexes into the
// points given.
class EndpointGrid {
public:
    explicit EndpointGrid(const std::vector<PathPoint>& points);

    // The nearest point not taken out, or -1 when none is left.
    int nearest(const PathPoint& p) const;
    // Takes point `id` out of later nearest() answers.
    void remove(int id);

    // Every id, the points of one cell after another: asked in this order,
    // questions about near points find their cells in the cache.
    const std::vector<int>& idsByCell() const { return ids_; }

    // The ids of up to `k` nearest points not taken out that pass `keep`,
    // nearest first, written to `out` (which is cleared first).
    template <typename Keep>
    void nearestK(const PathPoint& p, int k, Keep keep, std::vector<int>& out) const;

private:
    // Buckets the points not taken out in cells sized for their number.
    void build(const std::vector<int>& ids);
    int cellX(double x) const;
    int cellY(double y) const;
    size_t cellOf(const PathPoint& p) const;
    // The squared distance from p of the point standing at `at` in ids_.
    double distance2(int at, const PathPoint& p) const {
        const PathPoint& q = cellPoints_[size_t(at)];
        return (q.x - p.x) * (q.x - p.x) + (q.y - p.y) * (q.y - p.y);
    }
    // Visits every cell of ring r around (cx, cy) that lies in the grid.
    template <typename Visit> void ring(int cx, int cy, int r, Visit visit) const;

    const std::vector<PathPoint>& points_;
    double minX_ = 0, minY_ = 0, cell_ = 1;
    int nx_ = 1, ny_ = 1;
    std::vector<int> starts_; // per cell, where its ids begin in ids_
    std::vector<int> live_;   // per cell, how many of its ids are not taken out
    std::vector<int> ids_;
    std::vector<PathPoint> cellPoints_; // beside ids_: scanned without a jump
    std::vector<int> slot_;             // per id, where it stands in ids_
    int left_ = 0;                      // ids not taken out
    int built_ = 0;                     // ids in the grid when it was last built
    double width_ = 0, height_ = 0;
};

template <typename Visit> void EndpointGrid::ring(int cx, int cy, int r, Visit visit) const {
    for (int y = cy - r; y <= cy + r; ++y) {
        if (y < 0 || y >= ny_)
            continue;
        const bool edge = y == cy - r || y == cy + r;
        const int step = edge || r == 0 ? 1 : 2 * r;
        for (int x = cx - r; x <= cx + r; x += step) {
            if (x >= 0 && x < nx_)
                visit(size_t(y) * size_t(nx_) + size_t(x));
        }
    }
}

template <typename Keep>
void EndpointGrid::nearestK(const PathPoint& p, int k, Keep keep, std::vector<int>& out) const {
    out.clear();
    std::vector<double> distances; // of out, nearest first
    const int cx = cellX(p.x), cy = cellY(p.y);
    for (int r = 0; r <= nx_ + ny_; ++r) {
        ring(cx, cy, r, [&](size_t c) {
            for (int at = starts_[c], end = starts_[c] + live_[c]; at < end; ++at) {
                const int id = ids_[size_t(at)];
                if (!keep(id))
                    continue;
                const double d = distance2(at, p);
                if (int(out.size()) == k && d >= distances.back())
                    continue;
                size_t i = out.size();
                if (int(out.size()) < k) {
                    out.push_back(id), distances.push_back(d);
                } else {
                    --i;
                }
                for (; i > 0 && distances[i - 1] > d; --i)
                    out[i] = out[i - 1], distances[i] = distances[i - 1];
                out[i] = id, distances[i] = d;
            }
        });
        // Everything beyond ring r lies at least r cells away.
        if (int(out.size()) == k && distances.back() <= (r * cell_) * (r * cell_))
            break;
    }
}
