#pragma once

#include "hpgl/hpglnormalizer.h"

// The arm's working area as the program check sees it: within kReach of the
// base, on the side of positive Y.
constexpr double kReach = 500;

struct FitSettings {
    int margin = 10; // units kept free inside the working area's edges
};

// How a plot was placed: output = scale * input + offset.
struct PlotFit {
    double scale = 1;
    double offsetX = 0;
    double offsetY = 0;
};

// Scales (one factor for both axes) and moves the plot's points so that all
// of them, once rounded to whole units, lie within kReach - margin of the
// base and at least margin above the X axis, as large as fits. A plot
// without points stays as it is. Fails when the margin leaves no room.
Result<PlotFit> FitToWorkingArea(NormalizedPlot& plot, const FitSettings& settings = {});

// Normalises the plot text and, when asked, fits it: the text the converter
// understands. `dropped` receives the summary of what was left out.
struct NormalizeOptions {
    NormalizerSettings normalizer;
    bool fit = false;
    FitSettings fitting;
};
Result<QString> normalizePlotText(QStringView text, const NormalizeOptions& options,
                                  QString* dropped = nullptr);
