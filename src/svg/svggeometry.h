#pragma once

#include "base/result.h"
#include "svg/svgimport.h"
#include "svg/svgscene.h"
#include "svg/svgsource.h"

// A document read whole: its facts and what it draws, every point within a
// kilometre of the page.
struct SvgReading {
    SvgFacts facts;
    SvgScene scene;
};
Result<SvgReading> ReadSvgDocument(const QByteArray& data, const QString& name);

// The reading as the pen's geometry, with `options`' tolerance and dashes.
SvgGeometry SvgGeometryOf(const SvgReading& reading, const SvgReadOptions& options);
