#pragma once

#include "motion/blockloop.h"
#include "motion/motionsimulator.h"
#include "motion/simulationcontrol.h"
#include "motion/viewpose.h"

#include <QThread>

#include <atomic>
#include <chrono>

class MotionSink;
class ProgramList;

// The station's one simulation thread. Created before any window, not
// running; the first resume() starts it at idle priority, and each run walks
// the program from its first line (BlockLoop). Pause and stop are
// cooperative: a pause takes hold where the thread holds no lock and waits
// for no hand-over, a stop is seen between grid points and after each block.
// A run that has ended can be started again; the pose, the pen and the start
// point carry over from run to run.
//
// Set the program, the view pose and the sink while the thread is not
// running. The sink is called on this thread; a window sink hands each call
// over to the user-interface thread and waits for it, so the user-interface
// thread must never block on this thread (use finishOnEventLoop()).
class SimulationThread : public QThread {
    Q_OBJECT
public:
    explicit SimulationThread(QObject* parent = nullptr);
    // Asks a running thread to stop, releases a pause and waits for the end.
    ~SimulationThread() override;

    void setProgram(const ProgramList* program) { program_ = program; }
    void setViewPose(ViewPose* view) { simulator_.setViewPose(view ? view : &ownView_); }
    void setSink(MotionSink* sink) { simulator_.setSink(sink); }
    // The pause after each unit of pen travel; may change during a run.
    void setPenWait(std::chrono::milliseconds wait) { simulator_.setPenWait(wait); }
    std::chrono::milliseconds penWait() const { return simulator_.penWait(); }
    // The priority runs start with (idle unless changed).
    void setRunPriority(Priority priority) { runPriority_ = priority; }
    Priority runPriority() const { return runPriority_; }

    // Starts a run when none is going, otherwise continues a paused one.
    void resume();
    // Holds the run at its next safe point.
    void pause();
    // Asks the run to stop; a paused run stays held until resumed.
    void requestStop() { control_.requestStop(); }
    // The next move starts from the home point (a program was opened).
    void requestStartAtHome() { control_.requestStartAtHome(); }
    // Stops a run and waits for its end while the calling (user-interface)
    // thread keeps carrying out the run's hand-overs: the current point is
    // finished first. Returns at once when no run is going.
    void finishOnEventLoop();

    // Waits for a run to end (QThread::wait), then orders everything the run
    // did before what the caller does next, also for thread checkers.
    bool waitForEnd(QDeadlineTimer deadline = QDeadlineTimer(QDeadlineTimer::Forever));

    SimulationControl& control() { return control_; }
    // The simulation's state: read it only while no run is going or during a
    // hand-over.
    const SimulationState& state() const { return simulator_.state(); }
    SimulationState& state() { return simulator_.state(); }
    std::int64_t pointCount() const { return simulator_.pointCount(); }
    // How the last run ended (valid once finished() has been emitted).
    RunOutcome lastOutcome() const { return lastOutcome_; }

signals:
    // Emitted on this thread when a run ends, before the sink's runEnded().
    void runEnded(const RunOutcome& outcome);

protected:
    void run() override;

private:
    SimulationControl control_;
    ViewPose ownView_;
    MotionSimulator simulator_;
    BlockLoop loop_;
    const ProgramList* program_ = nullptr;
    Priority runPriority_ = IdlePriority;
    RunOutcome lastOutcome_;
    std::atomic<unsigned> endedRuns_{0};
    // From resume() starting a run to the end of run(): a run that has
    // reported its end counts as over even while the thread winds down.
    std::atomic<bool> runActive_{false};
};
