#include "gcode/prepareprogram.h"

#include "base/memoryadvice.h"
#include "base/numberformat.h"
#include "gcode/blockview.h"
#include "gcode/programlayers.h"
#include "gcode/programwalk.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <string>

namespace {

// A word text the pass keeps or writes: coordinates are a few characters and
// live in the inline buffer; longer texts go to the heap.
class ShortText {
public:
    void assign(QByteArrayView text) {
        size_ = text.size();
        if (size_ <= kInline) {
            std::memcpy(inline_, text.data(), std::size_t(size_));
        } else {
            long_.assign(text.data(), std::size_t(size_));
        }
    }
    // The text of a whole number (what FormatReal writes for it).
    void assignWhole(qint64 value) {
        size_ = std::to_chars(inline_, inline_ + kInline, value).ptr - inline_;
    }
    QByteArrayView view() const {
        return QByteArrayView(size_ <= kInline ? inline_ : long_.data(), size_);
    }

private:
    static constexpr qsizetype kInline = 32;
    char inline_[kInline];
    qsizetype size_ = 0;
    std::string long_;
};

// A coordinate text the pass has written, with its value when the text is
// known to read back to exactly that value (whole numbers below 1e15, which
// FormatReal writes in full). Lets the later steps skip converting the text
// again; anything else is converted from its text as usual.
struct Coordinate {
    ShortText text;
    bool exact = false;
    double value = 0;

    void set(double v) {
        value = v;
        exact = std::fabs(v) < 1e15 && v == double(qint64(v));
        if (exact) {
            text.assignWhole(qint64(v));
        } else {
            std::string formatted;
            AppendReal(formatted, v);
            text.assign(QByteArrayView(formatted.data(), qsizetype(formatted.size())));
        }
    }
    std::optional<qint32> whole() const {
        if (exact && value >= std::numeric_limits<qint32>::min() &&
            value <= std::numeric_limits<qint32>::max())
            return qint32(value);
        return std::nullopt;
    }
};

// Word texts are a few bytes: compared in place rather than through memcmp.
bool sameText(QByteArrayView a, QByteArrayView b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i] != b[i])
            return false;
    }
    return true;
}

QByteArrayView view(const std::string& s) {
    return QByteArrayView(s.data(), qsizetype(s.size()));
}

// The previous point's text, with its whole-number value once known.
struct PreviousWord {
    ShortText text;
    std::optional<qint32> whole;

    void assign(QByteArrayView t, std::optional<qint32> w) {
        text.assign(t);
        whole = w;
    }
    Result<qint32> toWhole() const {
        if (whole)
            return *whole;
        return ParseWhole(text.view());
    }
};

// Everything one pass keeps between blocks. The strings keep their capacity,
// so after the first blocks the pass allocates only when its outputs grow.
struct Pass {
    Pass(const PrepareSettings& s, PreparedLineSink* out) : settings(s), sink(out) {
        prevX.assign("500", 500); // the arm's start position
        prevY.assign("0", 0);
    }

    const PrepareSettings& settings;
    PreparedLineSink* sink; // where the lines go, or null for result.lines
    qsizetype linesWritten = 0;
    PreparedProgram result;
    std::optional<PathChecker> path;
    ProgramState state; // the interpreter's modal state, fed with the rewritten blocks
    BlockView block;
    PreviousWord prevX, prevY;
    std::optional<ShortText> prevZ; // the last Z word's text, none before the first
    std::string roundedZ;
    Coordinate x, y;
    std::optional<double> roundedX, roundedY;
};

// Rounding of Z: the word becomes the whole-number text of its value, halves
// to the even neighbour.
std::optional<Failure> roundZ(BlockView& block, std::string& buffer) {
    const Result<double> value = ParseWordReal(block.word(GcodeWord::Z));
    if (!value)
        return value.failure();
    buffer.clear();
    AppendRoundedWhole(buffer, *value);
    block.set(GcodeWord::Z, view(buffer));
    return std::nullopt;
}

// Shift: the word becomes the FormatReal text of its value plus the shift.
std::optional<Failure> shiftWord(BlockView& block, GcodeWord word, std::optional<double> known,
                                 qint32 by, Coordinate& out) {
    double value = 0;
    if (known) {
        value = *known;
    } else {
        const Result<double> parsed = ParseWordReal(block.word(word));
        if (!parsed)
            return parsed.failure();
        value = *parsed;
    }
    out.set(value + double(by));
    block.set(word, out.text.view());
    return std::nullopt;
}

