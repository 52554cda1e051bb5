// Path ordering at scale: pen-up travel of the optimiser's order as a
// fraction of a plain greedy order (nearest neighbour with reversal, ends
// closer than the tolerance drawn on) for 1,000, 10,000 and 100,000
// scattered strokes (target 0.90 or less each), the ordering's time, and
// scara-cli optimize on the 100,000 strokes as a whole process (target 2 s
// and 500 MB).
#include "drawing/drawingprogram.h"
#include "drawing/pathoptimizer.h"
#include "drawing/pathordering.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cmath>
#include <cstdio>

namespace {

// Short strokes of two or three points anywhere in the arm's upper half.
Drawing scattered(int strokes) {
    QRandomGenerator random(2024);
    Drawing drawing;
    drawing.paths.reserve(size_t(strokes));
    for (int i = 0; i < strokes; ++i) {
        PathPoint p{-350 + random.bounded(700.0), 50 + random.bounded(300.0)};
        std::vector<PathPoint> points{p};
        const int more = 1 + random.bounded(2);
        for (int k = 0; k < more; ++k) {
            const double angle = random.bounded(2 * M_PI), length = 2 + random.bounded(18.0);
            p = {p.x + length * std::cos(angle), p.y + length * std::sin(angle)};
            points.push_back(p);
        }
        drawing.paths.push_back(DrawnPath{std::move(points), 1});
    }
    return drawing;
}

double penUp(const std::vector<DrawnPath>& paths, double tolerance) {
    double total = 0;
    PathPoint at = kDrawingHome;
    for (const DrawnPath& p : paths) {
        const double gap = std::hypot(p.points.front().x - at.x, p.points.front().y - at.y);
        if (gap > tolerance)
            total += gap;
        at = p.points.back();
    }
    return total;
}

void compare(int strokes) {
    const Drawing drawing = scattered(strokes);
    OptimizerSettings settings;
    settings.simplify = false;
    settings.cost = TravelCost::Distance;
    QElapsedTimer clock;
    clock.start();
    const std::vector<DrawnPath> greedy = GreedyOrder(drawing.paths, kDrawingHome);
    const double greedySeconds = double(clock.nsecsElapsed()) / 1e9;
    clock.restart();
    const Drawing ours = OptimizeDrawing(drawing, settings, kDrawingHome);
    const double oursSeconds = double(clock.nsecsElapsed()) / 1e9;
    settings.cost = TravelCost::Best;
    clock.restart();
    const Drawing best = OptimizeDrawing(drawing, settings, kDrawingHome);
    const double bestSeconds = double(clock.nsecsElapsed()) / 1e9;
    const double reference = penUp(greedy, settings.tolerance);
    std::printf("%7d strokes: greedy pen-up %9.0f (%.3f s); optimiser by distance %.3f of it "
                "(%.3f s), best %.3f (%.3f s) (target 0.90)\n",
                strokes, reference, greedySeconds, penUp(ours.paths, 0) / reference, oursSeconds,
                penUp(best.paths, 0) / reference, bestSeconds);
}

void wholeProcess(int strokes, const char* cost) {
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in.nc"));
    QFile file(in);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(WriteDrawingProgram(scattered(strokes)).toBytes());
    file.close();
    QElapsedTimer clock;
    clock.start();
    QProcess process;
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(QStringLiteral(SCARA_CLI_PATH),
                  {QStringLiteral("optimize"), in, QStringLiteral("--cost"), QLatin1String(cost),
                   QStringLiteral("-o"), dir.filePath(QStringLiteral("out.nc"))});
    process.waitForFinished(120000);
    const double seconds = double(clock.nsecsElapsed()) / 1e9;
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    std::printf("scara-cli optimize --cost %-8s %d strokes: %.2f s (target 2), peak RSS of a "
                "child so far %.0f MiB (target 500), exit %d\n",
                cost, strokes, seconds, double(usage.ru_maxrss) / 1024.0, process.exitCode());
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    for (int strokes : {1000, 10000, 100000})
        compare(strokes);
    for (const char* cost : {"distance", "joint", "best"})
        wholeProcess(100000, cost);
    return 0;
}
