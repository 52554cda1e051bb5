#include "svg/svgdocument.h"

#include "svg/svgmessages.h"

#include <QLocale>
#include <QRegularExpression>

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <cmath>

namespace {

const char* const kSvgNs = "http://www.w3.org/2000/svg";
const char* const kXlinkNs = "http://www.w3.org/1999/xlink";
const char* const kInkscapeNs = "http://www.inkscape.org/namespaces/inkscape";

const xmlChar* x(const char* text) {
    return reinterpret_cast<const xmlChar*>(text);
}

QByteArray nameOf(const xmlNode* node) {
    return QByteArray(reinterpret_cast<const char*>(node->name));
}

bool isSvgElement(const xmlNode* node) {
    return node->type == XML_ELEMENT_NODE && node->ns && xmlStrEqual(node->ns->href, x(kSvgNs));
}

// An attribute without a namespace, or none.
std::optional<QByteArray> attribute(xmlNode* node, const char* name) {
    xmlChar* value = xmlGetNoNsProp(node, x(name));
    if (!value)
        return std::nullopt;
    QByteArray text(reinterpret_cast<const char*>(value));
    xmlFree(value);
    return text;
}

void setAttribute(xmlNode* node, const char* name, const QByteArray& value) {
    xmlSetProp(node, x(name), x(value.constData()));
}

// The style attribute's declarations, in order.
QList<std::pair<QByteArray, QByteArray>> declarations(const QByteArray& style) {
    QList<std::pair<QByteArray, QByteArray>> out;
    for (const QByteArray& part : style.split(';')) {
        const qsizetype colon = part.indexOf(':');
        if (colon > 0)
            out.push_back({part.left(colon).trimmed(), part.mid(colon + 1).trimmed()});
    }
    return out;
}

// The languages the reader is taken to read: the system's and English.
bool languageMatches(const QByteArray& list) {
    QStringList wanted{u"en"_qs};
    for (const QString& language : QLocale::system().uiLanguages())
        wanted << language.section(u'-', 0, 0).toLower();
    for (const QByteArray& entry : list.split(',')) {
        const QString primary = QString::fromUtf8(entry.trimmed()).section(u'-', 0, 0).toLower();
        if (!primary.isEmpty() && wanted.contains(primary))
            return true;
    }
    return false;
}

// Conditional processing: whether the element is rendered at all.
bool conditionsHold(xmlNode* node) {
    if (xmlHasProp(node, x("requiredExtensions")))
        return false; // no extension is supported, and an empty list is false
    if (xmlHasProp(node, x("systemLanguage")))
        return languageMatches(*attribute(node, "systemLanguage"));
    return true;
}

// A transform-origin component in user units: a length, a percentage of
// `size`, or a keyword.
std::optional<double> originComponent(const QByteArray& token, double size) {
    static const QRegularExpression form(QStringLiteral(
        "^([-+]?(?:\\d+\\.?\\d*|\\.\\d+)(?:[eE][-+]?\\d+)?)(px|mm|cm|in|pt|pc|%|)$"));
    if (token == "left" || token == "top")
        return 0.0;
    if (token == "center")
        return size / 2;
    if (token == "right" || token == "bottom")
        return size;
    const QRegularExpressionMatch m = form.match(QString::fromLatin1(token));
    if (!m.hasMatch())
        return std::nullopt;
    const double value = m.capturedView(1).toDouble();
    const QStringView unit = m.capturedView(2);
    const double factor = unit == u"%"    ? size / 100
                          : unit == u"mm" ? 96 / 25.4
                          : unit == u"cm" ? 96 / 2.54
                          : unit == u"in" ? 96.0
                          : unit == u"pt" ? 96 / 72.0
                          : unit == u"pc" ? 16.0
                                          : 1.0;
    return value * factor;
}

// The transform with `origin` folded in, or nothing when the origin is not understood.
std::optional<QByteArray> withOrigin(const QByteArray& transform, const QByteArray& origin,
                                     double width, double height) {
    const QList<QByteArray> tokens = origin.simplified().split(' ');
    if (tokens.isEmpty() || tokens.size() > 3)
        return std::nullopt;
    QByteArray first = tokens[0], second = tokens.size() > 1 ? tokens[1] : QByteArray("center");
    if (first == "top" || first == "bottom" || second == "left" || second == "right")
        std::swap(first, second);
    const std::optional<double> ox = originComponent(first, width);
    const std::optional<double> oy = originComponent(second, height);
    if (!ox || !oy)
        return std::nullopt;
    const QByteArray to = QByteArray::number(*ox, 'g', 17) + ' ' + QByteArray::number(*oy, 'g', 17);
    const QByteArray back =
        QByteArray::number(-*ox, 'g', 17) + ' ' + QByteArray::number(-*oy, 'g', 17);
    return "translate(" + to + ") " + transform + " translate(" + back + ")";
}

QByteArray unquotedUrls(const QByteArray& value) {
    static const QRegularExpression quoted(QStringLiteral("url\\(\\s*(['\"])(.*?)\\1\\s*\\)"));
    if (!value.contains("url("))
        return value;
    return QString::fromUtf8(value).replace(quoted, QStringLiteral("url(\\2)")).toUtf8();
}

} // namespace

