#pragma once

// The document tree's small helpers, for the SVG library's own use.
#include <QByteArray>
#include <QList>

#include <libxml/tree.h>

#include <optional>
#include <utility>

namespace svgxml {

inline constexpr const char* kSvgNs = "http://www.w3.org/2000/svg";
inline constexpr const char* kXlinkNs = "http://www.w3.org/1999/xlink";
inline constexpr const char* kInkscapeNs = "http://www.inkscape.org/namespaces/inkscape";

inline const xmlChar* x(const char* text) {
    return reinterpret_cast<const xmlChar*>(text);
}

inline QByteArray nameOf(const xmlNode* node) {
    return QByteArray(reinterpret_cast<const char*>(node->name));
}

inline bool isSvgElement(const xmlNode* node) {
    return node->type == XML_ELEMENT_NODE && node->ns && xmlStrEqual(node->ns->href, x(kSvgNs));
}

// An attribute without a namespace, or none.
inline std::optional<QByteArray> attribute(xmlNode* node, const char* name) {
    xmlChar* value = xmlGetNoNsProp(node, x(name));
    if (!value)
        return std::nullopt;
    QByteArray text(reinterpret_cast<const char*>(value));
    xmlFree(value);
    return text;
}

inline void setAttribute(xmlNode* node, const char* name, const QByteArray& value) {
    xmlSetProp(node, x(name), x(value.constData()));
}

// The style attribute's declarations, in order.
inline QList<std::pair<QByteArray, QByteArray>> declarations(const QByteArray& style) {
    QList<std::pair<QByteArray, QByteArray>> out;
    for (const QByteArray& part : style.split(';')) {
        const qsizetype colon = part.indexOf(':');
        if (colon > 0)
            out.push_back({part.left(colon).trimmed(), part.mid(colon + 1).trimmed()});
    }
    return out;
}

} // namespace svgxml
