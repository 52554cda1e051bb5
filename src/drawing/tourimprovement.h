#pragma once

#include "drawing/tour.h"

#include <QtGlobal>

#include <chrono>
#include <vector>

// Each path end's nearest ends of other paths: `perEnd` ids a row, end id
// 2 * path for a path's first point and 2 * path + 1 for its last, nearest
// first, -1 where there are fewer.
struct NeighbourLists {
    int perEnd = 0;
    std::vector<int> ends;
};

// Improves a tour that starts at `home` and ends anywhere, in place, with
// moves among the neighbours only: 2-opt (a run of paths reversed, each
// drawn the other way) and Or-opt (a run of one to three paths moved
// elsewhere, either way round). A path is looked at again when a move
// touches it; the work stops when no move helps or at `deadline`.
// Returns the number of moves made.
// `tour` holds per place 2 * path (drawn from its first point) or
// 2 * path + 1 (drawn backwards); `ends` the ends by end id.
qsizetype ImproveTour(std::vector<int>& tour, const std::vector<TourEnd>& ends, const TourEnd& home,
                      const TravelPrice& price, const NeighbourLists& near,
                      std::chrono::steady_clock::time_point deadline);
