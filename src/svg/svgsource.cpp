#include "svg/svgsource.h"

#include "svg/svgmessages.h"

#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>

#include <cmath>

namespace {

const QString kSvgNs = QStringLiteral("http://www.w3.org/2000/svg");
const QString kInkscapeNs = QStringLiteral("http://www.inkscape.org/namespaces/inkscape");
const QString kXlinkNs = QStringLiteral("http://www.w3.org/1999/xlink");

// Elements of SVG the import knows or that draw nothing by design.
const QSet<QString>& knownElements() {
    static const QSet<QString> known{
        u"svg"_qs,
        u"g"_qs,
        u"defs"_qs,
        u"use"_qs,
        u"symbol"_qs,
        u"path"_qs,
        u"rect"_qs,
        u"circle"_qs,
        u"ellipse"_qs,
        u"line"_qs,
        u"polyline"_qs,
        u"polygon"_qs,
        u"text"_qs,
        u"tspan"_qs,
        u"textArea"_qs,
        u"tbreak"_qs,
        u"title"_qs,
        u"desc"_qs,
        u"metadata"_qs,
        u"style"_qs,
        u"image"_qs,
        u"a"_qs,
        u"switch"_qs,
        u"linearGradient"_qs,
        u"radialGradient"_qs,
        u"stop"_qs,
        u"solidColor"_qs,
        u"font"_qs,
        u"font-face"_qs,
        u"font-face-src"_qs,
        u"font-face-name"_qs,
        u"glyph"_qs,
        u"missing-glyph"_qs,
        u"hkern"_qs,
        u"animate"_qs,
        u"animateColor"_qs,
        u"animateMotion"_qs,
        u"animateTransform"_qs,
        u"set"_qs,
        u"script"_qs,
        u"clipPath"_qs,
        u"mask"_qs,
        u"filter"_qs,
        u"marker"_qs,
        u"pattern"_qs,
        u"view"_qs,
        u"cursor"_qs,
    };
    return known;
}

bool isLayer(const QXmlStreamReader& xml) {
    return xml.name() == u"g" && xml.attributes().value(kInkscapeNs, u"groupmode"_qs) == u"layer";
}

// A length with its unit, in millimetres; CSS pixels are 1/96 inch.
std::optional<double> lengthMm(const QString& text) {
    static const QRegularExpression form(
        QStringLiteral("^\\s*([-+]?(?:\\d+\\.?\\d*|\\.\\d+)(?:[eE][-+]?\\d+)?)\\s*(px|mm|cm|in|"
                       "pt|pc|)\\s*$"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const double value = m.capturedView(1).toDouble();
    const QStringView unit = m.capturedView(2);
    const double perUnit = unit == u"mm"   ? 1.0
                           : unit == u"cm" ? 10.0
                           : unit == u"in" ? 25.4
                           : unit == u"pt" ? 25.4 / 72
                           : unit == u"pc" ? 25.4 / 6
                                           : 25.4 / 96;
    return value * perUnit;
}

// A number in a geometry attribute that no drawing needs: not a number, an
// infinity, or beyond 1e15 in size. Returns the offending text.
std::optional<QString> absurdNumber(const QXmlStreamAttributes& attributes) {
    static const QSet<QString> geometry{
        u"d"_qs,  u"points"_qs, u"x"_qs,  u"y"_qs,         u"width"_qs,  u"height"_qs,
        u"r"_qs,  u"rx"_qs,     u"ry"_qs, u"cx"_qs,        u"cy"_qs,     u"x1"_qs,
        u"y1"_qs, u"x2"_qs,     u"y2"_qs, u"transform"_qs, u"viewBox"_qs};
    static const QRegularExpression words(QStringLiteral("(?i)nan|inf"));
    static const QRegularExpression exponents(
        QStringLiteral("[-+]?(?:\\d+\\.?\\d*|\\.\\d+)[eE][-+]?\\d+|(?<![\\d.])\\d{16,}"));
    for (const QXmlStreamAttribute& a : attributes) {
        if (!a.namespaceUri().isEmpty() || !geometry.contains(a.name().toString()))
            continue;
        const QString value = a.value().toString();
        if (const QRegularExpressionMatch m = words.match(value); m.hasMatch())
            return value;
        for (auto it = exponents.globalMatch(value); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            const double number = m.captured().toDouble();
            if (!std::isfinite(number) || std::abs(number) > 1e15)
                return m.captured();
        }
    }
    return std::nullopt;
}

struct Root {
    QString width, height, viewBox, aspect;
};

Result<SvgFacts> pageOf(const Root& root, const QString& name) {
    SvgFacts facts;
    const bool hasViewBox = !root.viewBox.trimmed().isEmpty();
    if (hasViewBox) {
        const QStringList parts =
            root.viewBox.split(QRegularExpression(QStringLiteral("[\\s,]+")), Qt::SkipEmptyParts);
        bool ok = parts.size() == 4;
        double v[4] = {};
        for (int i = 0; ok && i < 4; ++i)
            v[i] = parts[i].toDouble(&ok), ok = ok && std::isfinite(v[i]);
        if (!ok || !(v[2] > 0) || !(v[3] > 0))
            return Failure{svg::badViewBox(name, root.viewBox)};
        facts.viewBox = QRectF(v[0], v[1], v[2], v[3]);
    }
    // Width and height: a length, or (missing, a percentage) the view box's size.
    double* sizes[2] = {&facts.widthMm, &facts.heightMm};
    const QString* texts[2] = {&root.width, &root.height};
    for (int i = 0; i < 2; ++i) {
        const QString text = texts[i]->trimmed();
        if (text.isEmpty() || text.endsWith(u'%')) {
            if (!hasViewBox)
                return Failure{svg::badSize(name, text.isEmpty() ? svg::missingValue() : text)};
            *sizes[i] = (i == 0 ? facts.viewBox.width() : facts.viewBox.height()) * 25.4 / 96;
            continue;
        }
        const std::optional<double> mm = lengthMm(text);
        if (!mm || !std::isfinite(*mm) || !(*mm > 0) || *mm > 1e6)
            return Failure{svg::badSize(name, text)};
        *sizes[i] = *mm;
    }
    if (!hasViewBox) // user units are CSS pixels
        facts.viewBox = QRectF(0, 0, facts.widthMm * 96 / 25.4, facts.heightMm * 96 / 25.4);
    const QStringList aspect = root.aspect.simplified().split(u' ', Qt::SkipEmptyParts);
    for (const QString& word : aspect) {
        if (word == u"slice")
            facts.slice = true;
        else if (word == u"none" || (word.size() == 8 && word.startsWith(u'x')))
            facts.aspectAlign = word;
    }
    return facts;
}

} // namespace

namespace {

// What one pass over the elements gathers, element by element.
class FactsScan {
public:
    FactsScan(const QString& name, const SvgLimits& limits) : name_(name), limits_(limits) {}

    // An element starts; a failure ends the scan.
    std::optional<Failure> start(const QXmlStreamReader& xml) {
        ++depth_;
        if (depth_ > limits_.mostDepth)
            return Failure{svg::tooDeep(name_, xml.lineNumber(), limits_.mostDepth)};
        if (++elements_ > limits_.mostElements)
            return Failure{svg::tooManyElements(name_, limits_.mostElements)};
        const QXmlStreamAttributes attributes = xml.attributes();
        if (const std::optional<QString> bad = absurdNumber(attributes))
            return Failure{svg::absurdNumber(name_, xml.lineNumber(), *bad)};
        if (!rootSeen_) {
            rootSeen_ = true;
            if (xml.name() != u"svg")
                return Failure{svg::notSvg(name_)};
            root_ = {attributes.value(u"width"_qs).toString(),
                     attributes.value(u"height"_qs).toString(),
                     attributes.value(u"viewBox"_qs).toString(),
                     attributes.value(u"preserveAspectRatio"_qs).toString()};
        }
        if (const QStringView id = attributes.value(u"id"_qs); !id.isEmpty())
            ids_.insert(id.toString());
        if (xml.namespaceUri().isEmpty() || xml.namespaceUri() == kSvgNs)
            countElement(xml, attributes);
        return std::nullopt;
    }
    void end() {
        if (--depth_ < layerDepth_)
            layerDepth_ = -1;
    }

    Result<SvgFacts> finish() const {
        if (!rootSeen_)
            return Failure{svg::notSvg(name_)};
        for (const UseRef& use : uses_) {
            const QString target = use.target.startsWith(u'#') ? use.target.mid(1) : use.target;
            if (!ids_.contains(target))
                return Failure{svg::missingUseTarget(name_, use.line, use.target)};
        }
        Result<SvgFacts> facts = pageOf(root_, name_);
        if (!facts)
            return facts;
        SvgFacts& f = facts.value();
        f.layers = layers_;
        f.textElements = texts_;
        if (images_ > 0)
            f.notDrawn.insert(svg::kindImage(), images_);
        for (auto it = unknown_.cbegin(); it != unknown_.cend(); ++it)
            f.notDrawn.insert(svg::kindUnknownElement(it.key(), it->firstLine), it->count);
        return facts;
    }

private:
    void countElement(const QXmlStreamReader& xml, const QXmlStreamAttributes& attributes) {
        const QString element = xml.name().toString();
        if (element == u"use") {
            QStringView href = attributes.value(kXlinkNs, u"href"_qs);
            if (href.isEmpty())
                href = attributes.value(u"href"_qs);
            uses_.push_back({href.toString(), xml.lineNumber()});
        } else if (element == u"text") {
            ++texts_;
        } else if (element == u"image") {
            ++images_;
        } else if (isLayer(xml) && layerDepth_ < 0) {
            layerDepth_ = depth_;
            ++layers_;
        } else if (!knownElements().contains(element)) {
            Unknown& seen = unknown_[element];
            if (seen.count++ == 0)
                seen.firstLine = xml.lineNumber();
        }
    }

    struct UseRef {
        QString target;
        qint64 line;
    };
    struct Unknown {
        qint64 firstLine = 0;
        int count = 0;
    };
    const QString& name_;
    const SvgLimits& limits_;
    QSet<QString> ids_;
    std::vector<UseRef> uses_;
    QMap<QString, Unknown> unknown_;
    int depth_ = 0;
    int layerDepth_ = -1;
    qint64 elements_ = 0;
    bool rootSeen_ = false;
    Root root_;
    int layers_ = 0, texts_ = 0, images_ = 0;
};

} // namespace

Result<SvgFacts> ReadSvgFacts(const QByteArray& data, const QString& name,
                              const SvgLimits& limits) {
    QXmlStreamReader xml(data);
    FactsScan scan(name, limits);
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement) {
            scan.end();
        } else if (token == QXmlStreamReader::StartElement) {
            if (std::optional<Failure> failure = scan.start(xml))
                return *failure;
        }
    }
    if (xml.hasError())
        return Failure{svg::badXml(name, xml.lineNumber(), xml.errorString())};
    return scan.finish();
}
