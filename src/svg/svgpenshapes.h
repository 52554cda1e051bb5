#pragma once

#include "base/result.h"
#include "drawing/penpass.h"
#include "svg/svggeometry.h"
#include "svg/svgimport.h"

#include <QStringList>

#include <vector>

// The document's shapes as the pen pass takes them: each shape's lines as
// the import draws them, its fill area with its rule (a text run's glyphs
// excepted: the run itself goes instead), its pen, and its run of text.
std::vector<PenShape> PenShapesOf(const SvgGeometry& geometry);

// Whether the pass changes anything for this document under `options`:
// hatching or hidden lines asked for, or text to write in the single-stroke
// font.
bool PenPassWanted(const PenPassOptions& options, const SvgReading& reading);

// The lines the pen draws for `geometry` after the pass, the hatch spacing
// (program units) taken at `unitsPerMm` program units a millimetre; the
// pass's remarks are added to `report`.
Result<std::vector<SvgLine>> PenLinesOf(const SvgGeometry& geometry, PenPassOptions options,
                                        double unitsPerMm, QStringList& report);
