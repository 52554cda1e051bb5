#include "motion/simulationhandover.h"

#include "motion/simulationthread.h"

#include <QCoreApplication>

SimulationHandOver::SimulationHandOver(SimulationThread& thread, SimulationPresenter& presenter)
    : thread_(thread), presenter_(presenter) {
    thread_.setSink(this);
}

SimulationHandOver::~SimulationHandOver() {
    closing_.store(true);
    thread_.control().requestStop();
    thread_.control().hurry();
    thread_.control().resume();
    // A hand-over already on its way is still carried out; no other comes.
    while (!thread_.waitForEnd(QDeadlineTimer(10)))
        QCoreApplication::sendPostedEvents(&gate_, QEvent::MetaCall);
    thread_.setSink(nullptr);
}

// Runs `fn` on the user-interface thread after the staged parts of the
// current point, and returns when both are done.
template <typename Fn> void SimulationHandOver::handOver(Fn&& fn) {
    if (closing_.load(std::memory_order_relaxed))
        return;
    gate_.run([this, &fn] {
        if (hasStaged_) {
            presenter_.pointParts(staged_, stagedParts_);
            stagedParts_ = {};
            hasStaged_ = false;
        }
        fn();
    });
}

void SimulationHandOver::stage(const SimulationState& state) {
    staged_ = state;
    hasStaged_ = true;
}

void SimulationHandOver::blockStarted(const QString& line) {
    handOver([&] { presenter_.blockStarted(line); });
}

void SimulationHandOver::moveStarting(const SimulationState& state) {
    handOver([&] { presenter_.moveStarting(state); });
}

void SimulationHandOver::penMoved(const SimulationState& state) {
    const int height = state.penHeight;
    handOver([&] { presenter_.penMoved(height); });
}

void SimulationHandOver::jointsStepped(const SimulationState& state) {
    stage(state);
    stagedParts_.jointsStepped = true;
}

void SimulationHandOver::poseReached(const SimulationState& state) {
    stage(state);
    stagedParts_.poseReached = true;
}

void SimulationHandOver::pointReached(const SimulationState& state) {
    stage(state);
    stagedParts_.pointReached = true;
}

void SimulationHandOver::positionChanged(const SimulationState& state) {
    handOver([&] { presenter_.positionChanged(state); });
}

void SimulationHandOver::runEnded(const RunOutcome& outcome) {
    handOver([&] { presenter_.runEnded(outcome); });
}
