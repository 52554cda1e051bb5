#include "drawing/penpass.h"

#include "base/numberformat.h"
#include "drawing/areaclip.h"
#include "drawing/hatchfill.h"
#include "drawing/occlusion.h"
#include "drawing/pentexts.h"
#include "drawing/textlayout.h"

#include <algorithm>
#include <cmath>

namespace {

bool writesText(const PenShape& shape, const PenPassOptions& options) {
    return shape.text && options.text == PenTextMode::SingleStroke;
}

// The shapes' fills as far as they are seen: a clipped shape's cut to its
// clip, the others' as given.
class SeenFills {
public:
    // Cut only when `wanted` (hatching or hidden lines).
    SeenFills(const std::vector<PenShape>& shapes, bool wanted)
        : shapes_(shapes), cut_(shapes.size()) {
        for (size_t i = 0; wanted && i < shapes.size(); ++i) {
            if (shapes[i].fill && shapes[i].seenWithin)
                cut_[i] = IntersectAreas(*shapes[i].fill, *shapes[i].seenWithin);
        }
    }
    const std::optional<FillArea>& operator[](size_t i) const {
        return cut_[i] ? cut_[i] : shapes_[i].fill;
    }

private:
    const std::vector<PenShape>& shapes_;
    std::vector<std::optional<FillArea>> cut_;
};

// The run's width in font units, by the letters' advances (a missing
// letter and a line break as a space, as the layout draws them).
double advanceOf(const StrokeFont& font, const QString& text) {
    const StrokeGlyph* space = font.glyph(U' ');
    const double spaceAdvance = space ? space->right - space->left : 0;
    double width = 0;
    for (const char32_t c : text.toUcs4()) {
        const StrokeGlyph* glyph = font.glyph(c);
        width += glyph ? glyph->right - glyph->left : spaceAdvance;
    }
    return width;
}

void addMissing(std::vector<MissingCharacter>& all, const std::vector<MissingCharacter>& more) {
    for (const MissingCharacter& m : more) {
        const auto same = std::find_if(all.begin(), all.end(), [&](const MissingCharacter& known) {
            return known.character == m.character;
        });
        if (same == all.end())
            all.push_back(m);
        else
            same->count += m.count;
    }
}

// Lays out runs one after another, remembering where each ended (on the page).
struct TextWriter {
    const StrokeFont& font;
    std::optional<QPointF> end;
    std::vector<MissingCharacter> missing;
    qsizetype characters = 0;

    Result<std::vector<Stroke>> write(const PenTextRun& run);
};

Result<std::vector<Stroke>> TextWriter::write(const PenTextRun& run) {
    TextSettings settings;
    settings.height = CapitalHeightForFontSize(font.metrics(), run.fontSize);
    if (!(settings.height > 0) || !std::isfinite(settings.height))
        return std::vector<Stroke>{}; // a text of no size draws nothing
    const QString text = QString(run.text).replace(u'\n', u' ');
    const double width = advanceOf(font, text) * settings.height / font.metrics().capHeight;
    QPointF at = run.at;
    PenAnchor anchor = run.anchor;
    bool invertible = false;
    const QTransform toRun = run.toPage.inverted(&invertible);
    if (run.continues && end && invertible) {
        at = toRun.map(*end);
        anchor = PenAnchor::Start;
    }
    settings.align = anchor == PenAnchor::Start    ? TextAlign::Left
                     : anchor == PenAnchor::Middle ? TextAlign::Center
                                                   : TextAlign::Right;
    const double startX = at.x() - (anchor == PenAnchor::Middle ? width / 2
                                    : anchor == PenAnchor::End  ? width
                                                                : 0);
    end = run.toPage.map(QPointF(startX + width, at.y()));
    if (text.trimmed().isEmpty())
        return std::vector<Stroke>{};
    Result<TextLayout> layout = LayOutText(font, text, settings);
    if (!layout)
        return layout.failure();
    addMissing(missing, layout->missing);
    characters += layout->characters;
    std::vector<Stroke> strokes = std::move(layout.value().strokes);
    for (Stroke& stroke : strokes) {
        for (PathPoint& p : stroke) {
            const QPointF onPage = run.toPage.map(QPointF(at.x() + p.x, at.y() - p.y));
            p = {onPage.x(), onPage.y()};
        }
    }
    return strokes;
}

HatchSettings hatchSettings(const PenPassOptions& options) {
    HatchSettings settings;
    settings.spacing = options.hatchSpacing.value_or(0);
    settings.angle = options.hatchAngle;
    settings.cross = options.crossHatch;
    settings.outline = false;
    return settings;
}

bool hatched(const PenShape& shape, const PenPassOptions& options) {
    return options.hatchSpacing && shape.fill && !writesText(shape, options);
}

// Hatches the filled shapes into `out`, refusing more lines than a drawing
// may have in all.
Status hatchShapes(const std::vector<PenShape>& shapes, const SeenFills& fills,
                   const PenPassOptions& options, std::vector<std::vector<Stroke>>& out,
                   QStringList& report) {
    const HatchSettings settings = hatchSettings(options);
    qsizetype lines = 0, filled = 0, strokes = 0;
    for (size_t i = 0; i < shapes.size(); ++i) {
        if (hatched(shapes[i], options))
            lines += HatchLineCount(*fills[i], settings);
        if (lines > HatchSettings::kMostLines)
            return Failure{pen::tooManyHatchLines(FormatReal(settings.spacing),
                                                  FormatWhole(HatchSettings::kMostLines))};
    }
    for (size_t i = 0; i < shapes.size(); ++i) {
        if (!hatched(shapes[i], options))
            continue;
        Result<std::vector<Stroke>> hatching = HatchFill(*fills[i], settings);
        if (!hatching)
            return hatching.failure();
        ++filled;
        strokes += qsizetype(hatching->size());
        out[i] = std::move(hatching.value());
    }
    if (filled > 0)
        report << pen::hatchedShapes(filled, strokes);
    return {};
}

double lengthOf(const std::vector<Stroke>& strokes) {
    double length = 0;
    for (const Stroke& s : strokes)
        for (size_t i = 1; i < s.size(); ++i)
            length += std::hypot(s[i].x - s[i - 1].x, s[i].y - s[i - 1].y);
    return length;
}

Status hideOccluded(const std::vector<PenShape>& shapes, const SeenFills& fills,
                    const PenPassOptions& options, std::vector<std::vector<Stroke>>& strokes,
                    QStringList& report) {
    std::vector<PaintedShape> painted(shapes.size());
    for (size_t i = 0; i < shapes.size(); ++i) {
        painted[i].strokes = strokes[i];
        if (!writesText(shapes[i], options))
            painted[i].fill = fills[i];
    }
    Result<std::vector<std::vector<Stroke>>> visible = HideOccluded(painted);
    if (!visible)
        return visible.failure();
    double before = 0, after = 0;
    qsizetype shapesCut = 0;
    for (size_t i = 0; i < shapes.size(); ++i) {
        const double whole = lengthOf(strokes[i]), left = lengthOf((*visible)[i]);
        before += whole;
        after += left;
        shapesCut += left < whole - 1e-9 * std::max(1.0, whole) ? 1 : 0;
    }
    if (shapesCut > 0) {
        const double percent = before > 0 ? 100 * (before - after) / before : 0;
        report << pen::hiddenLines(shapesCut, FormatReal(std::round(percent * 10) / 10));
    }
    strokes = std::move(visible.value());
    return {};
}

} // namespace

