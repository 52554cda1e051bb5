#include "drawing/strokefont.h"

#include "drawing/pentexts.h"
#include "drawing/strokefontmarks.h"

#include <QFile>

#include <algorithm>
#include <limits>

namespace {

constexpr char32_t kFirstCharacter = U' ';
constexpr char32_t kLastCharacter = U'~';

// The top (or, with `lowest`, the bottom) of a glyph's ink; `fallback`
// when the font lacks it or it has no ink.
double inkExtreme(const std::unordered_map<char32_t, StrokeGlyph>& glyphs, char32_t c, bool lowest,
                  double fallback) {
    const auto found = glyphs.find(c);
    if (found == glyphs.end())
        return fallback;
    double best =
        lowest ? std::numeric_limits<double>::max() : std::numeric_limits<double>::lowest();
    for (const Stroke& stroke : found->second.strokes) {
        for (const PathPoint& p : stroke)
            best = lowest ? std::min(best, p.y) : std::max(best, p.y);
    }
    return found->second.strokes.empty() ? fallback : best;
}

// Moves every glyph so that the baseline, the bottom of "H", is at Y 0.
void toBaseline(std::unordered_map<char32_t, StrokeGlyph>& glyphs) {
    const double base = inkExtreme(glyphs, U'H', true, 0);
    for (auto& [c, glyph] : glyphs) {
        for (Stroke& stroke : glyph.strokes) {
            for (PathPoint& p : stroke)
                p.y -= base;
        }
    }
}

StrokeFontMetrics measure(const std::unordered_map<char32_t, StrokeGlyph>& glyphs) {
    StrokeFontMetrics m;
    m.capHeight = std::max(inkExtreme(glyphs, U'H', false, 1), 1e-9);
    m.xHeight = inkExtreme(glyphs, U'x', false, m.capHeight * 2 / 3);
    m.descent = -inkExtreme(glyphs, U'p', true, -m.capHeight / 3);
    return m;
}

// One JHF record: the glyph, or nothing when it does not read.
std::optional<StrokeGlyph> parseRecord(const QByteArray& record) {
    bool ok = false;
    const int pairs = record.mid(5, 3).trimmed().toInt(&ok);
    if (!ok || pairs < 1 || record.size() < 8 + 2 * pairs)
        return std::nullopt;
    auto value = [&](int i) { return double(record[8 + i] - 'R'); };
    StrokeGlyph glyph;
    glyph.left = value(0);
    glyph.right = value(1);
    Stroke stroke;
    for (int i = 1; i < pairs; ++i) {
        if (record[8 + 2 * i] == ' ' && record[9 + 2 * i] == 'R') {
            if (stroke.size() > 1)
                glyph.strokes.push_back(std::move(stroke));
            stroke.clear();
            continue;
        }
        stroke.push_back({value(2 * i), -value(2 * i + 1)}); // Y upwards
    }
    if (stroke.size() > 1)
        glyph.strokes.push_back(std::move(stroke));
    return glyph;
}

} // namespace

StrokeFont::StrokeFont(QString name, std::unordered_map<char32_t, StrokeGlyph> glyphs)
    : name_(std::move(name)), glyphs_(std::move(glyphs)) {
    toBaseline(glyphs_);
    metrics_ = measure(glyphs_);
    AddComposedLetters(glyphs_, metrics_);
}

const StrokeGlyph* StrokeFont::glyph(char32_t character) const {
    const auto found = glyphs_.find(character);
    return found == glyphs_.end() ? nullptr : &found->second;
}

Result<StrokeFont> ParseJhfFont(const QByteArray& data, const QString& name) {
    std::unordered_map<char32_t, StrokeGlyph> glyphs;
    char32_t next = kFirstCharacter;
    QByteArray record;
    for (const QByteArray& rawLine : data.split('\n')) {
        const QByteArray line = rawLine.endsWith('\r') ? rawLine.chopped(1) : rawLine;
        if (record.isEmpty() && line.trimmed().isEmpty())
            continue;
        record += line;
        bool ok = false;
        const int pairs = record.mid(5, 3).trimmed().toInt(&ok);
        if (ok && record.size() < 8 + 2 * pairs)
            continue; // the record goes on over the next line
        const std::optional<StrokeGlyph> glyph = parseRecord(record);
        if (!glyph)
            return Failure{pen::brokenFont(name)};
        if (next <= kLastCharacter) // a record after '~' (DEL) draws nothing we write
            glyphs.emplace(next, *glyph);
        ++next;
        record.clear();
    }
    if (next <= U'~' || !record.isEmpty())
        return Failure{pen::brokenFont(name)};
    return StrokeFont(name, std::move(glyphs));
}

QStringList StrokeFontNames() {
    return {QStringLiteral("futural"), QStringLiteral("rowmans"), QStringLiteral("scripts")};
}

Result<StrokeFont> LoadStrokeFont(const QString& name) {
    if (!StrokeFontNames().contains(name))
        return Failure{pen::unknownFont(name, StrokeFontNames().join(QStringLiteral(", ")))};
    QFile file(QStringLiteral(":/fonts/%1.jhf").arg(name));
    if (!file.open(QIODevice::ReadOnly))
        return Failure{pen::brokenFont(name)};
    return ParseJhfFont(file.readAll(), name);
}
