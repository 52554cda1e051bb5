#pragma once

#include "base/armfacts.h"
#include "base/result.h"
#include "gcode/checkreport.h"
#include "gcode/pathcheck.h"
#include "gcode/plotcolours.h"
#include "gcode/programlinesink.h"
#include "gcode/programtext.h"

#include <QtGlobal>

#include <cstdint>
#include <optional>
#include <vector>

// The operator's shift of the drawing in plot units, added to every X and Y
// by the pass. Both are 0 except while a shift gesture on the plot is applied.
struct ProgramShift {
    qint32 dx = 0;
    qint32 dy = 0;
};

// The settings the preparation pass reads (the three check boxes of the page
// "Ustawienia programu", all on by default, and the shift).
struct PrepareSettings {
    bool RoundCoordinates = true;
    bool RemoveRepeated = true;
    bool CheckReach = true;
    ProgramShift shift;
    // When set, the pass also checks the path of the prepared program (see
    // pathcheck.h) as it goes, beside the check report.
    std::optional<PathCheckSettings> pathCheck;
    // Whether the pass lists the moves for the plot (PreparedProgram::moves).
    // A caller that draws nothing turns it off; the move texts are checked
    // all the same, so the pass fails on the same blocks either way.
    bool recordMoves = true;
    // The kinds of report line the pass records (CheckReport::Message flags);
    // a caller that shows only some kinds records only those.
    std::uint8_t reportMessages =
        CheckReport::ShiftY | CheckReport::ShiftX | CheckReport::OutOfReach;
};

// One line of the trajectory plot, in program coordinates (plot units; the
// surface maps them to pixels), with the colour row of its block's G and Z.
struct PlotMove {
    qint32 fromX = 0;
    qint32 fromY = 0;
    qint32 toX = 0;
    qint32 toY = 0;
    PlotRow row = PlotRow::NoRow;

    bool operator==(const PlotMove&) const = default;
};

// What a completed pass yields.
struct PreparedProgram {
    ProgramText lines;           // the prepared program, one canonical block a line
    CheckReport checkReport;     // shift and reach messages
    std::vector<PlotMove> moves; // in program order, drawn by PlotSurface::drawMoves
    PathCheckReport pathCheck;   // over `lines`, when the settings ask for it
    qsizetype blocksRead = 0;    // source lines the pass walked
    bool endBlockFound = false;  // false when the program ended with its last line
};

// The arm's reach: a point passes while x*x + y*y <= kReachSquared.
inline constexpr double kReachSquared = arm::kReach * arm::kReach;
static_assert(kReachSquared == 250000.0, "the program check's rule is x*x + y*y > 250000");

// The preparation pass over a program's lines. Walks the lines from the first
// up to and including the first block whose M word is exactly "30" (or to the
// last line when there is none: the end of the list ends the program like an
// end block). For each block: rounds X, Y and Z (halves to even) when
// RoundCoordinates is on; adds the shift to Y and then X, each time adding a
// shift line to the report; writes the block in canonical form; drops it when
// RemoveRepeated is on and its X and Y texts repeat the previous point (start
// point "500", "0"); records the move from the previous point when X and Y are
// both present (their texts must be whole numbers); checks the reach when
// CheckReach is on; then remembers X and Y. Empty canonical texts are dropped.
//
// The first bad number ends the pass with the station's text ("'%s' is not a
// valid floating point value", or "... integer value" for a move whose texts
// are not whole numbers, named in the order prevX, prevY, X, Y); nothing else
// is returned then, so the caller keeps its old program and plot.
//
// Allocation: the output lines go into one buffer; parsing and number
// conversion work on views and reused buffers, so the pass allocates nothing
// per line.
Result<PreparedProgram> PrepareProgram(const ProgramText& program, const PrepareSettings& settings);

// The same pass, handing each prepared line to `sink` as it goes;
// PreparedProgram::lines stays empty. On a failure the sink has received the
// lines before it, which the caller discards. The path check names blocks
// from the prepared lines, so `settings.pathCheck` must be unset here.
Result<PreparedProgram> PrepareProgram(const ProgramText& program, const PrepareSettings& settings,
                                       PreparedLineSink& sink);
