#include "svg/svgdocument.h"

#include "svg/svgelementtidy.h"
#include "svg/svgmessages.h"
#include "svg/svgxml.h"

#include <QRegularExpression>

#include <libxml/parser.h>

using namespace svgxml;
using namespace svgtidy;

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

void SvgDocument::pathData(xmlNode* path) {
    // Data that does not begin with a move draws nothing: empty data is no
    // error, other data a value not understood.
    const PathStart start = pathDataStart(path);
    if (start == PathStart::Move)
        return;
    if (start == PathStart::Bad)
        count(svg::kindBadValue(QStringLiteral("d")), xmlGetLineNo(path));
    xmlUnsetProp(path, x("d"));
}

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
        if (nameOf(child) == "path")
            pathData(child);
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
