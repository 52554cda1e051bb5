#pragma once

#include "drawing/placement.h"
#include "hpgl/hpglnormalizer.h"

// Places the plot's points in the arm's safe area (PlaceShape, with the
// slack for coordinates rounded to whole units): PU moves travel, PD moves
// draw. Each PU move whose straight line would pass too near the base gets
// PU moves through the waypoints around the forbidden circle before it,
// from the home point on. Fails, the plot unchanged, as PlaceShape does.
Result<Placement> FitToWorkingArea(NormalizedPlot& plot, const PlacementSettings& settings = {});

// Normalises the plot text and, when asked, fits it: the text the converter
// understands. `dropped` receives the summary of what was left out, and
// `fitted`, when fitting, the placement.
struct NormalizeOptions {
    NormalizerSettings normalizer;
    bool fit = false;
    PlacementSettings fitting;
};
Result<QString> normalizePlotText(QStringView text, const NormalizeOptions& options,
                                  QString* dropped = nullptr, Placement* fitted = nullptr);

// The converter's header and footer lines are written as they stand, in the
// arm's own units, outside the fitted drawing. With a fit, a line among them
// whose X and Y would take the arm into the forbidden circle or beyond its
// reach goes to the home point (500, 0) instead, where the placed travel
// starts; every other word stays. Returns the lines so changed, as they
// were, for the report.
QStringList KeepFixedLinesSafe(QStringList& lines, double forbiddenRadius);