// Rounding of X, Y and Z, in that order. X and Y keep only their rounded
// values: the shift, which follows for every present X and Y, writes their
// texts from them (the rounded text would read back to the same value).
std::optional<Failure> roundCoordinates(Pass& pass) {
    BlockView& block = pass.block;
    for (GcodeWord word : {GcodeWord::X, GcodeWord::Y}) {
        if (!block.has(word))
            continue;
        const Result<double> value = ParseWordReal(block.word(word));
        if (!value)
            return value.failure();
        (word == GcodeWord::X ? pass.roundedX : pass.roundedY) = RoundHalfEven(*value);
    }
    if (block.has(GcodeWord::Z))
        return roundZ(block, pass.roundedZ);
    return std::nullopt;
}

// Rounding and shift of one parsed block; fills in the report flags.
std::optional<Failure> rewriteCoordinates(Pass& pass, std::uint8_t& messages) {
    BlockView& block = pass.block;
    const PrepareSettings& settings = pass.settings;
    pass.roundedX.reset();
    pass.roundedY.reset();
    if (settings.RoundCoordinates) {
        if (auto f = roundCoordinates(pass))
            return f;
    }
    if (block.has(GcodeWord::Y)) {
        messages |= CheckReport::ShiftY;
        if (auto f = shiftWord(block, GcodeWord::Y, pass.roundedY, settings.shift.dy, pass.y))
            return f;
    }
    if (block.has(GcodeWord::X)) {
        messages |= CheckReport::ShiftX;
        if (auto f = shiftWord(block, GcodeWord::X, pass.roundedX, settings.shift.dx, pass.x))
            return f;
    }
    return std::nullopt;
}

// The move from the previous point; the four texts must be whole numbers,
// checked in the order prevX, prevY, X, Y.
std::optional<Failure> recordMove(Pass& pass, PlotRow row) {
    const Result<qint32> fromX = pass.prevX.toWhole();
    if (!fromX)
        return fromX.failure();
    const Result<qint32> fromY = pass.prevY.toWhole();
    if (!fromY)
        return fromY.failure();
    const std::optional<qint32> knownX = pass.x.whole();
    const Result<qint32> toX = knownX ? Result<qint32>(*knownX) : ParseWhole(pass.x.text.view());
    if (!toX)
        return toX.failure();
    const std::optional<qint32> knownY = pass.y.whole();
    const Result<qint32> toY = knownY ? Result<qint32>(*knownY) : ParseWhole(pass.y.text.view());
    if (!toY)
        return toY.failure();
    if (pass.settings.recordMoves)
        pass.result.moves.push_back(PlotMove{*fromX, *fromY, *toX, *toY, row});
    return std::nullopt;
}

double valueOf(const Coordinate& c) {
    if (c.exact)
        return c.value;
    const Result<double> parsed = ParseReal(c.text.view());
    // The text was written by FormatReal; only the largest values exceed the
    // range when read back, and those are far beyond the reach.
    return parsed ? *parsed : std::numeric_limits<double>::infinity();
}

void appendLine(Pass& pass, QByteArrayView line) {
    const qsizetype size = pass.block.canonicalSize();
    if (size == 0) {
        // A layer's mark has no words; it stays as it stands.
        if (!line.isEmpty() && line[0] == '(' && LayerMarkNumber(line)) {
            char* out = pass.sink ? pass.sink->addLine(line.size())
                                  : pass.result.lines.addLine(line.size());
            std::memcpy(out, line.data(), std::size_t(line.size()));
            ++pass.linesWritten;
        }
        return;
    }
    pass.block.writeCanonical(pass.sink ? pass.sink->addLine(size)
                                        : pass.result.lines.addLine(size));
    ++pass.linesWritten;
}

// The walker's state follows the rewritten block: its G (for the pen, when
// the path is checked; a bad G is the simulation's to report) and its move.
// The path check sees the move on the line just written; a dropped repeat
// has no line of its own and goes nowhere new.
void followBlock(Pass& pass, bool hasX, bool hasY, bool repeated) {
    const BlockView& block = pass.block;
    if (pass.path && block.has(GcodeWord::G)) {
        if (const Result<double> g = WordNumber(block.word(GcodeWord::G)); g)
            pass.state.takeG(*g);
    }
    if (!(hasX || hasY))
        return;
    const double x = hasX ? valueOf(pass.x) : 0.0;
    const double y = hasY ? valueOf(pass.y) : 0.0;
    const WalkMove move =
        pass.state.moveTo(pass.linesWritten - 1, hasX ? &x : nullptr, hasY ? &y : nullptr);
    if (pass.path && !repeated && pass.linesWritten > 0)
        pass.path->move(move);
}

