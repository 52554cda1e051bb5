#include "gcode/programmemo.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>

#include <climits>

namespace {
// The marked line's background: a pale orange, beside the progress colour.
const QColor kMarkedLineColour(255, 224, 178);
constexpr int kMargin = 3;
} // namespace

ProgramMemo::ProgramMemo(QWidget* parent) : QAbstractScrollArea(parent) {
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    updateScrollBars();
}

void ProgramMemo::setProgram(const ProgramText& program) {
    lines_.setProgram(program);
    history_.clear();
    caret_ = anchor_ = {};
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    edited();
}

void ProgramMemo::clear() {
    setProgram(ProgramText());
}

void ProgramMemo::setPlainText(const QString& text) {
    lines_.setText(text);
    history_.clear();
    caret_ = anchor_ = {};
    edited();
}

void ProgramMemo::insertText(const QString& text) {
    replaceSelection(text);
    ensureCaretVisible();
}

void ProgramMemo::removeFirstLine() {
    removeFirstLines(1);
}

void ProgramMemo::removeFirstLines(qsizetype count) {
    if (count <= 0)
        return;
    lines_.removeFirstLines(count);
    history_.clear(); // the recorded positions no longer hold
    auto up = [this, count](TextPosition p) {
        return p.line < count ? TextPosition{} : lines_.clamp({p.line - count, p.column});
    };
    caret_ = up(caret_);
    anchor_ = up(anchor_);
    edited();
}

void ProgramMemo::appendLines(const ProgramText& lines) {
    if (lines.isEmpty())
        return;
    lines_.appendLines(lines);
    history_.clear(); // an empty last line may have been taken over
    caret_ = anchor_ = lines_.end();
    preferredColumn_ = -1;
    edited();
    ensureCaretVisible();
}

void ProgramMemo::setReadOnly(bool readOnly) {
    readOnly_ = readOnly;
    setAttribute(Qt::WA_InputMethodEnabled, !readOnly);
}

void ProgramMemo::setCaret(TextPosition position, bool keepAnchor) {
    caret_ = lines_.clamp(position);
    if (!keepAnchor)
        anchor_ = caret_;
    ensureCaretVisible();
    viewport()->update();
}

void ProgramMemo::selectAll() {
    anchor_ = {};
    caret_ = lines_.end();
    viewport()->update();
}

void ProgramMemo::copy() {
    if (hasSelection())
        QGuiApplication::clipboard()->setText(selectedText());
}

void ProgramMemo::cut() {
    if (readOnly_ || !hasSelection())
        return;
    copy();
    replaceSelection(QString());
}

void ProgramMemo::paste() {
    if (readOnly_)
        return;
    insertText(QGuiApplication::clipboard()->text());
}

void ProgramMemo::undo() {
    if (readOnly_)
        return;
    if (const std::optional<TextPosition> at = history_.undo(lines_)) {
        caret_ = anchor_ = *at;
        edited();
        emit editedByOperator();
        ensureCaretVisible();
    }
}

void ProgramMemo::redo() {
    if (readOnly_)
        return;
    if (const std::optional<TextPosition> at = history_.redo(lines_)) {
        caret_ = anchor_ = *at;
        edited();
        emit editedByOperator();
        ensureCaretVisible();
    }
}

void ProgramMemo::replaceSelection(const QString& text) {
    caret_ = anchor_ = history_.apply(lines_, anchor_, caret_, text);
    preferredColumn_ = -1;
    edited();
    emit editedByOperator();
}

void ProgramMemo::edited() {
    updateScrollBars();
    viewport()->update();
    emit textChanged();
}

int ProgramMemo::rowHeight() const {
    return fontMetrics().lineSpacing();
}

int ProgramMemo::visibleRows() const {
    return std::max(1, (viewport()->height() - kMargin) / rowHeight());
}

void ProgramMemo::updateScrollBars() {
    // Scroll bar values are ints; a program of more lines than that scrolls
    // over its first 2^31 lines only.
    const qsizetype maxTop = std::max<qsizetype>(0, lines_.lineCount() - visibleRows());
    verticalScrollBar()->setRange(0, int(std::min<qsizetype>(maxTop, INT_MAX)));
    verticalScrollBar()->setPageStep(visibleRows());
    const qsizetype width =
        lines_.longestLine() * fontMetrics().horizontalAdvance(QLatin1Char('M')) + 2 * kMargin;
    horizontalScrollBar()->setRange(
        0, int(std::clamp<qsizetype>(width - viewport()->width(), 0, INT_MAX / 2)));
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setSingleStep(fontMetrics().horizontalAdvance(QLatin1Char('M')));
}

