#pragma once

#include "gcode/blockview.h"

#include <QRgb>
#include <QtGlobal>

class PlotSurface;
class ProgramList;

// Draws the moves of program lines the controller has acknowledged over the
// plot in one colour, line after line, so the plot shows how far the arm has
// got. It follows the lines as the preparation records moves: X and Y are
// modal, a move is drawn for a line with both X and Y, from the point the
// line before left; the first line starts at the home point (500, 0).
// Travel moves (G00) are drawn only when the plot shows them.
class PlotProgress {
public:
    // A transfer starts at line `from`: the lines before it only move the
    // point.
    void start(const ProgramList& program, qsizetype from);
    // Draws the moves of lines [from, to).
    void draw(const ProgramList& program, qsizetype from, qsizetype to, PlotSurface& plot,
              QRgb colour, bool showTravel);

private:
    // Follows one line; true, with the move, when it draws one.
    bool follow(QByteArrayView line, double& fromX, double& fromY);

    BlockView block_;
    double x_ = 500;
    double y_ = 0;
    bool drawing_ = false;
};
