#include "drawing/pathoptimizer.h"

#include "drawing/pathordering.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace {

qsizetype dropZeroMoves(DrawnPath& path) {
    std::vector<PathPoint>& p = path.points;
    const size_t before = p.size();
    p.erase(std::unique(p.begin(), p.end()), p.end());
    if (p.size() < 2)
        p.clear();
    return qsizetype(before - p.size());
}

struct PointHash {
    size_t operator()(const PathPoint& p) const {
        const size_t hx = std::hash<double>()(p.x);
        return hx ^ (std::hash<double>()(p.y) + 0x9e3779b97f4a7c15ULL + (hx << 6) + (hx >> 2));
    }
};

// Joins paths whose ends meet: each path grows at its end, then at its start,
// by paths not yet taken.
std::vector<DrawnPath> joinPaths(std::vector<DrawnPath> paths, qsizetype& joined) {
    std::unordered_multimap<PathPoint, int, PointHash> ends;
    ends.reserve(paths.size() * 2);
    for (int i = 0; i < int(paths.size()); ++i) {
        ends.emplace(paths[size_t(i)].points.front(), i);
        ends.emplace(paths[size_t(i)].points.back(), i);
    }
    std::vector<char> taken(paths.size(), 0);
    auto takeAt = [&](const PathPoint& p) -> int {
        auto [from, to] = ends.equal_range(p);
        for (auto it = from; it != to; ++it) {
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

// Endpoints of the paths in a grid, for nearest-neighbour queries.
} // namespace

Drawing OptimizeDrawing(Drawing drawing, const OptimizerSettings& settings, PathPoint start,
                        OptimizerCounts* counts) {
    OptimizerCounts local;
    OptimizerCounts& c = counts ? *counts : local;
    // The Zs in the order they first appear, each with its paths.
    std::vector<std::pair<double, std::vector<DrawnPath>>> groups;
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
            if (settings.cost != TravelCost::Best) {
                paths = OrderPaths(std::move(paths), at, settings.cost);
            } else {
                // Both orders, and the one the arm travels faster.
                Drawing byDistance{OrderPaths(paths, at, TravelCost::Distance), 0};
                Drawing byJoints{OrderPaths(std::move(paths), at, TravelCost::JointTime), 0};
                paths = DrawingArmTravel(byJoints, at) < DrawingArmTravel(byDistance, at)
                            ? std::move(byJoints.paths)
                            : std::move(byDistance.paths);
            }
        }
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
