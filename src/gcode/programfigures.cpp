#include "gcode/programfigures.h"

#include "base/numberformat.h"
#include "gcode/blockview.h"

#include <cmath>

namespace {

// The G word's motion: 0 travel, 1 drawing, -1 no motion word.
int motionOf(QByteArrayView g) {
    int number = 0;
    if (g.isEmpty() || g.size() > 3)
        return -1;
    for (char c : g) {
        if (c < '0' || c > '9')
            return -1;
        number = number * 10 + (c - '0');
    }
    if (number == 0)
        return 0;
    return number <= 3 ? 1 : -1;
}

void readCoordinate(const BlockView& block, GcodeWord word, double& value) {
    if (!block.has(word))
        return;
    const Result<double> number = ParseWordReal(block.word(word));
    if (number && std::isfinite(*number))
        value = *number;
}

} // namespace

ProgramFigures MeasureProgram(const ProgramText& program) {
    ProgramFigures figures;
    figures.lines = program.lineCount();
    BlockView block;
    double x = 500;
    double y = 0;
    bool drawing = false;
    bool penDown = false;
    for (qsizetype i = 0; i < program.lineCount(); ++i) {
        block.parseKeepingPoints(program.line(i));
        if (const int motion = motionOf(block.word(GcodeWord::G)); motion >= 0)
            drawing = motion == 1;
        if (!block.has(GcodeWord::X) && !block.has(GcodeWord::Y))
            continue;
        double toX = x;
        double toY = y;
        readCoordinate(block, GcodeWord::X, toX);
        readCoordinate(block, GcodeWord::Y, toY);
        const double length = std::hypot(toX - x, toY - y);
        if (drawing) {
            figures.drawnLength += length;
        } else {
            figures.travelLength += length;
            if (penDown)
                ++figures.penLifts;
        }
        penDown = drawing;
        x = toX;
        y = toY;
    }
    return figures;
}
