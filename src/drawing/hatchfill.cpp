#include "drawing/hatchfill.h"

#include "base/numberformat.h"
#include "drawing/clipperpaths.h"
#include "drawing/hatchchains.h"
#include "drawing/pentexts.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace {

// The point turned by the angle whose cosine and sine are given.
PathPoint turned(PathPoint p, double cosine, double sine) {
    return {p.x * cosine - p.y * sine, p.x * sine + p.y * cosine};
}

std::vector<Ring> turned(const std::vector<Ring>& rings, double degrees) {
    const double a = degrees * std::numbers::pi / 180, c = std::cos(a), s = std::sin(a);
    std::vector<Ring> out = rings;
    for (Ring& ring : out) {
        for (PathPoint& p : ring)
            p = turned(p, c, s);
    }
    return out;
}

// The rows (k, line at (k + 0.5) * spacing) between two heights.
std::pair<double, double> rowRange(double low, double high, double spacing) {
    return {std::ceil(low / spacing - 0.5), std::floor(high / spacing - 0.5)};
}

// How many rows the rings' extent takes at `angle`.
double rowCount(const std::vector<Ring>& rings, double angle, double spacing) {
    const double a = -angle * std::numbers::pi / 180, c = std::cos(a), s = std::sin(a);
    double low = std::numeric_limits<double>::max(), high = std::numeric_limits<double>::lowest();
    for (const Ring& ring : rings) {
        for (const PathPoint& p : ring) {
            const double y = turned(p, c, s).y;
            low = std::min(low, y), high = std::max(high, y);
        }
    }
    if (low > high)
        return 0;
    const auto [first, last] = rowRange(low, high, spacing);
    return std::max(0.0, last - first + 1);
}

// The lines across the paths' extent, one a row, and a closed box around it.
ClipperLib::Paths rowLines(const ClipperLib::Paths& rings, double spacing) {
    ClipperLib::cInt left = std::numeric_limits<ClipperLib::cInt>::max(), right = -left;
    ClipperLib::cInt low = left, high = right;
    for (const ClipperLib::Path& path : rings) {
        for (const ClipperLib::IntPoint& p : path) {
            left = std::min(left, p.X), right = std::max(right, p.X);
            low = std::min(low, p.Y), high = std::max(high, p.Y);
        }
    }
    ClipperLib::Paths lines;
    if (left > right)
        return lines;
    const auto [first, last] =
        rowRange(double(low) / clipper::kScale, double(high) / clipper::kScale, spacing);
    for (double k = first; k <= last; ++k) {
        const ClipperLib::cInt y = std::llround((k + 0.5) * spacing * clipper::kScale);
        lines.push_back({{left - 1, y}, {right + 1, y}});
    }
    return lines;
}

// One set of lines at `angle`, joined, in the area's own frame. One
// clipping gives both the lines inside the area and the area as polygons
// that neither overlap nor cross (the box around it cut to it), which the
// joining reads.
std::vector<Stroke> hatchSet(const FillArea& area, double spacing, double angle) {
    const ClipperLib::Paths rings = clipper::toPaths(turned(area.rings, -angle));
    const ClipperLib::Paths lines = rowLines(rings, spacing);
    if (lines.empty())
        return {};
    ClipperLib::Clipper clipper;
    clipper.AddPaths(lines, ClipperLib::ptSubject, false);
    const ClipperLib::cInt left = lines[0][0].X, right = lines[0][1].X;
    const ClipperLib::cInt low = lines.front()[0].Y - 1, high = lines.back()[0].Y + 1;
    clipper.AddPath({{left, low}, {right, low}, {right, high}, {left, high}}, ClipperLib::ptSubject,
                    true);
    clipper.AddPaths(rings, ClipperLib::ptClip, true);
    ClipperLib::PolyTree tree;
    clipper.Execute(ClipperLib::ctIntersection, tree, ClipperLib::pftNonZero,
                    clipper::fillType(area.rule));
    ClipperLib::Paths pieces, clean;
    ClipperLib::OpenPathsFromPolyTree(tree, pieces);
    ClipperLib::ClosedPathsFromPolyTree(tree, clean);
    std::vector<HatchSegment> segments;
    segments.reserve(pieces.size());
    for (const ClipperLib::Path& piece : pieces) {
        const PathPoint a = clipper::fromInt(piece.front()), b = clipper::fromInt(piece.back());
        segments.push_back(
            {qint64(std::llround(a.y / spacing - 0.5)), std::min(a.x, b.x), std::max(a.x, b.x)});
    }
    std::vector<Stroke> strokes =
        JoinHatchSegments(std::move(segments), clipper::toStrokes(clean), spacing);
    const double a = angle * std::numbers::pi / 180, c = std::cos(a), s = std::sin(a);
    for (Stroke& stroke : strokes) {
        for (PathPoint& p : stroke)
            p = turned(p, c, s);
    }
    return strokes;
}

} // namespace

Status CheckHatchSettings(const HatchSettings& settings) {
    if (!(settings.spacing > 0) || !std::isfinite(settings.spacing))
        return Failure{pen::badSpacing(FormatReal(settings.spacing))};
    if (!std::isfinite(settings.angle))
        return Failure{pen::badAngle(FormatReal(settings.angle))};
    return {};
}

qsizetype HatchLineCount(const FillArea& area, const HatchSettings& settings) {
    if (!CheckHatchSettings(settings) || !clipper::usable(area.rings))
        return 0;
    double count = rowCount(area.rings, settings.angle, settings.spacing);
    if (settings.cross)
        count += rowCount(area.rings, settings.angle + 90, settings.spacing);
    return qsizetype(std::min(count, 9e18));
}

Result<std::vector<Stroke>> HatchFill(const FillArea& area, const HatchSettings& settings) {
    if (const Status checked = CheckHatchSettings(settings); !checked)
        return checked.failure();
    if (!clipper::usable(area.rings))
        return Failure{pen::badPoint()};
    if (HatchLineCount(area, settings) > settings.mostLines)
        return Failure{
            pen::tooManyHatchLines(FormatReal(settings.spacing), FormatWhole(settings.mostLines))};
    std::vector<Stroke> strokes = hatchSet(area, settings.spacing, settings.angle);
    if (settings.cross) {
        std::vector<Stroke> across = hatchSet(area, settings.spacing, settings.angle + 90);
        strokes.insert(strokes.end(), std::make_move_iterator(across.begin()),
                       std::make_move_iterator(across.end()));
    }
    if (settings.outline) {
        for (const Ring& ring : area.rings) {
            if (ring.size() < 2)
                continue;
            Stroke closed = ring;
            if (!(closed.front() == closed.back()))
                closed.push_back(closed.front());
            strokes.push_back(std::move(closed));
        }
    }
    return strokes;
}
