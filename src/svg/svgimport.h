#pragma once

#include "base/result.h"
#include "drawing/drawing.h"
#include "drawing/drawingprogram.h"
#include "drawing/pathoptimizer.h"
#include "drawing/penpass.h"
#include "drawing/placement.h"
#include "gcode/programtext.h"
#include "hpgl/convertersettings.h"
#include "svg/svgscene.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>
#include <vector>

class SvgClipShape;

// A drawing's outlines as read from an SVG document, flattened: in
// millimetres of the page, X to the right from its left edge and Y up from
// its bottom edge, each line with its pen (1 to 8).
struct SvgLine {
    std::vector<PathPoint> points;
    int pen = 1;
};
struct SvgSubpath {
    std::vector<PathPoint> points; // a closed one ends where it starts
    bool closed = false;
};
// One shape of the document in its order, for passes that fill, hide or lay
// out again: its outline as the document gives it (flattened, in page
// millimetres, neither dashed nor clipped) and what it draws.
struct SvgShape {
    std::vector<SvgSubpath> outline;
    bool filled = false;
    Qt::FillRule fillRule = Qt::WindingFill;
    bool stroked = false;
    int pen = 1;
    QRgb colour = 0xff000000;
    std::optional<SvgTextRun> text; // a run of text; toPage then ends in page millimetres
    size_t firstLine = 0;           // its lines in SvgGeometry::lines: dashed and clipped
    size_t lineCount = 0;
    std::shared_ptr<const SvgClipShape> clip; // where it is seen; none: everywhere
};
struct SvgGeometry {
    std::vector<SvgLine> lines; // what the pen draws, shape by shape
    std::vector<SvgShape> shapes;
    double widthMm = 0;
    double heightMm = 0;
    int pens = 0;      // pens used
    QStringList notes; // what was not drawn, by kind, and other remarks
};

struct SvgReadOptions {
    double toleranceMm = 0.25;
    bool dashes = true;       // stroke-dasharray drawn as dashes; otherwise solid
    bool shapes = true;       // SvgGeometry::shapes filled in; the lines alone otherwise
    bool textOutlined = true; // text reported as drawn by its outlines (not by the pen pass)
};

// The geometry of the document `data` (`name` names it in messages),
// curves flattened so that no point of the curve lies farther than
// `toleranceMm` from the lines, clipped to the viewports, clip paths and
// masks. Pens: the outermost Inkscape layers in order when there are two or
// more, otherwise the stroke colours (the fill's for a shape only filled) in
// the order they first appear.
Result<SvgGeometry> ReadSvgGeometry(const QByteArray& data, const QString& name,
                                    const SvgReadOptions& options);
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
    bool dashes = true;           // stroke-dasharray drawn as dashes; otherwise solid
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
