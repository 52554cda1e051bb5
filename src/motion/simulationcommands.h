#pragma once

#include "motion/motionsink.h"

#include <QObject>

#include <chrono>

class PoseFieldsView;
class SimulationPresenter;
class SimulationThread;
class SimulationView;

// The operator's simulation commands ("Start symulacja", "Stop Symulacji",
// "Zakończ", closing the window) and the news that change what they may do
// (a program opened or prepared, a run ended), carried out on the simulation
// thread and shown in the "Symulacja" menu.
class SimulationCommands : public QObject {
    Q_OBJECT
public:
    SimulationCommands(SimulationThread& thread, SimulationPresenter& presenter,
                       SimulationView& view, PoseFieldsView& poseFields, QObject* parent = nullptr);

    bool isRunFinished() const { return finished_; }
    // The operator's speed choice: the pause after each unit of pen travel
    // (100 ms in real time), applied at once, also to a run under way.
    void setPenWait(std::chrono::milliseconds wait);

public slots:
    void start();           // "Start symulacja": a new run, or on after a pause
    void pause();           // "Stop Symulacji": hold at the next safe point
    void finish();          // "Zakończ": finish the current point, then stop
    void stopForClosing();  // the window closes: stop without waiting for pen travel
    void startPointReset(); // a program file was opened: the next run starts at home
    void programPrepared(); // a preparation completed: a new run may start

private:
    void runFinished(const RunOutcome& outcome);
    void allowNewRun();

    SimulationThread& thread_;
    SimulationPresenter& presenter_;
    SimulationView& view_;
    PoseFieldsView& poseFields_;
    bool finished_ = false;
    bool running_ = false; // from a run's start to its end
};
