#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <cstddef>

// The nine words of a block, always in this order.
enum class GcodeWord : std::uint8_t { N, G, X, Y, Z, F, S, T, M };
inline constexpr std::size_t kGcodeWordCount = 9;
inline constexpr char kGcodeWordLetters[kGcodeWordCount + 1] = "NGXYZFSTM";

// One parsed program line: the value text of each word (Windows-1250 bytes),
// empty meaning absent. Values are never converted here; a block carries
// nothing over from earlier blocks.
struct GcodeBlock {
    std::array<QByteArray, kGcodeWordCount> words;

    const QByteArray& word(GcodeWord w) const { return words[std::size_t(w)]; }
    QByteArray& word(GcodeWord w) { return words[std::size_t(w)]; }
    bool has(GcodeWord w) const { return !word(w).isEmpty(); }
    // The value as Unicode, for displays ("N= " + text(N)).
    QString text(GcodeWord w) const;

    bool operator==(const GcodeBlock&) const = default;
};

// Words are recognised at the first 255 positions of a line.
inline constexpr qsizetype kWordLetterPositions = 255;

// Parses one program line. Letters N G X Y Z F S T M at positions 1 to 255
// (1-based; the scan stops early at the end of the line or at a NUL byte)
// start words, wherever they stand; a later occurrence of a letter overwrites
// the earlier value, also with an empty one. Never fails.
GcodeBlock ParseBlock(QByteArrayView line);

// The value of the word whose letter stands at the 1-based `position` of
// `line`: one space after the letter is skipped, then characters are
// collected up to the next space or the end of the line, each '.' as ','.
// A position past the end gives the empty text.
QByteArray ReadWordValue(QByteArrayView line, qsizetype position);

// The canonical text of a block: for each present word in the order N G X Y Z
// F S T M, the letter, the value and one space ("N10 G01 X12,5 Y300 Z1 ").
// A block with no word gives the empty text.
QByteArray FormatBlock(const GcodeBlock& block);
