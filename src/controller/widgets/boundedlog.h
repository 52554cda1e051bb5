#pragma once

#include <QString>
#include <QStringList>

class QPlainTextEdit;

// The station's logs in plain memos (Memo2, Memo3, Memo4 written by the
// simulation, Memo5 by the controller link) keep their last kKeptLines
// lines, so that a night-long run holds its memory. While older lines have
// been dropped, the memo's first line says so (droppedNote()); it is not
// counted among the lines kept. Here rather than beside the main window
// because the controller's binding writes Memo5 and cannot reach the app.
namespace BoundedLog {

inline constexpr int kKeptLines = 10000;

// "… starsze linie usunięte (zachowano ostatnie 10000)"
QString droppedNote(int kept = kKeptLines);

// Adds `lines` as lines of their own at the end of `memo` and drops the
// oldest beyond `kept`. The memo's undo history is turned off: a log is not
// edited, and the history would keep every dropped line.
void append(QPlainTextEdit* memo, const QStringList& lines, int kept = kKeptLines);
inline void append(QPlainTextEdit* memo, const QString& line, int kept = kKeptLines) {
    append(memo, QStringList{line}, kept);
}

} // namespace BoundedLog
