#include "drawing/programmoves.h"

#include "base/numberformat.h"

Result<LineMove> MoveReader::read(QByteArrayView line) {
    block_.parseKeepingPoints(line);
    if (block_.has(GcodeWord::G)) {
        const Result<double> g = ParseWordReal(block_.word(GcodeWord::G));
        if (!g)
            return g.failure();
        if (*g == 0 || *g == 1)
            penDown_ = *g == 1;
    }
    if (block_.has(GcodeWord::Z)) {
        const Result<double> z = ParseWordReal(block_.word(GcodeWord::Z));
        if (!z)
            return z.failure();
        z_ = *z;
    }
    LineMove move;
    move.penDown = penDown_;
    move.z = z_;
    move.from = move.to = at_;
    move.x = block_.word(GcodeWord::X);
    move.y = block_.word(GcodeWord::Y);
    if (move.x.isEmpty() && move.y.isEmpty())
        return move;
    for (GcodeWord w : {GcodeWord::X, GcodeWord::Y}) {
        if (!block_.has(w))
            continue;
        const Result<double> value = ParseWordReal(block_.word(w));
        if (!value)
            return value.failure();
        (w == GcodeWord::X ? move.to.x : move.to.y) = *value;
    }
    move.moves = true;
    started_ = true;
    at_ = move.to;
    return move;
}
