#pragma once

#include "drawing/drawing.h"

#include <vector>

// A filled area as a drawing's shape gives it: closed rings (the last
// point joins the first without being repeated; a repeated one does no
// harm) in program units or millimetres, and the rule that says which
// parts of the plane they fill.
enum class FillRule {
    NonZero, // where the rings wind around a point other than zero times
    EvenOdd, // where a ray from the point crosses the rings an odd number of times
};

using Ring = std::vector<PathPoint>;

struct FillArea {
    std::vector<Ring> rings;
    FillRule rule = FillRule::NonZero;
};

// True when the point lies in the area by its rule (on a ring: either).
bool FillContains(const FillArea& area, PathPoint point);