Result<std::shared_ptr<SvgDocument>> SvgDocument::read(const QByteArray& data,
                                                       const QString& name) {
    std::shared_ptr<SvgDocument> document(new SvgDocument);
    xmlParserCtxtPtr context = xmlNewParserCtxt();
    if (!context)
        return Failure{svg::notRendered(name)};
    // No network, no entity substitution, no lifting of libxml2's limits.
    const int options =
        XML_PARSE_NONET | XML_PARSE_BIG_LINES | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;
    document->doc_ = xmlCtxtReadMemory(context, data.constData(), int(data.size()), "document.svg",
                                       nullptr, options);
    if (!document->doc_ || !xmlDocGetRootElement(document->doc_)) {
        const xmlError* error = xmlCtxtGetLastError(context);
        const QString reason = error && error->message ? QString::fromUtf8(error->message).trimmed()
                                                       : svg::missingValue();
        const qint64 line = error ? error->line : 0;
        xmlFreeParserCtxt(context);
        return Failure{svg::badXml(name, line, reason)};
    }
    xmlFreeParserCtxt(context);
    xmlNode* root = document->root();
    double width = 100, height = 100;
    if (const std::optional<QByteArray> box = attribute(root, "viewBox")) {
        const QList<QByteArray> parts = box->simplified().replace(',', ' ').split(' ');
        if (parts.size() == 4)
            width = parts[2].toDouble(), height = parts[3].toDouble();
    }
    if (!root->ns)
        xmlSetNs(root, xmlNewNs(root, x(kSvgNs), nullptr));
    document->plain(root, width, height);
    document->index(root, 0);
    document->checkReferences(root);
    return document;
}

SvgDocument::~SvgDocument() {
    if (doc_)
        xmlFreeDoc(doc_);
}

xmlNode* SvgDocument::root() const {
    return xmlDocGetRootElement(doc_);
}

xmlNode* SvgDocument::byId(const QByteArray& id) const {
    return ids_.value(id, nullptr);
}

int SvgDocument::layerOf(const QByteArray& id) const {
    return layerIds_.value(id, -1);
}

void SvgDocument::count(const QString& kind, qint64 line) {
    SvgNotFollowed& seen = notFollowed_[kind];
    if (seen.count++ == 0)
        seen.firstLine = line;
}

void SvgDocument::index(xmlNode* node, int layerDepth) {
    for (xmlNode* child = node->children; child; child = child->next) {
        if (child->type != XML_ELEMENT_NODE)
            continue;
        std::optional<QByteArray> id = attribute(child, "id");
        int depth = layerDepth;
        xmlChar* mode = xmlGetNsProp(child, x("groupmode"), x(kInkscapeNs));
        if (mode && layerDepth == 0 && xmlStrEqual(mode, x("layer")) && nameOf(child) == "g") {
            if (!id) {
                id = "scara-layer-" + QByteArray::number(++generated_);
                setAttribute(child, "id", *id);
            }
            layerIds_.insert(*id, layers_++);
            depth = 1;
        }
        if (mode)
            xmlFree(mode);
        if (id && !ids_.contains(*id))
            ids_.insert(*id, child);
        index(child, depth);
    }
}

