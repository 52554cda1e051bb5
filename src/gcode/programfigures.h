#pragma once

#include "gcode/programtext.h"
#include "gcode/programwalk.h"

#include <QtGlobal>

// What a program asks of the arm, measured from its lines: how many there
// are, how far the pen travels down (drawing) and up, and how often it is
// lifted (a travel after drawing). The moves and the pen are the walker's
// (programwalk.h), measured as straight lines between their end points, up
// to the end block or to a value that does not convert.
struct ProgramFigures {
    qsizetype lines = 0;
    double drawnLength = 0; // program units
    double travelLength = 0;
    qsizetype penLifts = 0;

    bool operator==(const ProgramFigures&) const = default;
};

ProgramFigures MeasureProgram(const ProgramText& program);

// MeasureProgram's count, move by move, for a pass that walks a program
// itself.
struct FiguresCount {
    void move(const WalkMove& move);

    ProgramFigures figures;
    bool drew = false; // the last move drew
};
