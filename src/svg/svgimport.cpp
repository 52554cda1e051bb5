#include "svg/svgimport.h"

#include "base/inputfile.h"
#include "base/numberformat.h"
#include "drawing/travelroute.h"
#include "hpgl/integertext.h"
#include "svg/pathrecorder.h"
#include "svg/svgmessages.h"
#include "svg/svgsource.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QLoggingCategory>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>

namespace {

constexpr double kMostCoordinateMm = 1e6; // a kilometre
constexpr int kMostCurvePieces = 4096;

// The renderer's remarks on what it skips go nowhere: the import reports
// what it could not draw itself.
class QuietRenderer {
public:
    QuietRenderer() {
        s_previous = QLoggingCategory::installFilter(&filter);
        previous_ = s_previous;
    }
    ~QuietRenderer() { QLoggingCategory::installFilter(previous_); }
    QuietRenderer(const QuietRenderer&) = delete;
    QuietRenderer& operator=(const QuietRenderer&) = delete;

private:
    static void filter(QLoggingCategory* category) {
        if (QByteArrayView(category->categoryName()).startsWith("qt.svg"))
            category->setEnabled(QtWarningMsg, false), category->setEnabled(QtCriticalMsg, false);
        else if (s_previous)
            s_previous(category);
    }
    QLoggingCategory::CategoryFilter previous_ = nullptr;
    static inline QLoggingCategory::CategoryFilter s_previous = nullptr;
};

// User units to millimetres of the page with Y up, as preserveAspectRatio
// places the view box on the page.
QTransform pageTransform(const SvgFacts& f) {
    const QRectF& box = f.viewBox;
    double sx = f.widthMm / box.width();
    double sy = f.heightMm / box.height();
    double tx = 0, ty = 0;
    if (f.aspectAlign != u"none") {
        const double s = f.slice ? std::max(sx, sy) : std::min(sx, sy);
        sx = sy = s;
        const QStringView x = QStringView(f.aspectAlign).mid(1, 3);
        const QStringView y = QStringView(f.aspectAlign).mid(5, 3);
        const double freeX = f.widthMm - box.width() * s;
        const double freeY = f.heightMm - box.height() * s;
        tx = x == u"Mid" ? freeX / 2 : x == u"Max" ? freeX : 0;
        ty = y == u"Mid" ? freeY / 2 : y == u"Max" ? freeY : 0;
    }
    // page (Y down) = (u - box.x) * s + t;  program Y = height - page Y
    return QTransform(sx, 0, 0, -sy, tx - box.x() * sx, f.heightMm - ty + box.y() * sy);
}

bool sane(const QPointF& p) {
    return std::isfinite(p.x()) && std::isfinite(p.y()) && std::abs(p.x()) <= kMostCoordinateMm &&
           std::abs(p.y()) <= kMostCoordinateMm;
}

// Flattens a cubic curve into points after `from`, no farther than
// `tolerance` from it: n pieces deviate at most max|B''| / (8 n^2).
void flattenCubic(std::vector<PathPoint>& out, QPointF p0, QPointF p1, QPointF p2, QPointF p3,
                  double tolerance) {
    const QPointF d1 = p0 - 2 * p1 + p2, d2 = p1 - 2 * p2 + p3;
    const double bend = 6 * std::max(std::hypot(d1.x(), d1.y()), std::hypot(d2.x(), d2.y()));
    const int n =
        std::clamp(int(std::ceil(std::sqrt(bend / (8 * tolerance)))), 1, kMostCurvePieces);
    for (int i = 1; i <= n; ++i) {
        const double t = double(i) / n, u = 1 - t;
        const QPointF p = u * u * u * p0 + 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t * p3;
        out.push_back({p.x(), p.y()});
    }
}

// The item's subpaths as lines, mapped by `toProgram` after its own transform.
void flatten(const PathRecorder::Item& item, const QTransform& toProgram, double tolerance, int pen,
             std::vector<SvgLine>& out) {
    const QTransform t = item.transform * toProgram;
    const QPainterPath& path = item.path;
    SvgLine* line = nullptr;
    auto close = [&]() {
        if (line && item.closed && line->points.size() > 1)
            line->points.push_back(line->points.front());
    };
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        const QPointF p = t.map(QPointF(e.x, e.y));
        if (e.type == QPainterPath::MoveToElement) {
            close();
            out.push_back({{{p.x(), p.y()}}, pen});
            line = &out.back();
        } else if (e.type == QPainterPath::LineToElement) {
            line->points.push_back({p.x(), p.y()});
        } else if (e.type == QPainterPath::CurveToElement && i + 2 < path.elementCount()) {
            const QPointF c2 = t.map(QPointF(path.elementAt(i + 1).x, path.elementAt(i + 1).y));
            const QPointF end = t.map(QPointF(path.elementAt(i + 2).x, path.elementAt(i + 2).y));
            const PathPoint& from = line->points.back();
            flattenCubic(line->points, QPointF(from.x, from.y), p, c2, end, tolerance);
            i += 2;
        }
    }
    close();
}

