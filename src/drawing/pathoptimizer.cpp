#include "drawing/pathoptimizer.h"

#include "drawing/pathordering.h"

#include <algorithm>
#include <cmath>
#include <compare>

namespace {

qsizetype dropZeroMoves(DrawnPath& path) {
    std::vector<PathPoint>& p = path.points;
    const size_t before = p.size();
    p.erase(std::unique(p.begin(), p.end()), p.end());
    if (p.size() < 2)
        p.clear();
    return qsizetype(before - p.size());
}

// Joins paths whose ends meet: each path grows at its end, then at its start,
// by paths not yet taken. The ends are looked up in a sorted list.
std::vector<DrawnPath> joinPaths(std::vector<DrawnPath> paths, qsizetype& joined) {
    std::vector<std::pair<PathPoint, int>> ends;
    ends.reserve(paths.size() * 2);
    for (int i = 0; i < int(paths.size()); ++i) {
        ends.emplace_back(paths[size_t(i)].points.front(), i);
        ends.emplace_back(paths[size_t(i)].points.back(), i);
    }
    // A total order, also over NaN.
    auto before = [](const std::pair<PathPoint, int>& a, const std::pair<PathPoint, int>& b) {
        if (const auto x = std::strong_order(a.first.x, b.first.x); x != 0)
            return x < 0;
        if (const auto y = std::strong_order(a.first.y, b.first.y); y != 0)
            return y < 0;
        return a.second < b.second;
    };
    std::sort(ends.begin(), ends.end(), before);
    std::vector<char> taken(paths.size(), 0);
    auto takeAt = [&](const PathPoint& p) -> int {
        auto it =
            std::lower_bound(ends.begin(), ends.end(), std::pair<PathPoint, int>{p, -1}, before);
        for (; it != ends.end() && it->first == p; ++it) {
            if (!taken[size_t(it->second)])
                return it->second;
        }
        return -1;
    };
    auto grow = [&](std::vector<PathPoint>& chain) {
        for (int next = takeAt(chain.back()); next >= 0; next = takeAt(chain.back())) {
            taken[size_t(next)] = 1;
            std::vector<PathPoint>& add = paths[size_t(next)].points;
            if (!(add.front() == chain.back()))
                std::reverse(add.begin(), add.end());
            chain.insert(chain.end(), add.begin() + 1, add.end());
            add = {};
            ++joined;
        }
    };
    std::vector<DrawnPath> out;
    for (size_t i = 0; i < paths.size(); ++i) {
        if (taken[i])
            continue;
        taken[i] = 1;
        DrawnPath path = std::move(paths[i]);
        grow(path.points);
        std::reverse(path.points.begin(), path.points.end());
        grow(path.points);
        std::reverse(path.points.begin(), path.points.end());
        out.push_back(std::move(path));
    }
    return out;
}

// The squared distance of p from the segment a-b.
double segmentDistance2(const PathPoint& p, const PathPoint& a, const PathPoint& b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / len2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    const double ex = p.x - (a.x + t * dx), ey = p.y - (a.y + t * dy);
    return ex * ex + ey * ey;
}

// Douglas-Peucker without recursion: keeps the point farthest from each chord
// while it lies beyond the tolerance.
qsizetype simplifyPath(std::vector<PathPoint>& points, double tolerance) {
    const size_t n = points.size();
    if (n < 3)
        return 0;
    std::vector<char> keep(n, 0);
    keep[0] = keep[n - 1] = 1;
    std::vector<std::pair<size_t, size_t>> stack{{0, n - 1}};
    while (!stack.empty()) {
        const auto [first, last] = stack.back();
        stack.pop_back();
        double farthest = -1;
        size_t at = first;
        for (size_t i = first + 1; i < last; ++i) {
            const double d = segmentDistance2(points[i], points[first], points[last]);
            if (d > farthest)
                farthest = d, at = i;
        }
        if (farthest >= tolerance * tolerance) { // both squared
            keep[at] = 1;
            stack.push_back({first, at});
            stack.push_back({at, last});
        }
    }
    size_t k = 0;
    for (size_t i = 0; i < n; ++i) {
        if (keep[i])
            points[k++] = points[i];
    }
    points.resize(k);
    return qsizetype(n - k);
}

// Where a path of the same Z begins closer than the tolerance to where the
// one before it ends, the pen draws on across the gap instead of lifting.
std::vector<DrawnPath> mergeNearEnds(std::vector<DrawnPath> paths, double tolerance,
                                     qsizetype& joined) {
    std::vector<DrawnPath> out;
    out.reserve(paths.size());
    for (DrawnPath& path : paths) {
        if (!out.empty() && path.approach.empty() && out.back().z == path.z) {
            std::vector<PathPoint>& chain = out.back().points;
            const PathPoint& from = chain.back();
            const PathPoint& to = path.points.front();
            if (std::hypot(to.x - from.x, to.y - from.y) <= tolerance) {
                chain.insert(chain.end(), path.points.begin() + (to == from ? 1 : 0),
                             path.points.end());
                ++joined;
                continue;
            }
        }
        out.push_back(std::move(path));
    }
    return out;
}

} // namespace

