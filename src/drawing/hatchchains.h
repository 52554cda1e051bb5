#pragma once

// The joining of hatch lines into strokes, for HatchFill's own use.
#include "drawing/fillarea.h"
#include "drawing/strokefont.h"

#include <QtGlobal>

#include <vector>

// A hatch line clipped to the area, running along +X on row `row`, whose Y
// is (row + 0.5) * spacing.
struct HatchSegment {
    qint64 row = 0;
    double x0 = 0; // x0 <= x1
    double x1 = 0;
};

// The segments joined into strokes, row after row upwards: a stroke goes on
// from its last segment's end to the nearer end of a segment on the next
// row when that move crosses none of the boundary's edges and runs inside
// it (the boundary: rings that neither overlap nor cross). Every segment is
// drawn once.
std::vector<Stroke> JoinHatchSegments(std::vector<HatchSegment> segments,
                                      const std::vector<Ring>& boundary, double spacing);
