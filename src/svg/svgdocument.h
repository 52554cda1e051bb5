#pragma once

#include "base/result.h"
#include "svg/svgscene.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <memory>

struct _xmlDoc;
struct _xmlNode;

// The document's tree as the structure pass walks it, read by libxml2 with
// no network and no entity substitution, and made plain first: elements
// without a namespace put in SVG's, conditional elements (<switch>,
// systemLanguage, requiredExtensions) settled, transform-origin folded into
// the transform, quoted url() references unquoted, mixed text split into
// runs, and every reference that finds no element of the right kind counted
// and dropped.
class SvgDocument {
public:
    // Fails with the import's text naming `name` when libxml2 refuses the data.
    static Result<std::shared_ptr<SvgDocument>> read(const QByteArray& data, const QString& name);
    ~SvgDocument();
    SvgDocument(const SvgDocument&) = delete;
    SvgDocument& operator=(const SvgDocument&) = delete;

    _xmlNode* root() const;
    // The element with this id, or null.
    _xmlNode* byId(const QByteArray& id) const;
    // The outermost Inkscape layer an element with this id opens, or -1.
    int layerOf(const QByteArray& id) const;
    int layers() const { return layers_; }
    // What was dropped while making the document plain.
    const QMap<QString, SvgNotFollowed>& notFollowed() const { return notFollowed_; }
    void count(const QString& kind, qint64 line);

private:
    SvgDocument() = default;
    void index(_xmlNode* node, int depth);
    void plain(_xmlNode* node, double viewWidth, double viewHeight);
    void pathData(_xmlNode* path);
    void checkReferences(_xmlNode* node);

    _xmlDoc* doc_ = nullptr;
    QHash<QByteArray, _xmlNode*> ids_;
    QHash<QByteArray, int> layerIds_;
    int layers_ = 0;
    int generated_ = 0;
    QMap<QString, SvgNotFollowed> notFollowed_;
};
