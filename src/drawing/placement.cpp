#include "drawing/placement.h"

#include "base/numberformat.h"
#include "drawing/placementsearch.h"
#include "drawing/placementtexts.h"

#include <algorithm>
#include <cmath>

using namespace placementsearch;

namespace {

Limits limitsOf(const PlacementSettings& s) {
    return {s.forbiddenRadius + s.margin + s.roundingSlack,
            arm::kReach - s.margin - s.roundingSlack, s.margin};
}

// The square of the closest distance from the base to the line a-b.
double squaredDistanceToBase(PathPoint a, PathPoint b) {
    const double dx = b.x - a.x, dy = b.y - a.y, length = dx * dx + dy * dy;
    const double t = length > 0 ? std::clamp(-(a.x * dx + a.y * dy) / length, 0.0, 1.0) : 0.0;
    const double x = a.x + t * dx, y = a.y + t * dy;
    return x * x + y * y;
}

double clearanceOf(const DrawingShape& shape, const Placement& placement, double radius) {
    double closest = std::numeric_limits<double>::infinity();
    PathPoint previous{};
    for (size_t i = 0; i < shape.size(); ++i) {
        const PathPoint p = placement.map(shape[i].to);
        closest = std::min(closest, p.x * p.x + p.y * p.y);
        if (i > 0 && shape[i].drawn)
            closest = std::min(closest, squaredDistanceToBase(previous, p));
        previous = p;
    }
    return std::sqrt(closest) - radius;
}

Placement placementOf(const Found& found, const Frame& frame, PlacedSide side) {
    // placed = s * ((p - corner) / size - base)
    Placement placement;
    placement.scale = found.scale / frame.size;
    placement.offsetX = -found.scale * found.u - placement.scale * frame.left;
    placement.offsetY = -found.scale * found.v - placement.scale * frame.bottom;
    placement.side = side;
    return placement;
}

// The largest place by the side rule.
Result<Placement> placeFreely(const DrawingShape& shape, const PlacementSettings& settings) {
    Frame frame;
    const std::optional<Outline> outline = OutlineOf(shape, frame);
    if (!outline)
        return Failure{placement::noExtent()};
    const Limits limits = limitsOf(settings);
    std::optional<Found> across;
    if (settings.sides != SideRule::OneSide)
        across = LargestFit(*outline, limits, PlacedSide::Across);
    std::optional<Found> oneSide;
    PlacedSide side = PlacedSide::Right;
    if (settings.sides != SideRule::Across) {
        oneSide = LargestFit(*outline, limits, PlacedSide::Right);
        const std::optional<Found> left = LargestFit(*outline, limits, PlacedSide::Left);
        if (left && (!oneSide || left->scale > oneSide->scale))
            oneSide = left, side = PlacedSide::Left;
    }
    const bool takeOneSide = oneSide && (!across || settings.sides == SideRule::OneSide ||
                                         oneSide->scale >= kOneSideShare * across->scale);
    if (!takeOneSide && !across)
        return Failure{placement::marginLeavesNoRoom(FormatReal(settings.margin))};
    Placement placed = takeOneSide ? placementOf(*oneSide, frame, side)
                                   : placementOf(*across, frame, PlacedSide::Across);
    placed.sideChosen = takeOneSide && settings.sides == SideRule::Auto;
    // A place searched anywhere may still lie on one side: say which.
    const double left = placed.map({frame.left, 0}).x;
    const double right = placed.map({frame.left + outline->width * frame.size, 0}).x;
    if (placed.side == PlacedSide::Across && (left > 0 || right < 0))
        placed.side = left > 0 ? PlacedSide::Right : PlacedSide::Left;
    return placed;
}

DrawingShape sheetShape(const Sheet& sheet) {
    const double w = sheet.width, h = sheet.height;
    return {{{0, 0}, false}, {{w, 0}, true}, {{w, h}, true}, {{0, h}, true}, {{0, 0}, true}};
}

} // namespace

Result<SheetPlace> PlaceSheet(const Sheet& sheet, const PlacementSettings& settings,
                              PlacedSide* placedSide) {
    PlacedSide side = PlacedSide::Across;
    Frame frame;
    const std::optional<Outline> outline = OutlineOf(sheetShape(sheet), frame);
    // Whoever places on the sheet, and whether or not they round, finds it
    // in the same place: with room for rounding always.
    PlacementSettings rounded = settings;
    rounded.roundingSlack = std::max(settings.roundingSlack, kWholeUnitSlack);
    const Limits limits = limitsOf(rounded);
    std::optional<Found> found;
    if (outline && settings.sides != SideRule::Across) {
        found = FitAt(*outline, limits, PlacedSide::Right, frame.size), side = PlacedSide::Right;
        const std::optional<Found> left = FitAt(*outline, limits, PlacedSide::Left, frame.size);
        if (left && (!found || left->room > found->room))
            found = left, side = PlacedSide::Left;
    }
    if (outline && !found && settings.sides != SideRule::OneSide)
        found = FitAt(*outline, limits, PlacedSide::Across, frame.size), side = PlacedSide::Across;
    if (!found)
        return Failure{placement::sheetDoesNotFit(sheet.name)};
    if (placedSide != nullptr)
        *placedSide = side;
    return SheetPlace{sheet, -frame.size * found->u, -frame.size * found->v};
}

