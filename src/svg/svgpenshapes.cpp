#include "svg/svgpenshapes.h"

#include "svg/svgstrokes.h"

#include <unordered_map>

namespace {

PenAnchor penAnchor(SvgAnchor anchor) {
    switch (anchor) {
    case SvgAnchor::Start:
        return PenAnchor::Start;
    case SvgAnchor::Middle:
        return PenAnchor::Middle;
    case SvgAnchor::End:
        return PenAnchor::End;
    }
    return PenAnchor::Start;
}

PenTextRun penRun(const SvgTextRun& run) {
    PenTextRun pen;
    pen.text = run.text;
    pen.at = run.at;
    pen.continues = run.continues;
    pen.fontSize = run.fontSize;
    pen.anchor = penAnchor(run.anchor);
    pen.toPage = run.toPage;
    return pen;
}

FillArea fillOf(const SvgShape& shape) {
    FillArea area;
    area.rule = shape.fillRule == Qt::OddEvenFill ? FillRule::EvenOdd : FillRule::NonZero;
    // An open sub-path fills as if closed.
    for (const SvgSubpath& subpath : shape.outline) {
        if (subpath.points.size() >= 3)
            area.rings.push_back(subpath.points);
    }
    return area;
}

} // namespace

std::vector<PenShape> PenShapesOf(const SvgGeometry& geometry) {
    std::vector<PenShape> shapes;
    shapes.reserve(geometry.shapes.size());
    std::unordered_map<const SvgClipShape*, std::shared_ptr<const FillArea>> clipAreas;
    for (const SvgShape& svg : geometry.shapes) {
        PenShape shape;
        shape.pen = svg.pen;
        shape.stroked = svg.stroked;
        const size_t end = std::min(svg.firstLine + svg.lineCount, geometry.lines.size());
        for (size_t i = svg.firstLine; i < end; ++i)
            shape.strokes.push_back(geometry.lines[i].points);
        if (svg.text)
            shape.text = penRun(*svg.text);
        if (svg.filled)
            shape.fill = fillOf(svg);
        if (svg.clip) {
            auto [at, added] = clipAreas.try_emplace(svg.clip.get());
            if (added)
                at->second = std::make_shared<const FillArea>(svg.clip->area());
            shape.seenWithin = at->second;
        }
        shapes.push_back(std::move(shape));
    }
    return shapes;
}

bool PenPassWanted(const PenPassOptions& options, const SvgReading& reading) {
    return options.hatchSpacing || options.occlude ||
           (options.text == PenTextMode::SingleStroke && reading.facts.textElements > 0);
}

Result<std::vector<SvgLine>> PenLinesOf(const SvgGeometry& geometry, PenPassOptions options,
                                        double unitsPerMm, QStringList& report) {
    if (options.hatchSpacing && unitsPerMm > 0)
        options.hatchSpacing = *options.hatchSpacing / unitsPerMm;
    const Result<PenPass> pass = RunPenPass(PenShapesOf(geometry), options);
    if (!pass)
        return pass.failure();
    std::vector<SvgLine> lines;
    for (const PenStrokes& shape : pass->shapes) {
        for (const Stroke& stroke : shape.strokes) {
            if (stroke.size() >= 2)
                lines.push_back({stroke, shape.pen});
        }
    }
    report = pass->report;
    return lines;
}
