#pragma once

#include "base/result.h"
#include "gcode/drawing.h"
#include "gcode/drawingprogram.h"
#include "gcode/programtext.h"

// How travel between paths is priced when ordering them.
enum class TravelCost {
    Distance,  // the straight pen-up distance
    JointTime, // the larger of the two joint turns, as the arm moves both at once
};

struct OptimizerSettings {
    static constexpr double kDefaultTolerance = 0.25;
    double tolerance = kDefaultTolerance; // program units
    bool join = true;
    bool simplify = true;
    bool order = true;
    TravelCost cost = TravelCost::JointTime; // the better for this arm (bench-svg)
};

// What one run changed.
struct OptimizerCounts {
    qsizetype pathsJoined = 0;   // paths appended to another at a shared end
    qsizetype pointsDropped = 0; // points closer than the tolerance to the drawn line
    qsizetype zeroMoves = 0;     // moves that went nowhere, and paths of one point
};

// Optimises a drawing for the arm, starting from `start`:
//  - drops zero-length moves and paths that draw nothing;
//  - joins paths of the same Z whose ends meet, reversing one where needed;
//  - drops points whose removal moves the drawn line by less than the tolerance;
//  - orders the paths of each Z (the Zs in the order they first appear) and
//    chooses each path's direction to cut pen-up travel: nearest neighbour,
//    then 2-opt over the order and directions.
// Pen-down moves stay where they were drawn, so the elbow crossings of the
// pen-down moves never grow (simplifying keeps every point on its side of the
// Y axis); pen-up travel across the axis costs a turn of the elbow, which
// TravelCost::JointTime prices.
Drawing OptimizeDrawing(Drawing drawing, const OptimizerSettings& settings, PathPoint start,
                        OptimizerCounts* counts = nullptr);

// A program optimised: its new lines and the figures before and after.
struct ProgramOptimization {
    ProgramText lines;
    DrawingFigures before;
    DrawingFigures after;
    OptimizerCounts counts;
};

// Reads the program's moves (ReadDrawingProgram), optimises each drawing
// between kept lines and writes the program numbered anew.
Result<ProgramOptimization> OptimizeProgram(const ProgramText& program,
                                            const OptimizerSettings& settings);

// The estimated turn, in degrees, of the slower joint for a pen-up move (the
// elbow bent clockwise on the right of the Y axis, counter-clockwise on the
// left, as the simulation solves it).
double JointTravel(PathPoint from, PathPoint to);
// The sum of JointTravel over a drawing's pen-up moves, from `start`.
double DrawingJointTravel(const Drawing& drawing, PathPoint start);
