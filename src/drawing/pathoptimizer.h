#pragma once

#include "base/result.h"
#include "drawing/drawing.h"
#include "drawing/drawingprogram.h"
#include "gcode/programtext.h"

#include <chrono>

// How travel between paths is priced when ordering them.
enum class TravelCost {
    Distance,  // the straight pen-up distance
    JointTime, // the larger of the two joint turns between the ends
    Best,      // both orders made, the one the arm travels faster kept (ArmTravel)
};

struct OptimizerSettings {
    static constexpr double kDefaultTolerance = 0.25;
    double tolerance = kDefaultTolerance; // program units
    bool join = true;
    bool simplify = true;
    bool order = true;
    TravelCost cost = TravelCost::Best;
    // How long the ordering may improve on the greedy order, for the whole
    // drawing (both orders of TravelCost::Best share it).
    std::chrono::milliseconds orderingTime{600};
};

// What one run changed.
struct OptimizerCounts {
    qsizetype pathsJoined = 0;   // paths appended to another at a shared end (or
                                 // one closer than the tolerance, after ordering)
    qsizetype pointsDropped = 0; // points closer than the tolerance to the drawn line
    qsizetype zeroMoves = 0;     // moves that went nowhere, and paths of one point
};

// Optimises a drawing for the arm, starting from `start`:
//  - drops zero-length moves and paths that draw nothing;
//  - joins paths of the same Z whose ends meet, reversing one where needed;
//  - drops points whose removal moves the drawn line by less than the tolerance;
//  - orders the paths of each Z (the Zs in the order they first appear) and
//    chooses each path's direction to cut pen-up travel: nearest neighbour,
//    then 2-opt and Or-opt among near ends (OrderPaths);
//  - draws on without lifting the pen where a path of the same Z begins
//    closer than the tolerance to where the one before it ended.
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

// The estimated time of a pen-up move, as degrees turned by the leading
// joint while the pen follows the straight line (the arm moves both joints at
// once, the leading one at full rate; the elbow bent clockwise on the right of
// the Y axis and counter-clockwise on the left, so a move across the axis
// turns it over).
double ArmTravel(PathPoint from, PathPoint to);
// The sum of ArmTravel over a drawing's pen-up moves, from `start`.
double DrawingArmTravel(const Drawing& drawing, PathPoint start);
