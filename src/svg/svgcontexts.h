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

// The chain of clips an element's content lies in, and what it draws into.
class Element {
public:
    Element(Walk& walk, QSizeF viewport) : walk_(walk) {
        lengths_.set_viewport_size(viewport.width(), viewport.height());
        firstItem_ = walk.scene.items.size();
    }
    Element(Element& parent, xmlNode* node)
        : walk_(parent.walk_), style_(parent.style_), ctm_(parent.childCtm()),
          lengths_(parent.lengths_), clip_(parent.clipChain()), layer_(parent.layer_),
          areas_(parent.areas_), maskAreas_(parent.maskAreas_), cursor_(parent.cursor_),
          clipsOverflow_(true), firstItem_(parent.walk_.scene.items.size()) {
        walk_.line = xmlGetLineNo(node);
    }
    virtual ~Element() = default;
    Element(const Element&) = delete;
    Element& operator=(const Element&) = delete;

    Walk& walk() const { return walk_; }
    int layer() const { return layer_; }
    // The transform the element's children start from.
    virtual QTransform childCtm() const { return ctm_; }
    const Inherited& style() const { return style_; }
    const QTransform& ctm() const { return ctm_; }
    bool hidden() const { return hidden_; }
    const LengthFactory& length_factory() const { return lengths_; }

    template <class Tag> void on_enter_element(Tag) {}
    template <class Range> void set_text(const Range&) {}
    void on_exit_element() { finishClips(); }

    void transform_matrix(const boost::array<double, 6>& m) {
        ctm_ = QTransform(m[0], m[1], m[2], m[3], m[4], m[5]) * ctm_;
    }
    void set_viewport(double x, double y, double width, double height) {
        if (clipsOverflow_)
            clipTo(QRectF(x, y, width, height));
        lengths_.set_viewport_size(width, height);
    }
    void set_viewbox_size(double width, double height) {
        lengths_.set_viewport_size(width, height);
    }
    void get_reference_viewport_size(double&, double&) {}
    void disable_rendering() { hidden_ = true; }

    // The clip chain this element's content lies in, made when first asked for.
    std::shared_ptr<const SvgClip> clipChain() {
        for (Pending& pending : pending_) {
            if (!pending.clip) {
                pending.clip = std::make_shared<SvgClip>();
                pending.clip->within = clip_;
                clip_ = pending.clip;
            }
        }
        return clip_;
    }

    // Presentation attributes.
    template <class Value> void set(tag::attribute::id, const Value& value) {
        const int layer = walk_.document.layerOf(bytes(value));
        if (layer >= 0)
            layer_ = layer;
    }
    void set(tag::attribute::display, tag::value::none) { hidden_ = true; }
    template <class V> void set(tag::attribute::display, V) {}
    void set(tag::attribute::visibility, tag::value::visible) { style_.visible = true; }
    template <class V> void set(tag::attribute::visibility, V) { style_.visible = false; }
    void set(tag::attribute::visibility, tag::value::inherit) {}
    void set(tag::attribute::color, int colour) { style_.color = 0xff000000u | unsigned(colour); }
    template <class V> void set(tag::attribute::color, V) {}
    void set(tag::attribute::fill_rule, tag::value::evenodd) { style_.evenOdd = true; }
    void set(tag::attribute::fill_rule, tag::value::nonzero) { style_.evenOdd = false; }
    template <class V> void set(tag::attribute::fill_rule, V) {}
    void set(tag::attribute::clip_rule, tag::value::evenodd) { style_.clipEvenOdd = true; }
    void set(tag::attribute::clip_rule, tag::value::nonzero) { style_.clipEvenOdd = false; }
    template <class V> void set(tag::attribute::clip_rule, V) {}
    void set(tag::attribute::stroke_width, double width) { style_.strokeWidth = width; }
    template <class V> void set(tag::attribute::stroke_width, V) {}
    void set(tag::attribute::stroke_dasharray, tag::value::none) { style_.dashes.clear(); }
    template <class V> void set(tag::attribute::stroke_dasharray, tag::value::inherit) {}
    template <class Range> void set(tag::attribute::stroke_dasharray, const Range& range) {
        style_.dashes.assign(boost::begin(range), boost::end(range));
    }
    void set(tag::attribute::stroke_dashoffset, double offset) { style_.dashOffset = offset; }
    template <class V> void set(tag::attribute::stroke_dashoffset, V) {}
    void set(tag::attribute::font_size, double size) {
        if (size > 0) {
            style_.fontSize = size;
            lengths_.set_em_coefficient(size);
            lengths_.set_ex_coefficient(size / 2);
        }
    }
    template <class V> void set(tag::attribute::font_size, V) {}
    template <class Range> void set(tag::attribute::font_family, const Range& range) {
        style_.family = QString::fromUtf8(bytes(range))
                            .section(u',', 0, 0)
                            .remove(u'\'')
                            .remove(u'"')
                            .trimmed();
    }
    void set(tag::attribute::text_anchor, tag::value::middle) { style_.anchor = SvgAnchor::Middle; }
    void set(tag::attribute::text_anchor, tag::value::end) { style_.anchor = SvgAnchor::End; }
    void set(tag::attribute::text_anchor, tag::value::start) { style_.anchor = SvgAnchor::Start; }
    template <class V> void set(tag::attribute::text_anchor, V) {}
    void set(tag::attribute::overflow, tag::value::visible) { clipsOverflow_ = false; }
    void set(tag::attribute::overflow, tag::value::auto_) { clipsOverflow_ = false; }
    template <class V> void set(tag::attribute::overflow, V) {}

