#pragma once

#include "base/armfacts.h"
#include "motion/armgeometry.h"

#include <optional>

// The real arm as a calibration finds it. The controller turns a commanded
// point into joint angles with the nominal arm (SolveJointAngles); the real
// arm then turns its joints to A = k1 * alfa + o1 and B = k2 * beta + o2 and
// has links L1 and L2. o1 only turns the whole drawing about the base, which
// no ruler sees, so it is taken as 0 and never corrected.
struct ArmCalibration {
    double link1 = arm::kLinkLength; // L1, mm
    double link2 = arm::kLinkLength; // L2, mm
    double shoulderGain = 1;         // k1
    double elbowGain = 1;            // k2
    double elbowOffset = 0;          // o2, degrees

    bool operator==(const ArmCalibration&) const = default;
};

// A point of the program's X/Y plane, in mm.
struct ArmPoint {
    double x = 0;
    double y = 0;
};

// Where the nominal arm's pen stands at the joint angles (degrees).
ArmPoint NominalPen(const JointAngles& angles);

// Where the real arm's pen lands when the controller turns to the nominal
// joint angles `angles`.
ArmPoint RealPen(const ArmCalibration& calibration, const JointAngles& angles);

// Where the real arm draws a commanded point: the controller's angles for
// it, then the real arm's pen.
ArmPoint DrawnPoint(const ArmCalibration& calibration, ArmPoint commanded, double previousBeta = 0);

// The point to command so that the real arm draws `intended`, and the
// nominal angles the controller turns to for it.
struct CorrectedPoint {
    ArmPoint commanded;
    JointAngles angles;
    // False beside the Y axis, where the real arm with the controller's bend
    // cannot draw the point: the nearest one it draws with that bend.
    bool exact = true;
};

// How far from the Y axis a commanded point beside it stays, so that the
// controller bends its elbow as asked (and rounding to the program's
// decimals keeps its side).
inline constexpr double kAxisClearance = 0.01;

// Inverts the real arm: the real joint angles that put its pen on `intended`
// with the elbow bent to the side the station bends it there (ElbowRule),
// then the nominal angles the controller must turn to, then the point it
// turns into them. When the controller would bend that point's elbow the
// other way, the other bend is tried. None when the real arm cannot reach
// the point. Beside the Y axis, where the real arm's two bends leave a gap
// the controller cannot reach into with either, the nearest point it draws
// (not exact).
std::optional<CorrectedPoint> CorrectPoint(const ArmCalibration& calibration, ArmPoint intended,
                                           double previousBeta = 0);