int ProgramMemo::columnX(qsizetype line, qsizetype column) const {
    return kMargin - horizontalScrollBar()->value() +
           fontMetrics().horizontalAdvance(lines_.line(line).left(column));
}

QRect ProgramMemo::caretRect() const {
    const qsizetype row = caret_.line - verticalScrollBar()->value();
    return QRect(columnX(caret_.line, caret_.column), kMargin + int(row) * rowHeight(), 1,
                 rowHeight());
}

void ProgramMemo::setMarkedLine(qsizetype line) {
    if (line == marked_)
        return;
    marked_ = line;
    viewport()->update();
}

void ProgramMemo::scrollToLine(qsizetype line) {
    QScrollBar* vertical = verticalScrollBar();
    if (line < vertical->value() || line >= vertical->value() + visibleRows())
        vertical->setValue(int(std::max<qsizetype>(0, line - visibleRows() / 2)));
}

void ProgramMemo::ensureCaretVisible() {
    QScrollBar* vertical = verticalScrollBar();
    if (caret_.line < vertical->value())
        vertical->setValue(int(caret_.line));
    else if (caret_.line >= vertical->value() + visibleRows())
        vertical->setValue(int(caret_.line - visibleRows() + 1));
    const int x = columnX(caret_.line, caret_.column) + horizontalScrollBar()->value();
    QScrollBar* horizontal = horizontalScrollBar();
    if (x < horizontal->value() + kMargin)
        horizontal->setValue(x - kMargin);
    else if (x > horizontal->value() + viewport()->width() - kMargin)
        horizontal->setValue(x - viewport()->width() + kMargin);
}

TextPosition ProgramMemo::positionAt(const QPoint& point) const {
    const qsizetype line =
        verticalScrollBar()->value() + std::max(0, point.y() - kMargin) / rowHeight();
    if (line >= lines_.lineCount())
        return lines_.end();
    const QString text = lines_.line(line);
    const int x = point.x() - kMargin + horizontalScrollBar()->value();
    const QFontMetrics metrics = fontMetrics();
    qsizetype column = 0;
    int left = 0;
    while (column < text.size()) {
        const int advance = metrics.horizontalAdvance(text[column]);
        if (x < left + advance / 2)
            break;
        left += advance;
        ++column;
    }
    return {line, column};
}

void ProgramMemo::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const QPalette& colours = palette();
    const qsizetype top = verticalScrollBar()->value();
    const qsizetype last = std::min(lines_.lineCount(), top + visibleRows() + 1);
    const TextPosition from = std::min(anchor_, caret_);
    const TextPosition to = std::max(anchor_, caret_);
    const int ascent = fontMetrics().ascent();
    for (qsizetype line = top; line < last; ++line) {
        const int y = kMargin + int(line - top) * rowHeight();
        if (line == marked_)
            painter.fillRect(QRect(0, y, viewport()->width(), rowHeight()), kMarkedLineColour);
        if (from != to && line >= from.line && line <= to.line) {
            const int left = line == from.line ? columnX(line, from.column) : 0;
            const int right = line == to.line ? columnX(line, to.column)
                                              : columnX(line, lines_.lineLength(line)) + 4;
            painter.fillRect(QRect(left, y, right - left, rowHeight()),
                             colours.brush(QPalette::Highlight));
        }
        painter.setPen(colours.color(QPalette::Text));
        painter.drawText(columnX(line, 0), y + ascent, lines_.line(line));
    }
    if (hasFocus())
        painter.fillRect(caretRect(), colours.color(QPalette::Text));
}

void ProgramMemo::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

bool ProgramMemo::handleShortcut(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy))
        copy();
    else if (event->matches(QKeySequence::Cut))
        cut();
    else if (event->matches(QKeySequence::Paste))
        paste();
    else if (event->matches(QKeySequence::SelectAll))
        selectAll();
    else if (event->matches(QKeySequence::Undo))
        undo();
    else if (event->matches(QKeySequence::Redo))
        redo();
    else
        return false;
    return true;
}

