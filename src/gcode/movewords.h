#pragma once

#include "base/result.h"

#include <QByteArrayView>

// Where the words G, X, Y and Z stand in a line, found as the block parser
// finds them: a word letter within the first kWordLetterPositions bytes (up
// to a NUL) starts a word, a later one of the same letter wins; its value
// is the text after the letter (one space skipped) up to the next space.
// Searched from the end with the C library's vectorised search, for the
// million lines a drawing may have. The path check and the placement of
// programs read moves with it.
struct MoveWords {
    QByteArrayView g, x, y, z; // views into the line; empty: absent
};
MoveWords FindMoveWords(QByteArrayView line);

// A word's value (not empty) as a number: whole numbers of up to 15 digits
// directly, anything else as the station's number reader takes it.
Result<double> MoveWordNumber(QByteArrayView text);
