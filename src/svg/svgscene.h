#pragma once

#include <QMap>
#include <QPainterPath>
#include <QRgb>
#include <QString>
#include <QTransform>

#include <memory>
#include <optional>
#include <vector>

// What the document draws, in the page's user units (CSS pixels of the
// outermost viewport, after its view box), shape by shape in document order,
// as the structure pass reads it: curves still curves, nothing flattened.

// An area that clips: the union of its shapes, each with its own fill rule;
// what is drawn must lie inside every area of the chain.
struct SvgClipArea {
    QPainterPath path;
    Qt::FillRule rule = Qt::WindingFill;
};
struct SvgClip {
    std::vector<SvgClipArea> areas;
    std::shared_ptr<const SvgClip> within; // the enclosing clip, if any
};

enum class SvgAnchor { Start, Middle, End };

// A run of text as the document places it, for a later pass to lay out.
struct SvgTextRun {
    QString text;
    QPointF at;             // in the element's user units
    bool continues = false; // placed after the previous run, not at `at`
    double fontSize = 16;   // user units
    QString family;
    SvgAnchor anchor = SvgAnchor::Start;
    QTransform toPage; // the element's user units to the page's
};

struct SvgItem {
    QPainterPath path;              // in page user units
    std::vector<bool> closed;       // per subpath: ended with Z
    std::optional<SvgTextRun> text; // a run of text instead of a path
    bool filled = false;
    bool stroked = false;
    Qt::FillRule fillRule = Qt::WindingFill;
    QRgb colour = 0xff000000;   // the stroke's, or the fill's for a shape only filled
    std::vector<double> dashes; // in page user units; empty for solid
    double dashOffset = 0;
    int layer = 0; // outermost Inkscape layer, -1 outside them
    std::shared_ptr<const SvgClip> clip;
};

// Something the import could not follow, by kind; the first line it is met on.
struct SvgNotFollowed {
    qint64 firstLine = 0;
    int count = 0;
};

struct SvgScene {
    std::vector<SvgItem> items;
    QMap<QString, SvgNotFollowed> notFollowed; // by the report's kind text
};