// A block at the previous point may still lower or lift the pen, or end
// the program: it is a repeat only without an M word and with no Z word or
// the last Z again (the texts as the rounding left them).
bool keepsPenAndProgram(const Pass& pass) {
    const BlockView& block = pass.block;
    if (block.has(GcodeWord::M))
        return false;
    if (!block.has(GcodeWord::Z))
        return true;
    return pass.prevZ && sameText(block.word(GcodeWord::Z), pass.prevZ->view());
}

// One block: parse, rewrite, keep or drop, record the move, check the reach,
// remember the point.
std::optional<Failure> prepareBlock(Pass& pass, QByteArrayView line, qsizetype index) {
    BlockView& block = pass.block;
    block.parseKeepingPoints(line);
    std::uint8_t messages = 0;
    if (auto f = rewriteCoordinates(pass, messages))
        return f;

    const bool hasX = block.has(GcodeWord::X);
    const bool hasY = block.has(GcodeWord::Y);
    const bool repeated = pass.settings.RemoveRepeated && hasX && hasY &&
                          sameText(block.word(GcodeWord::X), pass.prevX.text.view()) &&
                          sameText(block.word(GcodeWord::Y), pass.prevY.text.view()) &&
                          keepsPenAndProgram(pass);
    if (!repeated)
        appendLine(pass, line);
    followBlock(pass, hasX, hasY, repeated);

    if (hasX && hasY) {
        const PlotRow row = pass.settings.recordMoves
                                ? MoveColourRow(block.word(GcodeWord::G), block.word(GcodeWord::Z))
                                : PlotRow::NoRow;
        if (auto f = recordMove(pass, row))
            return f;
        const ProgramState& at = pass.state;
        if (pass.settings.CheckReach && at.x * at.x + at.y * at.y > kReachSquared)
            messages |= CheckReport::OutOfReach;
    }
    pass.result.checkReport.add(index, messages & pass.settings.reportMessages);

    if (hasX)
        pass.prevX.assign(pass.x.text.view(), pass.x.whole());
    if (hasY)
        pass.prevY.assign(pass.y.text.view(), pass.y.whole());
    if (block.has(GcodeWord::Z)) {
        if (!pass.prevZ)
            pass.prevZ.emplace();
        pass.prevZ->assign(block.word(GcodeWord::Z));
    }
    return std::nullopt;
}

} // namespace

namespace {

Result<PreparedProgram> runPass(const ProgramText& program, const PrepareSettings& settings,
                                PreparedLineSink* sink) {
    Pass pass(settings, sink);
    PreparedProgram& result = pass.result;
    result.checkReport = CheckReport(program, settings.shift.dx, settings.shift.dy);
    if (!sink)
        result.lines.reserve(program.lineCount(), program.byteCount() + program.lineCount() / 8);
    if (settings.recordMoves) {
        result.moves.reserve(std::size_t(program.lineCount()));
        AdviseLargeBuffer(result.moves.data(), result.moves.capacity() * sizeof(PlotMove));
    }
    // Every block with X or Y gives shift lines; the reach lines alone are few.
    if (settings.reportMessages & (CheckReport::ShiftX | CheckReport::ShiftY))
        result.checkReport.reserve(program.lineCount());
    if (settings.pathCheck)
        pass.path.emplace(*settings.pathCheck);

    // The end of the list ends the program like an end block does.
    for (qsizetype i = 0; i < program.lineCount(); ++i) {
        if (auto failure = prepareBlock(pass, program.line(i), i)) {
            failure->line = i;
            return *failure;
        }
        result.blocksRead = i + 1;
        if (sameText(pass.block.word(GcodeWord::M), "30")) {
            result.endBlockFound = true;
            break;
        }
    }
    if (pass.path)
        result.pathCheck = PathCheckReport(result.lines, pass.path->takeFindings());
    return std::move(pass.result);
}

} // namespace

Result<PreparedProgram> PrepareProgram(const ProgramText& program,
                                       const PrepareSettings& settings) {
    return runPass(program, settings, nullptr);
}

Result<PreparedProgram> PrepareProgram(const ProgramText& program, const PrepareSettings& settings,
                                       PreparedLineSink& sink) {
    Q_ASSERT(!settings.pathCheck);
    return runPass(program, settings, &sink);
}
