#pragma once

// The bridge to the Clipper library, for the drawing library's own use
// (hatching, hidden lines): points in whole multiples of 1/65536 of a unit.
#include "drawing/fillarea.h"
#include "drawing/strokefont.h"

#include <clipper.hpp>

#include <cmath>
#include <vector>

namespace clipper {

inline constexpr double kScale = 65536;

// The largest coordinate the bridge takes (Clipper's range, with room).
inline constexpr double kLargest = 1e12;
// True when every point is a number within kLargest.
bool usable(const std::vector<Ring>& rings);

inline ClipperLib::IntPoint toInt(PathPoint p) {
    return {ClipperLib::cInt(std::llround(p.x * kScale)),
            ClipperLib::cInt(std::llround(p.y * kScale))};
}
inline PathPoint fromInt(const ClipperLib::IntPoint& p) {
    return {double(p.X) / kScale, double(p.Y) / kScale};
}
inline ClipperLib::PolyFillType fillType(FillRule rule) {
    return rule == FillRule::EvenOdd ? ClipperLib::pftEvenOdd : ClipperLib::pftNonZero;
}

// Rings or strokes (both lists of points), and back.
ClipperLib::Paths toPaths(const std::vector<Ring>& rings);
std::vector<Stroke> toStrokes(const ClipperLib::Paths& paths);

// The area as polygons that neither overlap nor cross (holes wound the
// other way), which either rule reads the same.
ClipperLib::Paths simplified(const FillArea& area);

// The parts of the open strokes inside the polygons (ctIntersection) or
// outside them (ctDifference), the polygons read by `rule`.
ClipperLib::Paths clipOpen(const ClipperLib::Paths& strokes, const ClipperLib::Paths& polygons,
                           ClipperLib::ClipType type,
                           ClipperLib::PolyFillType rule = ClipperLib::pftNonZero);

} // namespace clipper
