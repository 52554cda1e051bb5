#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The texts typed into the controller fields, as they go on the wire.

// The field's text as the 8-bit Windows-1250 bytes the controller receives;
// a character that code page lacks becomes "?".
QByteArray fieldBytes(const QString& text);

// A field read as a whole number: an optional sign followed by decimal
// digits, within the 32-bit signed range; anything else (an empty text, a
// blank, a comma) gives nothing.
std::optional<qint32> readWholeNumber(const QString& text);
