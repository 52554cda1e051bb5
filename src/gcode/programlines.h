#pragma once

#include "gcode/programtext.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <vector>

// A position in the program memo: line and column, both from 0.
struct TextPosition {
    qsizetype line = 0;
    qsizetype column = 0;
    auto operator<=>(const TextPosition&) const = default;
};

// The editable lines of the program memo. A freshly set program is a view
// over its ProgramText (shared with ProgramList, so a million lines cost no
// second copy); a line the operator edits becomes a Unicode line of its own.
// Every Windows-1250 byte is one character, so columns of unedited lines are
// byte offsets.
class ProgramLines {
public:
    ProgramLines();

    void setProgram(const ProgramText& program);
    // The lines of `text`, split at CR LF, LF, CR or U+2029 (a line break at
    // the end leaves an empty last line).
    void setText(QStringView text);
    void clear();
    // The lines as program text (Windows-1250), as refresh and save need them.
    ProgramText toProgramText() const;
    // The lines joined with '\n'.
    QString toPlainText() const;

    qsizetype lineCount() const { return qsizetype(refs_.size()); }
    QString line(qsizetype index) const;
    qsizetype lineLength(qsizetype index) const;
    // The longest line seen since the program was set (never shrinks on edits).
    qsizetype longestLine() const { return longest_; }

    // Replaces the text between `from` and `to` (from <= to) by `text`, which
    // may hold CR LF, LF, CR or U+2029 line breaks; returns the position after
    // the inserted text.
    TextPosition replace(TextPosition from, TextPosition to, const QString& text);
    // The text between two positions, lines joined with '\n'.
    QString text(TextPosition from, TextPosition to) const;
    // Removes the first `count` lines (the simulation's program view
    // advancing, a conversion taking lines); removing them all leaves one
    // empty line.
    void removeFirstLines(qsizetype count);
    // Adds the lines after the last one; an empty last line takes the first
    // of them.
    void appendLines(const ProgramText& lines);
    TextPosition clamp(TextPosition position) const;
    TextPosition end() const;

private:
    void setLine(qsizetype index, const QString& text);
    void noteLongest(const ProgramText& lines);

    ProgramText base_;
    // One entry per line: >= 0 a line of base_, < 0 entry (-ref - 1) of edited_.
    std::deque<qsizetype> refs_; // a deque: lines leave from the front cheaply
    std::vector<QString> edited_;
    qsizetype longest_ = 0;
};

// Splits text at CR LF, LF, CR or U+2029; always at least one (maybe empty) part.
QStringList SplitTextLines(const QString& text);