double CapitalHeightForFontSize(const StrokeFontMetrics& metrics, double fontSize) {
    const double em = metrics.capHeight + metrics.descent;
    return em > 0 ? fontSize * metrics.capHeight / em : fontSize;
}

Status CheckPenPassOptions(const PenPassOptions& options) {
    if (options.hatchSpacing && !(*options.hatchSpacing > 0))
        return Failure{pen::badSpacing(FormatReal(*options.hatchSpacing))};
    if (!std::isfinite(options.hatchAngle))
        return Failure{pen::badAngle(FormatReal(options.hatchAngle))};
    if (!options.font.isEmpty() && !StrokeFontNames().contains(options.font))
        return Failure{
            pen::unknownFont(options.font, StrokeFontNames().join(QStringLiteral(", ")))};
    return {};
}

Result<PenPass> RunPenPass(const std::vector<PenShape>& shapes, const PenPassOptions& options) {
    if (const Status checked = CheckPenPassOptions(options); !checked)
        return checked.failure();
    const bool anyText = std::any_of(shapes.begin(), shapes.end(),
                                     [&](const PenShape& s) { return writesText(s, options); });
    std::optional<StrokeFont> font;
    if (anyText) {
        Result<StrokeFont> loaded =
            LoadStrokeFont(options.font.isEmpty() ? StrokeFontNames().first() : options.font);
        if (!loaded)
            return loaded.failure();
        font = std::move(loaded.value());
    }
    PenPass pass;
    std::vector<std::vector<Stroke>> strokes(shapes.size());
    const SeenFills fills(shapes, options.hatchSpacing || options.occlude);
    if (options.hatchSpacing) {
        if (const Status done = hatchShapes(shapes, fills, options, strokes, pass.report); !done)
            return done.failure();
    }
    std::optional<TextWriter> writer;
    if (font)
        writer.emplace(TextWriter{*font, {}, {}, 0});
    for (size_t i = 0; i < shapes.size(); ++i) {
        const PenShape& shape = shapes[i];
        if (writesText(shape, options)) {
            Result<std::vector<Stroke>> text = writer->write(*shape.text);
            if (!text)
                return text.failure();
            strokes[i] = shape.seenWithin ? StrokesWithin(*text, *shape.seenWithin)
                                          : std::move(text.value());
        } else if (options.outline || !hatched(shape, options) || shape.stroked) {
            strokes[i].insert(strokes[i].end(), shape.strokes.begin(), shape.strokes.end());
        }
    }
    if (writer && writer->characters > 0)
        pass.report << pen::textWritten(font->name(), writer->characters);
    if (writer)
        if (const QString missing = MissingCharactersReport(*font, writer->missing);
            !missing.isEmpty())
            pass.report << missing;
    if (options.occlude) {
        if (const Status done = hideOccluded(shapes, fills, options, strokes, pass.report); !done)
            return done.failure();
    }
    for (size_t i = 0; i < shapes.size(); ++i)
        pass.shapes.push_back({std::move(strokes[i]), shapes[i].pen});
    return pass;
}
