#include "drawing/hatchchains.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <span>

namespace {

// How near the ends of a joining move an edge may pass, in spacings.
constexpr double kNear = 1e-3;
// How many of the next row's segment ends, nearest first, a stroke tries to
// go on to.
constexpr size_t kMostTried = 16;

struct Edge {
    PathPoint p, q;
};

double cross(double ax, double ay, double bx, double by) {
    return ax * by - ay * bx;
}

// The boundary's edges by the band between row k and k + 1 that they reach
// into (index k - first), in one array.
class BandEdges {
public:
    BandEdges(const std::vector<Ring>& boundary, qint64 first, qint64 last, double spacing)
        : first_(first), starts_(size_t(std::max<qint64>(0, last - first)) + 1, 0) {
        // Counted first, then placed: no list per band.
        for (int pass = 0; pass < 2; ++pass) {
            std::vector<size_t> next = starts_;
            forEach(boundary, last, spacing, [&](qint64 k, const Edge& e) {
                if (pass == 0)
                    ++starts_[size_t(k - first_) + 1];
                else
                    edges_[next[size_t(k - first_)]++] = e;
            });
            if (pass == 0) {
                for (size_t i = 1; i < starts_.size(); ++i)
                    starts_[i] += starts_[i - 1];
                edges_.resize(starts_.back());
            }
        }
    }
    std::span<const Edge> band(qint64 k) const {
        const size_t i = size_t(k - first_);
        return {edges_.data() + starts_[i], starts_[i + 1] - starts_[i]};
    }

private:
    template <typename F>
    void forEach(const std::vector<Ring>& boundary, qint64 last, double spacing, F&& f) const {
        for (const Ring& ring : boundary) {
            for (size_t i = 0, n = ring.size(); i < n; ++i) {
                const Edge e{ring[i], ring[(i + 1) % n]};
                const double low = std::min(e.p.y, e.q.y), high = std::max(e.p.y, e.q.y);
                const qint64 from = std::max(first_, qint64(std::floor(low / spacing - 0.5)));
                const qint64 to = std::min(last - 1, qint64(std::floor(high / spacing - 0.5)));
                for (qint64 k = from; k <= to; ++k)
                    f(k, e);
            }
        }
    }

    qint64 first_;
    std::vector<size_t> starts_;
    std::vector<Edge> edges_;
};

// True when the move from a to b (both on the boundary, in one band)
// crosses no edge farther than `near` from its ends (the ends lie on edges,
// rounded) and its middle lies inside.
bool runsInside(PathPoint a, PathPoint b, std::span<const Edge> edges, double near) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length = std::sqrt(dx * dx + dy * dy);
    if (length <= 2 * near)
        return false;
    const double ends = near / length;
    bool alongEdge = false; // the move runs on an edge of the boundary
    for (const Edge& e : edges) {
        const double fx = e.q.x - e.p.x, fy = e.q.y - e.p.y;
        const double ex = e.p.x - a.x, ey = e.p.y - a.y;
        const double edgeLength = std::sqrt(fx * fx + fy * fy);
        if (edgeLength > 0 &&
            std::abs(cross(fx, fy, a.x - e.p.x, a.y - e.p.y)) <= near * edgeLength &&
            std::abs(cross(fx, fy, b.x - e.p.x, b.y - e.p.y)) <= near * edgeLength) {
            // Both ends on the edge's line: the move stays on the boundary
            // only where the edge covers it whole.
            const double lengthSquared = dx * dx + dy * dy;
            const double tp = (ex * dx + ey * dy) / lengthSquared;
            const double tq = ((e.q.x - a.x) * dx + (e.q.y - a.y) * dy) / lengthSquared;
            if (std::min(tp, tq) > ends || std::max(tp, tq) < 1 - ends)
                return false;
            alongEdge = true;
            continue;
        }
        const double denom = cross(dx, dy, fx, fy);
        if (denom * denom <= 1e-24 * (dx * dx + dy * dy) * (fx * fx + fy * fy))
            continue; // parallel, off the move's line
        const double t = cross(ex, ey, fx, fy) / denom, u = cross(ex, ey, dx, dy) / denom;
        if (t > ends && t < 1 - ends && u >= -1e-12 && u <= 1 + 1e-12)
            return false;
    }
    if (alongEdge)
        return true;
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
    struct Choice {
        size_t index;
        PathPoint start, finish;
        double distance;
    };
    std::vector<Choice> choices; // kept for the next row's, not made anew
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
// of the next row, trying the kMostTried ends nearest to `from`; returns the ends in
// drawing order, or nothing.
std::optional<std::pair<PathPoint, PathPoint>>
nextSegment(Rows& rows, qint64 row, PathPoint from, const BandEdges& edges, double y, double near) {
    if (row + 1 > rows.last())
        return std::nullopt;
    const size_t begin = rows.starts[size_t(row + 1 - rows.first)];
    const size_t end = rows.starts[size_t(row + 2 - rows.first)];
    using Choice = Rows::Choice;
    std::vector<Choice>& choices = rows.choices;
    choices.clear();
    for (size_t i = begin; i < end; ++i) {
        if (rows.used[i])
            continue;
        const PathPoint left{rows.segments[i].x0, y}, right{rows.segments[i].x1, y};
        choices.push_back({i, left, right, std::abs(left.x - from.x)});
        choices.push_back({i, right, left, std::abs(right.x - from.x)});
    }
    // The nearest few only: a move that far would hardly stay inside.
    const size_t tried = std::min(choices.size(), kMostTried);
    std::partial_sort(choices.begin(), choices.begin() + qsizetype(tried), choices.end(),
                      [](const Choice& a, const Choice& b) { return a.distance < b.distance; });
    for (size_t i = 0; i < tried; ++i) {
        const Choice& c = choices[i];
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
