#include "svg/svgtraversal.h"

#include "svg/svgcontexts.h"
#include "svg/svgelements.h"

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
    svgpp::error_policy<Errors>, svgpp::markers_policy<svgpp::policy::markers::calculate>,
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
