#pragma once

#include "base/result.h"

#include <QByteArray>
#include <QMap>
#include <QRectF>
#include <QString>

// What the import needs to know about a document before its structure is
// walked, found by one pass of the XML reader: that it is well-formed SVG within
// the limits, that every <use> finds its target, and the page geometry.
struct SvgFacts {
    double widthMm = 0; // the page, in millimetres
    double heightMm = 0;
    QRectF viewBox; // user units; the page in CSS pixels when the file has none
    QString aspectAlign = QStringLiteral("xMidYMid"); // or "none", "xMinYMax", ...
    bool slice = false;                               // "slice" rather than "meet"
    int layers = 0;                                   // outermost Inkscape layers
    int textElements = 0;
    QMap<QString, int> notDrawn; // kinds of elements no outline comes from, counted
};

struct SvgLimits {
    int mostDepth = 200;
    qint64 mostElements = 5'000'000;
};

// Reads the document's facts; fails with the import's text naming the file
// (`name`) and, for XML errors, the line.
Result<SvgFacts> ReadSvgFacts(const QByteArray& data, const QString& name,
                              const SvgLimits& limits = {});
