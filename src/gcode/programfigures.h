#pragma once

#include "gcode/blockview.h"
#include "gcode/programtext.h"

#include <QtGlobal>

// What a program asks of the arm, measured from its lines: how many there
// are, how far the pen travels down (G01 to G03, drawing) and up (G00), and
// how often it is lifted (a travel after drawing). X and Y are modal, the
// first move starts at the home point (500, 0), and a line without a G word
// moves as the last one did. Moves are measured as straight lines between
// their end points. Values that are not numbers leave their coordinate as it
// was (the preparation reports them).
struct ProgramFigures {
    qsizetype lines = 0;
    double drawnLength = 0; // program units
    double travelLength = 0;
    qsizetype penLifts = 0;

    bool operator==(const ProgramFigures&) const = default;
};

ProgramFigures MeasureProgram(const ProgramText& program);

// The motion a G word's value names: a travel with the pen up (0, "00"), a
// drawing move (1 to 3), or none (no G word, anything else).
enum class GMotion { None, Travel, Draw };
GMotion MotionOf(QByteArrayView g);

// X or Y of a parsed block as a number; false (the value left as it was)
// when the word is missing or not a finite number.
bool ReadCoordinate(const BlockView& block, GcodeWord word, double& value);
