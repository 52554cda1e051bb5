#pragma once

#include "gcode/programwalk.h"

#include <QRgb>
#include <QtGlobal>

class PlotSurface;
class ProgramList;

// Draws the moves of program lines the controller has acknowledged over the
// plot in one colour, line after line, so the plot shows how far the arm has
// got. It follows the lines with the walker (programwalk.h) and draws, as
// the preparation records them, the moves of lines that name both X and Y.
// Travel moves (pen up) are drawn only when the plot shows them.
class PlotProgress {
public:
    // A transfer starts at line `from`: the lines before it only move the
    // point.
    void start(const ProgramList& program, qsizetype from);
    // Draws the moves of lines [from, to).
    void draw(const ProgramList& program, qsizetype from, qsizetype to, PlotSurface& plot,
              QRgb colour, bool showTravel);

private:
    ProgramWalker walker_;
};
