#include "drawing/hatchchains.h"

#include <algorithm>
#include <cmath>

namespace {

// How near the ends of a joining move an edge may pass, in spacings.
constexpr double kNear = 1e-3;

struct Edge {
    PathPoint p, q;
};

double cross(double ax, double ay, double bx, double by) {
    return ax * by - ay * bx;
}

// The boundary's edges by the band between row k and k + 1 that they reach
// into (index k - first).
class BandEdges {
public:
    BandEdges(const std::vector<Ring>& boundary, qint64 first, qint64 last, double spacing)
        : first_(first), bands_(size_t(std::max<qint64>(0, last - first))) {
        for (const Ring& ring : boundary) {
            for (size_t i = 0, n = ring.size(); i < n; ++i) {
                const Edge e{ring[i], ring[(i + 1) % n]};
                const double low = std::min(e.p.y, e.q.y), high = std::max(e.p.y, e.q.y);
                const qint64 from = std::max(first, qint64(std::floor(low / spacing - 0.5)));
                const qint64 to = std::min(last - 1, qint64(std::floor(high / spacing - 0.5)));
                for (qint64 k = from; k <= to; ++k)
                    bands_[size_t(k - first_)].push_back(e);
            }
        }
    }
    const std::vector<Edge>& band(qint64 k) const { return bands_[size_t(k - first_)]; }

private:
    qint64 first_;
    std::vector<std::vector<Edge>> bands_;
};

// True when the move from a to b (both on the boundary, in one band)
// crosses no edge farther than `near` from its ends (the ends lie on edges,
// rounded) and its middle lies inside.
bool runsInside(PathPoint a, PathPoint b, const std::vector<Edge>& edges, double near) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length = std::hypot(dx, dy);
    if (length <= 2 * near)
        return false;
    const double ends = near / length;
    for (const Edge& e : edges) {
        const double fx = e.q.x - e.p.x, fy = e.q.y - e.p.y;
        const double ex = e.p.x - a.x, ey = e.p.y - a.y;
        const double denom = cross(dx, dy, fx, fy);
        if (std::abs(denom) <= 1e-12 * length * std::hypot(fx, fy)) {
            if (std::abs(cross(ex, ey, dx, dy)) <= 1e-9 * length) // along the move
                return false;
            continue;
        }
        const double t = cross(ex, ey, fx, fy) / denom, u = cross(ex, ey, dx, dy) / denom;
        if (t > ends && t < 1 - ends && u >= -1e-12 && u <= 1 + 1e-12)
            return false;
    }
    const PathPoint m{(a.x + b.x) / 2, (a.y + b.y) / 2};
    int crossings = 0;
    for (const Edge& e : edges) {
        if ((e.p.y <= m.y) != (e.q.y <= m.y) &&
            e.p.x + (e.q.x - e.p.x) * (m.y - e.p.y) / (e.q.y - e.p.y) > m.x)
            ++crossings;
    }
    return crossings % 2 == 1;
}

struct Rows {
    std::vector<HatchSegment> segments; // by row, then x
    std::vector<bool> used;
    // For each row from the first, where its segments begin (one more at the end).
    std::vector<size_t> starts;
    qint64 first = 0;

    qint64 last() const { return first + qint64(starts.size()) - 2; }
};

Rows sortedRows(std::vector<HatchSegment> segments) {
    std::sort(segments.begin(), segments.end(), [](const HatchSegment& a, const HatchSegment& b) {
        return a.row != b.row ? a.row < b.row : a.x0 < b.x0;
    });
    Rows rows;
    rows.first = segments.front().row;
    rows.starts.push_back(0);
    for (size_t i = 0; i < segments.size(); ++i) {
        while (rows.first + qint64(rows.starts.size()) - 1 < segments[i].row)
            rows.starts.push_back(i);
    }
    rows.starts.push_back(segments.size());
    rows.used.assign(segments.size(), false);
    rows.segments = std::move(segments);
    return rows;
}

// Goes on from `from` (the end of a segment on `row`) to an unused segment
// of the next row, its end nearer to `from` first; returns the ends in
// drawing order, or nothing.
std::optional<std::pair<PathPoint, PathPoint>>
nextSegment(Rows& rows, qint64 row, PathPoint from, const BandEdges& edges, double y, double near) {
    if (row + 1 > rows.last())
        return std::nullopt;
    const size_t begin = rows.starts[size_t(row + 1 - rows.first)];
    const size_t end = rows.starts[size_t(row + 2 - rows.first)];
    struct Choice {
        size_t index;
        PathPoint start, finish;
        double distance;
    };
    std::vector<Choice> choices;
    for (size_t i = begin; i < end; ++i) {
        if (rows.used[i])
            continue;
        const PathPoint left{rows.segments[i].x0, y}, right{rows.segments[i].x1, y};
        choices.push_back({i, left, right, std::abs(left.x - from.x)});
        choices.push_back({i, right, left, std::abs(right.x - from.x)});
    }
    std::sort(choices.begin(), choices.end(),
              [](const Choice& a, const Choice& b) { return a.distance < b.distance; });
    for (const Choice& c : choices) {
        if (runsInside(from, c.start, edges.band(row), near)) {
            rows.used[c.index] = true;
            return std::pair{c.start, c.finish};
        }
    }
    return std::nullopt;
}

} // namespace

std::vector<Stroke> JoinHatchSegments(std::vector<HatchSegment> segments,
                                      const std::vector<Ring>& boundary, double spacing) {
    if (segments.empty())
        return {};
    Rows rows = sortedRows(std::move(segments));
    const BandEdges edges(boundary, rows.first, rows.last(), spacing);
    auto rowY = [spacing](qint64 row) { return (double(row) + 0.5) * spacing; };
    std::vector<Stroke> strokes;
    for (size_t i = 0; i < rows.segments.size(); ++i) {
        if (rows.used[i])
            continue;
        rows.used[i] = true;
        qint64 row = rows.segments[i].row;
        Stroke stroke{{rows.segments[i].x0, rowY(row)}, {rows.segments[i].x1, rowY(row)}};
        while (const auto next =
                   nextSegment(rows, row, stroke.back(), edges, rowY(row + 1), kNear * spacing)) {
            ++row;
            stroke.push_back(next->first);
            stroke.push_back(next->second);
        }
        strokes.push_back(std::move(stroke));
    }
    return strokes;
}
