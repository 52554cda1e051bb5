#pragma once

#include "drawing/drawing.h"
#include "drawing/pathoptimizer.h"

#include <chrono>
#include <vector>

// The paths in the order, and each in the direction, that cuts the pen-up
// travel from `start` by the given cost: greedy nearest neighbour over a
// grid of the path ends, then 2-opt and Or-opt moves among each end's
// nearest ends (ImproveTour) until none helps or the time `budget` is spent;
// for TravelCost::Best both orders, the one the arm travels faster kept
// (ArmTravel). A large drawing is ordered in tiles of a few thousand paths,
// walked row by row, each tile from where the one before ended. Every path
// must have a point.
std::vector<DrawnPath> OrderPaths(std::vector<DrawnPath> paths, PathPoint start, TravelCost cost,
                                  std::chrono::milliseconds budget = std::chrono::seconds(1));

// The greedy order alone: from `start`, always on to the nearest end of a
// path not yet drawn, that path drawn from that end. For comparisons.
std::vector<DrawnPath> GreedyOrder(std::vector<DrawnPath> paths, PathPoint start);
