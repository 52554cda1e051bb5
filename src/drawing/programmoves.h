#pragma once

#include "base/result.h"
#include "drawing/drawing.h"
#include "gcode/programwalk.h"

#include <QByteArrayView>

#include <optional>

// A program's moves as the walker (programwalk.h) tells them, line by line:
// a block with X or Y moves there (the other coordinate carried on, from the
// home point at first), with the walker's pen.
struct LineMove {
    bool moves = false;
    bool penDown = false;
    PathPoint from;
    PathPoint to;
    QByteArrayView x; // the values as the line writes them (empty: absent)
    QByteArrayView y;
    std::optional<double> z; // the last Z up to this line
};

class MoveReader {
public:
    // The line's move; fails with the conversion text when X, Y or Z does
    // not convert. Views stay valid while the line lives.
    Result<LineMove> read(QByteArrayView line);
    bool started() const { return started_; }

private:
    ProgramWalker walker_;
    qsizetype index_ = 0;
    bool started_ = false;
};
