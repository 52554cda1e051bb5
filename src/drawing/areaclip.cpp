#include "drawing/areaclip.h"

#include "drawing/clipperpaths.h"

namespace {

FillArea areaOf(const ClipperLib::Paths& paths) {
    return {clipper::toStrokes(paths), FillRule::NonZero};
}

ClipperLib::Paths combined(const ClipperLib::Paths& subject, const ClipperLib::Paths& clip,
                           ClipperLib::ClipType type) {
    ClipperLib::Clipper clipper;
    clipper.AddPaths(subject, ClipperLib::ptSubject, true);
    clipper.AddPaths(clip, ClipperLib::ptClip, true);
    ClipperLib::Paths out;
    clipper.Execute(type, out, ClipperLib::pftNonZero, ClipperLib::pftNonZero);
    return out;
}

} // namespace

FillArea IntersectAreas(const FillArea& a, const FillArea& b) {
    if (!clipper::usable(a.rings) || !clipper::usable(b.rings))
        return a;
    return areaOf(
        combined(clipper::simplified(a), clipper::simplified(b), ClipperLib::ctIntersection));
}

FillArea UniteAreas(const std::vector<FillArea>& areas) {
    ClipperLib::Paths all;
    for (const FillArea& area : areas) {
        if (!clipper::usable(area.rings))
            continue;
        const ClipperLib::Paths simple = clipper::simplified(area);
        all.insert(all.end(), simple.begin(), simple.end());
    }
    return areaOf(combined(all, {}, ClipperLib::ctUnion));
}

std::vector<Stroke> StrokesWithin(const std::vector<Stroke>& strokes, const FillArea& area) {
    if (!clipper::usable(strokes) || !clipper::usable(area.rings))
        return strokes;
    return clipper::toStrokes(clipper::clipOpen(
        clipper::toPaths(strokes), clipper::simplified(area), ClipperLib::ctIntersection));
}
