#include "drawing/programinsert.h"

#include "drawing/drawingprogram.h"
#include "gcode/gcodeblock.h"

#include <optional>

namespace {

std::optional<qint64> whole(const QByteArray& text) {
    bool ok = false;
    const qint64 value = text.trimmed().toLongLong(&ok);
    return ok ? std::optional<qint64>(value) : std::nullopt;
}

bool isEnd(const GcodeBlock& block) {
    const std::optional<qint64> m = whole(block.word(GcodeWord::M));
    return m && (*m == 30 || *m == 2);
}

// The line with its N word's value replaced by `n`.
QByteArray renumbered(QByteArrayView line, qint64 n) {
    QByteArray out = line.toByteArray();
    const qsizetype letter = out.indexOf('N');
    if (letter < 0)
        return out;
    qsizetype end = letter + 1;
    if (end < out.size() && out[end] == ' ')
        ++end;
    if (end < out.size() && (out[end] == '-' || out[end] == '+'))
        ++end;
    while (end < out.size() && out[end] >= '0' && out[end] <= '9')
        ++end;
    return out.replace(letter, end - letter, "N" + QByteArray::number(n));
}

bool blank(const ProgramText& program) {
    for (qsizetype i = 0; i < program.lineCount(); ++i) {
        if (!program.line(i).trimmed().isEmpty())
            return false;
    }
    return true;
}

} // namespace

ProgramText InsertDrawingMoves(const ProgramText& program, const Drawing& drawing) {
    if (blank(program))
        return WriteDrawingProgram(drawing);
    std::vector<GcodeBlock> blocks;
    blocks.reserve(size_t(program.lineCount()));
    qsizetype at = program.lineCount();
    std::vector<qint64> numbers; // the first two
    for (qsizetype i = 0; i < program.lineCount(); ++i) {
        blocks.push_back(ParseBlock(program.line(i)));
        if (isEnd(blocks.back()))
            at = i;
        if (const std::optional<qint64> n = whole(blocks.back().word(GcodeWord::N));
            n && numbers.size() < 2)
            numbers.push_back(*n);
    }
    const qint64 step =
        numbers.size() == 2 && numbers[1] > numbers[0] ? numbers[1] - numbers[0] : 10;
    LineNumbering numbering{step, step};
    for (qsizetype i = at - 1; i >= 0; --i) {
        if (const std::optional<qint64> n = whole(blocks[size_t(i)].word(GcodeWord::N))) {
            numbering.first = *n + step;
            break;
        }
    }
    ProgramText out;
    for (qsizetype i = 0; i < at; ++i)
        out.appendLine(program.line(i));
    AppendDrawingMoves(out, drawing, numbering);
    for (qsizetype i = at; i < program.lineCount(); ++i) {
        if (blocks[size_t(i)].has(GcodeWord::N)) {
            out.appendLine(renumbered(program.line(i), numbering.first));
            numbering.first += numbering.step;
        } else {
            out.appendLine(program.line(i));
        }
    }
    return out;
}
