#pragma once

#include "gcode/edithistory.h"
#include "gcode/programlines.h"

#include <QAbstractScrollArea>

// A memo over a program's lines that stays quick with a million of them: the
// main window's program memo, and the converter's plot file and G-code memos.
// It draws only the lines in view, keeps unedited lines as the program's own
// Windows-1250 bytes and lets the operator edit: typing, deleting, line
// breaks, selection with mouse and keys, copy, cut, paste, undo and redo.
// Both scroll bars.
//
// Other parts of the station use it through this interface, not through a
// QTextDocument: lineCount(), line(), program(), setProgram(), insertText()
// (at the caret, replacing the selection), removeFirstLine(s)(),
// appendLines().
class ProgramMemo : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit ProgramMemo(QWidget* parent = nullptr);

    void setProgram(const ProgramText& program);
    ProgramText program() const { return lines_.toProgramText(); }
    void clear();
    void setPlainText(const QString& text);
    QString toPlainText() const { return lines_.toPlainText(); }

    Q_INVOKABLE qsizetype lineCount() const { return lines_.lineCount(); }
    Q_INVOKABLE QString line(qsizetype index) const { return lines_.line(index); }
    const ProgramLines& lines() const { return lines_; }

    // Inserts text at the caret, replacing any selection (the paste command).
    void insertText(const QString& text);
    // Deletes the first line (the simulation takes the program line by line).
    Q_INVOKABLE void removeFirstLine();
    void removeFirstLines(qsizetype count);
    // Adds lines at the end (an empty last line takes the first of them) and
    // puts the caret after them, in view.
    void appendLines(const ProgramText& lines);

    // A read-only memo still scrolls, selects and copies; only the operator's
    // edits are refused (programs may still change the text).
    void setReadOnly(bool readOnly);
    bool isReadOnly() const { return readOnly_; }

    TextPosition caret() const { return caret_; }
    // The other end of the selection (the caret when nothing is selected).
    TextPosition anchor() const { return anchor_; }
    void setCaret(TextPosition position, bool keepAnchor = false);
    bool hasSelection() const { return anchor_ != caret_; }
    QString selectedText() const { return lines_.text(anchor_, caret_); }
    void selectAll();

    // A line marked for the operator's eye (the line being sent to the
    // controller), with a background of its own; -1 marks none. Marking
    // never moves the caret or the selection.
    void setMarkedLine(qsizetype line);
    qsizetype markedLine() const { return marked_; }
    // Scrolls so that `line` is in view, leaving the caret where it is.
    void scrollToLine(qsizetype line);

public slots:
    void copy();
    void cut();
    void paste();
    void undo();
    void redo();

signals:
    // The text changed, by the operator or by a command.
    void textChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    bool handleShortcut(QKeyEvent* event);
    bool handleMovement(QKeyEvent* event);
    bool handleEditing(QKeyEvent* event);
    void replaceSelection(const QString& text);
    void edited();
    void updateScrollBars();
    void ensureCaretVisible();
    TextPosition positionAt(const QPoint& point) const;
    QRect caretRect() const;
    int rowHeight() const;
    int visibleRows() const;
    int columnX(qsizetype line, qsizetype column) const;

    ProgramLines lines_;
    EditHistory history_;
    TextPosition caret_;
    TextPosition anchor_;
    qsizetype preferredColumn_ = -1;
    bool readOnly_ = false;
    qsizetype marked_ = -1;
};
