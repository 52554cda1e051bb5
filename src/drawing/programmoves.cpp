#include "drawing/programmoves.h"

namespace {

struct MoveSink : ProgramSink {
    void move(const WalkMove& m) override { seen = m; }
    std::optional<WalkMove> seen;
};

} // namespace

Result<LineMove> MoveReader::read(QByteArrayView line) {
    MoveSink sink;
    if (const Status followed = walker_.follow(line, index_++, sink); !followed)
        return Failure{followed.error()};
    const ProgramState& state = walker_.state();
    LineMove move;
    move.penDown = state.penDown;
    move.z = state.z;
    move.from = move.to = PathPoint{state.x, state.y};
    if (!sink.seen)
        return move;
    move.moves = true;
    move.from = PathPoint{sink.seen->fromX, sink.seen->fromY};
    move.x = sink.seen->xText;
    move.y = sink.seen->yText;
    started_ = true;
    return move;
}
