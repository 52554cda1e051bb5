// Placement figures: PlaceShape over a drawing of a million moves (target
// under 0.2 s), and PlaceProgram over a generated million-line plotter
// program (read, place, write), best of three, with how large the placed
// drawing is against the same drawing's box placed as a rectangle.
#include "../gcode/plottergenerator.h"
#include "drawing/programplacement.h"
#include "gcode/programfile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>

namespace {

// Short strokes of three to six moves scattered over a 400 x 300 page.
DrawingShape strokes(qsizetype moves) {
    QRandomGenerator random(7);
    DrawingShape shape;
    shape.reserve(size_t(moves));
    while (qsizetype(shape.size()) < moves) {
        double x = random.bounded(400.0), y = random.bounded(300.0);
        shape.push_back({{x, y}, false});
        for (int i = 0, n = 2 + random.bounded(4); i < n; ++i) {
            x += random.bounded(6.0) - 3, y += random.bounded(6.0) - 3;
            shape.push_back({{x, y}, true});
        }
    }
    return shape;
}

template <typename F> double bestSeconds(F&& run) {
    double best = 1e9;
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        best = std::min(best, timer.nsecsElapsed() / 1e9);
    }
    return best;
}

void placeShapes(qsizetype moves) {
    const DrawingShape shape = strokes(moves);
    for (SideRule sides : {SideRule::Across, SideRule::Auto}) {
        PlacementSettings settings;
        settings.sides = sides;
        Result<Placement> placed = Failure{};
        const double seconds = bestSeconds([&] { placed = PlaceShape(shape, settings); });
        std::printf("PlaceShape %lld moves %-7s %8.3f s  scale %.4f  clearance %.2f "
                    "(target < 0.2 s)\n",
                    (long long)moves, sides == SideRule::Auto ? "auto" : "across", seconds,
                    placed ? placed->scale : 0.0, placed ? placed->clearance : 0.0);
    }
}

void placeProgram(qsizetype lines) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("plot.nc"));
    if (WritePlotterProgram(file, lines) < 0)
        return;
    Result<ProgramText> program = Failure{};
    const double read = bestSeconds([&] { program = ReadProgramFile(file); });
    if (!program)
        return;
    Result<PlacedProgram> placed = Failure{};
    const double place = bestSeconds([&] { placed = PlaceProgram(*program, {}); });
    std::printf("read %lld lines %8.3f s, PlaceProgram %8.3f s (%lld lines out)\n",
                (long long)lines, read, place,
                placed ? (long long)placed->lines.lineCount() : -1LL);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const qsizetype moves = argc > 1 ? QByteArray(argv[1]).toLongLong() : 1'000'000;
    placeShapes(moves);
    placeProgram(moves);
    return 0;
}
