#pragma once

#include "drawing/drawing.h"
#include "drawing/fillarea.h"
#include "svg/svgimport.h"
#include "svg/svgscene.h"

#include <QPainterPath>
#include <QRectF>
#include <QTransform>

#include <vector>

// The pen's geometry from a scene's shapes: curves flattened, dashes cut,
// clips applied, all in page millimetres.
using SvgPolyline = std::vector<PathPoint>;

// The subpaths of `path` mapped by `toMm`, no point of a curve farther than
// `tolerance` from the lines; `closed` says which subpaths ended with Z.
std::vector<SvgSubpath> FlattenSvgPath(const QPainterPath& path, const std::vector<bool>& closed,
                                       const QTransform& toMm, double tolerance);

// The dashes of `pattern` (lengths in millimetres, on and off in turn)
// along the subpaths, the pattern started `offset` into itself.
std::vector<SvgPolyline> DashSvgSubpaths(const std::vector<SvgSubpath>& subpaths,
                                         const std::vector<double>& pattern, double offset);

// A chain of clips flattened: a point is inside when it is inside every
// region, and inside a region when inside any of its areas.
class SvgClipShape {
public:
    SvgClipShape(const SvgClip& clip, const QTransform& toMm, double tolerance);
    bool contains(PathPoint p) const;
    // The parts of `line` inside, appended to `out`.
    void clip(const SvgPolyline& line, std::vector<SvgPolyline>& out) const;
    // The area inside, as one.
    FillArea area() const;

private:
    struct Area {
        std::vector<SvgPolyline> polygons;
        Qt::FillRule rule = Qt::WindingFill;
        QRectF bounds;
    };
    struct Region {
        std::vector<Area> areas;
        QRectF bounds;
        bool rectangle = false; // one axis-aligned rectangle, its bounds
    };
    bool inside(const Region& region, PathPoint p) const;
    void crossings(PathPoint a, PathPoint b, std::vector<double>& at) const;
    std::vector<Region> regions_;
};
