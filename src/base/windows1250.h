#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Program files, frames and the check report are 8-bit Windows-1250 text; the
// windows are Unicode. These two functions convert between them. Every byte
// decodes to one character and encodes back to the same byte: the five bytes
// the code page leaves undefined (0x81, 0x83, 0x88, 0x90, 0x98) map to the
// control characters of the same number. Characters the code page lacks
// encode as '?'.
QString DecodeWindows1250(QByteArrayView bytes);
QByteArray EncodeWindows1250(QStringView text);
// Decodes into `out`, which has room for bytes.size() characters; returns the
// end of what was written.
QChar* DecodeWindows1250(QByteArrayView bytes, QChar* out);
// Whether every character of the text has a byte of its own in the code page,
// so that encoding it loses nothing.
bool FitsWindows1250(QStringView text);
