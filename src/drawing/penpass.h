#pragma once

#include "base/result.h"
#include "drawing/fillarea.h"
#include "drawing/strokefont.h"

#include <QPointF>
#include <QString>
#include <QStringList>
#include <QTransform>

#include <memory>
#include <optional>
#include <vector>

// What the pen makes of a drawing's shapes beyond their outlines: text in
// the single-stroke font, filled areas hatched, and the lines that later
// shapes' paint covers left out. Independent of where the shapes come from.

enum class PenTextMode {
    SingleStroke, // a text run is written in the single-stroke font
    Outline,      // a text run is drawn by the strokes given for it
};

enum class PenAnchor { Start, Middle, End };

// A run of text as a document places it.
struct PenTextRun {
    QString text;
    QPointF at;             // the anchor point on the baseline, in the run's units (Y down)
    bool continues = false; // placed where the previous run ended, not at `at`
    double fontSize = 16;   // the em, in the run's units
    PenAnchor anchor = PenAnchor::Start;
    QTransform toPage; // the run's units to the page's (Y up)
};

// A shape in painting order, in the page's units (Y up).
struct PenShape {
    std::vector<Stroke> strokes;  // as drawn without the pass (dashed, clipped)
    std::optional<FillArea> fill; // the area its paint covers; none when not filled
    bool stroked = false;         // its outline is painted (not only its fill's edge)
    int pen = 1;
    std::optional<PenTextRun> text;
    // The shape's clip: nothing of it is seen outside this area (the strokes
    // given are clipped already; its hatching, its text and what its fill
    // hides are clipped by the pass); shared by the shapes of one clip.
    std::shared_ptr<const FillArea> seenWithin;
};

struct PenPassOptions {
    static constexpr double kDefaultHatchAngle = 45;
    PenTextMode text = PenTextMode::SingleStroke;
    QString font; // one of StrokeFontNames(); empty: the first
    // Between hatch lines, in the shapes' units; none: fills are not hatched.
    std::optional<double> hatchSpacing;
    double hatchAngle = kDefaultHatchAngle; // degrees counter-clockwise from +X
    bool crossHatch = false;
    // The edge of a hatched shape that is filled but not stroked is drawn.
    bool outline = true;
    bool occlude = false; // later shapes' fills hide what lies beneath them

    bool operator==(const PenPassOptions&) const = default;
};

struct PenStrokes {
    std::vector<Stroke> strokes;
    int pen = 1;
};

struct PenPass {
    std::vector<PenStrokes> shapes; // one a shape, in the shapes' order
    QStringList report;             // what the pass did, one remark a line
};

// The font's capital height for a font size (em): the em taken as reaching
// from the bottom of "p" to the top of "H", so that a line of text is as
// tall as the document means it.
double CapitalHeightForFontSize(const StrokeFontMetrics& metrics, double fontSize);

// The options' own check: the spacing a positive number, the angle a
// number, the font one the station has; the first fault's text.
Status CheckPenPassOptions(const PenPassOptions& options);

// Each shape's strokes as the pen draws them. With single-stroke text a
// text shape's strokes are its run laid out in the font (replacing those
// given; its fill neither hatched nor hiding anything); a continuing run
// starts where the one before ended. With a spacing each filled shape is
// hatched (the hatching first, then its strokes). Fails on bad options, on
// hatching of more than HatchSettings::kMostLines lines in all, and on a
// point that is not a number.
Result<PenPass> RunPenPass(const std::vector<PenShape>& shapes, const PenPassOptions& options);