namespace {

// The drawing as large as fits into the sheet less the margin, in its middle.
Result<Placement> placeOnSheet(const DrawingShape& shape, const PlacementSettings& settings) {
    Frame frame;
    if (!OutlineOf(shape, frame))
        return Failure{placement::noExtent()};
    PlacedSide side = PlacedSide::Across;
    const Result<SheetPlace> sheet = PlaceSheet(*settings.sheet, settings, &side);
    if (!sheet)
        return sheet.failure();
    double maxX = frame.left, maxY = frame.bottom;
    for (const ShapeMove& move : shape)
        maxX = std::max(maxX, move.to.x), maxY = std::max(maxY, move.to.y);
    const double width = maxX - frame.left, height = maxY - frame.bottom;
    const double freeWidth = sheet->sheet.width - 2 * settings.margin;
    const double freeHeight = sheet->sheet.height - 2 * settings.margin;
    if (!(freeWidth > 0) || !(freeHeight > 0))
        return Failure{placement::marginLeavesNoRoom(FormatReal(settings.margin))};
    Placement placed;
    placed.scale = std::min(width > 0 ? freeWidth / width : freeHeight / height,
                            height > 0 ? freeHeight / height : freeWidth / width);
    placed.offsetX = sheet->left + settings.margin + (freeWidth - placed.scale * width) / 2 -
                     placed.scale * frame.left;
    placed.offsetY = sheet->bottom + settings.margin + (freeHeight - placed.scale * height) / 2 -
                     placed.scale * frame.bottom;
    placed.side = side;
    placed.sheet = *sheet;
    return placed;
}

// Rounded to three significant digits.
QString significant(double value) {
    if (!(value > 0))
        return FormatReal(value);
    const double factor = std::pow(10.0, 2 - std::floor(std::log10(value)));
    return FormatReal(std::round(value * factor) / factor);
}

QString tenths(double value) {
    return FormatReal(std::round(value * 10) / 10);
}

} // namespace

Status CheckPlacementSettings(const PlacementSettings& s) {
    if (!(s.margin >= 0) || !std::isfinite(s.margin))
        return Failure{placement::badMargin(FormatReal(s.margin))};
    if (!(s.forbiddenRadius > 0) || !(s.forbiddenRadius < arm::kReach))
        return Failure{
            placement::radiusBeyondReach(FormatReal(s.forbiddenRadius), FormatReal(arm::kReach))};
    const Limits limits = limitsOf(s);
    if (!(limits.inner < limits.outer) || !(s.margin < limits.outer))
        return Failure{placement::marginLeavesNoRoom(FormatReal(s.margin))};
    return Status::success();
}

Result<Placement> PlaceShape(const DrawingShape& shape, const PlacementSettings& settings) {
    if (const Status ok = CheckPlacementSettings(settings); !ok)
        return ok.failure();
    Result<Placement> placed =
        settings.sheet ? placeOnSheet(shape, settings) : placeFreely(shape, settings);
    if (!placed)
        return placed;
    Placement result = placed.value();
    result.clearance = clearanceOf(shape, result, settings.forbiddenRadius);
    return result;
}

DrawingShape ShapeOf(const Drawing& drawing) {
    DrawingShape shape;
    for (const DrawnPath& path : drawing.paths) {
        for (size_t i = 0; i < path.points.size(); ++i)
            shape.push_back({path.points[i], i > 0});
    }
    return shape;
}

QString PlacementReport(const Placement& p) {
    QStringList parts{placement::reportStart(significant(p.scale))};
    parts << (p.side == PlacedSide::Right  ? placement::sideRight()
              : p.side == PlacedSide::Left ? placement::sideLeft()
                                           : placement::sideAcross());
    if (p.sideChosen)
        parts << placement::sideChosen();
    if (p.sheet) {
        const SheetPlace& s = *p.sheet;
        auto whole = [](double v) { return FormatReal(std::round(v)); };
        parts << placement::reportSheet(s.sheet.name, whole(s.left), whole(s.bottom),
                                        whole(s.left + s.sheet.width),
                                        whole(s.bottom + s.sheet.height));
    }
    parts << placement::reportClearance(tenths(p.clearance));
    return parts.join(QStringLiteral(", "));
}
