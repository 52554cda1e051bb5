#include "svg/svgelementtidy.h"

#include "svg/svgxml.h"

#include <QList>
#include <QLocale>
#include <QRegularExpression>
#include <QStringList>

#include <cctype>
#include <utility>

using namespace svgxml;

namespace {

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

bool negative(const std::optional<QByteArray>& value) {
    return value && value->trimmed().startsWith('-');
}

bool absent(const std::optional<QByteArray>& value) {
    return !value || value->trimmed().isEmpty() || value->trimmed() == "auto";
}

// The end of a number as path data writes it at `at`, or -1. A dot with no
// digit after it ("6.", "6.E3", "7.h") is no number to the path parser.
qsizetype numberEnd(const QByteArray& data, qsizetype at) {
    static const QRegularExpression number(
        QStringLiteral("\\G[-+]?(?:\\d+(?:\\.\\d+)?|\\.\\d+)(?:[eE][-+]?\\d+)?"));
    const QRegularExpressionMatch m = number.match(QString::fromLatin1(data), at);
    if (!m.hasMatch())
        return -1;
    // A dot or an exponent mark the number could not take ("7.h", "7e")
    // fails the whole number for the path parser.
    const qsizetype end = m.capturedEnd();
    const auto digitAt = [&](qsizetype i) {
        return i < data.size() && std::isdigit(uchar(data[i]));
    };
    if (end < data.size() &&
        (data[end] == 'e' || data[end] == 'E' || (data[end] == '.' && !digitAt(end + 1))))
        return -1;
    return end;
}

// Past white space, and past one comma when `comma`.
qsizetype skipSeparators(const QByteArray& data, qsizetype at, bool comma) {
    while (at < data.size() && (QChar::isSpace(uchar(data[at])) || (comma && data[at] == ','))) {
        if (data[at] == ',')
            comma = false;
        ++at;
    }
    return at;
}

} // namespace

namespace svgtidy {

// Conditional processing: whether the element is rendered at all.
bool conditionsHold(xmlNode* node) {
    if (xmlHasProp(node, x("requiredExtensions")))
        return false; // no extension is supported, and an empty list is false
    if (xmlHasProp(node, x("systemLanguage")))
        return languageMatches(*attribute(node, "systemLanguage"));
    return true;
}

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

PathStart pathDataStart(xmlNode* path) {
    const std::optional<QByteArray> d = attribute(path, "d");
    if (!d)
        return PathStart::Move;
    const QByteArray data = d->trimmed();
    if (data.isEmpty())
        return PathStart::Empty;
    if (data[0] != 'M' && data[0] != 'm')
        return PathStart::Bad;
    const qsizetype x = numberEnd(data, skipSeparators(data, 1, false));
    if (x < 0)
        return PathStart::Bad;
    return numberEnd(data, skipSeparators(data, x, true)) < 0 ? PathStart::Bad : PathStart::Move;
}

} // namespace svgtidy
