#pragma once

#include "base/result.h"
#include "drawing/drawing.h"
#include "drawing/drawingprogram.h"
#include "drawing/placement.h"
#include "drawing/strokefont.h"
#include "gcode/programtext.h"

#include <QStringList>

#include <algorithm>

#include <vector>

// How strokes (text, hatching) become a program: as the SVG import writes
// a drawing, in whole units, optimised, with the pen's and travel's Z.

// The placement of strokes that are rounded to whole units once placed
// (PlaceShape with room for the rounding); `pointsOf(stroke)` gives a
// stroke's points, drawn from one to the next.
template <class Strokes, class PointsOf>
Result<Placement> PlaceForWholeUnits(const Strokes& strokes, PointsOf pointsOf,
                                     PlacementSettings placement) {
    placement.roundingSlack = std::max(placement.roundingSlack, kWholeUnitSlack);
    DrawingShape shape;
    for (const auto& stroke : strokes) {
        const std::vector<PathPoint>& points = pointsOf(stroke);
        for (size_t i = 0; i < points.size(); ++i)
            shape.push_back({points[i], i > 0});
    }
    return PlaceShape(shape, placement);
}

// A stroke placed and rounded to whole units (halves to the even
// neighbour), drawn at `z`.
DrawnPath PlacedInWholeUnits(const std::vector<PathPoint>& points, double z,
                             const Placement& place);

struct StrokeProgramSettings {
    bool fit = false; // into the safe area, as large as fits
    PlacementSettings placement;
    PathPoint origin;        // without fitting: added to every point
    double tolerance = 0.25; // the optimiser's, in program units
    double penHeight = 1;
    double travelHeight = 10;
    bool optimize = true;
};

// The strokes as a drawing: placed (fitted, or moved by the origin),
// rounded to whole units (halves to the even neighbour), optimised from the
// home point and, when fitted, with travel led around the forbidden circle.
// Fails with the placement's text, or when nothing longer than a unit is left.
struct StrokeDrawing {
    Drawing drawing;
    DrawingFigures before;              // as laid out, in writing order
    std::optional<Placement> placement; // when fitted
};
Result<StrokeDrawing> MakeStrokeDrawing(const std::vector<Stroke>& strokes,
                                        const StrokeProgramSettings& settings);

// The drawing written as a program in the station's form (numbered from
// N10 in steps of 10, M30 at the end), with its figures after.
struct StrokeProgram {
    ProgramText program;
    DrawingFigures before;
    DrawingFigures after;
    QStringList report; // the placement's, when fitted
};
Result<StrokeProgram> WriteStrokeProgram(const std::vector<Stroke>& strokes,
                                         const StrokeProgramSettings& settings);
