#include "gcode/programfigures.h"

#include "gcode/programwalk.h"

#include <cmath>

void FiguresCount::move(const WalkMove& move) {
    const double length = std::hypot(move.toX - move.fromX, move.toY - move.fromY);
    if (move.penDown) {
        figures.drawnLength += length;
    } else {
        figures.travelLength += length;
        if (drew)
            ++figures.penLifts;
    }
    drew = move.penDown;
}

namespace {

struct FiguresSink final : ProgramSink {
    void move(const WalkMove& move) override { count.move(move); }
    FiguresCount count;
};

} // namespace

ProgramFigures MeasureProgram(const ProgramText& program) {
    FiguresSink sink;
    // A value that does not convert ends the figures there (the preparation
    // reports it).
    (void)WalkProgram(program, sink);
    sink.count.figures.lines = program.lineCount();
    return sink.count.figures;
}
