#include "svg/svgimport.h"

#include "base/inputfile.h"
#include "base/numberformat.h"
#include "drawing/strokeprogram.h"
#include "drawing/travelroute.h"
#include "hpgl/integertext.h"
#include "svg/svggeometry.h"
#include "svg/svgmessages.h"
#include "svg/svgpenshapes.h"

#include <QFileInfo>

#include <cmath>

Result<SvgGeometry> ReadSvgGeometry(const QByteArray& data, const QString& name,
                                    const SvgReadOptions& options) {
    const Result<SvgReading> reading = ReadSvgDocument(data, name);
    if (!reading)
        return reading.failure();
    return SvgGeometryOf(*reading, options);
}

Result<SvgGeometry> ReadSvgGeometry(const QByteArray& data, const QString& name,
                                    double toleranceMm) {
    SvgReadOptions options;
    options.toleranceMm = toleranceMm;
    return ReadSvgGeometry(data, name, options);
}

namespace {

Drawing toDrawing(const std::vector<SvgLine>& lines, const SvgImportSettings& settings,
                  const Placement& fit) {
    Drawing drawing;
    drawing.travelZ = settings.travelHeight;
    drawing.paths.reserve(lines.size());
    for (const SvgLine& line : lines)
        drawing.paths.push_back(
            PlacedInWholeUnits(line.points, settings.penHeights[size_t(line.pen - 1)], fit));
    return drawing;
}

// The lines placed in the safe area, with room for rounding to whole units.
Result<Placement> fitLines(const std::vector<SvgLine>& lines, const PlacementSettings& placement) {
    return PlaceForWholeUnits(
        lines, [](const SvgLine& line) -> const std::vector<PathPoint>& { return line.points; },
        placement);
}

// The lines the pen draws for one reading of the document at `tolerance`
// (millimetres), `unitsPerMm` program units a millimetre: the outlines, or
// what the pen pass makes of the shapes when it has work to do.
struct PenReading {
    std::vector<SvgLine> lines;
    int pens = 0;
    QStringList notes;
};

Result<PenReading> readLines(const SvgReading& reading, const SvgImportSettings& settings,
                             double tolerance, double unitsPerMm) {
    SvgReadOptions options;
    options.toleranceMm = tolerance;
    options.dashes = settings.dashes;
    const bool pass = PenPassWanted(settings.pen, reading);
    options.shapes = pass; // otherwise the program needs the lines only
    options.textOutlined = !pass || settings.pen.text == PenTextMode::Outline;
    SvgGeometry geometry = SvgGeometryOf(reading, options);
    PenReading read{std::move(geometry.lines), geometry.pens, std::move(geometry.notes)};
    if (!pass)
        return read;
    geometry.lines = std::move(read.lines);
    QStringList report;
    Result<std::vector<SvgLine>> lines = PenLinesOf(geometry, settings.pen, unitsPerMm, report);
    if (!lines)
        return lines.failure();
    read.lines = std::move(lines).value();
    read.notes << report;
    return read;
}

} // namespace

Result<SvgImport> ImportSvg(const QByteArray& data, const QString& name,
                            const SvgImportSettings& settings) {
    if (!(settings.tolerance > 0) || !std::isfinite(settings.tolerance))
        return Failure{svg::badTolerance(settings.tolerance)};
    // Without fitting a millimetre is a unit; with it, the drawing is read
    // once to find the scale and again with the tolerance at that scale.
    const Result<SvgReading> reading = ReadSvgDocument(data, name);
    if (!reading)
        return reading.failure();
    Result<PenReading> geometry = readLines(*reading, settings, settings.tolerance, 1);
    if (!geometry)
        return geometry.failure();
    Placement fit;
    if (settings.fit && !geometry->lines.empty()) {
        Result<Placement> first = fitLines(geometry->lines, settings.placement);
        if (!first)
            return first.failure();
        if (first->scale > 0 && std::abs(first->scale - 1) > 1e-9) {
            geometry =
                readLines(*reading, settings, settings.tolerance / first->scale, first->scale);
            if (!geometry)
                return geometry.failure();
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
    result.before = MeasureDrawing(drawing, numbering, settings.holdBetweenPens);
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
