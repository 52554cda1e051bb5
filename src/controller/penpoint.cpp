#include "controller/penpoint.h"

#include "gcode/programwalk.h"

namespace {

struct PenSink final : ProgramSink {
    explicit PenSink(PenPoint& point) : point(point) {}
    void move(const WalkMove& move) override {
        if (move.hasX)
            x = move.xText;
        if (move.hasY)
            y = move.yText;
    }
    PenPoint& point;
    QByteArrayView x, y;
};

} // namespace

void PenPoint::follow(QByteArrayView line) {
    ProgramState state;
    state.penDown = penDown;
    ProgramWalker walker(state);
    PenSink sink(*this);
    if (!walker.follow(line, 0, sink))
        return;
    if (!sink.x.isEmpty())
        x = sink.x.toByteArray();
    if (!sink.y.isEmpty())
        y = sink.y.toByteArray();
    penDown = walker.state().penDown;
}

bool IsProgramStop(QByteArrayView line) {
    BlockView block;
    block.parseKeepingPoints(line);
    return IsStopWord(block.word(GcodeWord::M));
}

QByteArray PenPoint::travelLine() const {
    return "G00 X" + x + " Y" + y;
}
