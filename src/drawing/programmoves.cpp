#include "drawing/programmoves.h"

#include "gcode/movewords.h"

Result<LineMove> MoveReader::read(QByteArrayView line) {
    const MoveWords words = FindMoveWords(line);
    if (!words.g.isEmpty()) {
        const Result<double> g = MoveWordNumber(words.g);
        if (!g)
            return g.failure();
        if (*g == 0 || *g == 1)
            penDown_ = *g == 1;
    }
    if (!words.z.isEmpty()) {
        const Result<double> z = MoveWordNumber(words.z);
        if (!z)
            return z.failure();
        z_ = *z;
    }
    LineMove move;
    move.penDown = penDown_;
    move.z = z_;
    move.from = move.to = at_;
    move.x = words.x;
    move.y = words.y;
    if (move.x.isEmpty() && move.y.isEmpty())
        return move;
    if (!move.x.isEmpty()) {
        const Result<double> x = MoveWordNumber(move.x);
        if (!x)
            return x.failure();
        move.to.x = *x;
    }
    if (!move.y.isEmpty()) {
        const Result<double> y = MoveWordNumber(move.y);
        if (!y)
            return y.failure();
        move.to.y = *y;
    }
    move.moves = true;
    started_ = true;
    at_ = move.to;
    return move;
}