Drawing OptimizeDrawing(Drawing drawing, const OptimizerSettings& settings, PathPoint start,
                        OptimizerCounts* counts) {
    OptimizerCounts local;
    OptimizerCounts& c = counts ? *counts : local;
    // The Zs in the order they first appear, each with its paths.
    std::vector<std::pair<double, std::vector<DrawnPath>>> groups;
    size_t total = 0;
    for (DrawnPath& path : drawing.paths) {
        c.zeroMoves += dropZeroMoves(path);
        if (path.points.empty()) {
            ++c.zeroMoves;
            continue;
        }
        auto group = std::find_if(groups.begin(), groups.end(),
                                  [&](const auto& g) { return g.first == path.z; });
        if (group == groups.end())
            group = groups.insert(groups.end(), {path.z, {}});
        group->second.push_back(std::move(path));
        ++total;
    }
    drawing.paths.clear();
    PathPoint at = start;
    for (auto& [z, paths] : groups) {
        if (settings.join)
            paths = joinPaths(std::move(paths), c.pathsJoined);
        if (settings.simplify) {
            for (DrawnPath& path : paths)
                c.pointsDropped += simplifyPath(path.points, settings.tolerance);
        }
        if (settings.order && !paths.empty()) {
            // Each Z's share of the time, by its paths.
            const auto share = std::chrono::milliseconds(settings.orderingTime.count() *
                                                         qint64(paths.size()) / qint64(total));
            paths = OrderPaths(std::move(paths), at, settings.cost, share);
        }
        if (settings.join)
            paths = mergeNearEnds(std::move(paths), settings.tolerance, c.pathsJoined);
        if (!paths.empty())
            at = paths.back().points.back();
        for (DrawnPath& path : paths)
            drawing.paths.push_back(std::move(path));
    }
    return drawing;
}

Result<ProgramOptimization> OptimizeProgram(const ProgramText& program,
                                            const OptimizerSettings& settings) {
    Result<DrawingProgram> read = ReadDrawingProgram(program);
    if (!read)
        return read.failure();
    ProgramOptimization result;
    result.before = MeasureProgramMoves(program);
    DrawingProgram& optimized = read.value();
    // Each drawing starts where the one before it now ends, unless a kept
    // line between them moved the arm.
    auto endOf = [](const ProgramPiece& piece, PathPoint otherwise) {
        if (piece.finish)
            return *piece.finish;
        return piece.drawing.paths.empty() ? otherwise : piece.drawing.paths.back().points.back();
    };
    PathPoint originalEnd = kDrawingHome, optimizedEnd = kDrawingHome;
    for (ProgramPiece& piece : optimized.pieces) {
        const PathPoint start = piece.start == originalEnd ? optimizedEnd : piece.start;
        originalEnd = endOf(piece, piece.start);
        piece.drawing = OptimizeDrawing(std::move(piece.drawing), settings, start, &result.counts);
        piece.start = start;
        optimizedEnd = endOf(piece, start);
    }
    result.lines = WriteDrawingProgram(optimized);
    result.after = MeasureProgramMoves(result.lines);
    return result;
}