struct Recording {
    SvgFacts facts;
    std::vector<PathRecorder::Item> items;
    PathRecorder::Counts counts;
};

Result<Recording> record(const QByteArray& data, const QString& name) {
    Result<SvgFacts> facts = ReadSvgFacts(data, name);
    if (!facts)
        return facts.failure();
    // Fonts come with the GUI application; without one, text cannot be drawn.
    if (facts->textElements > 0 &&
        qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr)
        return Failure{svg::textNeedsFonts(name)};
    const QuietRenderer quiet;
    PathRecorder recorder;
    auto render = [&](const QByteArray& document, int layer) {
        QSvgRenderer renderer(document);
        if (!renderer.isValid())
            return false;
        recorder.setLayer(layer);
        QPainter painter(&recorder);
        renderer.render(&painter, renderer.viewBoxF());
        return true;
    };
    if (facts->layers >= 2) {
        for (int layer = -1; layer < facts->layers; ++layer) {
            if (!render(SvgWithOnlyLayer(data, layer), layer))
                return Failure{svg::notRendered(name)};
        }
    } else if (!render(data, 0)) {
        return Failure{svg::notRendered(name)};
    }
    return Recording{std::move(facts).value(), recorder.items(), recorder.counts()};
}

// Pens by layer (what is outside the layers goes with the first), or by
// colour in the order the colours first appear.
std::vector<int> assignPens(const Recording& r, int& pens, QStringList& notes) {
    std::vector<int> pen(r.items.size(), 1);
    pens = 0;
    if (r.facts.layers >= 2) {
        for (size_t i = 0; i < r.items.size(); ++i) {
            pen[i] = std::clamp(r.items[i].layer + 1, 1, 8);
            pens = std::max(pens, pen[i]);
        }
        return pen;
    }
    QHash<QRgb, int> colours;
    for (size_t i = 0; i < r.items.size(); ++i) {
        const QRgb colour = r.items[i].colour | 0xff000000u;
        auto it = colours.find(colour);
        if (it == colours.end())
            it = colours.insert(colour, int(colours.size()));
        pen[i] = it.value() % 8 + 1;
    }
    pens = std::min<int>(int(colours.size()), 8);
    if (colours.size() > 8)
        notes << svg::reportTooManyPens(int(colours.size()));
    return pen;
}

std::vector<SvgLine> flattenAll(const Recording& r, const std::vector<int>& pens,
                                const QTransform& toProgram, double tolerance) {
    std::vector<SvgLine> lines;
    for (size_t i = 0; i < r.items.size(); ++i)
        flatten(r.items[i], toProgram, tolerance, pens[i], lines);
    std::erase_if(lines, [](const SvgLine& l) { return l.points.size() < 2; });
    return lines;
}

} // namespace

namespace {

// A recording read whole and checked: every point within a kilometre.
Result<Recording> checkedRecording(const QByteArray& data, const QString& name) {
    Result<Recording> recording = record(data, name);
    if (!recording)
        return recording;
    const QTransform page = pageTransform(recording->facts);
    for (const PathRecorder::Item& item : recording->items) {
        const QTransform t = item.transform * page;
        for (int i = 0; i < item.path.elementCount(); ++i) {
            if (!sane(t.map(QPointF(item.path.elementAt(i).x, item.path.elementAt(i).y))))
                return Failure{svg::absurdCoordinates(name)};
        }
    }
    return recording;
}

SvgGeometry geometryOf(const Recording& r, double toleranceMm) {
    SvgGeometry geometry;
    geometry.widthMm = r.facts.widthMm;
    geometry.heightMm = r.facts.heightMm;
    const std::vector<int> pens = assignPens(r, geometry.pens, geometry.notes);
    geometry.lines = flattenAll(r, pens, pageTransform(r.facts), toleranceMm);
    QMap<QString, int> notDrawn = r.facts.notDrawn;
    if (r.counts.textWithoutFont > 0)
        notDrawn.insert(svg::kindTextWithoutFont(), r.counts.textWithoutFont);
    if (r.counts.images > notDrawn.value(svg::kindImage()))
        notDrawn.insert(svg::kindImage(), r.counts.images);
    for (auto it = notDrawn.cbegin(); it != notDrawn.cend(); ++it)
        geometry.notes << svg::reportNotDrawn(it.key(), it.value());
    // Text reaches the recorder as glyph outlines, as paths of its own.
    const int textDrawn = r.facts.textElements - r.counts.textWithoutFont;
    if (textDrawn > 0)
        geometry.notes << svg::reportText(textDrawn);
    return geometry;
}

} // namespace

Result<SvgGeometry> ReadSvgGeometry(const QByteArray& data, const QString& name,
                                    double toleranceMm) {
    const Result<Recording> recording = checkedRecording(data, name);
    if (!recording)
        return recording.failure();
    return geometryOf(*recording, toleranceMm);
}

