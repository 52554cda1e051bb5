#pragma once

#include "drawing/drawing.h"
#include "drawing/pathoptimizer.h"

#include <vector>

// The paths in the order, and each in the direction, that cuts the pen-up
// travel from `start` by the given cost: nearest neighbour over a grid of the
// path ends, then 2-opt over order and directions (every pair up to 1,500
// paths, a window of 50 beyond). Every path must have a point.
std::vector<DrawnPath> OrderPaths(std::vector<DrawnPath> paths, PathPoint start, TravelCost cost);
