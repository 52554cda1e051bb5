#include "gcode/programlines.h"

#include "base/windows1250.h"

#include <algorithm>
#include <numeric>

ProgramLines::ProgramLines() {
    clear();
}

void ProgramLines::setProgram(const ProgramText& program) {
    base_ = program;
    edited_.clear();
    refs_.assign(std::size_t(program.lineCount()), 0);
    std::iota(refs_.begin(), refs_.end(), qsizetype(0));
    longest_ = 0;
    noteLongest(program);
    if (refs_.empty())
        clear();
}

void ProgramLines::noteLongest(const ProgramText& lines) {
    for (qsizetype i = 0; i < lines.lineCount(); ++i)
        longest_ = std::max(longest_, lines.line(i).size());
}

void ProgramLines::setText(QStringView text) {
    if (!FitsWindows1250(text)) {
        // Characters outside the code page stay as typed, in lines of their own.
        clear();
        replace({}, {}, text.toString());
        return;
    }
    // As program text a line break at the end starts no line; in the memo it
    // leaves an empty line for the caret.
    setProgram(ProgramText::fromUnicode(text));
    if (!text.isEmpty() && (text.back() == u'\n' || text.back() == u'\r' ||
                            text.back() == QChar::ParagraphSeparator)) {
        edited_.emplace_back();
        refs_.push_back(-qsizetype(edited_.size()));
    }
}

void ProgramLines::clear() {
    // An empty memo still has one empty line to put the caret on.
    base_ = ProgramText();
    edited_.assign(1, QString());
    refs_.assign(1, -1);
    longest_ = 0;
}

ProgramText ProgramLines::toProgramText() const {
    // Like the memo's text "a<CR LF>b<CR LF>", whose lines are a and b, an
    // empty last line after a line break is not a line of its own.
    const std::size_t count = refs_.size() - (lineLength(lineCount() - 1) == 0 ? 1 : 0);
    ProgramText out;
    out.reserve(qsizetype(count), base_.byteCount());
    for (std::size_t i = 0; i < count; ++i) {
        const qsizetype ref = refs_[i];
        if (ref >= 0)
            out.appendLine(base_.line(ref));
        else
            out.appendLine(EncodeWindows1250(edited_[std::size_t(-ref - 1)]));
    }
    return out;
}

QString ProgramLines::toPlainText() const {
    return text({0, 0}, end());
}

QString ProgramLines::line(qsizetype index) const {
    const qsizetype ref = refs_[std::size_t(index)];
    return ref >= 0 ? DecodeWindows1250(base_.line(ref)) : edited_[std::size_t(-ref - 1)];
}

qsizetype ProgramLines::lineLength(qsizetype index) const {
    const qsizetype ref = refs_[std::size_t(index)];
    return ref >= 0 ? base_.line(ref).size() : edited_[std::size_t(-ref - 1)].size();
}

void ProgramLines::setLine(qsizetype index, const QString& text) {
    qsizetype& ref = refs_[std::size_t(index)];
    if (ref < 0) {
        edited_[std::size_t(-ref - 1)] = text;
    } else {
        edited_.push_back(text);
        ref = -qsizetype(edited_.size());
    }
    longest_ = std::max(longest_, text.size());
}

TextPosition ProgramLines::replace(TextPosition from, TextPosition to, const QString& text) {
    from = clamp(from);
    to = clamp(to);
    if (to < from)
        std::swap(from, to);
    const QString prefix = line(from.line).left(from.column);
    const QString suffix = line(to.line).mid(to.column);
    QStringList parts = SplitTextLines(text);
    const TextPosition after{from.line + parts.size() - 1,
                             (parts.size() == 1 ? prefix.size() : 0) + parts.back().size()};
    parts.front().prepend(prefix);
    parts.back().append(suffix);

    // Reuse the lines from..to for the first parts, then insert or erase.
    const qsizetype oldCount = to.line - from.line + 1;
    const qsizetype newCount = parts.size();
    const auto at = refs_.begin() + from.line;
    if (newCount > oldCount) {
        refs_.insert(at + oldCount, std::size_t(newCount - oldCount), 0);
        for (qsizetype i = oldCount; i < newCount; ++i) {
            edited_.emplace_back();
            refs_[std::size_t(from.line + i)] = -qsizetype(edited_.size());
        }
    } else if (newCount < oldCount) {
        refs_.erase(at + newCount, at + oldCount);
    }
    for (qsizetype i = 0; i < newCount; ++i)
        setLine(from.line + i, parts[i]);
    return after;
}

QString ProgramLines::text(TextPosition from, TextPosition to) const {
    from = clamp(from);
    to = clamp(to);
    if (to < from)
        std::swap(from, to);
    // The columns taken of line i.
    const auto span = [&](qsizetype i) {
        const qsizetype begin = i == from.line ? from.column : 0;
        const qsizetype end = i == to.line ? to.column : lineLength(i);
        return std::pair{begin, end - begin};
    };
    // Sized first, so that a million selected lines cost one allocation.
    qsizetype size = to.line - from.line;
    for (qsizetype i = from.line; i <= to.line; ++i)
        size += span(i).second;
    QString out(size, Qt::Uninitialized);
    QChar* write = out.data();
    for (qsizetype i = from.line; i <= to.line; ++i) {
        if (i > from.line)
            *write++ = QLatin1Char('\n');
        const auto [begin, length] = span(i);
        const qsizetype ref = refs_[std::size_t(i)];
        if (ref >= 0) {
            write = DecodeWindows1250(base_.line(ref).sliced(begin, length), write);
        } else {
            const QString& line = edited_[std::size_t(-ref - 1)];
            write = std::copy_n(line.cbegin() + begin, length, write);
        }
    }
    return out;
}

void ProgramLines::removeFirstLines(qsizetype count) {
    if (count <= 0)
        return;
    if (count >= lineCount()) {
        clear();
        return;
    }
    refs_.erase(refs_.begin(), refs_.begin() + count);
}

void ProgramLines::appendLines(const ProgramText& lines) {
    if (lines.isEmpty())
        return;
    if (lineLength(lineCount() - 1) == 0)
        refs_.pop_back();
    const qsizetype first = base_.lineCount();
    base_.appendLines(lines);
    for (qsizetype i = 0; i < lines.lineCount(); ++i)
        refs_.push_back(first + i);
    noteLongest(lines);
}

TextPosition ProgramLines::clamp(TextPosition position) const {
    position.line = std::clamp<qsizetype>(position.line, 0, lineCount() - 1);
    position.column = std::clamp<qsizetype>(position.column, 0, lineLength(position.line));
    return position;
}

TextPosition ProgramLines::end() const {
    return {lineCount() - 1, lineLength(lineCount() - 1)};
}

QStringList SplitTextLines(const QString& text) {
    QStringList parts;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\n' && c != u'\r' && c != QChar::ParagraphSeparator)
            continue;
        parts.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    parts.append(text.mid(start));
    return parts;
}