namespace {

Drawing toDrawing(const std::vector<SvgLine>& lines, const SvgImportSettings& settings,
                  const Placement& fit) {
    Drawing drawing;
    drawing.travelZ = settings.travelHeight;
    drawing.paths.reserve(lines.size());
    for (const SvgLine& line : lines) {
        DrawnPath path;
        path.z = settings.penHeights[size_t(line.pen - 1)];
        path.points.reserve(line.points.size());
        for (const PathPoint& p : line.points) {
            const PathPoint placed = fit.map(p);
            path.points.push_back({RoundHalfEven(placed.x), RoundHalfEven(placed.y)});
        }
        drawing.paths.push_back(std::move(path));
    }
    return drawing;
}

// The lines placed in the safe area, with room for rounding to whole units.
Result<Placement> fitLines(const std::vector<SvgLine>& lines, PlacementSettings placement) {
    placement.roundingSlack = std::max(placement.roundingSlack, kWholeUnitSlack);
    DrawingShape shape;
    for (const SvgLine& line : lines) {
        for (size_t i = 0; i < line.points.size(); ++i)
            shape.push_back({line.points[i], i > 0});
    }
    return PlaceShape(shape, placement);
}

} // namespace

Result<SvgImport> ImportSvg(const QByteArray& data, const QString& name,
                            const SvgImportSettings& settings) {
    if (!(settings.tolerance > 0) || !std::isfinite(settings.tolerance))
        return Failure{svg::badTolerance(settings.tolerance)};
    // Without fitting a millimetre is a unit; with it, the drawing is read
    // once to find the scale and again with the tolerance at that scale.
    const Result<Recording> recording = checkedRecording(data, name);
    if (!recording)
        return recording.failure();
    // PEN PASS: the place for RunPenPass(settings.pen). Each geometry read
    // below (here and at the fitted tolerance) is to have its shapes made
    // into its lines by the pass, the hatch spacing divided by the fit's
    // scale, so that the lines are that far apart as drawn.
    std::optional<SvgGeometry> geometry = geometryOf(*recording, settings.tolerance);
    Placement fit;
    if (settings.fit && !geometry->lines.empty()) {
        Result<Placement> first = fitLines(geometry->lines, settings.placement);
        if (!first)
            return first.failure();
        if (first->scale > 0 && std::abs(first->scale - 1) > 1e-9) {
            geometry = geometryOf(*recording, settings.tolerance / first->scale);
        }
        Result<Placement> placed = fitLines(geometry->lines, settings.placement);
        if (!placed)
            return placed.failure();
        fit = *placed;
    }
    if (geometry->lines.empty())
        return Failure{svg::nothingToDraw(name)};
    SvgImport result;
    Drawing drawing = toDrawing(geometry->lines, settings, fit);
    result.paths = qsizetype(drawing.paths.size());
    const LineNumbering numbering;
    result.before =
        MeasureProgramMoves(WriteDrawingProgram(drawing, numbering, settings.holdBetweenPens));
    if (settings.optimize) {
        OptimizerSettings optimizer;
        optimizer.tolerance = settings.tolerance;
        drawing = OptimizeDrawing(std::move(drawing), optimizer, kDrawingHome, &result.counts);
    }
    if (settings.fit)
        RouteTravel(drawing, kDrawingHome, settings.placement);
    result.program = WriteDrawingProgram(drawing, numbering, settings.holdBetweenPens);
    result.after = MeasureProgramMoves(result.program);
    if (result.after.drawnLength == 0) // all of it smaller than a unit
        return Failure{svg::nothingToDraw(name)};
    result.report << svg::reportPaths(result.paths, geometry->pens);
    if (settings.fit)
        result.report << PlacementReport(fit);
    result.report << geometry->notes;
    return result;
}

Result<SvgImport> ImportSvgFile(const QString& fileName, const SvgImportSettings& settings) {
    const QFileInfo info(fileName);
    if (info.isFile() && info.size() > settings.mostBytes)
        return Failure{svg::tooLarge(fileName, settings.mostBytes >> 20)};
    Result<QByteArray> data = ReadInputFile(fileName, settings.mostBytes);
    if (!data)
        return Failure{svg::cannotRead(fileName, data.error())};
    if (data->size() > settings.mostBytes)
        return Failure{svg::tooLarge(fileName, settings.mostBytes >> 20)};
    return ImportSvg(*data, fileName, settings);
}

Result<SvgImportSettings> WithConverterHeights(SvgImportSettings settings,
                                               const ConverterSettings& converter) {
    for (size_t pen = 0; pen < 8; ++pen) {
        const Result<qint32> height = readInteger(converter.penHeights[pen]);
        if (!height)
            return height.failure();
        settings.penHeights[pen] = *height;
    }
    const Result<qint32> travel = readInteger(converter.travelHeight);
    if (!travel)
        return travel.failure();
    settings.travelHeight = *travel;
    return settings;
}
