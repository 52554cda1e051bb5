#pragma once

#include "base/armfacts.h"
#include "base/result.h"
#include "gcode/blockview.h"
#include "gcode/programtext.h"

#include <QByteArrayView>

#include <optional>

// The one interpreter of a program: what its lines mean, block after block.
// Words are read as BlockView reads them (upper-case letters at the first 255
// positions, a value running to the next space). The modal state:
// - X and Y carry over from block to block; the first move starts at the
//   home point (500, 0).
// - Z carries over; none before the first Z word.
// - G carries over, and decides the pen as the arm does: G0 lifts it, G1
//   lowers it, any other G (G2, G3, ...) leaves it where it is; before the
//   first G the pen is up.
// - A block with X or Y moves; which of the two it names goes with the
//   event (the preparation, the plot and the simulation move only for a
//   block that names both).
// - M0 is a program stop; M "30" ends the program, after its own move.
// X, Y and Z that do not convert end the walk with the station's conversion
// text; a G that does not convert leaves G and the pen as they were.
struct WalkMove {
    qsizetype line = 0;
    double fromX = arm::kHomeX;
    double fromY = arm::kHomeY;
    double toX = arm::kHomeX;
    double toY = arm::kHomeY;
    bool hasX = false; // the coordinates the block names
    bool hasY = false;
    bool penDown = false;
    // The values as the block writes them (empty: absent); views valid until
    // the walker reads the next line and while the line's bytes live.
    QByteArrayView xText;
    QByteArrayView yText;

    bool namesBoth() const { return hasX && hasY; }
};

// Where the walker's events go. Per block, in this order: line, pen change,
// move, stop, end.
class ProgramSink {
public:
    virtual ~ProgramSink() = default;
    virtual void line(qsizetype /*index*/, const BlockView& /*block*/) {}
    virtual void penChanged(qsizetype /*index*/, bool /*down*/) {}
    virtual void move(const WalkMove& /*move*/) {}
    virtual void stop(qsizetype /*index*/) {}
    // The block with M "30" (endBlock), or past the last line of the program.
    virtual void end(qsizetype /*index*/, bool /*endBlock*/) {}
};

// The pen's motion for a G value: the arm's rule above.
enum class PenRule { Keep, Lift, Lower };
inline PenRule PenRuleOf(double g) {
    return g == 0.0 ? PenRule::Lift : g == 1.0 ? PenRule::Lower : PenRule::Keep;
}

// The modal state between blocks. A pass that reads its blocks itself (the
// preparation, which rewrites them first) keeps one and feeds it.
struct ProgramState {
    std::optional<double> g; // the last G that converted
    double x = arm::kHomeX;
    double y = arm::kHomeY;
    std::optional<double> z;
    bool penDown = false;

    // Takes a G value; true when the pen changed.
    bool takeG(double value) {
        g = value;
        const PenRule rule = PenRuleOf(value);
        const bool down = rule == PenRule::Keep ? penDown : rule == PenRule::Lower;
        const bool changed = down != penDown;
        penDown = down;
        return changed;
    }
    // Moves to X and/or Y (at least one given), the other carried over.
    WalkMove moveTo(qsizetype line, const double* toX, const double* toY) {
        WalkMove move;
        move.line = line;
        move.fromX = x;
        move.fromY = y;
        move.hasX = toX != nullptr;
        move.hasY = toY != nullptr;
        move.toX = x = toX ? *toX : x;
        move.toY = y = toY ? *toY : y;
        move.penDown = penDown;
        return move;
    }
};

// A word's value as a number: whole numbers and plain decimals of up to 15
// digits directly, anything else as ParseWordReal takes it (a '.' or a ','
// for the decimal point either way).
Result<double> WordNumber(QByteArrayView text);

// Whether a block's M word is a program stop (0, "00").
inline bool IsStopWord(QByteArrayView m) {
    if (m.isEmpty())
        return false;
    for (const char c : m) {
        if (c != '0')
            return false;
    }
    return true;
}

// Follows a program line by line, for callers that read lines one at a time
// (the plot's progress, the simulation, the transfer).
// `follow` is a template so that a sink of a final class is called directly
// (the path check walks millions of lines).
class ProgramWalker {
public:
    ProgramWalker() = default;
    // Goes on from `state` (a point and pen kept elsewhere).
    explicit ProgramWalker(const ProgramState& state) : state_(state) {}
    // Reads `line` (line `index` of its program) and tells `sink` what it
    // does. On a failure the sink has had the line event only, and the state
    // is as before the line.
    template <class Sink> Status follow(QByteArrayView line, qsizetype index, Sink& sink);

    const ProgramState& state() const { return state_; }
    const BlockView& block() const { return block_; }
    // The line just read ends the program (M "30").
    bool atEndBlock() const {
        const QByteArrayView m = block_.word(GcodeWord::M);
        return m.size() == 2 && m[0] == '3' && m[1] == '0';
    }
    // Back to the start of a program.
    void reset() { state_ = ProgramState(); }

private:
    // The values of the block just parsed, converted before any is taken.
    struct Values {
        std::optional<double> g, x, y, z;
    };
    std::optional<Failure> read(QByteArrayView line, Values& values);

    BlockView block_;
    ProgramState state_;
};

template <class Sink>
Status ProgramWalker::follow(QByteArrayView line, qsizetype index, Sink& sink) {
    Values values;
    std::optional<Failure> failure = read(line, values);
    sink.line(index, block_);
    if (failure) {
        failure->line = index;
        return *failure;
    }
    if (values.g && state_.takeG(*values.g))
        sink.penChanged(index, state_.penDown);
    if (values.z)
        state_.z = values.z;
    if (values.x || values.y) {
        WalkMove move =
            state_.moveTo(index, values.x ? &*values.x : nullptr, values.y ? &*values.y : nullptr);
        move.xText = block_.word(GcodeWord::X);
        move.yText = block_.word(GcodeWord::Y);
        sink.move(move);
    }
    if (IsStopWord(block_.word(GcodeWord::M)))
        sink.stop(index);
    if (atEndBlock())
        sink.end(index, true);
    return Status::success();
}

// Walks `program` from its first line up to and including the first block
// whose M word is "30" (or to its last line). Returns the number of lines
// walked; a failure names its line (Failure::line).
template <class Sink> Result<qsizetype> WalkProgram(const ProgramText& program, Sink& sink) {
    ProgramWalker walker;
    for (qsizetype i = 0; i < program.lineCount(); ++i) {
        if (const Status followed = walker.follow(program.line(i), i, sink); !followed)
            return followed.failure();
        if (walker.atEndBlock())
            return i + 1;
    }
    sink.end(program.lineCount(), false);
    return program.lineCount();
}
