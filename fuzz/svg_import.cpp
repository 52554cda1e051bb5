// The SVG import's reading under arbitrary documents: the facts pass, the
// plain tree, the structure walk (uses, markers, viewports, clips) and the
// geometry with its dashes and clipping. The import's error text or
// geometry within a kilometre of the page, never a crash. Without a GUI
// application, documents with text stop at the facts pass, as they do in
// the tools. Every third document also goes through the pen pass: its
// fills hatched, cut to their clips, and what later fills cover left out.
#include "svg/svgimport.h"
#include "svg/svgpenshapes.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray document(reinterpret_cast<const char*>(data), qsizetype(size));
    SvgReadOptions options;
    options.toleranceMm = 0.5;
    options.dashes = size % 2 == 0;
    const Result<SvgGeometry> geometry = ReadSvgGeometry(document, u"fuzz.svg"_qs, options);
    if (!geometry) {
        if (geometry.error().isEmpty())
            __builtin_trap();
        return 0;
    }
    size_t lines = 0;
    for (const SvgShape& shape : geometry->shapes) {
        if (shape.firstLine != lines || shape.pen < 1 || shape.pen > 8)
            __builtin_trap();
        lines += shape.lineCount;
    }
    if (lines != geometry->lines.size())
        __builtin_trap();
    auto withinReason = [](const std::vector<SvgLine>& drawn) {
        for (const SvgLine& line : drawn) {
            for (const PathPoint& p : line.points) {
                if (!std::isfinite(p.x) || !std::isfinite(p.y) || std::abs(p.x) > 2e6 ||
                    std::abs(p.y) > 2e6)
                    return false;
            }
        }
        return true;
    };
    if (!withinReason(geometry->lines))
        __builtin_trap();
    if (size % 3 != 0)
        return 0;
    PenPassOptions pen;
    pen.hatchSpacing = std::max({geometry->widthMm, geometry->heightMm, 1.0}) / 40;
    pen.occlude = true;
    QStringList report;
    const Result<std::vector<SvgLine>> passed = PenLinesOf(*geometry, pen, 1, report);
    if (passed ? !withinReason(*passed) : passed.error().isEmpty())
        __builtin_trap();
    return 0;
}
