#pragma once

#include "base/result.h"
#include "drawing/drawing.h"

#include <QByteArrayView>

#include <optional>

// A program's moves as the path check takes them, line by line (the words
// found by FindMoveWords): a block with X or Y moves there (the other
// coordinate carried on, from the home point at first); G00 lifts the pen,
// G01 lowers it, any other G leaves it.
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
    // The line's move; fails with the conversion text when G, X, Y or Z
    // does not convert. Views stay valid while the line lives.
    Result<LineMove> read(QByteArrayView line);
    bool started() const { return started_; }

private:
    PathPoint at_ = kDrawingHome;
    bool penDown_ = false;
    bool started_ = false;
    std::optional<double> z_;
};
