#pragma once

#include "base/result.h"
#include "drawing/placement.h"
#include "gcode/programtext.h"

// A program placed in the safe area: its moves scaled and shifted by one
// placement, and the travel that would pass too near the base routed around
// the forbidden circle.
struct PlacedProgram {
    ProgramText lines;
    Placement placement;
};

// Places a program's moves (a block with X or Y is a move, the other
// coordinate carried on; G00 lifts the pen and G01 lowers it, any other G
// leaves it; the first move starts at the home point). Every line keeps its
// words but the values of X and Y, which are replaced by their placed values
// (to a thousandth, in the station's number format); a first move without
// both gets the missing one. The placement keeps the room for the
// preparation's rounding to whole units (kWholeUnitSlack). Before a pen-up move whose straight line
// would pass too near the base, lines "G00 X x Y y" (with the move's Z) go through the waypoints
// around the circle. Fails, with the station's text, when a value does not convert or PlaceShape
// fails.
Result<PlacedProgram> PlaceProgram(const ProgramText& program, const PlacementSettings& settings);

// A pen-up program that travels from the home point around the box of the
// program's drawn moves and, when the settings name a sheet, around the
// sheet where the placement lays it: "N10 G00 X x Y y Z z" lines (Z the
// program's last pen-up height, 10 without one) and "M30". The travel goes
// around the forbidden circle like a placed program's; a corner beyond the
// reach is taken in to the reach less the margin.
Result<ProgramText> OutlineProgram(const ProgramText& program, const PlacementSettings& settings);
