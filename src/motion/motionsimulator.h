#pragma once

#include "motion/jointstepper.h"
#include "motion/simulationstate.h"

#include <atomic>
#include <chrono>
#include <cstdint>

class MotionSink;
class SimulationControl;
class ViewPose;

// The motion engine of the simulation: walks a move over the unit grid,
// brings the pen to the height the block asks for, solves and steps the
// joints at every grid point, and publishes each stage through the sink.
// Runs on the simulation thread (or a headless caller's thread).
class MotionSimulator {
public:
    MotionSimulator(ViewPose* view, SimulationControl& control);

    SimulationState& state() { return state_; }
    const SimulationState& state() const { return state_; }

    // The pose values the 3D view draws from (never null).
    void setViewPose(ViewPose* view) { view_ = view; }
    ViewPose* viewPose() const { return view_; }
    void setSink(MotionSink* sink) { sink_ = sink; }
    MotionSink* sink() const { return sink_; }
    // Pause after each unit of pen travel (arm::kPenWait in the window; a
    // headless run uses none).
    // May be changed while a run goes on (the operator's speed choice).
    void setPenWait(std::chrono::milliseconds wait) {
        penWait_.store(wait.count(), std::memory_order_relaxed);
    }
    std::chrono::milliseconds penWait() const {
        return std::chrono::milliseconds(penWait_.load(std::memory_order_relaxed));
    }

    // Walks from the start point towards the target (whole numbers) on the
    // unit grid and simulates every point up to, but not including, the
    // target. Reads the stop request between grid points. Leaves the start
    // point alone: the block loop moves it after the call.
    void MoveLinear(double targetX, double targetY);

    // Simulates the current point: pen, inverse kinematics, joint stepping,
    // log line, view angles and the 3D window's fields.
    void SimulateStep();

    // Steps the current pose from the previous pose towards the target.
    JointStepRun StepJoints(double targetAlfa, double targetBeta);

    // Points simulated since construction (may be read from any thread).
    std::int64_t pointCount() const { return points_.load(std::memory_order_relaxed); }

private:
    void movePen();
    void travelPen(int towards);
    void walkStep();

    SimulationState state_;
    ViewPose* view_;
    SimulationControl& control_;
    MotionSink* sink_ = nullptr;
    std::atomic<std::chrono::milliseconds::rep> penWait_{0};
    std::atomic<std::int64_t> points_{0};
};

// The joint angles the simulation aims at for a grid point. Within the reach
// this is SolveJointAngles; a point beyond the reach is aimed at with the arm
// stretched towards it (beta 0), so the arm never takes the unbounded elbow
// angle the plain solution carries for such points.
JointAngles SimulationJointTarget(double x, double y, double previousBeta);
