// SVG import and path optimiser figures: a drawing of 100,000 paths imported
// and optimised (target under 2 s and 300 MB), pen-up travel after ordering
// as a fraction of the document's order for 400 scattered strokes (target
// 0.5 or less) and for the test drawings, by distance and by joint turn, and
// lines before and after simplification.
#include "drawing/pathoptimizer.h"
#include "svg/svgimport.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QRandomGenerator>

#include <sys/resource.h>

#include <cstdio>

namespace {

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double peakMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

QByteArray manyPaths(int count) {
    QRandomGenerator random(1);
    QByteArray svg = "<svg xmlns='http://www.w3.org/2000/svg' width='400mm' height='300mm' "
                     "viewBox='0 0 400 300'>\n";
    for (int i = 0; i < count; ++i) {
        const int x = random.bounded(390), y = random.bounded(290);
        if (i % 4 == 0)
            svg += QByteArray("<circle cx='") + QByteArray::number(x + 5) + "' cy='" +
                   QByteArray::number(y + 5) + "' r='3' fill='none' stroke='black'/>\n";
        else
            svg += QByteArray("<path d='M") + QByteArray::number(x) + ' ' + QByteArray::number(y) +
                   " l 4 2 q 3 3 6 0' fill='none' stroke='black'/>\n";
    }
    return svg + "</svg>\n";
}

Drawing scattered(int strokes) {
    QRandomGenerator random(400);
    Drawing drawing;
    for (int i = 0; i < strokes; ++i) {
        const double x = random.bounded(-350, 350), y = random.bounded(20, 350);
        drawing.paths.push_back(DrawnPath{{{x, y}, {x + random.bounded(-15, 15), y + 15}}, 1});
    }
    return drawing;
}

double penUp(const Drawing& drawing) {
    double total = 0;
    PathPoint at = kDrawingHome;
    for (const DrawnPath& p : drawing.paths) {
        total += std::hypot(p.points.front().x - at.x, p.points.front().y - at.y);
        at = p.points.back();
    }
    return total;
}

void ordering(const char* name, const Drawing& drawing) {
    const double before = penUp(drawing), joints = DrawingArmTravel(drawing, kDrawingHome);
    for (TravelCost cost : {TravelCost::Distance, TravelCost::JointTime, TravelCost::Best}) {
        OptimizerSettings settings;
        settings.cost = cost;
        const Drawing out = OptimizeDrawing(drawing, settings, kDrawingHome);
        const char* costName = cost == TravelCost::Distance    ? "distance"
                               : cost == TravelCost::JointTime ? "joint"
                                                               : "best";
        std::printf("%-28s %-9s pen-up %.3f of document order, arm travel %.3f\n", name, costName,
                    penUp(out) / before, DrawingArmTravel(out, kDrawingHome) / joints);
    }
}

void fixture(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    SvgImportSettings settings;
    settings.fit = true;
    const Result<SvgImport> imported = ImportSvg(file.readAll(), path, settings);
    if (!imported)
        return;
    std::printf("%-28s lines %lld -> %lld, pen-up %.3f of document order, points dropped %lld\n",
                qPrintable(path.section(u'/', -1)), qlonglong(imported->before.lines),
                qlonglong(imported->after.lines),
                imported->after.penUpLength / std::max(imported->before.penUpLength, 1e-9),
                qlonglong(imported->counts.pointsDropped));
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QGuiApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 100000;
    const QByteArray svg = manyPaths(count);
    std::printf("document: %d paths, %.1f MB, peak RSS before import %.1f MiB\n", count,
                double(svg.size()) / 1e6, peakMiB());
    SvgImportSettings settings;
    settings.fit = true;
    QElapsedTimer timer;
    const double cpuBefore = cpuSeconds();
    timer.start();
    const Result<SvgImport> imported = ImportSvg(svg, u"bench.svg"_qs, settings);
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    const double cpu = cpuSeconds() - cpuBefore;
    if (!imported) {
        std::printf("import failed: %s\n", qPrintable(imported.error()));
        return 1;
    }
    std::printf("import + optimise %.2f s wall, %.2f s processor (target < 2 s), peak RSS %.1f "
                "MiB (target < 300)\n",
                seconds, cpu, peakMiB());
    std::printf("  lines %lld -> %lld, pen-up %.0f -> %.0f, pen lifts %lld -> %lld\n",
                qlonglong(imported->before.lines), qlonglong(imported->after.lines),
                imported->before.penUpLength, imported->after.penUpLength,
                qlonglong(imported->before.penLifts), qlonglong(imported->after.penLifts));
    std::printf("  paths joined %lld, points dropped by simplifying %lld, zero moves %lld\n",
                qlonglong(imported->counts.pathsJoined), qlonglong(imported->counts.pointsDropped),
                qlonglong(imported->counts.zeroMoves));
    ordering("400 scattered strokes", scattered(400));
    for (const char* name : {"inkscape-plain.svg", "inkscape-drawing.svg"}) {
        const QString dir = QLatin1String(name) == QLatin1String("inkscape-drawing.svg")
                                ? QStringLiteral(SCARA_SOURCE_DIR "/tests/hpgl/data/")
                                : QStringLiteral(SCARA_SOURCE_DIR "/tests/svg/data/");
        QFile file(dir + QLatin1String(name));
        SvgImportSettings plain;
        plain.fit = true;
        plain.optimize = false;
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const Result<SvgImport> imported =
            ImportSvg(file.readAll(), dir + QLatin1String(name), plain);
        const Result<DrawingProgram> read =
            imported ? ReadDrawingProgram(imported->program) : Result<DrawingProgram>(Failure{});
        if (read)
            ordering(name, read->pieces.front().drawing);
    }
    for (const char* name : {"inkscape-plain.svg", "inkscape-layers.svg", "inkscape-text.svg"})
        fixture(QStringLiteral(SCARA_SOURCE_DIR "/tests/svg/data/") + QLatin1String(name));
    fixture(QStringLiteral(SCARA_SOURCE_DIR "/tests/hpgl/data/inkscape-drawing.svg"));
    return 0;
}