namespace {

// Each run of text beside elements in its own <tspan>, so that every text
// node is an element's only child.
void splitMixedText(xmlNode* node) {
    bool elements = false, texts = false;
    for (xmlNode* child = node->children; child; child = child->next) {
        elements = elements || child->type == XML_ELEMENT_NODE;
        texts = texts || child->type == XML_TEXT_NODE || child->type == XML_CDATA_SECTION_NODE;
    }
    if (!elements || !texts)
        return;
    for (xmlNode* child = node->children; child; child = child->next) {
        if (child->type != XML_TEXT_NODE && child->type != XML_CDATA_SECTION_NODE)
            continue;
        xmlNode* span = xmlNewNode(node->ns, x("tspan"));
        xmlAddPrevSibling(child, span);
        xmlUnlinkNode(child);
        xmlAddChild(span, child);
        child = span;
    }
}

// transform-origin, from the attribute or the style, folded into the
// element's transform and taken away.
void foldOrigin(xmlNode* node, double width, double height) {
    std::optional<QByteArray> origin = attribute(node, "transform-origin");
    std::optional<QByteArray> style = attribute(node, "style");
    if (!origin && (!style || !style->contains("transform-origin")))
        return;
    QByteArray rest;
    if (style) {
        for (const auto& [property, value] : declarations(*style)) {
            if (property == "transform-origin")
                origin = value;
            else
                rest += property + ':' + value + ';';
        }
    }
    if (!origin)
        return;
    xmlUnsetProp(node, x("transform-origin"));
    if (style)
        setAttribute(node, "style", rest);
    const QByteArray element = nameOf(node);
    const char* transformName = element.endsWith("Gradient") ? "gradientTransform"
                                : element == "pattern"       ? "patternTransform"
                                                             : "transform";
    const std::optional<QByteArray> transform = attribute(node, transformName);
    if (!transform)
        return;
    if (const std::optional<QByteArray> folded = withOrigin(*transform, *origin, width, height))
        setAttribute(node, transformName, *folded);
}

void unquoteReferences(xmlNode* node) {
    for (xmlAttr* a = node->properties; a; a = a->next) {
        const QByteArrayView name(reinterpret_cast<const char*>(a->name));
        if (a->ns || name == "d" || name == "points" || name == "transform")
            continue;
        xmlChar* value = xmlNodeListGetString(node->doc, a->children, 1);
        if (!value)
            continue;
        const QByteArray text(reinterpret_cast<const char*>(value));
        xmlFree(value);
        if (text.contains("url(")) {
            const QByteArray plainText = unquotedUrls(text);
            if (plainText != text)
                xmlSetProp(node, a->name, x(plainText.constData()));
        }
    }
}

// An SVG 2 href as the xlink:href the structure pass reads.
void xlinkHref(xmlNode* node) {
    const std::optional<QByteArray> href = attribute(node, "href");
    if (!href || xmlHasNsProp(node, x("href"), x(kXlinkNs)))
        return;
    xmlNs* ns = xmlSearchNsByHref(node->doc, node, x(kXlinkNs));
    if (!ns)
        ns = xmlNewNs(xmlDocGetRootElement(node->doc), x(kXlinkNs), x("xlink"));
    xmlSetNsProp(node, ns, x("href"), x(href->constData()));
}

bool negative(const std::optional<QByteArray>& value) {
    return value && value->trimmed().startsWith('-');
}

bool absent(const std::optional<QByteArray>& value) {
    return !value || value->trimmed().isEmpty() || value->trimmed() == "auto";
}

// An ellipse's radius that is missing or "auto" takes the other's.
void ellipseRadii(xmlNode* node) {
    const std::optional<QByteArray> rx = attribute(node, "rx"), ry = attribute(node, "ry");
    if (absent(rx) && !absent(ry))
        setAttribute(node, "rx", *ry);
    else if (absent(ry) && !absent(rx))
        setAttribute(node, "ry", *rx);
}

// A shape whose size SVG takes as an error: drawn nowhere.
bool negativeSize(xmlNode* node) {
    const QByteArray element = nameOf(node);
    if (element == "circle")
        return negative(attribute(node, "r"));
    if (element == "ellipse" || element == "rect")
        return negative(attribute(node, "rx")) || negative(attribute(node, "ry")) ||
               (element == "rect" &&
                (negative(attribute(node, "width")) || negative(attribute(node, "height"))));
    return false;
}

} // namespace

