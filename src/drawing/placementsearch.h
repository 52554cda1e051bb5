#pragma once

#include "drawing/placement.h"

#include <optional>
#include <vector>

// The search behind PlaceShape, on a shape brought to unit size: its box
// starts at (0, 0) and its larger side is 1.
namespace placementsearch {

// What of a shape can touch the safe area's edges: the corners of its hull
// (the outer circle, the X axis) and, for the inner circle, the lowest point
// of its lines and points in each of a row of narrow columns. The base lies
// below every point of a placed drawing, so of all the points above one
// another the lowest is the nearest to it.
struct Outline {
    std::vector<PathPoint> hull;
    std::vector<double> lowest; // per column; +inf where nothing is
    double columnWidth = 0;
    double width = 0;  // of the box, at most 1
    double height = 0; // of the box, at most 1
};

// The shape's box (least corner and larger side) and its outline in that
// frame; nullopt when the shape has no extent or draws nothing.
struct Frame {
    double left = 0;
    double bottom = 0;
    double size = 0;
};
std::optional<Outline> OutlineOf(const DrawingShape& shape, Frame& frame);

// The safe area in program units.
struct Limits {
    double inner = 0;  // R + margin (+ slack)
    double outer = 0;  // reach - margin (- slack)
    double margin = 0; // above the X axis, and beside the Y axis on one side
};

// A place: the base, in the outline's frame, at (u, v); scale s maps the
// outline to program units (placed = s * (q - base)).
struct Found {
    double scale = 0;
    double u = 0;
    double v = 0;
    double room = 0; // how far the base could still move up or down
};

// The largest scale at which the outline fits on the given side, and where.
std::optional<Found> LargestFit(const Outline& outline, const Limits& limits, PlacedSide side);
// Where the outline fits at the scale, with the most room; nullopt when
// it does not.
std::optional<Found> FitAt(const Outline& outline, const Limits& limits, PlacedSide side,
                           double scale);

} // namespace placementsearch
