#include "controller/widgets/boundedlog.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace {

// The note's block carries this user state, so that it is told apart from
// a logged line with the same text.
constexpr int kNoteState = 0x4e6f7465;

bool noteAtTop(const QTextDocument* document) {
    return document->firstBlock().userState() == kNoteState;
}

// Removes the oldest lines beyond `kept` and puts the note at the top when
// any have gone (`dropped`: some were never added).
void dropOldest(QTextDocument* document, int kept, bool dropped) {
    const bool note = noteAtTop(document);
    const int first = note ? 1 : 0;
    const int excess = document->blockCount() - first - kept;
    if (excess <= 0 && (note || !dropped))
        return;
    QTextCursor cursor(document);
    if (excess > 0) {
        cursor.setPosition(document->findBlockByNumber(first).position());
        cursor.setPosition(document->findBlockByNumber(first + excess).position(),
                           QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
    if (!note) {
        cursor.setPosition(0);
        cursor.insertBlock();
        cursor.setPosition(0);
        cursor.insertText(BoundedLog::droppedNote(kept));
        document->firstBlock().setUserState(kNoteState);
    }
}

} // namespace

namespace BoundedLog {

QString droppedNote(int kept) {
    return QCoreApplication::translate("BoundedLog",
                                       "… starsze linie usunięte (zachowano ostatnie %1)")
        .arg(kept);
}

void append(QPlainTextEdit* memo, const QStringList& lines, int kept) {
    if (lines.isEmpty())
        return;
    QTextDocument* document = memo->document();
    if (document->isUndoRedoEnabled())
        document->setUndoRedoEnabled(false);
    // Of a batch longer than the log, only its end is ever shown.
    const qsizetype skipped = std::max<qsizetype>(0, lines.size() - kept);
    memo->appendPlainText(lines.sliced(skipped).join(QLatin1Char('\n')));
    dropOldest(document, kept, skipped > 0);
}

} // namespace BoundedLog
