#pragma once

#include "motion/handovergate.h"
#include "motion/motionsink.h"
#include "motion/simulationpresenter.h"
#include "motion/simulationstate.h"

#include <atomic>

class SimulationThread;

// The simulation thread's side of the windows: a MotionSink that hands each
// event over to the presenter on the user-interface thread and waits until it
// is shown. The events of one grid point (joints stepped, pose reached, point
// reached) are staged as a snapshot of the state and travel together in the
// point's last hand-over, in their order.
//
// It makes itself the thread's sink; destroying it stops the run (without
// waiting for pen travel), carries out the hand-over already on its way and
// detaches from the thread.
class SimulationHandOver : public MotionSink {
public:
    SimulationHandOver(SimulationThread& thread, SimulationPresenter& presenter);
    ~SimulationHandOver() override;

    SimulationHandOver(const SimulationHandOver&) = delete;
    SimulationHandOver& operator=(const SimulationHandOver&) = delete;

    // What happens to the arm (simulation thread).
    void blockStarted(const QString& line) override;
    void moveStarting(const SimulationState& state) override;
    void penMoved(const SimulationState& state) override;
    void jointsStepped(const SimulationState& state) override;
    void poseReached(const SimulationState& state) override;
    void pointReached(const SimulationState& state) override;
    void positionChanged(const SimulationState& state) override;
    void runEnded(const RunOutcome& outcome) override;

private:
    template <typename Fn> void handOver(Fn&& fn);
    void stage(const SimulationState& state);

    HandOverGate gate_;
    SimulationThread& thread_;
    SimulationPresenter& presenter_;

    // The staged parts of the current point: written by the simulation
    // thread, read on the user-interface thread during the next hand-over
    // while the simulation thread waits for it.
    SimulationState staged_;
    SimulationPresenter::PointParts stagedParts_;
    bool hasStaged_ = false;

    std::atomic<bool> closing_{false};
};
