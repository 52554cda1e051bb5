#include "motion/motionsimulator.h"

#include "base/numberformat.h"
#include "motion/kinematics.h"
#include "motion/motionsink.h"
#include "motion/simulationcontrol.h"
#include "motion/viewpose.h"

#include <cmath>
#include <numbers>

JointAngles SimulationJointTarget(double x, double y, double previousBeta) {
    if (x * x + y * y <= arm::kReach * arm::kReach)
        return SolveJointAngles(x, y, previousBeta);
    double alfa = std::atan2(y, x) * 360.0 / (2.0 * std::numbers::pi);
    if (alfa < 0.0)
        alfa += 180.0; // fold into the working half plane, as the solution does
    return {alfa, 0.0};
}

MotionSimulator::MotionSimulator(ViewPose* view, SimulationControl& control)
    : view_(view), control_(control) {}

void MotionSimulator::MoveLinear(double targetX, double targetY) {
    SimulationState& s = state_;
    s.currentX = s.startX;
    s.currentY = s.startY;
    const double dX = std::fabs(targetX - s.startX);
    const double dY = std::fabs(targetY - s.startY);
    const double sX = targetX >= s.startX ? 1.0 : -1.0;
    const double sY = targetY >= s.startY ? 1.0 : -1.0;

    if (dX >= dY) { // X leads
        double err = dX / 2.0;
        while (s.currentX != targetX && !control_.stopRequested()) {
            walkStep();
            s.currentX += sX;
            view_->PenX.store(s.currentX, std::memory_order_relaxed);
            err -= dY;
            if (err < 0.0) {
                s.currentY += sY;
                view_->PenY.store(s.currentY, std::memory_order_relaxed);
                err += dX;
            }
        }
    } else { // Y leads
        double err = dY / 2.0;
        while (s.currentY != targetY && !control_.stopRequested()) {
            walkStep();
            s.currentY += sY;
            view_->PenY.store(s.currentY, std::memory_order_relaxed);
            err -= dX;
            if (err < 0.0) {
                s.currentX += sX;
                view_->PenX.store(s.currentX, std::memory_order_relaxed);
                err += dY;
            }
        }
    }
}

// One grid point of a walk: simulate it, then plot it and redraw the panel.
void MotionSimulator::walkStep() {
    SimulateStep();
    points_.fetch_add(1, std::memory_order_relaxed);
    control_.checkpoint();
    if (sink_)
        sink_->pointReached(state_);
    control_.checkpoint();
    if (sink_)
        sink_->positionChanged(state_);
    control_.checkpoint();
}

void MotionSimulator::SimulateStep() {
    SimulationState& s = state_;
    movePen();
    const JointAngles target = SimulationJointTarget(s.currentX, s.currentY, s.previous.beta);
    StepJoints(target.alfa, target.beta);
    control_.checkpoint();
    if (sink_)
        sink_->jointsStepped(s);
    view_->Arm1Angle.store(static_cast<float>(s.current.alfa - 90.0), std::memory_order_relaxed);
    view_->Arm2Angle.store(static_cast<float>(s.current.beta), std::memory_order_relaxed);
    control_.checkpoint();
    if (sink_)
        sink_->poseReached(s);
    s.previous = s.current;
}

JointStepRun MotionSimulator::StepJoints(double targetAlfa, double targetBeta) {
    const JointStepRun run =
        ::StepJoints(state_.previous, targetAlfa, targetBeta, *view_, &control_);
    state_.current = run.current;
    return run;
}

// The pen moves before the joints: up on the Y axis and for G0, down for
// G1; any other G leaves it where it is.
void MotionSimulator::movePen() {
    if (state_.currentX == 0.0 || state_.g == 0)
        travelPen(arm::kPenUpHeight);
    else if (state_.g == 1)
        travelPen(arm::kPenDownHeight);
}

void MotionSimulator::travelPen(int towards) {
    const int step = towards > state_.penHeight ? 1 : -1;
    while (state_.penHeight != towards) {
        state_.penHeight += step;
        view_->SlideZ.store(state_.penHeight / 50.0 - 1.0, std::memory_order_relaxed);
        view_->PenHeight.store(state_.penHeight, std::memory_order_relaxed);
        control_.checkpoint();
        if (sink_)
            sink_->penMoved(state_);
        control_.wait(penWait());
    }
}
