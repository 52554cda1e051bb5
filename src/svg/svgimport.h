#pragma once

#include "base/result.h"
#include "drawing/drawing.h"
#include "drawing/drawingprogram.h"
#include "drawing/pathoptimizer.h"
#include "drawing/penpass.h"
#include "drawing/placement.h"
#include "gcode/programtext.h"
#include "hpgl/convertersettings.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

// A drawing's outlines as read from an SVG document, flattened: in
// millimetres of the page, X to the right from its left edge and Y up from
// its bottom edge, each line with its pen (1 to 8).
struct SvgLine {
    std::vector<PathPoint> points;
    int pen = 1;
};
struct SvgGeometry {
    std::vector<SvgLine> lines;
    double widthMm = 0;
    double heightMm = 0;
    int pens = 0;      // pens used
    QStringList notes; // what was not drawn, by kind, and other remarks
};

// The geometry of the document `data` (`name` names it in messages),
// curves flattened so that no point of the curve lies farther than
// `toleranceMm` from the lines. Pens: the outermost Inkscape layers in
// order when there are two or more, otherwise the stroke colours (the fill's
// for a shape only filled) in the order they first appear.
Result<SvgGeometry> ReadSvgGeometry(const QByteArray& data, const QString& name,
                                    double toleranceMm);

struct SvgImportSettings {
    static constexpr qint64 kMostBytes = qint64(64) << 20;
    bool fit = false; // into the safe area, as large as fits; otherwise 1 mm = 1 unit
    PlacementSettings placement;
    double tolerance = OptimizerSettings::kDefaultTolerance; // program units
    std::array<double, 8> penHeights{1, 2, 3, 4, 5, 6, 7, 8};
    double travelHeight = 10;
    bool optimize = true;
    bool holdBetweenPens = false; // "M00" before each change of pen
    qint64 mostBytes = kMostBytes;
    PenPassOptions pen; // text, hatching and hidden lines; hatch spacing in program units
};

// The converter's pen heights and travel height as the import's (the other
// settings as given); fails with the converter's text for a field that is
// not a whole number.
Result<SvgImportSettings> WithConverterHeights(SvgImportSettings settings,
                                               const ConverterSettings& converter);

// A document made into a program.
struct SvgImport {
    ProgramText program;
    DrawingFigures before; // the paths in the document's order, unoptimised
    DrawingFigures after;  // the program written
    OptimizerCounts counts;
    qsizetype paths = 0;
    QStringList report; // the import's remarks, one a line (FiguresReport adds the figures)
};

// Reads, places, optimises and writes the document as a program in the
// station's form; fails, naming the file, when it cannot be drawn whole.
Result<SvgImport> ImportSvg(const QByteArray& data, const QString& name,
                            const SvgImportSettings& settings);
Result<SvgImport> ImportSvgFile(const QString& fileName, const SvgImportSettings& settings);
