#include "drawing/endpointgrid.h"

#include <algorithm>
#include <cmath>
#include <limits>

EndpointGrid::EndpointGrid(const std::vector<PathPoint>& points) : points_(points) {
    double maxX = -std::numeric_limits<double>::infinity(), maxY = maxX;
    minX_ = minY_ = std::numeric_limits<double>::infinity();
    for (const PathPoint& p : points) {
        minX_ = std::min(minX_, p.x), minY_ = std::min(minY_, p.y);
        maxX = std::max(maxX, p.x), maxY = std::max(maxY, p.y);
    }
    if (points.empty())
        minX_ = minY_ = maxX = maxY = 0;
    width_ = std::max(maxX - minX_, 1e-9), height_ = std::max(maxY - minY_, 1e-9);
    slot_.resize(points.size());
    std::vector<int> ids(points.size());
    for (int i = 0; i < int(points.size()); ++i)
        ids[size_t(i)] = i;
    build(ids);
}

void EndpointGrid::build(const std::vector<int>& ids) {
    // About two points a cell, and never more than 2048 cells a side.
    cell_ = std::max(std::sqrt(width_ * height_ / double(std::max<size_t>(ids.size() / 2, 1))),
                     std::max(width_, height_) / 2048);
    nx_ = std::clamp(int(width_ / cell_) + 1, 1, 2049);
    ny_ = std::clamp(int(height_ / cell_) + 1, 1, 2049);
    const size_t cells = size_t(nx_) * size_t(ny_);
    starts_.assign(cells + 1, 0);
    for (const int id : ids)
        ++starts_[cellOf(points_[size_t(id)]) + 1];
    live_.resize(cells);
    for (size_t c = 0; c < cells; ++c)
        live_[c] = starts_[c + 1];
    for (size_t c = 1; c < starts_.size(); ++c)
        starts_[c] += starts_[c - 1];
    ids_.resize(ids.size());
    cellPoints_.resize(ids.size());
    std::vector<int> fill(starts_.begin(), starts_.end() - 1);
    for (const int id : ids) {
        const int at = fill[cellOf(points_[size_t(id)])]++;
        ids_[size_t(at)] = id, slot_[size_t(id)] = at;
        cellPoints_[size_t(at)] = points_[size_t(id)];
    }
    left_ = built_ = int(ids.size());
}

int EndpointGrid::cellX(double x) const {
    const double c = (x - minX_) / cell_;
    return c >= nx_ ? nx_ - 1 : c > 0 ? int(c) : 0; // NaN lands in cell 0
}

int EndpointGrid::cellY(double y) const {
    const double c = (y - minY_) / cell_;
    return c >= ny_ ? ny_ - 1 : c > 0 ? int(c) : 0;
}

size_t EndpointGrid::cellOf(const PathPoint& p) const {
    return size_t(cellY(p.y)) * size_t(nx_) + size_t(cellX(p.x));
}

int EndpointGrid::nearest(const PathPoint& p) const {
    if (left_ == 0)
        return -1;
    const int cx = cellX(p.x), cy = cellY(p.y);
    int best = -1;
    double bestDistance = std::numeric_limits<double>::infinity(); // squared
    for (int r = 0; r <= nx_ + ny_; ++r) {
        ring(cx, cy, r, [&](size_t c) {
            for (int at = starts_[c], end = starts_[c] + live_[c]; at < end; ++at) {
                const int id = ids_[size_t(at)];
                const double d = distance2(at, p);
                if (d < bestDistance || (d == bestDistance && id < best))
                    bestDistance = d, best = id;
            }
        });
        if (best >= 0 && bestDistance <= (r * cell_) * (r * cell_))
            break;
    }
    // Points at no finite distance (infinite or NaN coordinates) still come.
    for (size_t c = 0; best < 0 && c + 1 < starts_.size(); ++c) {
        if (live_[c] > 0)
            best = ids_[size_t(starts_[c])];
    }
    return best;
}

// The cell's live ids stand first: the one taken out changes place with the
// last live one.
void EndpointGrid::remove(int id) {
    const size_t c = cellOf(points_[size_t(id)]);
    const int at = slot_[size_t(id)];
    const int last = starts_[c] + live_[c] - 1;
    if (size_t(at) >= ids_.size() || at > last || ids_[size_t(at)] != id)
        return; // already taken out
    const int other = ids_[size_t(last)];
    std::swap(ids_[size_t(at)], ids_[size_t(last)]);
    std::swap(cellPoints_[size_t(at)], cellPoints_[size_t(last)]);
    slot_[size_t(other)] = at, slot_[size_t(id)] = last;
    --live_[c];
    --left_;
    // With most points gone, the empty cells would cost more than the points.
    if (left_ >= 64 && left_ * 4 < built_) {
        std::vector<int> ids;
        ids.reserve(size_t(left_));
        for (size_t cell = 0; cell < live_.size(); ++cell)
            ids.insert(ids.end(), ids_.begin() + starts_[cell],
                       ids_.begin() + starts_[cell] + live_[cell]);
        build(ids);
    }
}
