#include "gcode/plotprogress.h"

#include "gcode/plotsurface.h"
#include "gcode/prepareprogram.h"
#include "gcode/programfigures.h"
#include "gcode/programlist.h"

#include <algorithm>
#include <cmath>

namespace {

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
    if (const GMotion motion = MotionOf(block_.word(GcodeWord::G)); motion != GMotion::None)
        drawing_ = motion == GMotion::Draw;
    fromX = x_;
    fromY = y_;
    const bool hasX = ReadCoordinate(block_, GcodeWord::X, x_);
    const bool hasY = ReadCoordinate(block_, GcodeWord::Y, y_);
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