bool ProgramMemo::handleMovement(QKeyEvent* event) {
    const bool select = event->modifiers() & Qt::ShiftModifier;
    const bool word = event->modifiers() & Qt::ControlModifier;
    TextPosition to = caret_;
    const qsizetype page = visibleRows();
    bool vertical = false;
    switch (event->key()) {
    case Qt::Key_Left:
        if (to.column > 0)
            --to.column;
        else if (to.line > 0)
            to = {to.line - 1, lines_.lineLength(to.line - 1)};
        break;
    case Qt::Key_Right:
        if (to.column < lines_.lineLength(to.line))
            ++to.column;
        else if (to.line + 1 < lines_.lineCount())
            to = {to.line + 1, 0};
        break;
    case Qt::Key_Up:
        to.line -= 1;
        vertical = true;
        break;
    case Qt::Key_Down:
        to.line += 1;
        vertical = true;
        break;
    case Qt::Key_PageUp:
        to.line -= page;
        vertical = true;
        break;
    case Qt::Key_PageDown:
        to.line += page;
        vertical = true;
        break;
    case Qt::Key_Home:
        to = word ? TextPosition{} : TextPosition{to.line, 0};
        break;
    case Qt::Key_End:
        to = word ? lines_.end() : TextPosition{to.line, lines_.lineLength(to.line)};
        break;
    default:
        return false;
    }
    if (vertical) {
        if (preferredColumn_ < 0)
            preferredColumn_ = caret_.column;
        to.column = preferredColumn_;
    } else {
        preferredColumn_ = -1;
    }
    setCaret(to, select);
    return true;
}

bool ProgramMemo::handleEditing(QKeyEvent* event) {
    if (readOnly_)
        return false;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        replaceSelection(QStringLiteral("\n"));
        break;
    case Qt::Key_Backspace:
        if (!hasSelection()) {
            if (caret_ == TextPosition{})
                return true;
            anchor_ = caret_.column > 0
                          ? TextPosition{caret_.line, caret_.column - 1}
                          : TextPosition{caret_.line - 1, lines_.lineLength(caret_.line - 1)};
        }
        replaceSelection(QString());
        break;
    case Qt::Key_Delete:
        if (!hasSelection()) {
            if (caret_ == lines_.end())
                return true;
            anchor_ = caret_.column < lines_.lineLength(caret_.line)
                          ? TextPosition{caret_.line, caret_.column + 1}
                          : TextPosition{caret_.line + 1, 0};
        }
        replaceSelection(QString());
        break;
    default: {
        const QString text = event->text();
        if (text.isEmpty() || !(text[0].isPrint() || text[0] == u'\t'))
            return false;
        if (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
            return false;
        replaceSelection(text);
    }
    }
    ensureCaretVisible();
    return true;
}

void ProgramMemo::keyPressEvent(QKeyEvent* event) {
    if (handleShortcut(event) || handleMovement(event) || handleEditing(event))
        event->accept();
    else
        QAbstractScrollArea::keyPressEvent(event);
}

void ProgramMemo::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    preferredColumn_ = -1;
    setCaret(positionAt(event->position().toPoint()), event->modifiers() & Qt::ShiftModifier);
}

void ProgramMemo::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton)
        setCaret(positionAt(event->position().toPoint()), true);
}

void ProgramMemo::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    // A double click selects the word (up to the spaces) under the pointer.
    const TextPosition at = positionAt(event->position().toPoint());
    const QString text = lines_.line(at.line);
    qsizetype begin = at.column, end = at.column;
    while (begin > 0 && !text[begin - 1].isSpace())
        --begin;
    while (end < text.size() && !text[end].isSpace())
        ++end;
    anchor_ = {at.line, begin};
    setCaret({at.line, end}, true);
}

void ProgramMemo::inputMethodEvent(QInputMethodEvent* event) {
    if (!readOnly_ && !event->commitString().isEmpty()) {
        replaceSelection(event->commitString());
        ensureCaretVisible();
    }
    event->accept();
}

QVariant ProgramMemo::inputMethodQuery(Qt::InputMethodQuery query) const {
    switch (query) {
    case Qt::ImCursorRectangle:
        return caretRect();
    case Qt::ImCursorPosition:
        return int(caret_.column);
    case Qt::ImSurroundingText:
        return lines_.line(caret_.line);
    default:
        return QAbstractScrollArea::inputMethodQuery(query);
    }
}

void ProgramMemo::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void ProgramMemo::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

void ProgramMemo::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.addAction(tr("Cofnij"), this, &ProgramMemo::undo)->setEnabled(!readOnly_);
    menu.addSeparator();
    menu.addAction(tr("Wytnij"), this, &ProgramMemo::cut)->setEnabled(!readOnly_ && hasSelection());
    menu.addAction(tr("Kopiuj"), this, &ProgramMemo::copy)->setEnabled(hasSelection());
    menu.addAction(tr("Wklej"), this, &ProgramMemo::paste)->setEnabled(!readOnly_);
    menu.addSeparator();
    menu.addAction(tr("Zaznacz wszystko"), this, &ProgramMemo::selectAll);
    menu.exec(event->globalPos());
}
