#pragma once

#include "base/result.h"
#include "svg/svgscene.h"

#include <QSizeF>
#include <QString>

class SvgDocument;

struct SvgTraversalLimits {
    qint64 mostItems = 1'000'000; // shapes drawn, counting every use of one
};

// Walks the plain document `document` as SVG 1.1 structure and painting: the
// outermost viewport `pagePx` in CSS pixels, nested viewports, symbols, uses,
// markers, clip paths and masks (taken as their shapes' area), every length
// unit at 96 dpi. Fails, naming `name`, when the uses multiply the shapes
// beyond the limit.
Result<SvgScene> ReadSvgScene(SvgDocument& document, QSizeF pagePx, const QString& name,
                              const SvgTraversalLimits& limits = {});
