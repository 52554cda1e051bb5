#include "hpgl/plotfitting.h"

#include "drawing/travelroute.h"

#include "base/armfacts.h"
#include "base/numberformat.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace {

bool isMove(const PlotOp& op) {
    return op.kind == PlotOp::Kind::PenUp || op.kind == PlotOp::Kind::PenDown;
}

DrawingShape shapeOf(const NormalizedPlot& plot) {
    DrawingShape shape;
    for (const PlotOp& op : plot.ops) {
        if (isMove(op))
            shape.push_back({{op.x, op.y}, op.kind == PlotOp::Kind::PenDown});
    }
    return shape;
}

// The placed plot with the waypoints of each routed PU move before it.
std::vector<PlotOp> placedOps(const std::vector<PlotOp>& ops, const Placement& placement,
                              const PlacementSettings& settings) {
    const TravelRoute route(settings);
    std::vector<PlotOp> out;
    out.reserve(ops.size());
    PathPoint at = kDrawingHome;
    for (PlotOp op : ops) {
        if (isMove(op)) {
            const PathPoint to = placement.map({op.x, op.y});
            if (op.kind == PlotOp::Kind::PenUp) {
                for (const PathPoint& w : route.waypoints(at, to))
                    out.push_back({PlotOp::Kind::PenUp, w.x, w.y});
            }
            op.x = to.x, op.y = to.y, at = to;
        }
        out.push_back(op);
    }
    return out;
}

} // namespace

Result<Placement> FitToWorkingArea(NormalizedPlot& plot, const PlacementSettings& settings) {
    PlacementSettings rounded = settings;
    rounded.roundingSlack = std::max(settings.roundingSlack, kWholeUnitSlack);
    const Result<Placement> placed = PlaceShape(shapeOf(plot), rounded);
    if (!placed)
        return placed;
    plot.ops = placedOps(plot.ops, *placed, settings);
    return placed;
}

Result<QString> normalizePlotText(QStringView text, const NormalizeOptions& options,
                                  QString* dropped, Placement* fitted) {
    Result<NormalizedPlot> plot = NormalizePlot(text, options.normalizer);
    if (!plot)
        return plot.failure();
    if (options.fit) {
        const Result<Placement> fit = FitToWorkingArea(plot.value(), options.fitting);
        if (!fit)
            return fit.failure();
        if (fitted != nullptr)
            *fitted = *fit;
    }
    if (dropped != nullptr)
        *dropped = droppedSummary(*plot);
    return FormatNormalizedPlot(*plot);
}

namespace {

// The value of the first `letter` word in `line` (the converter's lines may
// put a space between a letter and its number), with where the number is.
struct LineWord {
    double value = 0;
    qsizetype start = -1; // of the number; -1 when the line has no such word
    qsizetype length = 0;
};

LineWord wordOf(const QString& line, QChar letter) {
    static const QRegularExpression kWord(QStringLiteral("([XY])\\s*([-+]?[0-9]+(?:[.,][0-9]*)?)"));
    for (QRegularExpressionMatchIterator it = kWord.globalMatch(line); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        if (match.captured(1) != letter)
            continue;
        const Result<double> value = ParseReal(match.captured(2));
        if (!value)
            return {};
        return {*value, match.capturedStart(2), match.capturedLength(2)};
    }
    return {};
}

} // namespace

QStringList KeepFixedLinesSafe(QStringList& lines, double forbiddenRadius) {
    QStringList changed;
    double x = arm::kHomeX, y = arm::kHomeY; // carried over, as the arm does
    for (QString& line : lines) {
        const LineWord wx = wordOf(line, QLatin1Char('X'));
        const LineWord wy = wordOf(line, QLatin1Char('Y'));
        if (wx.start < 0 && wy.start < 0)
            continue;
        const double toX = wx.start >= 0 ? wx.value : x;
        const double toY = wy.start >= 0 ? wy.value : y;
        const double r = std::hypot(toX, toY);
        if (r >= forbiddenRadius && r <= arm::kReach) {
            x = toX, y = toY;
            continue;
        }
        changed << line;
        // The later word first, so that the earlier one's place holds.
        const bool xFirst = wx.start >= 0 && (wy.start < 0 || wx.start < wy.start);
        const LineWord first = xFirst ? wx : wy, second = xFirst ? wy : wx;
        const double firstValue = xFirst ? arm::kHomeX : arm::kHomeY;
        const double secondValue = xFirst ? arm::kHomeY : arm::kHomeX;
        if (second.start >= 0)
            line.replace(second.start, second.length, QString::number(secondValue));
        if (first.start >= 0)
            line.replace(first.start, first.length, QString::number(firstValue));
        if (wx.start < 0 || wy.start < 0) // the other axis is written too
            line += wx.start < 0 ? QStringLiteral(" X %1").arg(arm::kHomeX)
                                 : QStringLiteral(" Y %1").arg(arm::kHomeY);
        x = arm::kHomeX, y = arm::kHomeY;
    }
    return changed;
}
