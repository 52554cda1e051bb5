#include "gcode/plotprogress.h"

#include "gcode/plotsurface.h"
#include "gcode/prepareprogram.h"
#include "gcode/programlist.h"

#include <algorithm>
#include <cmath>

namespace {

qint32 plotUnit(double value) {
    constexpr double kLimit = 1e9; // far off the plot, still drawable
    return qint32(std::lround(std::clamp(value, -kLimit, kLimit)));
}

struct ProgressSink : ProgramSink {
    ProgressSink(PlotSurface& plot, QRgb colour, bool showTravel)
        : plot(plot), colour(colour), showTravel(showTravel) {}

    void move(const WalkMove& move) override {
        if (!move.namesBoth() || (!move.penDown && !showTravel))
            return;
        plot.drawMove(PlotMove{plotUnit(move.fromX), plotUnit(move.fromY), plotUnit(move.toX),
                               plotUnit(move.toY), PlotRow::NoRow},
                      colour);
    }

    PlotSurface& plot;
    QRgb colour;
    bool showTravel;
};

} // namespace

void PlotProgress::start(const ProgramList& program, qsizetype from) {
    walker_.reset();
    ProgramSink nothing;
    for (qsizetype i = 0; i < from; ++i) {
        const std::optional<QByteArray> line = program.lineAt(i);
        if (!line)
            break;
        (void)walker_.follow(*line, i, nothing); // a line that does not convert moves nothing
    }
}

void PlotProgress::draw(const ProgramList& program, qsizetype from, qsizetype to, PlotSurface& plot,
                        QRgb colour, bool showTravel) {
    ProgressSink sink(plot, colour, showTravel);
    for (qsizetype i = from; i < to; ++i) {
        const std::optional<QByteArray> line = program.lineAt(i);
        if (!line)
            return;
        (void)walker_.follow(*line, i, sink);
    }
}
