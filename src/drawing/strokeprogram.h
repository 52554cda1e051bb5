#pragma once

#include "base/result.h"
#include "drawing/drawing.h"
#include "drawing/drawingprogram.h"
#include "drawing/placement.h"
#include "drawing/strokefont.h"
#include "gcode/programtext.h"

#include <QStringList>

#include <vector>

// How strokes (text, hatching) become a program: as the SVG import writes
// a drawing, in whole units, optimised, with the pen's and travel's Z.
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
