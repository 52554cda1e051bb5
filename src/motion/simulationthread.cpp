#include "motion/simulationthread.h"

#include "motion/motionsink.h"

#include <QEventLoop>

SimulationThread::SimulationThread(QObject* parent)
    : QThread(parent), simulator_(&ownView_, control_), loop_(simulator_, control_) {
    qRegisterMetaType<RunOutcome>();
    setObjectName(QStringLiteral("TWatek1"));
}

SimulationThread::~SimulationThread() {
    if (isRunning()) {
        control_.requestStop();
        control_.resume();
        waitForEnd();
    }
}

bool SimulationThread::waitForEnd(QDeadlineTimer deadline) {
    const bool ended = wait(deadline);
    if (ended)
        endedRuns_.load(std::memory_order_acquire);
    return ended;
}

void SimulationThread::resume() {
    if (runActive_.load(std::memory_order_acquire)) {
        control_.resume();
        return;
    }
    waitForEnd(); // a run that has just ended is fully finished before the next
    control_.resume();
    runActive_.store(true, std::memory_order_release);
    start(runPriority_);
}

void SimulationThread::pause() {
    if (runActive_.load(std::memory_order_acquire))
        control_.requestPause();
}

void SimulationThread::finishOnEventLoop() {
    if (!isRunning())
        return;
    QEventLoop loop;
    connect(this, &QThread::finished, &loop, &QEventLoop::quit);
    control_.requestStop();
    control_.resume();
    if (isRunning())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    waitForEnd();
}

void SimulationThread::run() {
    if (control_.stopRequested()) { // ends at once: no block read, no end-of-run changes
        runActive_.store(false, std::memory_order_release);
    } else {
        const RunOutcome outcome = loop_.run(program_);
        lastOutcome_ = outcome;
        // The run is over before its end is reported: a new one may be asked
        // for at once (resume() then waits for this thread to wind down).
        runActive_.store(false, std::memory_order_release);
        emit runEnded(outcome);
        if (MotionSink* sink = simulator_.sink())
            sink->runEnded(outcome);
    }
    endedRuns_.fetch_add(1, std::memory_order_release);
}