    // Paint: none, a colour, currentColor, or a paint server with its fallback.
    template <class A> void setPaint(A, Paint paint) {
        (std::is_same_v<A, tag::attribute::fill> ? style_.fill : style_.stroke) = paint;
    }
    template <class A, class = std::enable_if_t<std::is_same_v<A, tag::attribute::fill> ||
                                                std::is_same_v<A, tag::attribute::stroke>>>
    void set(A a, tag::value::none) {
        setPaint(a, {Paint::None, 0});
    }
    template <class A, class = std::enable_if_t<std::is_same_v<A, tag::attribute::fill> ||
                                                std::is_same_v<A, tag::attribute::stroke>>>
    void set(A a, tag::value::currentColor) {
        setPaint(a, {Paint::Current, 0});
    }
    template <class A, class = std::enable_if_t<std::is_same_v<A, tag::attribute::fill> ||
                                                std::is_same_v<A, tag::attribute::stroke>>>
    void set(A a, int colour, tag::skip_icc_color = {}) {
        setPaint(a, {Paint::Colour, 0xff000000u | unsigned(colour)});
    }
    template <class A, class Iri, class... Fallback>
    void set(A a, tag::iri_fragment, const Iri& fragment, Fallback...) {
        setPaint(a, {Paint::Colour, paintServerColour(walk_.document, bytes(fragment))});
    }
    template <class A, class Iri, class... Rest>
    std::enable_if_t<!std::is_same_v<Iri, tag::iri_fragment>> set(A, const Iri&, Rest...) {}

    // References to clip paths, masks and markers.
    template <class Iri> void set(tag::attribute::clip_path, tag::iri_fragment, const Iri& f) {
        pending_.push_back({bytes(f), false, nullptr});
    }
    template <class Iri> void set(tag::attribute::mask, tag::iri_fragment, const Iri& f) {
        pending_.push_back({bytes(f), true, nullptr});
    }
    template <class Iri> void set(tag::attribute::marker_start, tag::iri_fragment, const Iri& f) {
        style_.markerStart = bytes(f);
    }
    template <class Iri> void set(tag::attribute::marker_mid, tag::iri_fragment, const Iri& f) {
        style_.markerMid = bytes(f);
    }
    template <class Iri> void set(tag::attribute::marker_end, tag::iri_fragment, const Iri& f) {
        style_.markerEnd = bytes(f);
    }
    template <class Iri> void set(tag::attribute::marker, tag::iri_fragment, const Iri& f) {
        style_.markerStart = style_.markerMid = style_.markerEnd = bytes(f);
    }
    void set(tag::attribute::marker_start, tag::value::none) { style_.markerStart.clear(); }
    void set(tag::attribute::marker_mid, tag::value::none) { style_.markerMid.clear(); }
    void set(tag::attribute::marker_end, tag::value::none) { style_.markerEnd.clear(); }
    void set(tag::attribute::marker, tag::value::none) {
        style_.markerStart.clear(), style_.markerMid.clear(), style_.markerEnd.clear();
    }
    template <class A, class V> void set(A, V) {}

protected:
    // An item drawn by this element with its style, or its area when a clip
    // path or mask is being read.
    void draw(SvgItem item);
    void clipTo(const QRectF& rect) {
        auto clip = std::make_shared<SvgClip>();
        QPainterPath path;
        path.addRect(rect);
        clip->areas.push_back({ctm_.map(path), Qt::WindingFill});
        clip->within = clip_;
        clip_ = clip;
    }
    QRectF userBounds() const;

    Walk& walk_;
    Inherited style_;
    QTransform ctm_;
    LengthFactory lengths_;
    std::shared_ptr<const SvgClip> clip_;
    int layer_ = -1;
    std::vector<SvgClipArea>* areas_ = nullptr; // a clip path's content is read into these
    bool maskAreas_ = false;                    // only filled shapes make a mask's area
    TextCursor* cursor_ = nullptr;
    bool hidden_ = false;
    bool noFill_ = false;
    bool clipsOverflow_ = true;

private:
    struct Pending {
        QByteArray id;
        bool mask = false;
        std::shared_ptr<SvgClip> clip;
    };
    void finishClips();
    std::vector<Pending> pending_;
    size_t firstItem_ = 0;
};

} // namespace svgwalk