void SvgDocument::plain(xmlNode* node, double width, double height) {
    xmlNode* chosen = nullptr; // the child of a <switch> that is rendered
    for (xmlNode* child = node->children; child;) {
        xmlNode* next = child->next;
        if (child->type == XML_ELEMENT_NODE && !child->ns)
            xmlSetNs(child, node->ns);
        if (!isSvgElement(child)) {
            child = next;
            continue;
        }
        const bool isSwitch = nameOf(node) == "switch";
        if (!conditionsHold(child) || (isSwitch && chosen)) {
            xmlUnlinkNode(child);
            xmlFreeNode(child);
            child = next;
            continue;
        }
        if (isSwitch)
            chosen = child;
        if (nameOf(child) == "ellipse")
            ellipseRadii(child);
        if (negativeSize(child)) {
            count(svg::kindNegativeSize(), xmlGetLineNo(child));
            xmlUnlinkNode(child);
            xmlFreeNode(child);
            child = next;
            continue;
        }
        foldOrigin(child, width, height);
        unquoteReferences(child);
        xlinkHref(child);
        const QByteArray element = nameOf(child);
        if (element == "text" || element == "tspan" || element == "textPath" || element == "a")
            splitMixedText(child);
        plain(child, width, height);
        child = next;
    }
}

namespace {

// The elements a property's url() may name.
bool rightKind(const QByteArray& property, const QByteArray& element) {
    if (property == "clip-path")
        return element == "clipPath";
    if (property == "mask")
        return element == "mask";
    if (property.startsWith("marker"))
        return element == "marker";
    return element == "linearGradient" || element == "radialGradient" || element == "pattern" ||
           element == "solidColor" || element == "solidcolor";
}

bool referencing(const QByteArray& property) {
    return property == "clip-path" || property == "mask" || property == "fill" ||
           property == "stroke" || property.startsWith("marker");
}

} // namespace

void SvgDocument::checkReferences(xmlNode* node) {
    static const QRegularExpression url(QStringLiteral("url\\(\\s*([^)]*?)\\s*\\)"));
    // The value with a reference that leads nowhere taken out, or the value itself.
    auto checked = [&](xmlNode* element, const QByteArray& property, const QByteArray& value) {
        const QString text = QString::fromUtf8(value);
        const QRegularExpressionMatch m = url.match(text);
        if (!m.hasMatch())
            return value;
        const QString target = m.captured(1);
        xmlNode* found = target.startsWith(u'#') ? byId(target.mid(1).toUtf8()) : nullptr;
        if (found && rightKind(property, nameOf(found)))
            return value;
        const qint64 line = xmlGetLineNo(element);
        count(target.startsWith(u'#') ? svg::kindMissingReference(QString::fromUtf8(property))
                                      : svg::kindExternalReference(),
              line);
        const QString rest = text.mid(m.capturedEnd()).trimmed();
        return (property == "fill" || property == "stroke") && !rest.isEmpty() ? rest.toUtf8()
                                                                               : QByteArray("none");
    };
    for (xmlNode* child = node->children; child; child = child->next) {
        if (!isSvgElement(child))
            continue;
        for (xmlAttr* a = child->properties; a; a = a->next) {
            const QByteArray property(reinterpret_cast<const char*>(a->name));
            if (a->ns || (!referencing(property) && property != "style"))
                continue;
            const std::optional<QByteArray> value = attribute(child, property.constData());
            if (!value || !value->contains("url("))
                continue;
            QByteArray fixed;
            if (property == "style") {
                for (const auto& [name, declared] : declarations(*value))
                    fixed += name + ':' +
                             (referencing(name) ? checked(child, name, declared) : declared) + ';';
            } else {
                fixed = checked(child, property, *value);
            }
            if (fixed != *value)
                xmlSetProp(child, a->name, x(fixed.constData()));
        }
        checkReferences(child);
    }
}
