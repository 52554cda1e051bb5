#pragma once

#include "motion/armgeometry.h"

#include <cstdint>

class SimulationControl;
class ViewPose;

// The outcome of one joint stepping run: the pose reached and how many
// sub-steps each joint made.
struct JointStepRun {
    JointAngles current;
    std::int64_t alfaSubSteps = 0;
    std::int64_t betaSubSteps = 0;
};

// Turns both joints from `previous` towards the target in sub-steps of a
// tenth of arm::kJointStep, the leading joint every cycle and the other in
// proportion (Bresenham in joint space). The run ends when the leading joint,
// rounded to tenths of a degree (halves to even), equals the target rounded
// the same way, so it stops at the near edge of the target's band. When alfa
// changes by no more than arm::kJointStep nothing moves at all.
//
// Each sub-step is added on its own, in double precision, and stores the view
// angles (alfa - 90, beta) into `view`. `control` (may be null) is given a
// checkpoint between sub-steps, where a pause takes hold.
JointStepRun StepJoints(const JointAngles& previous, double targetAlfa, double targetBeta,
                        ViewPose& view, SimulationControl* control = nullptr);
