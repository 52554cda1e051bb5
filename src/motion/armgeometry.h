#pragma once

#include "base/armfacts.h"

#include <chrono>

// The simulated arm: two equal links on a base at the origin of the program's
// X/Y plane, a pen slide at the end of the second link. Angles are degrees
// everywhere except inside trigonometry.
namespace arm {

// kLinkLength, kReach, kHomeX and kHomeY come from base/armfacts.h.

// Pen slide heights of the simulation (not the controller's Z settings).
inline constexpr int kPenUpHeight = 50;
inline constexpr int kPenDownHeight = 10;

// Joint stepping quantum: the smallest change of alfa that starts a joint
// motion. A joint turns by a tenth of it in one stepping cycle.
inline constexpr double kJointStep = 0.00703125;
inline constexpr int kSubStepsPerJointStep = 10;

// Pause after each unit of pen travel.
inline constexpr std::chrono::milliseconds kPenWait{100};

} // namespace arm

// Shoulder (alfa) and elbow (beta) angles, degrees.
struct JointAngles {
    double alfa = 0.0;
    double beta = 0.0;
};

// The arm pose: both joints and the simulated pen height.
struct JointPose {
    double alfa = 0.0;
    double beta = 0.0;
    int PenHeight = arm::kPenUpHeight;
};
