#include "svg/svggeometry.h"

#include "svg/svgdocument.h"
#include "svg/svgmessages.h"
#include "svg/svgstrokes.h"
#include "svg/svgtraversal.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHash>

#include <cmath>
#include <unordered_map>

namespace {

constexpr double kMostCoordinateMm = 1e6; // a kilometre
constexpr double kMmPerPx = 25.4 / 96;
constexpr int kTextPixels = 100; // glyph outlines are taken at this size, then scaled

// Page pixels (Y down) to millimetres of the page with Y up.
QTransform toMm(const SvgFacts& facts) {
    return QTransform(kMmPerPx, 0, 0, -kMmPerPx, 0, facts.heightMm);
}

bool sane(const QPointF& p) {
    return std::isfinite(p.x()) && std::isfinite(p.y()) && std::abs(p.x()) <= kMostCoordinateMm &&
           std::abs(p.y()) <= kMostCoordinateMm;
}

bool saneItem(const SvgItem& item, const QTransform& t) {
    if (item.text)
        return sane((item.text->toPage * t).map(item.text->at));
    for (int i = 0; i < item.path.elementCount(); ++i) {
        if (!sane(t.map(QPointF(item.path.elementAt(i).x, item.path.elementAt(i).y))))
            return false;
    }
    return true;
}

// The run's glyph outlines in page pixels; `penX` is where the previous run
// ended, in the run's user units, and moves to where this one ends.
QPainterPath textOutline(const SvgTextRun& run, double& penX) {
    QFont font;
    if (!run.family.isEmpty())
        font.setFamily(run.family);
    font.setPixelSize(kTextPixels);
    const double scale = run.fontSize / kTextPixels;
    const double width = QFontMetricsF(font).horizontalAdvance(run.text) * scale;
    double x = run.continues ? penX + run.at.x() : run.at.x();
    if (!run.continues || run.anchor != SvgAnchor::Start)
        x -= run.anchor == SvgAnchor::Middle ? width / 2 : run.anchor == SvgAnchor::End ? width : 0;
    penX = x + width;
    QPainterPath glyphs;
    glyphs.addText(0, 0, font, run.text);
    const QTransform place =
        QTransform::fromScale(scale, scale) * QTransform::fromTranslate(x, run.at.y()) * run.toPage;
    return place.map(glyphs);
}

// Pens by layer (what is outside the layers goes with the first), or by
// colour in the order the colours first appear.
std::vector<int> assignPens(const SvgReading& r, int& pens, QStringList& notes) {
    const std::vector<SvgItem>& items = r.scene.items;
    std::vector<int> pen(items.size(), 1);
    pens = 0;
    if (r.facts.layers >= 2) {
        for (size_t i = 0; i < items.size(); ++i) {
            pen[i] = std::clamp(items[i].layer + 1, 1, 8);
            pens = std::max(pens, pen[i]);
        }
        return pen;
    }
    QHash<QRgb, int> colours;
    for (size_t i = 0; i < items.size(); ++i) {
        const QRgb colour = items[i].colour | 0xff000000u;
        auto it = colours.find(colour);
        if (it == colours.end())
            it = colours.insert(colour, int(colours.size()));
        pen[i] = it.value() % 8 + 1;
    }
    pens = std::min<int>(int(colours.size()), 8);
    if (colours.size() > 8)
        notes << svg::reportTooManyPens(int(colours.size()));
    return pen;
}

void addNotes(const SvgReading& r, int textRuns, QStringList& notes) {
    QMap<QString, int> notDrawn = r.facts.notDrawn;
    for (auto it = r.scene.notFollowed.cbegin(); it != r.scene.notFollowed.cend(); ++it)
        notDrawn.insert(svg::kindAtLine(it.key(), it->firstLine), it->count);
    for (auto it = notDrawn.cbegin(); it != notDrawn.cend(); ++it)
        notes << svg::reportNotDrawn(it.key(), it.value());
    if (textRuns > 0)
        notes << svg::reportText(textRuns);
}

} // namespace

