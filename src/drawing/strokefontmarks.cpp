#include "drawing/strokefontmarks.h"

#include <QChar>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The marks' sizes as parts of the capital height.
constexpr double kGap = 0.12; // between the letter's ink and a mark above it
constexpr double kAcuteHeight = 0.22;
constexpr double kOgonekDepth = 0.3;
constexpr double kBarHalfWidth = 0.2;
constexpr double kSideBearing = 0.1; // beside a mark that reaches past the letter's bounds

struct Box {
    double minX = std::numeric_limits<double>::max();
    double minY = std::numeric_limits<double>::max();
    double maxX = std::numeric_limits<double>::lowest();
    double maxY = std::numeric_limits<double>::lowest();
    double middleX() const { return (minX + maxX) / 2; }
};

Box inkBox(const std::vector<Stroke>& strokes) {
    Box box;
    for (const Stroke& stroke : strokes) {
        for (const PathPoint& p : stroke) {
            box.minX = std::min(box.minX, p.x), box.maxX = std::max(box.maxX, p.x);
            box.minY = std::min(box.minY, p.y), box.maxY = std::max(box.maxY, p.y);
        }
    }
    return box;
}

std::vector<Stroke> moved(std::vector<Stroke> strokes, double dx, double dy) {
    for (Stroke& stroke : strokes) {
        for (PathPoint& p : stroke)
            p.x += dx, p.y += dy;
    }
    return strokes;
}

// The dot of the font's "i" (its strokes wholly above the x-height), or a
// small diamond when the font has none.
std::vector<Stroke> fontDot(const std::unordered_map<char32_t, StrokeGlyph>& glyphs,
                            const StrokeFontMetrics& m) {
    std::vector<Stroke> dot;
    if (const auto i = glyphs.find(U'i'); i != glyphs.end()) {
        for (const Stroke& stroke : i->second.strokes) {
            if (std::all_of(stroke.begin(), stroke.end(),
                            [&](const PathPoint& p) { return p.y > m.xHeight; }))
                dot.push_back(stroke);
        }
    }
    if (dot.empty()) {
        const double r = m.capHeight * 0.05;
        dot.push_back({{0, -r}, {r, 0}, {0, r}, {-r, 0}, {0, -r}});
    }
    return dot;
}

// Where a bar at height y crosses the letter: the first (leftmost) of its
// strokes there, the upright stem of "l" and "L"; the middle of its ink when
// none reaches that height.
double stemX(const std::vector<Stroke>& strokes, const Box& box, double y) {
    double x = std::numeric_limits<double>::max();
    for (const Stroke& stroke : strokes) {
        for (size_t i = 1; i < stroke.size(); ++i) {
            const PathPoint a = stroke[i - 1], b = stroke[i];
            if (a.y == b.y || (a.y - y) * (b.y - y) > 0)
                continue;
            x = std::min(x, a.x + (b.x - a.x) * (y - a.y) / (b.y - a.y));
        }
    }
    return x == std::numeric_limits<double>::max() ? box.middleX() : x;
}

// The right foot: the rightmost of the letter's lowest points.
PathPoint rightFoot(const std::vector<Stroke>& strokes, const Box& box, double tolerance) {
    PathPoint foot{box.middleX(), box.minY};
    double best = std::numeric_limits<double>::lowest();
    for (const Stroke& stroke : strokes) {
        for (const PathPoint& p : stroke) {
            if (p.y <= box.minY + tolerance && p.x > best)
                best = p.x, foot = p;
        }
    }
    return foot;
}

std::vector<Stroke> markStrokes(const ComposedLetter& letter, const StrokeGlyph& base,
                                const std::vector<Stroke>& dot, const StrokeFontMetrics& m) {
    const double c = m.capHeight;
    const Box box = inkBox(base.strokes);
    switch (letter.mark) {
    case GlyphMark::Acute: {
        const double low = box.maxY + kGap * c, x = box.middleX();
        return {{{x - 0.06 * c, low}, {x + 0.12 * c, low + kAcuteHeight * c}}};
    }
    case GlyphMark::Dot: {
        const Box dotBox = inkBox(dot);
        return moved(dot, box.middleX() - dotBox.middleX(), box.maxY + kGap * c - dotBox.minY);
    }
    case GlyphMark::Ogonek: {
        const PathPoint f = rightFoot(base.strokes, box, 0.05 * c);
        const double s = kOgonekDepth * c;
        return {{f,
                 {f.x - 0.25 * s, f.y - 0.3 * s},
                 {f.x - 0.3 * s, f.y - 0.6 * s},
                 {f.x - 0.1 * s, f.y - 0.9 * s},
                 {f.x + 0.2 * s, f.y - s}}};
    }
    case GlyphMark::Bar: {
        const double y = QChar::isUpper(letter.letter) ? 0.45 * c : 0.5 * m.xHeight;
        const double x = stemX(base.strokes, box, y);
        const double w = kBarHalfWidth * c, h = 0.6 * w;
        return {{{x - w, y - h}, {x + w, y + h}}};
    }
    }
    return {};
}

} // namespace

const std::vector<ComposedLetter>& PolishLetters() {
    static const std::vector<ComposedLetter> letters{
        {U'ą', U'a', GlyphMark::Ogonek}, {U'ć', U'c', GlyphMark::Acute},
        {U'ę', U'e', GlyphMark::Ogonek}, {U'ł', U'l', GlyphMark::Bar},
        {U'ń', U'n', GlyphMark::Acute},  {U'ó', U'o', GlyphMark::Acute},
        {U'ś', U's', GlyphMark::Acute},  {U'ź', U'z', GlyphMark::Acute},
        {U'ż', U'z', GlyphMark::Dot},    {U'Ą', U'A', GlyphMark::Ogonek},
        {U'Ć', U'C', GlyphMark::Acute},  {U'Ę', U'E', GlyphMark::Ogonek},
        {U'Ł', U'L', GlyphMark::Bar},    {U'Ń', U'N', GlyphMark::Acute},
        {U'Ó', U'O', GlyphMark::Acute},  {U'Ś', U'S', GlyphMark::Acute},
        {U'Ź', U'Z', GlyphMark::Acute},  {U'Ż', U'Z', GlyphMark::Dot},
    };
    return letters;
}

void AddComposedLetters(std::unordered_map<char32_t, StrokeGlyph>& glyphs,
                        const StrokeFontMetrics& metrics) {
    const std::vector<Stroke> dot = fontDot(glyphs, metrics);
    for (const ComposedLetter& letter : PolishLetters()) {
        const auto base = glyphs.find(letter.base);
        if (base == glyphs.end() || base->second.strokes.empty())
            continue;
        StrokeGlyph composed = base->second;
        const std::vector<Stroke> mark = markStrokes(letter, composed, dot, metrics);
        const Box markBox = inkBox(mark);
        const double bearing = kSideBearing * metrics.capHeight;
        composed.left = std::min(composed.left, markBox.minX - bearing);
        composed.right = std::max(composed.right, markBox.maxX + bearing);
        composed.strokes.insert(composed.strokes.end(), mark.begin(), mark.end());
        glyphs.emplace(letter.letter, std::move(composed));
    }
}
