#include "gcode/programfigures.h"

#include "base/numberformat.h"
#include "gcode/blockview.h"

#include <cmath>

GMotion MotionOf(QByteArrayView g) {
    int number = 0;
    if (g.isEmpty() || g.size() > 3)
        return GMotion::None;
    for (char c : g) {
        if (c < '0' || c > '9')
            return GMotion::None;
        number = number * 10 + (c - '0');
    }
    if (number == 0)
        return GMotion::Travel;
    return number <= 3 ? GMotion::Draw : GMotion::None;
}

bool ReadCoordinate(const BlockView& block, GcodeWord word, double& value) {
    if (!block.has(word))
        return false;
    const Result<double> number = ParseWordReal(block.word(word));
    if (!number || !std::isfinite(*number))
        return false;
    value = *number;
    return true;
}

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
        if (const GMotion motion = MotionOf(block.word(GcodeWord::G)); motion != GMotion::None)
            drawing = motion == GMotion::Draw;
        if (!block.has(GcodeWord::X) && !block.has(GcodeWord::Y))
            continue;
        double toX = x;
        double toY = y;
        ReadCoordinate(block, GcodeWord::X, toX);
        ReadCoordinate(block, GcodeWord::Y, toY);
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
