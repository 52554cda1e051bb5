#include "drawing/occlusion.h"

#include "drawing/clipperpaths.h"
#include "drawing/pentexts.h"

namespace {

ClipperLib::Paths united(const ClipperLib::Paths& cover, const FillArea& fill) {
    ClipperLib::Clipper clipper;
    clipper.AddPaths(clipper::toPaths(fill.rings), ClipperLib::ptSubject, true);
    clipper.AddPaths(cover, ClipperLib::ptClip, true);
    ClipperLib::Paths out;
    clipper.Execute(ClipperLib::ctUnion, out, clipper::fillType(fill.rule), ClipperLib::pftNonZero);
    return out;
}

} // namespace

Result<std::vector<std::vector<Stroke>>> HideOccluded(const std::vector<PaintedShape>& shapes) {
    for (const PaintedShape& shape : shapes) {
        if (!clipper::usable(shape.strokes) || (shape.fill && !clipper::usable(shape.fill->rings)))
            return Failure{pen::badPoint()};
    }
    std::vector<std::vector<Stroke>> visible(shapes.size());
    ClipperLib::Paths cover; // what the later shapes paint over, not overlapping
    for (size_t i = shapes.size(); i-- > 0;) {
        const PaintedShape& shape = shapes[i];
        visible[i] = cover.empty()
                         ? shape.strokes
                         : clipper::toStrokes(clipper::clipOpen(clipper::toPaths(shape.strokes),
                                                                cover, ClipperLib::ctDifference));
        if (shape.fill && !shape.fill->rings.empty())
            cover = united(cover, *shape.fill);
    }
    return visible;
}