Result<SvgReading> ReadSvgDocument(const QByteArray& data, const QString& name) {
    Result<SvgFacts> facts = ReadSvgFacts(data, name);
    if (!facts)
        return facts.failure();
    // Fonts come with the GUI application; without one, text cannot be drawn.
    if (facts->textElements > 0 &&
        qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr)
        return Failure{svg::textNeedsFonts(name)};
    Result<std::shared_ptr<SvgDocument>> document = SvgDocument::read(data, name);
    if (!document)
        return document.failure();
    const QSizeF pagePx(facts->widthMm / kMmPerPx, facts->heightMm / kMmPerPx);
    Result<SvgScene> scene = ReadSvgScene(**document, pagePx, name);
    if (!scene)
        return scene.failure();
    const QTransform t = toMm(*facts);
    for (const SvgItem& item : scene->items) {
        if (!saneItem(item, t))
            return Failure{svg::absurdCoordinates(name)};
    }
    return SvgReading{std::move(facts).value(), std::move(scene).value()};
}

SvgGeometry SvgGeometryOf(const SvgReading& r, const SvgReadOptions& options) {
    SvgGeometry geometry;
    geometry.widthMm = r.facts.widthMm;
    geometry.heightMm = r.facts.heightMm;
    const std::vector<int> pens = assignPens(r, geometry.pens, geometry.notes);
    const QTransform t = toMm(r.facts);
    const double tolerance = options.toleranceMm;
    std::unordered_map<const SvgClip*, std::shared_ptr<SvgClipShape>> clips;
    double penX = 0;
    int textRuns = 0;
    for (size_t i = 0; i < r.scene.items.size(); ++i) {
        const SvgItem& item = r.scene.items[i];
        SvgShape shape;
        shape.filled = item.filled, shape.fillRule = item.fillRule, shape.stroked = item.stroked;
        shape.pen = pens[i], shape.colour = item.colour;
        if (item.text) {
            shape.text = item.text;
            shape.text->toPage = item.text->toPage * t;
            shape.outline = FlattenSvgPath(textOutline(*item.text, penX), {}, t, tolerance);
            for (SvgSubpath& s : shape.outline)
                s.closed = true; // glyphs are filled shapes
            ++textRuns;
        } else {
            shape.outline = FlattenSvgPath(item.path, item.closed, t, tolerance);
        }
        std::vector<SvgPolyline> drawn;
        if (item.stroked && !item.dashes.empty() && options.dashes) {
            std::vector<double> pattern;
            for (double d : item.dashes)
                pattern.push_back(d * kMmPerPx);
            drawn = DashSvgSubpaths(shape.outline, pattern, item.dashOffset * kMmPerPx);
        } else {
            // A filled shape is outlined closed, whatever its element.
            for (const SvgSubpath& s : shape.outline) {
                drawn.push_back(s.points);
                if ((s.closed || item.filled || item.text) && s.points.size() > 1 &&
                    !(s.points.front() == s.points.back()))
                    drawn.back().push_back(s.points.front());
            }
        }
        for (SvgSubpath& s : shape.outline) {
            if (s.closed && s.points.size() > 1 && !(s.points.front() == s.points.back()))
                s.points.push_back(s.points.front());
        }
        shape.firstLine = geometry.lines.size();
        const SvgClipShape* clip = nullptr;
        if (item.clip) {
            std::shared_ptr<SvgClipShape>& cached = clips[item.clip.get()];
            if (!cached)
                cached = std::make_shared<SvgClipShape>(*item.clip, t, tolerance);
            clip = cached.get();
            shape.clip = cached;
        }
        std::vector<SvgPolyline> kept;
        for (SvgPolyline& line : drawn) {
            if (line.size() < 2)
                continue;
            if (clip)
                clip->clip(line, kept);
            else
                kept.push_back(std::move(line));
        }
        for (SvgPolyline& line : kept)
            geometry.lines.push_back({std::move(line), shape.pen});
        shape.lineCount = geometry.lines.size() - shape.firstLine;
        if (options.shapes)
            geometry.shapes.push_back(std::move(shape));
    }
    addNotes(r, options.textOutlined ? textRuns : 0, geometry.notes);
    return geometry;
}
