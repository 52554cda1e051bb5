#include "motion/simulationcommands.h"

#include "motion/simulationpresenter.h"
#include "motion/simulationthread.h"
#include "motion/simulationview.h"

SimulationCommands::SimulationCommands(SimulationThread& thread, SimulationPresenter& presenter,
                                       SimulationView& view, PoseFieldsView& poseFields,
                                       QObject* parent)
    : QObject(parent), thread_(thread), presenter_(presenter), view_(view),
      poseFields_(poseFields) {
    connect(&presenter_, &SimulationPresenter::runFinished, this, &SimulationCommands::runFinished);
}

void SimulationCommands::start() {
    poseFields_.showPoseWindow();
    view_.setStopEnabled(true);
    view_.setStartEnabled(false);
    finished_ = false;
    if (!running_)
        presenter_.runStarting();
    else
        presenter_.setHeld(false);
    running_ = true;
    thread_.resume();
}

void SimulationCommands::pause() {
    view_.setStopEnabled(false);
    view_.setStartEnabled(true);
    thread_.pause();
    presenter_.setHeld(true);
    presenter_.repaintNow();
}

// The current point is finished without waiting for the rest of its pen
// travel, so that the station closes at once.
void SimulationCommands::finish() {
    if (thread_.isRunning())
        thread_.control().hurry();
    thread_.finishOnEventLoop();
    presenter_.repaintNow();
}

void SimulationCommands::setPenWait(std::chrono::milliseconds wait) {
    thread_.setPenWait(wait);
}

void SimulationCommands::stopForClosing() {
    thread_.control().requestStop();
    thread_.control().hurry();
    thread_.control().resume();
}

void SimulationCommands::startPointReset() {
    thread_.requestStartAtHome();
    allowNewRun();
}

void SimulationCommands::programPrepared() {
    allowNewRun();
}

// After a finished run a newly opened or prepared program may be run again,
// from its first line, with the pose and the pen where the last run left them.
void SimulationCommands::allowNewRun() {
    if (finished_)
        view_.setStartEnabled(true);
}

// After the end "Start symulacja" starts a new run at once, from the
// program's first line, with the pose and the pen where this one left them.
void SimulationCommands::runFinished(const RunOutcome& outcome) {
    finished_ = true;
    running_ = false;
    view_.setStopEnabled(false);
    view_.setSimulationMenuEnabled(true);
    view_.setStartEnabled(true);
    if (outcome.end == RunEnd::Failed)
        view_.reportSimulationError(outcome.error);
}
