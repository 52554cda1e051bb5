#pragma once

// What the document's tidying does to one element, for SvgDocument: each
// takes the element as libxml2 read it and leaves it as the structure pass
// reads it.
#include <libxml/tree.h>

namespace svgtidy {

// Conditional processing: whether the element is rendered at all
// (requiredExtensions, systemLanguage).
bool conditionsHold(xmlNode* node);
// Each run of text beside elements in its own <tspan>.
void splitMixedText(xmlNode* node);
// transform-origin folded into the element's transform and taken away.
void foldOrigin(xmlNode* node, double width, double height);
// url('#x') and url("#x") as url(#x).
void unquoteReferences(xmlNode* node);
// An SVG 2 href as the xlink:href the structure pass reads.
void xlinkHref(xmlNode* node);
// An ellipse's radius that is missing or "auto" takes the other's.
void ellipseRadii(xmlNode* node);
// A shape whose size SVG takes as an error: drawn nowhere.
bool negativeSize(xmlNode* node);

// How a path's data begins: with a move and its two numbers (or no data
// attribute at all), empty, or otherwise.
enum class PathStart { Move, Empty, Bad };
PathStart pathDataStart(xmlNode* path);

} // namespace svgtidy
