#include "drawing/clipperpaths.h"

namespace clipper {

bool usable(const std::vector<Ring>& rings) {
    for (const Ring& ring : rings) {
        for (const PathPoint& p : ring) {
            if (!(std::abs(p.x) < kLargest) || !(std::abs(p.y) < kLargest))
                return false;
        }
    }
    return true;
}

ClipperLib::Paths toPaths(const std::vector<Ring>& rings) {
    ClipperLib::Paths paths;
    paths.reserve(rings.size());
    for (const Ring& ring : rings) {
        ClipperLib::Path path;
        path.reserve(ring.size());
        for (const PathPoint& p : ring)
            path.push_back(toInt(p));
        paths.push_back(std::move(path));
    }
    return paths;
}

std::vector<Stroke> toStrokes(const ClipperLib::Paths& paths) {
    std::vector<Stroke> strokes;
    strokes.reserve(paths.size());
    for (const ClipperLib::Path& path : paths) {
        Stroke stroke;
        stroke.reserve(path.size());
        for (const ClipperLib::IntPoint& p : path)
            stroke.push_back(fromInt(p));
        strokes.push_back(std::move(stroke));
    }
    return strokes;
}

ClipperLib::Paths simplified(const FillArea& area) {
    ClipperLib::Paths out;
    ClipperLib::SimplifyPolygons(toPaths(area.rings), out, fillType(area.rule));
    return out;
}

ClipperLib::Paths clipOpen(const ClipperLib::Paths& strokes, const ClipperLib::Paths& polygons,
                           ClipperLib::ClipType type, ClipperLib::PolyFillType rule) {
    ClipperLib::Clipper clipper;
    clipper.AddPaths(strokes, ClipperLib::ptSubject, false);
    clipper.AddPaths(polygons, ClipperLib::ptClip, true);
    ClipperLib::PolyTree tree;
    clipper.Execute(type, tree, ClipperLib::pftNonZero, rule);
    ClipperLib::Paths out;
    ClipperLib::OpenPathsFromPolyTree(tree, out);
    return out;
}

} // namespace clipper
