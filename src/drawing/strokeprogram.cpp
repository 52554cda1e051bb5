#include "drawing/strokeprogram.h"

#include "base/numberformat.h"
#include "drawing/pathoptimizer.h"
#include "drawing/pentexts.h"
#include "drawing/travelroute.h"

namespace {

Drawing toDrawing(const std::vector<Stroke>& strokes, const StrokeProgramSettings& settings,
                  const Placement& place) {
    Drawing drawing;
    drawing.travelZ = settings.travelHeight;
    drawing.paths.reserve(strokes.size());
    for (const Stroke& stroke : strokes)
        drawing.paths.push_back(PlacedInWholeUnits(stroke, settings.penHeight, place));
    return drawing;
}

} // namespace

DrawnPath PlacedInWholeUnits(const std::vector<PathPoint>& points, double z,
                             const Placement& place) {
    DrawnPath path;
    path.z = z;
    path.points.reserve(points.size());
    for (const PathPoint& p : points) {
        const PathPoint placed = place.map(p);
        path.points.push_back({RoundHalfEven(placed.x), RoundHalfEven(placed.y)});
    }
    return path;
}

Result<StrokeDrawing> MakeStrokeDrawing(const std::vector<Stroke>& strokes,
                                        const StrokeProgramSettings& settings) {
    StrokeDrawing result;
    Placement place;
    place.offsetX = settings.origin.x, place.offsetY = settings.origin.y;
    if (settings.fit) {
        Result<Placement> fitted = PlaceForWholeUnits(
            strokes, [](const Stroke& stroke) -> const Stroke& { return stroke; },
            settings.placement);
        if (!fitted)
            return fitted.failure();
        place = *fitted;
        result.placement = place;
    }
    result.drawing = toDrawing(strokes, settings, place);
    result.before = MeasureProgramMoves(WriteDrawingProgram(result.drawing));
    if (settings.optimize) {
        OptimizerSettings optimizer;
        optimizer.tolerance = settings.tolerance;
        result.drawing = OptimizeDrawing(std::move(result.drawing), optimizer, kDrawingHome);
    }
    if (settings.fit)
        RouteTravel(result.drawing, kDrawingHome, settings.placement);
    if (MeasureProgramMoves(WriteDrawingProgram(result.drawing)).drawnLength == 0)
        return Failure{pen::nothingToDraw()};
    return result;
}

Result<StrokeProgram> WriteStrokeProgram(const std::vector<Stroke>& strokes,
                                         const StrokeProgramSettings& settings) {
    Result<StrokeDrawing> made = MakeStrokeDrawing(strokes, settings);
    if (!made)
        return made.failure();
    StrokeProgram result;
    result.program = WriteDrawingProgram(made->drawing);
    result.before = made->before;
    result.after = MeasureProgramMoves(result.program);
    if (made->placement)
        result.report << PlacementReport(*made->placement);
    return result;
}
