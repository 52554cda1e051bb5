// Conversion speed: the converter logic, scara-cli convert-hpgl as a whole
// process (beside hp2xx -m nc when it is installed) and the converter
// window, all on the same generated plot file of 1,000,000 lines.
#include "hpgl/conversionloop.h"
#include "hpgl/converterwindow.h"
#include "hpgl/plotfile.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <ctime>

namespace {

constexpr int kLines = 1000000;

QByteArray generatePlot(int lines) {
    QByteArray text = "IN;\nSP1;\n";
    for (int i = 2; i < lines - 1; ++i) {
        const int x = (i * 37) % 9000 - 4500;
        const int y = (i * 91) % 5000;
        text += (i % 3 == 0 ? "PU" : "PD") + QByteArray::number(x) + ' ' + QByteArray::number(y) +
                ";\n";
    }
    text += "SP0;\n";
    return text;
}

void report(const char* what, qint64 nanoseconds, int lines) {
    const double seconds = double(nanoseconds) / 1e9;
    std::printf("%-40s %8.3f s %12.0f lines/s\n", what, seconds, lines / seconds);
}

// Processor time of this thread: on a shared machine it tells the work
// apart from the waiting.
qint64 cpuNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

void benchLogic(const QByteArray& bytes) {
    QElapsedTimer clock;
    clock.start();
    ProgramText lines = ProgramText::fromBytes(bytes);
    const qint64 read = clock.nsecsElapsed();
    ConverterState state;
    ConverterProgress progress;
    ConversionLoop loop(std::move(lines), state, ConverterSettings{}, progress);
    clock.restart();
    const qint64 cpuStart = cpuNanoseconds();
    loop.runToEnd();
    const qint64 converted = clock.nsecsElapsed();
    const qint64 convertedCpu = cpuNanoseconds() - cpuStart;
    const QByteArray out = loop.takeOutput().toBytes();
    const qint64 written = clock.nsecsElapsed() - converted;
    report("logic: read plot lines", read, kLines);
    report("logic: conversion loop", converted, kLines);
    report("logic: conversion loop (processor time)", convertedCpu, kLines);
    report("logic: G-code file bytes", written, kLines);
    std::printf("%-40s %8.1f MB in, %.1f MB out\n", "", bytes.size() / 1e6, out.size() / 1e6);
}

qint64 timeProcess(const QString& program, const QStringList& args) {
    QElapsedTimer clock;
    clock.start();
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(program, args);
    if (!process.waitForFinished(120000) || process.exitCode() != 0)
        std::printf("  %s exited with %d\n", qPrintable(program), process.exitCode());
    return clock.nsecsElapsed();
}

void benchProcesses(const QString& plotPath, const QString& outPath) {
    report("scara-cli convert-hpgl (process)",
           timeProcess(QStringLiteral(SCARA_CLI_PATH),
                       {QStringLiteral("convert-hpgl"), plotPath, QStringLiteral("-o"), outPath}),
           kLines);
    const QString hp2xx = QStandardPaths::findExecutable(QStringLiteral("hp2xx"));
    if (hp2xx.isEmpty()) {
        std::printf("hp2xx -m nc: not installed, no comparison\n");
        return;
    }
    report("hp2xx -m nc (process)",
           timeProcess(hp2xx, {QStringLiteral("-q"), QStringLiteral("-m"), QStringLiteral("nc"),
                               QStringLiteral("-f"), outPath + QStringLiteral(".hp2xx"), plotPath}),
           kLines);
}

void benchWindow(const QString& plotPath, const QString& outPath) {
    ConverterWindow window;
    window.show();
    QElapsedTimer clock;
    clock.start();
    window.openPlotFile(plotPath);
    report("window: open the plot file", clock.nsecsElapsed(), kLines);

    // Close the end message at once, and record the longest pause of the
    // event loop while the conversion runs.
    QElapsedTimer tick;
    qint64 longestPause = 0;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        longestPause = std::max(longestPause, tick.restart());
        if (auto* box = window.findChild<QMessageBox*>(); box && box->isVisible())
            box->button(QMessageBox::Ok)->click();
    });
    bool ended = false;
    QObject::connect(&window, &ConverterWindow::conversionEnded, [&] { ended = true; });
    watcher.start(5);
    tick.start();
    clock.restart();
    window.findChild<QAction*>(QStringLiteral("Konwersja1"))->trigger();
    while (!ended)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    report("window: Konwersja", clock.nsecsElapsed(), kLines);
    std::printf("%-40s %8lld ms\n", "window: longest event loop pause", longestPause);
    clock.restart();
    window.saveGcode(outPath);
    report("window: save the G-code", clock.nsecsElapsed(), kLines);
    clock.restart();
    window.copyGcode();
    report("window: copy the G-code", clock.nsecsElapsed(), kLines);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString plotPath = dir.filePath(QStringLiteral("bench.plt"));
    const QByteArray bytes = generatePlot(kLines);
    QFile file(plotPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return 1;
    file.close();
    std::printf("HPGL conversion of %d lines\n", kLines);
    benchLogic(bytes);
    benchProcesses(plotPath, dir.filePath(QStringLiteral("out.nc")));
    if (!app.arguments().contains(QStringLiteral("--no-window")))
        benchWindow(plotPath, dir.filePath(QStringLiteral("window.nc")));
    return 0;
}
