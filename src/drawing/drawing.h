#pragma once

#include "base/armfacts.h"

#include <utility>
#include <vector>

// A drawing as the arm draws it: pen-down paths in program units, each drawn
// from its first point to its last with its own Z, and travel with the pen up
// (at travelZ) between them. What the SVG import produces, what a G-code
// program's drawing moves are read into, and what the path optimiser orders.
struct PathPoint {
    double x = 0;
    double y = 0;

    bool operator==(const PathPoint&) const = default;
};

struct DrawnPath {
    DrawnPath() = default;
    DrawnPath(std::vector<PathPoint> points, double z = 1) : points(std::move(points)), z(z) {}

    std::vector<PathPoint> points; // two or more for a line to be drawn
    double z = 1;                  // the pen's Z while drawing this path
    // Pen-up waypoints on the way to the first point (around the forbidden
    // circle), travelled before it at the drawing's travelZ.
    std::vector<PathPoint> approach;
};

struct Drawing {
    std::vector<DrawnPath> paths; // in drawing order
    double travelZ = 10;          // Z of the pen-up moves between paths
};

// The arm's home point, where every program starts.
inline constexpr PathPoint kDrawingHome{arm::kHomeX, arm::kHomeY};
