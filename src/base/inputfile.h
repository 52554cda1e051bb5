#pragma once

#include "base/result.h"

#include <QByteArray>
#include <QString>

// What the station reads a file's bytes with (programs, plot files): one
// buffer, read in one go where the size is known.
//
// Regular files are read whole. A FIFO (a pipe, a shell's process
// substitution) is read to its end, but no further than `mostStreamBytes`
// beyond what the file held when it was opened, so an endless stream ends in
// a message instead of exhausting memory. Anything else (a directory, a
// character device such as /dev/zero, a socket, a block device) is refused.
//
// A failure's text is the reason alone ("It is a character device, not a
// file."); the caller puts it into its own "Cannot open file" message.
inline constexpr qint64 kMostStreamBytes = qint64(512) << 20;
Result<QByteArray> ReadInputFile(const QString& fileName,
                                 qint64 mostStreamBytes = kMostStreamBytes);
