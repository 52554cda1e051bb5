#pragma once

#include "drawing/fillarea.h"
#include "drawing/strokefont.h"

#include <vector>

// Areas met and joined, and strokes cut to an area: what a clip makes of a
// shape's fill and of the lines drawn for it. Results are rings that neither
// overlap nor cross (holes wound the other way), which either rule reads the
// same. Points beyond 1e12 units leave the input as it was.

// The area inside both.
FillArea IntersectAreas(const FillArea& a, const FillArea& b);
// The area inside any of `areas`.
FillArea UniteAreas(const std::vector<FillArea>& areas);
// The parts of `strokes` inside `area`.
std::vector<Stroke> StrokesWithin(const std::vector<Stroke>& strokes, const FillArea& area);
