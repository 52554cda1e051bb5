#include "gcode/plotprogress.h"

#include "base/numberformat.h"
#include "gcode/plotsurface.h"
#include "gcode/prepareprogram.h"
#include "gcode/programlist.h"

#include <cmath>

namespace {

// A plain G number: 0 travels, 1 to 3 draw; -1 for anything else.
int motionOf(QByteArrayView g) {
    int number = 0;
    if (g.isEmpty() || g.size() > 3)
        return -1;
    for (char c : g) {
        if (c < '0' || c > '9')
            return -1;
        number = number * 10 + (c - '0');
    }
    return number == 0 ? 0 : number <= 3 ? 1 : -1;
}

bool readCoordinate(const BlockView& block, GcodeWord word, double& value) {
    if (!block.has(word))
        return false;
    const Result<double> number = ParseWordReal(block.word(word));
    if (!number || !std::isfinite(*number))
        return false;
    value = *number;
    return true;
}

qint32 plotUnit(double value) {
    constexpr double kLimit = 1e9; // far off the plot, still drawable
    return qint32(std::lround(std::clamp(value, -kLimit, kLimit)));
}

} // namespace

void PlotProgress::start(const ProgramList& program, qsizetype from) {
    x_ = 500;
    y_ = 0;
    drawing_ = false;
    double fromX = 0;
    double fromY = 0;
    for (qsizetype i = 0; i < from; ++i) {
        if (const std::optional<QByteArray> line = program.lineAt(i))
            follow(*line, fromX, fromY);
        else
            break;
    }
}

bool PlotProgress::follow(QByteArrayView line, double& fromX, double& fromY) {
    block_.parseKeepingPoints(line);
    if (const int motion = motionOf(block_.word(GcodeWord::G)); motion >= 0)
        drawing_ = motion == 1;
    fromX = x_;
    fromY = y_;
    const bool hasX = readCoordinate(block_, GcodeWord::X, x_);
    const bool hasY = readCoordinate(block_, GcodeWord::Y, y_);
    return hasX && hasY;
}

void PlotProgress::draw(const ProgramList& program, qsizetype from, qsizetype to, PlotSurface& plot,
                        QRgb colour, bool showTravel) {
    double fromX = 0;
    double fromY = 0;
    for (qsizetype i = from; i < to; ++i) {
        const std::optional<QByteArray> line = program.lineAt(i);
        if (!line)
            return;
        if (!follow(*line, fromX, fromY) || (!drawing_ && !showTravel))
            continue;
        PlotMove move;
        move.fromX = plotUnit(fromX);
        move.fromY = plotUnit(fromY);
        move.toX = plotUnit(x_);
        move.toY = plotUnit(y_);
        plot.drawMove(move, colour);
    }
}
