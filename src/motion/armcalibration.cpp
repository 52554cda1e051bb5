#include "motion/armcalibration.h"

#include "motion/kinematics.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

ArmPoint pen(double link1, double link2, double a, double b) {
    return {link1 * std::cos(a) + link2 * std::cos(a + b),
            link1 * std::sin(a) + link2 * std::sin(a + b)};
}

// The nominal angles that bring the real arm's pen to `intended` with the
// elbow's sign `side` (-1 clockwise, +1 counter-clockwise).
std::optional<JointAngles> nominalAngles(const ArmCalibration& c, ArmPoint intended, double side) {
    const double r2 = intended.x * intended.x + intended.y * intended.y;
    const double cosB = (r2 - c.link1 * c.link1 - c.link2 * c.link2) / (2 * c.link1 * c.link2);
    if (!(cosB >= -1.0 && cosB <= 1.0))
        return std::nullopt;
    const double b = side * std::acos(cosB);
    const double a = std::atan2(intended.y, intended.x) -
                     std::atan2(c.link2 * std::sin(b), c.link1 + c.link2 * std::cos(b));
    const double realA = a / kDegree;
    const double realB = b / kDegree;
    return JointAngles{realA / c.shoulderGain, (realB - c.elbowOffset) / c.elbowGain};
}

// Whether the controller turns the commanded point (the nominal arm's pen
// at `wanted`) back into `wanted`: its cosine law gives the elbow's size
// within the reach, ElbowRule its sign, and the shoulder comes out in
// [0, 180). The same as asking SolveJointAngles, without its trigonometry.
bool controllerAgrees(const JointAngles& wanted, ArmPoint commanded, double previousBeta) {
    if (!(wanted.alfa >= 0 && wanted.alfa < 180 && std::fabs(wanted.beta) <= 180))
        return false;
    if (commanded.x * commanded.x + commanded.y * commanded.y > arm::kReach * arm::kReach)
        return false;
    return ElbowRule(commanded.x, wanted.beta, previousBeta) == wanted.beta;
}

} // namespace

ArmPoint NominalPen(const JointAngles& angles) {
    return pen(arm::kLinkLength, arm::kLinkLength, angles.alfa * kDegree, angles.beta * kDegree);
}

ArmPoint RealPen(const ArmCalibration& c, const JointAngles& angles) {
    return pen(c.link1, c.link2, c.shoulderGain * angles.alfa * kDegree,
               (c.elbowGain * angles.beta + c.elbowOffset) * kDegree);
}

ArmPoint DrawnPoint(const ArmCalibration& calibration, ArmPoint commanded, double previousBeta) {
    return RealPen(calibration, SolveJointAngles(commanded.x, commanded.y, previousBeta));
}

std::optional<CorrectedPoint> CorrectPoint(const ArmCalibration& calibration, ArmPoint intended,
                                           double previousBeta) {
    const double side = ElbowRule(intended.x, 1.0, previousBeta) < 0 ? -1.0 : 1.0;
    std::optional<CorrectedPoint> nearest;
    double nearestMiss = 0;
    for (const double s : {side, -side}) {
        const std::optional<JointAngles> angles = nominalAngles(calibration, intended, s);
        if (!angles)
            return std::nullopt;
        const ArmPoint commanded = NominalPen(*angles);
        if (controllerAgrees(*angles, commanded, previousBeta))
            return CorrectedPoint{commanded, *angles, true};
        // Beside the Y axis the controller bends the elbow by the side of the
        // commanded point: the nearest point it draws with this bend.
        const ArmPoint edge{s < 0 ? kAxisClearance : -kAxisClearance, commanded.y};
        const JointAngles edgeAngles = SolveJointAngles(edge.x, edge.y, previousBeta);
        const ArmPoint drawn = RealPen(calibration, edgeAngles);
        const double miss = std::hypot(drawn.x - intended.x, drawn.y - intended.y);
        if (!nearest || miss < nearestMiss) {
            nearest = CorrectedPoint{edge, edgeAngles, false};
            nearestMiss = miss;
        }
    }
    return nearest;
}
