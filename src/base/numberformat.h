#pragma once

#include "base/result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <string>

// The station's number format, shared by every subsystem: the decimal
// separator is the comma; rounding to whole numbers sends halves to the even
// neighbour. Conversions work on the 8-bit bytes of a word value or a setting
// without allocating; the QString overloads serve settings fields.
//
// ParseReal: leading and trailing spaces (not tabs) are allowed, then an
// optional sign, digits with an optional comma and fraction ("12," and ",5"
// are accepted, "," alone is not), and an optional exponent (E or e, optional
// sign, digits). A point, an empty text, an overflowing value or anything else
// is "'%s' is not a valid floating point value". Values are 64-bit doubles,
// correctly rounded; values too small for a double become zero.
Result<double> ParseReal(QByteArrayView text);
Result<double> ParseReal(const QString& text);
inline Result<double> ParseReal(const QByteArray& text) {
    return ParseReal(QByteArrayView(text));
}
inline Result<double> ParseReal(const char* text) {
    return ParseReal(QByteArrayView(text));
}

// ParseReal of a word value as it stands in the program line, where each '.'
// counts as the ',' that the parser stores (the preparation pass converts
// values without copying them first). Errors name the value with commas.
Result<double> ParseWordReal(QByteArrayView text);

// ParseWhole: leading spaces are skipped, then an optional sign and decimal
// digits that fit a 32-bit signed integer. Trailing spaces, a comma, an empty
// text or anything else is "'%s' is not a valid integer value".
Result<qint32> ParseWhole(QByteArrayView text);
Result<qint32> ParseWhole(const QString& text);
inline Result<qint32> ParseWhole(const QByteArray& text) {
    return ParseWhole(QByteArrayView(text));
}
inline Result<qint32> ParseWhole(const char* text) {
    return ParseWhole(QByteArrayView(text));
}

// FormatReal: the shortest text with at most 15 significant digits, trailing
// zeros removed, comma separator, never an exponent (1e-7 is 0,0000001 and
// 1e21 is 1000000000000000000000); a whole value has no comma and minus zero
// is written 0. Not-a-number and infinities, which no conversion here yields,
// are written "NAN", "INF" and "-INF".
QString FormatReal(double value);
// The same text as 8-bit bytes, appended to `out` (no allocation once `out`
// has capacity).
void AppendReal(std::string& out, double value);

// A whole number in plain decimal, leading minus when negative.
QString FormatWhole(qint64 value);
void AppendWhole(std::string& out, qint64 value);

// Round to the nearest whole number, halves to the even neighbour
// (2,5 -> 2, 3,5 -> 4, -2,5 -> -2).
double RoundHalfEven(double value);

// The whole-number text of RoundHalfEven(value), as the preparation pass
// writes rounded coordinates; appended to `out`. Minus zero is written 0.
void AppendRoundedWhole(std::string& out, double value);
