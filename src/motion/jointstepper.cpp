#include "motion/jointstepper.h"

#include "motion/simulationcontrol.h"
#include "motion/viewpose.h"

#include <cmath>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// The 0.1° band of an angle, compared as a 64-bit whole number.
std::int64_t band(double degrees) {
    return std::llrint(degrees * 10.0);
}

double direction(double target, double from) {
    return target >= from ? 1.0 : -1.0;
}

double subStep(double sign) {
    return sign * arm::kJointStep / arm::kSubStepsPerJointStep;
}

void storeArm1(ViewPose& view, double alfa) {
    view.Arm1Angle.store(static_cast<float>(alfa - 90.0), std::memory_order_relaxed);
}

void storeArm2(ViewPose& view, double beta) {
    view.Arm2Angle.store(static_cast<float>(beta), std::memory_order_relaxed);
}

} // namespace

JointStepRun StepJoints(const JointAngles& previous, double targetAlfa, double targetBeta,
                        ViewPose& view, SimulationControl* control) {
    JointStepRun run;
    run.current = previous;
    const double dA = std::fabs(targetAlfa - previous.alfa);
    const double dB = std::fabs(targetBeta - previous.beta);
    if (dA <= arm::kJointStep)
        return run;

    const double stepA = subStep(direction(targetAlfa, previous.alfa));
    const double stepB = subStep(direction(targetBeta, previous.beta));
    double& alfa = run.current.alfa;
    double& beta = run.current.beta;

    if (dA >= dB) { // alfa leads
        double err = dA / 2.0;
        const std::int64_t targetBand = band(targetAlfa);
        while (band(alfa) != targetBand) {
            if (control)
                control->checkpoint();
            alfa += stepA;
            ++run.alfaSubSteps;
            storeArm1(view, alfa);
            err -= dB;
            if (err < 0.0) {
                beta += stepB;
                ++run.betaSubSteps;
                storeArm2(view, beta);
                err += dA;
            }
        }
    } else { // beta leads
        double err = dB / 2.0;
        const std::int64_t targetBand = band(targetBeta);
        while (band(beta) != targetBand) {
            if (control)
                control->checkpoint();
            beta += stepB;
            ++run.betaSubSteps;
            storeArm2(view, beta);
            err -= dA;
            if (err < 0.0) {
                alfa += stepA;
                ++run.alfaSubSteps;
                storeArm1(view, alfa);
                err += dB;
            }
        }
    }
    return run;
}
