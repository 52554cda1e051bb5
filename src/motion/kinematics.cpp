#include "motion/kinematics.h"

#include <cmath>
#include <numbers>

namespace {

// degrees = radians × 360 / 2π, evaluated in that order.
double toDegrees(double radians) {
    return radians * 360.0 / (2.0 * std::numbers::pi);
}

} // namespace

double ElbowRule(double x, double beta, double previousBeta) {
    if (x == 0.0) {
        if (previousBeta > 0.0)
            return -std::fabs(beta);
        if (previousBeta < 0.0)
            return std::fabs(beta);
        return beta;
    }
    return x > 0.0 ? -std::fabs(beta) : std::fabs(beta);
}

JointAngles SolveJointAngles(double x, double y, double previousBeta) {
    const double l = arm::kLinkLength;
    // Cosine law for the elbow.
    const double q = (x * x + y * y - l * l - l * l) / (2.0 * l * l);
    // Beyond the reach the cosine itself is carried on as the angle.
    double beta = q <= 1.0 ? std::atan2(std::sqrt(1.0 - q * q), q) : q;
    beta = ElbowRule(x, beta, previousBeta);

    const double k = l * std::cos(beta) + l;
    const double s = std::sin(beta);
    const double numerator = k * y - s * (x * l);
    double denominator = k * x + s * (y * l);
    if (denominator == 0.0)
        denominator = 1e-10;
    double alfa = std::atan(numerator / denominator);
    if (alfa < 0.0)
        alfa += std::numbers::pi;
    return {toDegrees(alfa), toDegrees(beta)};
}
