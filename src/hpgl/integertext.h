#pragma once

#include "base/result.h"

#include <QString>
#include <QStringView>

// How the converter reads every number (pen digit, coordinates, settings): a
// 32-bit signed decimal integer; leading spaces are skipped, one sign is
// allowed, anything else (trailing spaces included) or a value outside the
// 32-bit range is "'<text>' is not a valid integer value".
Result<qint32> readInteger(QStringView text);

// Writes a whole number in plain decimal at `out` (room for 20 characters
// or bytes) and returns the end.
char16_t* writeInteger(char16_t* out, qint64 value);
char* writeInteger(char* out, qint64 value);
// Appends a whole number in plain decimal, minus sign when negative.
void appendInteger(QString& out, qint64 value);
