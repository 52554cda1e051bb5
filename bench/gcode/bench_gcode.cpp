// Speed and memory of the G-code program core on a generated plotter program:
// reading the file, the preparation pass, drawing its moves, and the three
// together as opening a file does. Prints lines per second and the peak
// resident memory of each phase.
//
//   bench-gcode [LINES]      (default 1000000)
#include "plottergenerator.h"

#include "gcode/pathcheck.h"
#include "gcode/plotbackground.h"
#include "gcode/plotsurface.h"
#include "gcode/prepareprogram.h"
#include "gcode/programfile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>

#include <time.h>

namespace {

// Peak resident set (VmHWM) in MiB, and a way to start a new peak.
double peakMiB() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmHWM:") {
            double kib = 0;
            status >> kib;
            return kib / 1024.0;
        }
        status.ignore(1 << 12, '\n');
    }
    return -1;
}

void resetPeak() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

struct Figure {
    double seconds = 1e30; // wall clock
    double cpu = 1e30;     // this thread's processor time
    double peak = 0;
};

double cpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// Best time of `runs` runs; the peak is the highest seen.
Figure measure(int runs, const std::function<void()>& body) {
    Figure figure;
    for (int i = 0; i < runs; ++i) {
        resetPeak();
        QElapsedTimer timer;
        timer.start();
        const double cpuStart = cpuSeconds();
        body();
        figure.cpu = std::min(figure.cpu, cpuSeconds() - cpuStart);
        figure.seconds = std::min(figure.seconds, timer.nsecsElapsed() / 1e9);
        figure.peak = std::max(figure.peak, peakMiB());
    }
    return figure;
}

void print(const char* phase, qint64 lines, const Figure& f) {
    std::printf("%-22s %9.0f lines/s (%9.0f per CPU s) %8.1f ms  peak RSS %6.1f MiB\n", phase,
                double(lines) / f.seconds, double(lines) / f.cpu, f.seconds * 1000, f.peak);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const qint64 lines = argc > 1 ? std::atoll(argv[1]) : 1000000;
    QTemporaryDir dir;
    const QString path = dir.filePath("plotter.nc");
    const qint64 bytes = WritePlotterProgram(path, lines);
    if (bytes < 0) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }
    std::printf("program: %lld lines, %.1f MB\n", (long long)lines, bytes / 1e6);
    const QImage background = MakeDefaultBackground();
    const PlotColours colours = PlotColours::defaults();
    resetPeak();
    std::printf("%-22s %67s %6.1f MiB\n", "baseline", "peak RSS", peakMiB());

    const int runs = 3;
    // Opening a file as the station does: read, prepare, draw; everything is
    // released after each run, so its peak is the whole cost.
    PlotSurface surface;
    const Figure total = measure(runs, [&] {
        const Result<ProgramText> text = ReadProgramFile(path);
        const Result<PreparedProgram> result = PrepareProgram(*text, PrepareSettings());
        surface.paintBackground(background);
        surface.drawMoves(result->moves, colours);
    });

    // The phases one by one; each peak includes what the earlier phases hold
    // (the program read, the prepared result).
    const Figure read = measure(runs, [&] { ReadProgramFile(path); });
    print("read", lines, read);

    const ProgramText program = *ReadProgramFile(path);
    const Figure prepare = measure(runs, [&] { PrepareProgram(program, PrepareSettings()); });
    print("PrepareProgram", lines, prepare);

    const Result<PreparedProgram> prepared = PrepareProgram(program, PrepareSettings());
    if (!prepared) {
        std::fprintf(stderr, "%s\n", qPrintable(prepared.error()));
        return 1;
    }
    const Figure draw = measure(runs, [&] {
        surface.paintBackground(background);
        surface.drawMoves(prepared->moves, colours);
    });
    print("draw", lines, draw);
    // The path check: within the preparation pass, as the station runs it
    // (target: under 10% of the preparation's time), and alone over the
    // prepared lines, as scara-cli check --raw does.
    PrepareSettings checking;
    checking.pathCheck = PathCheckSettings{};
    qsizetype findings = 0;
    const Figure prepareChecked = measure(runs, [&] {
        const Result<PreparedProgram> result = PrepareProgram(program, checking);
        findings = result ? result->pathCheck.count() : -1;
    });
    print("PrepareProgram + path", lines, prepareChecked);
    std::printf("  (%lld findings; the path check adds %.1f%% to PrepareProgram, target < 10%%)\n",
                (long long)findings, 100.0 * (prepareChecked.cpu - prepare.cpu) / prepare.cpu);
    const Figure checkText =
        measure(runs, [&] { CheckPath(prepared->lines, PathCheckSettings{}); });
    print("CheckPath over text", lines, checkText);
    print("read + prepare + draw", lines, total);
    std::printf("  (%zu moves, %lld prepared lines, %lld report lines)\n", prepared->moves.size(),
                (long long)prepared->lines.lineCount(),
                (long long)prepared->checkReport.lineCount());
    return 0;
}
