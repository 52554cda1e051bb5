#pragma once

#include "base/armfacts.h"
#include "base/result.h"
#include "drawing/drawing.h"
#include "drawing/sheet.h"

#include <optional>
#include <vector>

// Placing a drawing in the arm's safe area: the half ring between the circle
// of radius R + margin around the base (R, the forbidden radius, is the
// circle the arm must not enter) and the reach less the margin, at least the
// margin above the X axis.

// One move of a drawing as the placement sees it: to a point, drawing a line
// from the previous point or travelling with the pen up. The first move of a
// shape starts from wherever the arm stands and is taken as travel.
struct ShapeMove {
    PathPoint to;
    bool drawn = false;
};
using DrawingShape = std::vector<ShapeMove>;

// The moves of a drawing's paths: travel to each path's first point, lines
// to the others.
DrawingShape ShapeOf(const Drawing& drawing);

// Which sides of the Y axis the drawing may use. The elbow turns over
// wherever a move touches or crosses the axis.
enum class SideRule {
    Auto,    // one side when the drawing is there at least kOneSideShare as large
    OneSide, // one side always, whichever allows the larger drawing
    Across,  // wherever the drawing is largest
};
inline constexpr double kOneSideShare = 0.97;

// Where the placed drawing lies: across the Y axis, or wholly on one side.
enum class PlacedSide { Across, Right, Left };

struct PlacementSettings {
    static constexpr double kDefaultMargin = 10;
    double margin = kDefaultMargin;
    double forbiddenRadius = arm::kDefaultForbiddenRadius;
    SideRule sides = SideRule::Auto;
    std::optional<Sheet> sheet; // the drawing fits into it, it into the safe area
    // The placed coordinates are rounded to whole units afterwards: keep
    // this much more room from both circles.
    double roundingSlack = 0;
};
// The slack for coordinates rounded to whole units (a point moves by at
// most half a unit on each axis).
inline constexpr double kWholeUnitSlack = 0.75;

// Where the sheet lies: its lower left corner and size, in program units.
struct SheetPlace {
    Sheet sheet;
    double left = 0;
    double bottom = 0;
};

// output = scale * input + offset, on both axes.
struct Placement {
    double scale = 1;
    double offsetX = 0;
    double offsetY = 0;
    PlacedSide side = PlacedSide::Across;
    bool sideChosen = false; // SideRule::Auto took one side
    std::optional<SheetPlace> sheet;
    // The smallest distance of the placed drawing (its lines and points)
    // from the forbidden circle.
    double clearance = 0;

    PathPoint map(PathPoint p) const { return {scale * p.x + offsetX, scale * p.y + offsetY}; }
};

// The largest placement of the shape (one scale, a shift, upright) at which
// every point keeps the rules above and no drawn line enters the circle of
// R + margin; the place is searched as well as the size, on the shape's own
// points and lines. Travel lines are not held to the inner circle: they are
// routed around it afterwards (travelroute.h). Fails with the station's
// text for a shape without extent or nothing drawn, a margin that leaves no
// room, a forbidden radius at or beyond the reach, or a sheet that cannot
// fit.
Result<Placement> PlaceShape(const DrawingShape& shape, const PlacementSettings& settings);

// Where the sheet lies in the safe area: with the most room around it, on
// one side of the Y axis when it fits there (unless the settings let it
// lie anywhere), with room for rounding whatever the settings' slack, so
// that every caller finds it in one place; `side` receives which. Fails
// when it does not fit.
Result<SheetPlace> PlaceSheet(const Sheet& sheet, const PlacementSettings& settings,
                              PlacedSide* side = nullptr);

// The report of a placement in the station's words: "Dopasowano: skala 1,84,
// po prawej stronie osi Y, ...".
QString PlacementReport(const Placement& placement);

// The settings' own check (margin, radius); the first fault's text.
Status CheckPlacementSettings(const PlacementSettings& settings);
