#include "drawing/occlusion.h"

#include "drawing/clipperpaths.h"
#include "drawing/pentexts.h"

#include <algorithm>
#include <limits>

namespace {

struct Bounds {
    ClipperLib::cInt left = std::numeric_limits<ClipperLib::cInt>::max();
    ClipperLib::cInt bottom = left;
    ClipperLib::cInt right = std::numeric_limits<ClipperLib::cInt>::min();
    ClipperLib::cInt top = right;

    void add(const ClipperLib::Paths& paths) {
        for (const ClipperLib::Path& path : paths) {
            for (const ClipperLib::IntPoint& p : path) {
                left = std::min(left, p.X), right = std::max(right, p.X);
                bottom = std::min(bottom, p.Y), top = std::max(top, p.Y);
            }
        }
    }
    bool meets(const Bounds& o) const {
        return left <= o.right && o.left <= right && bottom <= o.top && o.bottom <= top;
    }
};

// A shape's fill as polygons that neither overlap nor cross, outer rings
// wound one way and holes the other, so that any number of them read
// together by the nonzero rule cover what their fills cover.
struct Cover {
    ClipperLib::Paths polygons;
    Bounds bounds;
};

Cover coverOf(const PaintedShape& shape) {
    Cover cover;
    if (shape.fill && !shape.fill->rings.empty()) {
        cover.polygons = clipper::simplified(*shape.fill);
        cover.bounds.add(cover.polygons);
    }
    return cover;
}

} // namespace

Result<std::vector<std::vector<Stroke>>> HideOccluded(const std::vector<PaintedShape>& shapes) {
    for (const PaintedShape& shape : shapes) {
        if (!clipper::usable(shape.strokes) || (shape.fill && !clipper::usable(shape.fill->rings)))
            return Failure{pen::badPoint()};
    }
    std::vector<Cover> covers;
    covers.reserve(shapes.size());
    for (const PaintedShape& shape : shapes)
        covers.push_back(coverOf(shape));
    std::vector<std::vector<Stroke>> visible(shapes.size());
    for (size_t i = 0; i < shapes.size(); ++i) {
        const ClipperLib::Paths strokes = clipper::toPaths(shapes[i].strokes);
        Bounds reach;
        reach.add(strokes);
        // The fills painted after this shape over its strokes' reach.
        ClipperLib::Paths over;
        for (size_t j = i + 1; j < shapes.size(); ++j) {
            if (!covers[j].polygons.empty() && covers[j].bounds.meets(reach))
                over.insert(over.end(), covers[j].polygons.begin(), covers[j].polygons.end());
        }
        visible[i] =
            over.empty()
                ? shapes[i].strokes
                : clipper::toStrokes(clipper::clipOpen(strokes, over, ClipperLib::ctDifference));
    }
    return visible;
}
