#pragma once
// The contexts the structure pass builds element by element: style,
// transform, viewport and clip as SVG 1.1 inherits them. Included only by
// svgtraversal.cpp, where SVG++ is instantiated.

#include "svg/svgdocument.h"
#include "svg/svgmessages.h"
#include "svg/svgtraversal.h"

#include <QColor>
#include <QSet>

#include <libxml/tree.h>
#include <svgpp/factory/unitless_length.hpp>
#include <svgpp/policy/xml/libxml2.hpp>
#include <svgpp/svgpp.hpp>

#include <boost/array.hpp>
#include <boost/range.hpp>

namespace svgwalk {

namespace tag = svgpp::tag;
using LengthFactory = svgpp::factory::length::unitless<double, double>;

struct Paint {
    enum Kind { None, Colour, Current } kind = None;
    QRgb colour = 0xff000000;
};

// The properties an element passes to its children.
struct Inherited {
    Paint fill{Paint::Colour, 0xff000000};
    Paint stroke;
    QRgb color = 0xff000000; // currentColor
    bool evenOdd = false;
    bool clipEvenOdd = false;
    double strokeWidth = 1;
    std::vector<double> dashes;
    double dashOffset = 0;
    QByteArray markerStart, markerMid, markerEnd;
    bool visible = true;
    double fontSize = 16;
    QString family;
    SvgAnchor anchor = SvgAnchor::Start;
};

// Where a text element and its spans are.
struct TextCursor {
    std::optional<double> x, y, dx, dy; // for the next run
    double atY = 0;
    bool started = false;
};

// The walk's state, shared by every context.
struct Walk {
    SvgDocument& document;
    SvgScene& scene;
    const SvgTraversalLimits& limits;
    QSet<xmlNode*> following; // references being followed, against cycles
    qint64 line = 0;          // of the element being read
    bool overBudget = false;
    void count(const QString& kind) { document.count(kind, line); }
    bool add(SvgItem item) {
        if (qint64(scene.items.size()) >= limits.mostItems) {
            overBudget = true;
            return false;
        }
        scene.items.push_back(std::move(item));
        return true;
    }
};

// The colour a paint server stands for: its first stop's, black without one.
QRgb paintServerColour(const SvgDocument& document, const QByteArray& id);

template <class Range> QByteArray bytes(const Range& range) {
    return QByteArray(boost::begin(range), int(boost::size(range)));
}

} // namespace svgwalk
