#pragma once

#include "base/result.h"
#include "drawing/strokefont.h"

#include <QString>

#include <vector>

enum class TextAlign { Left, Center, Right };

struct TextSettings {
    double height = 20; // of the capitals, in program units
    TextAlign align = TextAlign::Left;
    // From one baseline to the next, in capital heights.
    double lineSpacing = 1.7;
};

// A character the font lacks, and how many times the text has it.
struct MissingCharacter {
    char32_t character = 0;
    qsizetype count = 0;
};

// Text laid out for the pen: upright (the tops of the letters towards +Y),
// the first line's baseline through (0, 0), each further line one
// lineSpacing lower. A line starts at X 0 (Left), is centred on it
// (Center) or ends there (Right), by the letters' advances.
struct TextLayout {
    std::vector<Stroke> strokes;           // in writing order
    std::vector<MissingCharacter> missing; // in the order first met; drawn as spaces
    qsizetype characters = 0;              // drawn, spaces and line breaks not counted
};

// Lays out `text` ('\n' starts a new line; "\r\n" counts as one). Fails
// when the height is not a positive number or when nothing but spaces and
// line breaks is left to draw.
Result<TextLayout> LayOutText(const StrokeFont& font, const QString& text,
                              const TextSettings& settings);

// The characters the font lacked, named and counted, in the station's
// words; empty when none.
QString MissingCharactersReport(const StrokeFont& font,
                                const std::vector<MissingCharacter>& missing);
