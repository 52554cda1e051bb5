// The simulation in the station's main window on the offscreen platform:
// simulated points per second with every hand-over and repaint in place (no
// pen waits), and how late a 50 ms timer on the user-interface thread fires
// while the simulation runs flat out.
#include "../../tests/support/stationdoubles.h"
#include "plottergenerator.h"

#include "app/mainwindow.h"
#include "app/station.h"
#include "gcode/programfile.h"
#include "motion/simulationcommands.h"
#include "motion/simulationthread.h"
#include "motion/viewpose.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

struct Figures {
    long long points = 0;
    double seconds = 0.0;
    double worstTimerDelayMs = 0.0;
    int timerTicks = 0;
    bool finished = false;
};

constexpr qint64 kTimeLimitMs = 30000;

Figures runInWindow(const ProgramText& program, QThread::Priority priority) {
    Station station;
    SimulationThread& thread = station.simulationThread();
    thread.setRunPriority(priority);
    thread.setPenWait(std::chrono::milliseconds(0));
    MainWindow& window = station.mainWindow();
    WindowRecorder recorder;
    recorder.attach(window);
    ScriptedDialogs::Answers& answers = recorder.answers;
    SimulationCommands* binding = &station.simulation();
    window.show();

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plotter.nc"));
    if (!WriteProgramFile(path, program))
        return {};
    answers.open.enqueue(path);
    window.findChild<QAction*>("Otwrz1")->trigger();

    Figures figures;
    QElapsedTimer sinceTick;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    probe.setInterval(50);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        figures.worstTimerDelayMs =
            std::max(figures.worstTimerDelayMs, sinceTick.nsecsElapsed() / 1e6 - 50.0);
        ++figures.timerTicks;
        sinceTick.restart();
    });
    QElapsedTimer timer;
    timer.start();
    sinceTick.start();
    probe.start();
    window.findChild<QAction*>("Startsymulacji2")->trigger();
    // At idle priority the thread only runs while the machine has nothing
    // else to do; give up after kTimeLimitMs and report how far it got.
    QEventLoop loop;
    QObject::connect(&thread, &QThread::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(kTimeLimitMs, &loop, &QEventLoop::quit);
    if (thread.isRunning())
        loop.exec();
    figures.finished = binding->isRunFinished();
    figures.seconds = timer.nsecsElapsed() / 1e9;
    figures.points = thread.pointCount();
    probe.stop();
    binding->finish();
    return figures;
}

void report(const char* name, const Figures& f) {
    std::printf("in the window, %s: %lld points in %.3f s%s, %.0f points/s (target >= 10000); "
                "50 ms timer: %d ticks, worst delay %.1f ms (target < 100)\n",
                name, f.points, f.seconds, f.finished ? "" : " (time limit, not finished)",
                f.points / f.seconds, f.timerTicks, f.worstTimerDelayMs);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const ProgramText program = GeneratePlotterProgram(10000, false);
    runInWindow(GeneratePlotterProgram(500, false), QThread::NormalPriority); // warm-up
    report("normal priority", runInWindow(program, QThread::NormalPriority));
    report("idle priority (as the station runs it)", runInWindow(program, QThread::IdlePriority));
    return 0;
}
