#pragma once

#include <QByteArrayList>
#include <QString>

// Checks what a controller executed over one or more interrupted and resumed
// transfers of `program` (the emulator's record of acknowledged lines, in
// order) against the promise of resuming: every program line in order,
// nothing skipped, a line repeated only where a transfer went on (the line
// the last one may have taken without its acknowledgement reaching the
// sender), and every travel in before a resumed line (the last of several,
// when a transfer was interrupted again right after one) going to where the
// line before it ends. Returns an empty string when the record keeps the promise,
// otherwise what went wrong first.
// The lines of the emulator's record in `path` (one a line, LF), in order.
QByteArrayList readExecutedLines(const QString& path);

QString checkExecutedLines(const QByteArrayList& program, const QByteArrayList& executed);
