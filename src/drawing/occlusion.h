#pragma once

#include "base/result.h"
#include "drawing/fillarea.h"
#include "drawing/strokefont.h"

#include <optional>
#include <vector>

// A shape as a painter's picture paints it: the strokes the pen draws for
// it (outline, hatching) and the area its paint covers, none for a shape
// that is not filled.
struct PaintedShape {
    std::vector<Stroke> strokes;
    std::optional<FillArea> fill;
};

// The strokes left visible when the shapes are painted in order: each
// shape's fill hides what the shapes before it drew beneath it (its own
// strokes stay whole), as far as the fill reaches by its rule. One list a
// shape, in the shapes' order; a stroke cut by a fill becomes its visible
// pieces. Fails when a point is not a number or lies beyond the reach of
// the clipping (10^12 units).
Result<std::vector<std::vector<Stroke>>> HideOccluded(const std::vector<PaintedShape>& shapes);
