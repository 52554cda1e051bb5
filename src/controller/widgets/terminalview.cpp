#include "controller/widgets/terminalview.h"

#include "base/windows1250.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>

TerminalView::TerminalView(QPlainTextEdit* screen, QObject* parent)
    : QObject(parent), screen_(screen) {
    screen_->setReadOnly(true); // typed keys go to the port, not the screen
    screen_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    screen_->setFocusPolicy(Qt::StrongFocus);
    screen_->setLineWrapMode(QPlainTextEdit::NoWrap); // lines break at kColumns
    screen_->setMaximumBlockCount(kMaxLines);
    screen_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    QPalette palette = screen_->palette();
    palette.setColor(QPalette::Base, Qt::black);
    palette.setColor(QPalette::Text, Qt::white);
    screen_->setPalette(palette);
    screen_->installEventFilter(this);
}

void TerminalView::showChunk(const QByteArray& chunk) {
    QByteArray shown;
    shown.reserve(chunk.size());
    for (char byte : chunk) {
        const auto c = uchar(byte);
        switch (escape_) {
        case Escape::Start: // ESC [ starts a control sequence, ESC x is whole
            escape_ = c == '[' ? Escape::Sequence : Escape::None;
            continue;
        case Escape::Sequence: // parameters until the final byte
            if (c >= 0x40 && c <= 0x7e)
                escape_ = Escape::None;
            continue;
        case Escape::None:
            break;
        }
        if (c == 0x1b) {
            escape_ = Escape::Start;
        } else if (c == '\n') {
            shown.append(byte);
            column_ = 0;
        } else if (c == '\t' || c >= 0x20) {
            if (column_ == kColumns) {
                shown.append('\n');
                column_ = 0;
            }
            shown.append(byte);
            ++column_;
        }
        // CR and other control characters are not shown.
    }
    if (shown.isEmpty())
        return;
    QScrollBar* bar = screen_->verticalScrollBar();
    const bool atEnd = bar->value() == bar->maximum();
    QTextCursor cursor(screen_->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(DecodeWindows1250(shown));
    if (atEnd)
        bar->setValue(bar->maximum());
}

bool TerminalView::eventFilter(QObject* watched, QEvent* event) {
    if (watched != screen_ || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        emit keysTyped("\r");
        return true;
    }
    if (key->text().isEmpty() || key->matches(QKeySequence::Copy))
        return QObject::eventFilter(watched, event); // navigation, copying
    emit keysTyped(EncodeWindows1250(key->text()));
    return true;
}
