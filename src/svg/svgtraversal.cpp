#include "svg/svgtraversal.h"

#include "svg/svgcontexts.h"

#include <QRegularExpression>

#include <boost/math/constants/constants.hpp>
#include <boost/mpl/set.hpp>

namespace svgwalk {

QRgb paintServerColour(const SvgDocument& document, const QByteArray& id) {
    xmlNode* server = document.byId(id);
    for (int hops = 0; server && hops < 8; ++hops) {
        for (xmlNode* child = server->children; child; child = child->next) {
            if (child->type != XML_ELEMENT_NODE || !xmlStrEqual(child->name, BAD_CAST "stop"))
                continue;
            QByteArray colour;
            if (xmlChar* value = xmlGetNoNsProp(child, BAD_CAST "stop-color")) {
                colour = reinterpret_cast<const char*>(value);
                xmlFree(value);
            }
            if (xmlChar* style = xmlGetNoNsProp(child, BAD_CAST "style")) {
                for (const QByteArray& part : QByteArray(reinterpret_cast<char*>(style)).split(';'))
                    if (part.trimmed().startsWith("stop-color"))
                        colour = part.mid(part.indexOf(':') + 1).trimmed();
                xmlFree(style);
            }
            const QColor parsed = QColor::fromString(QLatin1String(colour.trimmed()));
            return parsed.isValid() ? parsed.rgb() : 0xff000000;
        }
        // A gradient may take its stops from the one it names.
        xmlChar* href =
            xmlGetNsProp(server, BAD_CAST "href", BAD_CAST "http://www.w3.org/1999/xlink");
        if (!href)
            break;
        const QByteArray target(reinterpret_cast<const char*>(href));
        xmlFree(href);
        server = target.startsWith('#') ? document.byId(target.mid(1)) : nullptr;
    }
    return 0xff000000;
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

namespace svgwalk {

void Element::draw(SvgItem item) {
    if (areas_) {
        if (item.text)
            return;
        if (!maskAreas_ || style_.fill.kind != Paint::None)
            areas_->push_back(
                {std::move(item.path), style_.clipEvenOdd && !maskAreas_ ? Qt::OddEvenFill
                                       : maskAreas_ && style_.evenOdd    ? Qt::OddEvenFill
                                                                         : Qt::WindingFill});
        return;
    }
    const auto colour = [&](const Paint& p) {
        return p.kind == Paint::Current ? style_.color : p.colour;
    };
    item.filled = style_.fill.kind != Paint::None && !noFill_;
    item.stroked = style_.stroke.kind != Paint::None;
    if ((!item.filled && !item.stroked) || !style_.visible)
        return;
    item.fillRule = style_.evenOdd ? Qt::OddEvenFill : Qt::WindingFill;
    item.colour = item.stroked ? colour(style_.stroke) : colour(style_.fill);
    // Dashes in page units: as long as the element's unit is there.
    const double scale = std::sqrt(std::abs(ctm_.determinant()));
    double total = 0;
    for (double d : style_.dashes)
        total += d;
    const bool dashed = total > 0 && std::none_of(style_.dashes.begin(), style_.dashes.end(),
                                                  [](double d) { return d < 0; });
    if (item.stroked && dashed) {
        for (double d : style_.dashes)
            item.dashes.push_back(d * scale);
        if (item.dashes.size() % 2 == 1)
            item.dashes.insert(item.dashes.end(), item.dashes.begin(), item.dashes.end());
        item.dashOffset = style_.dashOffset * scale;
    }
    item.layer = layer_;
    item.clip = clipChain();
    walk_.add(std::move(item));
}

QRectF Element::userBounds() const {
    QRectF bounds;
    const QTransform back = ctm_.inverted();
    for (size_t i = firstItem_; i < walk_.scene.items.size(); ++i)
        bounds = bounds.united(back.map(walk_.scene.items[i].path).boundingRect());
    return bounds;
}

} // namespace svgwalk

namespace svgwalk {

class Shape : public Element {
public:
    // A line has no inside to fill.
    Shape(Element& parent, xmlNode* node) : Element(parent, node) {
        noFill_ = xmlStrEqual(node->name, BAD_CAST "line");
    }

    void path_move_to(double x, double y, tag::coordinate::absolute) {
        path_.moveTo(x, y);
        closed_.push_back(false);
    }
    void path_line_to(double x, double y, tag::coordinate::absolute) { path_.lineTo(x, y); }
    void path_cubic_bezier_to(double x1, double y1, double x2, double y2, double x, double y,
                              tag::coordinate::absolute) {
        path_.cubicTo(x1, y1, x2, y2, x, y);
    }
    void path_close_subpath() {
        if (!closed_.empty())
            closed_.back() = true;
        path_.closeSubpath();
    }
    void path_exit() {}

    void marker(svgpp::marker_vertex v, double x, double y, double direction, unsigned) {
        if (!style_.markerStart.isEmpty() || !style_.markerMid.isEmpty() ||
            !style_.markerEnd.isEmpty())
            markers_.push_back({v, x, y, direction});
    }

    void on_exit_element();

private:
    struct MarkerAt {
        svgpp::marker_vertex vertex;
        double x, y, direction;
    };
    void drawMarker(const MarkerAt& at);

    QPainterPath path_;
    std::vector<bool> closed_;
    std::vector<MarkerAt> markers_;
};

struct AfterMarkerUnits {};

class Marker : public Element {
public:
    Marker(Element& shape, QPointF at, double autoAngle)
        : Element(shape.walk(), QSizeF(100, 100)), strokeWidth_(shape.style().strokeWidth),
          autoAngle_(autoAngle) {
        ctm_ = QTransform::fromTranslate(at.x(), at.y()) * shape.ctm();
        lengths_ = shape.length_factory();
        clip_ = shape.clipChain();
        layer_ = shape.layer();
    }
    void on_enter_element(tag::element::marker) {}
    bool notify(AfterMarkerUnits) {
        if (strokeUnits_)
            ctm_ = QTransform::fromScale(strokeWidth_, strokeWidth_) * ctm_;
        ctm_ = QTransform().rotateRadians(angle_) * ctm_;
        return true;
    }
    using Element::set;
    void set(tag::attribute::markerUnits, tag::value::strokeWidth) { strokeUnits_ = true; }
    void set(tag::attribute::markerUnits, tag::value::userSpaceOnUse) { strokeUnits_ = false; }
    void set(tag::attribute::orient, double degrees) {
        angle_ = degrees * boost::math::constants::degree<double>();
    }
    void set(tag::attribute::orient, tag::value::auto_) { angle_ = autoAngle_; }

private:
    double strokeWidth_, autoAngle_;
    double angle_ = 0;
    bool strokeUnits_ = true;
};

// The content of a clip path or mask, read as areas.
class ClipContent : public Element {
public:
    ClipContent(Element& owner, std::vector<SvgClipArea>& areas, bool mask, QRectF bounds)
        : Element(owner.walk(), QSizeF(100, 100)), bounds_(bounds) {
        ctm_ = owner.ctm();
        lengths_ = owner.length_factory();
        areas_ = &areas;
        maskAreas_ = mask;
    }
    void on_enter_element(tag::element::clipPath) {}
    void on_enter_element(tag::element::mask) {}
    QTransform childCtm() const override {
        return boxUnits_
                   ? QTransform(bounds_.width(), 0, 0, bounds_.height(), bounds_.x(), bounds_.y()) *
                         ctm_
                   : ctm_;
    }
    using Element::set;
    void set(tag::attribute::clipPathUnits, tag::value::objectBoundingBox) { boxUnits_ = true; }
    void set(tag::attribute::maskContentUnits, tag::value::objectBoundingBox) { boxUnits_ = true; }

private:
    QRectF bounds_;
    bool boxUnits_ = false;
};

class Use : public Element {
public:
    Use(Element& parent, xmlNode* node) : Element(parent, node) {}
    using Element::set;
    void set(tag::attribute::x, double v) { x_ = v; }
    void set(tag::attribute::y, double v) { y_ = v; }
    void set(tag::attribute::width, double v) { width_ = v; }
    void set(tag::attribute::height, double v) { height_ = v; }
    template <class Iri> void set(tag::attribute::xlink::href, tag::iri_fragment, const Iri& f) {
        target_ = bytes(f);
    }
    void on_exit_element();
    void referenceSize(double& width, double& height) const {
        if (width_)
            width = *width_;
        if (height_)
            height = *height_;
    }

private:
    QByteArray target_;
    double x_ = 0, y_ = 0;
    std::optional<double> width_, height_;
};

// A <symbol> or <svg> drawn by a <use>: its viewport takes the use's size.
class Referenced : public Element {
public:
    Referenced(Use& use, xmlNode* node) : Element(use, node), use_(use) {}
    void get_reference_viewport_size(double& width, double& height) {
        use_.referenceSize(width, height);
    }

private:
    Use& use_;
};

class Text : public Element {
public:
    Text(Element& parent, xmlNode* node) : Element(parent, node), node_(node) {
        if (!cursor_)
            cursor_ = &own_;
    }
    using Element::set;
    // Positions wait in the cursor for the next run, the element's own or a span's.
    template <class Range> void set(tag::attribute::x, const Range& r) { cursor_->x = first(r); }
    template <class Range> void set(tag::attribute::y, const Range& r) { cursor_->y = first(r); }
    template <class Range> void set(tag::attribute::dx, const Range& r) { cursor_->dx = first(r); }
    template <class Range> void set(tag::attribute::dy, const Range& r) { cursor_->dy = first(r); }
    template <class Range> void set_text(const Range& range);

private:
    template <class Range> static std::optional<double> first(const Range& r) {
        if (boost::empty(r))
            return std::nullopt;
        return double(*boost::begin(r));
    }
    TextCursor own_;
    xmlNode* node_;
    bool read_ = false;
};

} // namespace svgwalk

namespace svgwalk {

template <class ParentContext, class ElementTag, class Enable = void> struct ChildContext {
    using type = svgpp::factory::context::on_stack_with_xml_element<Element>;
};
template <class P, class E>
struct ChildContext<
    P, E, std::enable_if_t<boost::mpl::has_key<svgpp::traits::shape_elements, E>::value>> {
    using type = svgpp::factory::context::on_stack_with_xml_element<Shape>;
};
template <class P> struct ChildContext<P, tag::element::use_> {
    using type = svgpp::factory::context::on_stack_with_xml_element<Use>;
};
template <class P> struct ChildContext<P, tag::element::text> {
    using type = svgpp::factory::context::on_stack_with_xml_element<Text>;
};
template <class P> struct ChildContext<P, tag::element::tspan> {
    using type = svgpp::factory::context::on_stack_with_xml_element<Text>;
};
template <> struct ChildContext<Use, tag::element::svg> {
    using type = svgpp::factory::context::on_stack_with_xml_element<Referenced>;
};
template <> struct ChildContext<Use, tag::element::symbol> {
    using type = svgpp::factory::context::on_stack_with_xml_element<Referenced>;
};

struct ChildContexts {
    template <class ParentContext, class ElementTag>
    struct apply : ChildContext<ParentContext, ElementTag> {};
};

struct Control {
    template <class Context> static bool proceed_to_element_content(Context& context) {
        return !context.hidden() && !context.walk().overBudget;
    }
    template <class Context> static bool proceed_to_next_child(Context& context) {
        return !context.walk().overBudget;
    }
    template <class Context, class Node> static bool process_child(Context&, Node&) { return true; }
};

// What the import cannot follow is counted; nothing stops the walk.
struct Errors {
    using context_type = Element;
    template <class... A> static bool unknown_element(A&&...) { return true; }
    template <class... A> static bool unknown_attribute(A&&...) { return true; }
    template <class... A> static bool unexpected_attribute(A&&...) { return true; }
    template <class... A> static bool unexpected_element(A&&...) { return true; }
    template <class Tag> static bool required_attribute_not_found(const Element&, Tag) {
        return true;
    }
    template <class Tag> static bool negative_value(const Element& context, Tag) {
        context.walk().count(svg::kindNegativeSize());
        return true;
    }
    template <class Tag, class Value>
    static bool parse_failed(const Element& context, Tag, const Value&) {
        if constexpr (!std::is_same_v<Tag, tag::attribute::orient>)
            context.walk().count(svg::kindBadValue(
                QString::fromLatin1(svgpp::attribute_name<char>::template get<Tag>())));
        return true;
    }
    using intercepted_exception_type = boost::exception;
    template <class X> static bool add_element_info(intercepted_exception_type&, const X&) {
        throw;
    }
};

// Marker attributes before the others, so that the marker's scale and
// angle come first; the font size before every length that counts in em.
struct AttributeOrder : svgpp::policy::attribute_traversal::default_policy {
    using get_priority_attributes_by_element = boost::mpl::if_<
        boost::is_same<boost::mpl::_1, tag::element::marker>,
        boost::mpl::vector<tag::attribute::font_size, tag::attribute::markerUnits,
                           tag::attribute::orient, svgpp::notify_context<AfterMarkerUnits>>,
        boost::mpl::vector<tag::attribute::font_size>>;
    using get_deferred_attributes_by_element =
        boost::mpl::if_<boost::mpl::has_key<svgpp::traits::shape_elements, boost::mpl::_1>,
                        boost::mpl::vector<tag::attribute::d, tag::attribute::points>,
                        boost::mpl::empty_sequence>;
};

using Elements =
    boost::mpl::set<tag::element::svg, tag::element::g, tag::element::switch_, tag::element::a,
                    tag::element::use_, tag::element::path, tag::element::rect, tag::element::line,
                    tag::element::circle, tag::element::ellipse, tag::element::polyline,
                    tag::element::polygon, tag::element::text, tag::element::tspan>::type;

using Attributes = boost::mpl::fold<
    boost::mpl::protect<boost::mpl::joint_view<svgpp::traits::shapes_attributes_by_element,
                                               svgpp::traits::viewport_attributes>>,
    boost::mpl::set<tag::attribute::id, tag::attribute::display, tag::attribute::visibility,
                    tag::attribute::transform, tag::attribute::clip_path, tag::attribute::clip_rule,
                    tag::attribute::clipPathUnits, tag::attribute::maskContentUnits,
                    tag::attribute::color, tag::attribute::fill, tag::attribute::fill_rule,
                    tag::attribute::mask, tag::attribute::marker_start, tag::attribute::marker_mid,
                    tag::attribute::marker_end, tag::attribute::marker, tag::attribute::markerUnits,
                    tag::attribute::markerWidth, tag::attribute::markerHeight, tag::attribute::refX,
                    tag::attribute::refY, tag::attribute::stroke, tag::attribute::stroke_width,
                    tag::attribute::stroke_dasharray, tag::attribute::stroke_dashoffset,
                    tag::attribute::orient, tag::attribute::overflow, tag::attribute::font_size,
                    tag::attribute::font_family, tag::attribute::text_anchor, tag::attribute::dx,
                    tag::attribute::dy,
                    boost::mpl::pair<tag::element::use_, tag::attribute::xlink::href>>::type,
    boost::mpl::insert<boost::mpl::_1, boost::mpl::_2>>::type;

using Traversal = svgpp::document_traversal<
    svgpp::context_factories<ChildContexts>,
    svgpp::length_policy<svgpp::policy::length::forward_to_method<Element, const LengthFactory>>,
    svgpp::processed_elements<Elements>, svgpp::processed_attributes<Attributes>,
    svgpp::path_policy<svgpp::policy::path::minimal>,
    svgpp::document_traversal_control_policy<Control>,
    svgpp::transform_events_policy<svgpp::policy::transform_events::forward_to_method<Element>>,
    svgpp::path_events_policy<svgpp::policy::path_events::forward_to_method<Shape>>,
    svgpp::error_policy<Errors>, svgpp::markers_policy<svgpp::policy::markers::calculate_always>,
    svgpp::attribute_traversal_policy<AttributeOrder>,
    svgpp::viewport_policy<svgpp::policy::viewport::as_transform>>;

} // namespace svgwalk

namespace svgwalk {

// A reference being followed; a second visit while it is followed is a cycle.
class Following {
public:
    Following(Walk& walk, xmlNode* node) : walk_(walk), node_(node) {
        entered_ = node && !walk.following.contains(node);
        if (entered_)
            walk.following.insert(node);
        else if (node)
            walk.count(svg::kindCyclicReference());
    }
    ~Following() {
        if (entered_)
            walk_.following.remove(node_);
    }
    Following(const Following&) = delete;
    Following& operator=(const Following&) = delete;
    explicit operator bool() const { return entered_; }

private:
    Walk& walk_;
    xmlNode* node_;
    bool entered_ = false;
};

void Element::finishClips() {
    if (pending_.empty())
        return;
    clipChain();
    const QRectF bounds = userBounds();
    for (Pending& pending : pending_) {
        xmlNode* node = walk_.document.byId(pending.id);
        const Following following(walk_, node);
        if (!following)
            continue;
        ClipContent content(*this, pending.clip->areas, pending.mask, bounds);
        if (pending.mask)
            Traversal::load_expected_element(node, content, tag::element::mask());
        else
            Traversal::load_expected_element(node, content, tag::element::clipPath());
    }
}

void Shape::on_exit_element() {
    if (!hidden_ && !path_.isEmpty()) {
        SvgItem item;
        item.path = ctm_.map(path_);
        item.closed = std::move(closed_);
        draw(std::move(item));
        if (!areas_ && style_.visible) {
            for (const MarkerAt& at : markers_)
                drawMarker(at);
        }
    }
    Element::on_exit_element();
}

void Shape::drawMarker(const MarkerAt& at) {
    const QByteArray& id = at.vertex == svgpp::marker_start ? style_.markerStart
                           : at.vertex == svgpp::marker_mid ? style_.markerMid
                                                            : style_.markerEnd;
    xmlNode* node = id.isEmpty() ? nullptr : walk_.document.byId(id);
    if (!node || walk_.overBudget)
        return;
    const Following following(walk_, node);
    if (!following)
        return;
    double angle = at.direction;
    if (xmlChar* orient = xmlGetNoNsProp(node, BAD_CAST "orient")) {
        if (xmlStrEqual(orient, BAD_CAST "auto-start-reverse")) {
            if (at.vertex == svgpp::marker_start)
                angle += boost::math::constants::pi<double>();
            xmlFree(orient);
            orient = nullptr;
            Marker marker(*this, QPointF(at.x, at.y), angle);
            marker.set(tag::attribute::orient(), tag::value::auto_());
            Traversal::load_expected_element(node, marker, tag::element::marker());
            return;
        }
        xmlFree(orient);
    }
    Marker marker(*this, QPointF(at.x, at.y), angle);
    Traversal::load_expected_element(node, marker, tag::element::marker());
}

void Use::on_exit_element() {
    xmlNode* node = target_.isEmpty() ? nullptr : walk_.document.byId(target_);
    if (!hidden_ && node && !walk_.overBudget) {
        const Following following(walk_, node);
        if (following) {
            ctm_ = QTransform::fromTranslate(x_, y_) * ctm_;
            Traversal::load_referenced_element<
                svgpp::referencing_element<tag::element::use_>,
                svgpp::expected_elements<svgpp::traits::reusable_elements>,
                svgpp::processed_elements<
                    boost::mpl::insert<Elements, tag::element::symbol>::type>>::load(node, *this);
        }
    }
    Element::on_exit_element();
}

// The range SVG++ hands over from libxml2 outlives the string it points
// into; the text is read from the element instead, whose text nodes are its
// only children once the document is plain.
template <class Range> void Text::set_text(const Range&) {
    if (read_)
        return;
    read_ = true;
    xmlChar* content = xmlNodeGetContent(node_);
    QString text = QString::fromUtf8(reinterpret_cast<const char*>(content));
    xmlFree(content);
    text.remove(u'\n').replace(u'\t', u' ');
    static const QRegularExpression spaces(QStringLiteral(" {2,}"));
    text.replace(spaces, QStringLiteral(" "));
    SvgTextRun run;
    TextCursor& c = *cursor_;
    run.continues = !c.x.has_value() && c.started;
    if (!run.continues)
        text = text.trimmed();
    if (text.trimmed().isEmpty())
        return;
    c.atY = c.y.value_or(c.atY) + c.dy.value_or(0);
    run.at = QPointF(c.x.value_or(0) + c.dx.value_or(0), c.atY);
    run.text = text;
    run.fontSize = style_.fontSize;
    run.family = style_.family;
    run.anchor = style_.anchor;
    run.toPage = ctm_;
    c.started = true;
    c.x.reset(), c.y.reset(), c.dx.reset(), c.dy.reset();
    if (hidden_)
        return;
    SvgItem item;
    item.text = std::move(run);
    draw(std::move(item));
}

} // namespace svgwalk

Result<SvgScene> ReadSvgScene(SvgDocument& document, QSizeF pagePx, const QString& name,
                              const SvgTraversalLimits& limits) {
    SvgScene scene;
    svgwalk::Walk walk{document, scene, limits, {}, 0, false};
    svgwalk::Element root(walk, pagePx);
    try {
        svgwalk::Traversal::load_document(document.root(), root);
    } catch (const std::exception&) {
        return Failure{svg::notRendered(name)};
    }
    if (walk.overBudget)
        return Failure{svg::tooManyElements(name, limits.mostItems)};
    scene.notFollowed = document.notFollowed();
    return scene;
}
