#pragma once

#include "drawing/strokefont.h"

#include <unordered_map>
#include <vector>

// The marks the Polish letters add to their base letters.
enum class GlyphMark {
    Acute,  // ć ń ó ś ź: a short rising stroke above the letter's middle
    Dot,    // ż: the dot of the font's own "i", above the letter's middle
    Ogonek, // ą ę: a hook hanging below the baseline from the letter's right foot
    Bar,    // ł: a slanting stroke across the letter's stem (its leftmost stroke)
};

struct ComposedLetter {
    char32_t letter;
    char32_t base;
    GlyphMark mark;
};

// ą ć ę ł ń ó ś ź ż and their capitals, each with its base and mark.
const std::vector<ComposedLetter>& PolishLetters();

// Adds to `glyphs` every Polish letter whose base the font has: the base's
// strokes followed by the mark's, placed by the font's measures (the gap
// and the marks' sizes are parts of the capital height) and by the base's
// own ink. The advance grows where a mark reaches past the base's bounds.
void AddComposedLetters(std::unordered_map<char32_t, StrokeGlyph>& glyphs,
                        const StrokeFontMetrics& metrics);
