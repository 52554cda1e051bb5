#pragma once

#include "base/result.h"
#include "drawing/drawing.h"
#include "gcode/pathcheck.h"
#include "gcode/programtext.h"

#include <QStringList>
#include <QtGlobal>

#include <functional>
#include <optional>
#include <vector>

// How the station numbers the lines it writes.
struct LineNumbering {
    qint64 first = 10;
    qint64 step = 10;
};

// Writes a drawing in the station's form: for each path "Nn G00 X x Y y Z
// travel" to its first point (after "Nn G00 ..." to each of its approach
// waypoints), "Nn G01 X x Y y Z z" to each further point, and
// "Nn M30" at the end. Whole values are written as whole numbers, others in
// the station's number format (comma). Zero-length moves are left out.
// `holdBetweenPens`, when set, writes "Nn M00" before the first path of
// every pen after the first, so that the transfer waits for a pen change.
void AppendDrawingMoves(ProgramText& out, const Drawing& drawing, LineNumbering& numbering,
                        bool holdBetweenPens = false);
ProgramText WriteDrawingProgram(const Drawing& drawing, LineNumbering numbering = {},
                                bool holdBetweenPens = false);
// A program read for optimising: lines kept as they stand (anything that is
// not a plain pen-up or pen-down move: headers, pauses, the end block) and,
// between them, the drawings made of the moves. The optimiser reorders
// within a drawing only, so a pause stays between what came before and after it.
struct ProgramPiece {
    std::vector<QByteArray> keptLines; // before the drawing, as written
    Drawing drawing;
    PathPoint start; // where the arm stands when the drawing begins
    // Where a final pen-up move leaves the arm after the last path (none
    // when the drawing ends with its last path).
    std::optional<PathPoint> finish;
};
struct DrawingProgram {
    std::vector<ProgramPiece> pieces; // the last one's drawing may be empty
    LineNumbering numbering;          // as the program numbers its lines
    bool numbered = false;            // its first line had an N word
};

// Reads a program's moves with the walker (programwalk.h), every line: a
// block that moves (X or Y) with no words but N, G, X, Y, Z and no G but 0
// or 1 is part of a drawing, drawn or travelled by the walker's pen at its
// modal Z; any other block (F, S, T, M, another G) is kept as it stands, and
// the walker goes on from where it leaves the arm. Fails with the station's
// conversion text when a coordinate or Z does not convert.
Result<DrawingProgram> ReadDrawingProgram(const ProgramText& program);

// Writes the pieces back, every line numbered anew with the program's own
// numbering (a numbered program) or from N10 in steps of 10.
ProgramText WriteDrawingProgram(const DrawingProgram& program);

// The figures that tell how long a program keeps the arm busy: the four of
// MeasureProgram (programfigures.h), the bytes the transfer sends, and the
// path check's elbow findings with the pen down.
struct DrawingFigures {
    qsizetype lines = 0;
    qint64 bytes = 0;       // of the lines, line ends not counted
    double drawnLength = 0; // pen-down moves
    double penUpLength = 0; // pen-up moves, from the home point
    qsizetype penLifts = 0;
    // Pen-down moves that touch or cross the Y axis, where the elbow turns
    // over (CheckPath's "elbow" findings with the pen down).
    qsizetype elbowCrossings = 0;
};
DrawingFigures MeasureProgramMoves(const ProgramText& program);
// The same figures of the program WriteDrawingProgram(drawing, numbering,
// holdBetweenPens) writes, measured from the drawing line by line as it
// would be written, without keeping the program.
DrawingFigures MeasureDrawing(const Drawing& drawing, LineNumbering numbering = {},
                              bool holdBetweenPens = false);
// The path check's findings (CheckPath) of that program, their lines
// counted from 0 as it would be written.
std::vector<PathFinding> CheckDrawingPath(const Drawing& drawing,
                                          const PathCheckSettings& settings = {},
                                          LineNumbering numbering = {},
                                          bool holdBetweenPens = false);

// The figures before and after an optimisation, one a line, in the
// station's words ("Linie: 120 -> 80"); with `transferSeconds`, the time the
// transfer takes for each (the controller's model of the line).
QStringList FiguresReport(const DrawingFigures& before, const DrawingFigures& after,
                          const std::function<double(const DrawingFigures&)>& transferSeconds = {});
