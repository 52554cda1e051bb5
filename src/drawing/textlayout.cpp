#include "drawing/textlayout.h"

#include "base/numberformat.h"
#include "drawing/pentexts.h"

#include <QChar>

#include <algorithm>
#include <cmath>

namespace {

bool isSpace(char32_t c) {
    return c == U' ' || c == U'\t' || c == 0xA0 || c == 0x202F;
}

void countMissing(std::vector<MissingCharacter>& missing, char32_t c) {
    const auto found = std::find_if(missing.begin(), missing.end(),
                                    [c](const MissingCharacter& m) { return m.character == c; });
    if (found != missing.end())
        ++found->count;
    else
        missing.push_back({c, 1});
}

// One line laid out from X 0 along its baseline Y 0, in font units; returns
// the advance.
double layOutLine(const StrokeFont& font, const std::u32string& line, std::vector<Stroke>& out,
                  TextLayout& layout) {
    const StrokeGlyph* space = font.glyph(U' ');
    double x = 0;
    for (const char32_t c : line) {
        const StrokeGlyph* glyph = isSpace(c) ? space : font.glyph(c);
        if (glyph == nullptr) {
            countMissing(layout.missing, c);
            glyph = space;
        } else if (!isSpace(c)) {
            ++layout.characters;
        }
        if (glyph == nullptr)
            continue;
        for (const Stroke& stroke : glyph->strokes) {
            Stroke placed;
            placed.reserve(stroke.size());
            for (const PathPoint& p : stroke)
                placed.push_back({x - glyph->left + p.x, p.y});
            out.push_back(std::move(placed));
        }
        x += glyph->right - glyph->left;
    }
    return x;
}

std::vector<std::u32string> splitLines(const QString& text) {
    QString normal = text;
    normal.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    std::vector<std::u32string> lines;
    for (const QString& line : normal.split(u'\n'))
        lines.push_back(line.toStdU32String());
    return lines;
}

} // namespace

Result<TextLayout> LayOutText(const StrokeFont& font, const QString& text,
                              const TextSettings& settings) {
    if (!(settings.height > 0) || !std::isfinite(settings.height))
        return Failure{pen::badHeight(FormatReal(settings.height))};
    const double scale = settings.height / font.metrics().capHeight;
    const double lineStep = settings.lineSpacing * settings.height;
    TextLayout layout;
    const std::vector<std::u32string> lines = splitLines(text);
    bool anyInk = false;
    for (size_t row = 0; row < lines.size(); ++row) {
        anyInk = anyInk || std::any_of(lines[row].begin(), lines[row].end(),
                                       [](char32_t c) { return !isSpace(c); });
        std::vector<Stroke> strokes;
        const double width = layOutLine(font, lines[row], strokes, layout) * scale;
        const double shift = settings.align == TextAlign::Left     ? 0
                             : settings.align == TextAlign::Center ? -width / 2
                                                                   : -width;
        const double baseline = -double(row) * lineStep;
        for (Stroke& stroke : strokes) {
            for (PathPoint& p : stroke)
                p = {p.x * scale + shift, p.y * scale + baseline};
            layout.strokes.push_back(std::move(stroke));
        }
    }
    if (!anyInk)
        return Failure{pen::emptyText()};
    return layout;
}

QString MissingCharactersReport(const StrokeFont& font,
                                const std::vector<MissingCharacter>& missing) {
    if (missing.empty())
        return {};
    QStringList named;
    qsizetype total = 0;
    for (const MissingCharacter& m : missing) {
        const char32_t c = m.character;
        const QString shown = QChar::isPrint(c) ? QString::fromUcs4(&c, 1) : QString();
        named << QStringLiteral("„%1” (U+%2) ×%3")
                     .arg(shown,
                          QStringLiteral("%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper(),
                          QString::number(m.count));
        total += m.count;
    }
    return pen::missingCharacters(font.name(), total, named.join(QStringLiteral(", ")));
}
