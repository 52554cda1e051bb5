#pragma once
// The contexts of the elements that draw or reference: shapes, markers,
// clip path and mask content, uses, the symbols and viewports they draw,
// and text. Included only by svgtraversal.cpp, where SVG++ is instantiated.

#include "svg/svgcontexts.h"

#include <boost/math/constants/constants.hpp>

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

    // Marker places are worked out only for the markers the shape has.
    void marker_get_config(svgpp::marker_config& start, svgpp::marker_config& mid,
                           svgpp::marker_config& end) const {
        const auto config = [](const QByteArray& id) {
            return id.isEmpty() ? svgpp::marker_none : svgpp::marker_orient_auto;
        };
        start = config(style_.markerStart), mid = config(style_.markerMid);
        end = config(style_.markerEnd);
    }
    void marker(svgpp::marker_vertex v, double x, double y, tag::orient_fixed, unsigned index) {
        marker(v, x, y, 0.0, index);
    }
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
