#pragma once

#include "base/result.h"
#include "drawing/fillarea.h"
#include "drawing/strokefont.h"

#include <QtGlobal>

#include <vector>

struct HatchSettings {
    static constexpr qsizetype kMostLines = 10'000'000;
    double spacing = 1;  // between hatch lines, in the area's units
    double angle = 0;    // of the lines, degrees counter-clockwise from +X
    bool cross = false;  // a second set of lines at angle + 90
    bool outline = true; // the rings drawn too, after the hatching
    // The most hatch lines (across the area's extent, both sets counted) a
    // call may make; a caller hatching many areas passes what is left.
    qsizetype mostLines = kMostLines;
};

// How many hatch lines the area's extent takes at the settings' spacing
// and angle(s): an upper bound of the lines HatchFill draws.
qsizetype HatchLineCount(const FillArea& area, const HatchSettings& settings);

// The area filled with straight lines `spacing` apart (on lines through
// the origin's multiples of the spacing, so that neighbouring areas' lines
// meet), clipped to the area by its rule (holes, islands in holes and
// self-crossing rings alike). The lines of one set are joined into one
// stroke wherever the move from one line's end to the next line's nearer
// end stays inside the area, so that a convex area is hatched in a single
// stroke; the rings follow as closed strokes when asked for. Fails when the
// spacing is not a positive number, the angle not a number, a point is not
// a number, or the lines would be more than mostLines.
Result<std::vector<Stroke>> HatchFill(const FillArea& area, const HatchSettings& settings);

// The settings' own check; the first fault's text.
Status CheckHatchSettings(const HatchSettings& settings);
