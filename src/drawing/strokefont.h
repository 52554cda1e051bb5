#pragma once

#include "base/result.h"
#include "drawing/drawing.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <unordered_map>
#include <vector>

// A line the pen draws, from its first point to its last.
using Stroke = std::vector<PathPoint>;

// One character of a single-stroke font, in font units: X to the right from
// the pen's position, Y up from the baseline. The pen advances by
// right - left; ink may reach beyond either side.
struct StrokeGlyph {
    std::vector<Stroke> strokes;
    double left = 0;
    double right = 0;
};

// The font's own measures, in font units, read from its letters: the top of
// "H" (the capitals), of "x" (the small letters) and how far "p" reaches
// below the baseline.
struct StrokeFontMetrics {
    double capHeight = 0;
    double xHeight = 0;
    double descent = 0;
};

// A single-stroke font: the printable ASCII characters as the font file
// gives them and the Polish letters composed from them (StrokeFontMarks).
class StrokeFont {
public:
    StrokeFont() = default;
    StrokeFont(QString name, std::unordered_map<char32_t, StrokeGlyph> glyphs);

    const QString& name() const { return name_; }
    const StrokeFontMetrics& metrics() const { return metrics_; }
    // The character's glyph, or nullptr when the font lacks it.
    const StrokeGlyph* glyph(char32_t character) const;

private:
    QString name_;
    std::unordered_map<char32_t, StrokeGlyph> glyphs_;
    StrokeFontMetrics metrics_;
};

// Reads a font in the JHF form (one glyph a record: a five-character number,
// a three-character count of coordinate pairs, the left and right bounds,
// then the pairs, " R" lifting the pen; every coordinate a letter counted
// from 'R', Y downwards; a record may go on over further lines), the
// records being the characters from the space to '~' in order (any further
// ones are left out).
Result<StrokeFont> ParseJhfFont(const QByteArray& data, const QString& name);

// The fonts that come with the station, the default first: futural (sans
// serif), rowmans (roman), scripts (script), all single-stroke.
QStringList StrokeFontNames();
// One of them, read from the station's resources; an unknown name fails with
// the names there are.
Result<StrokeFont> LoadStrokeFont(const QString& name);
