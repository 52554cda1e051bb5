#include "hpgl/plotfitting.h"

#include "drawing/travelroute.h"

#include <algorithm>

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
