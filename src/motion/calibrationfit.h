#pragma once

#include "base/result.h"
#include "motion/armcalibration.h"

#include <QByteArray>

#include <array>
#include <vector>

// One ruler measurement: the commanded centres of two crosses of the pattern
// and the distance measured between the drawn crosses, in mm.
struct CalibrationMeasure {
    ArmPoint first;
    ArmPoint second;
    double distance = 0;
    qsizetype line = -1; // the line of the measures file, from 0; -1 for none
};

// Reads measures, one "X1 Y1 X2 Y2 D" a line, numbers with a decimal point or
// comma, separated by spaces or tabs; "#" starts a comment, empty lines are
// skipped. Fails naming the first line that is not five numbers.
Result<std::vector<CalibrationMeasure>> ReadCalibrationMeasures(const QByteArray& text);

// The values the fit finds, each with its standard uncertainty, and how well
// the measures agree with them.
struct CalibrationFit {
    ArmCalibration calibration;
    // Standard uncertainties of L1, L2, k1, k2, o2 (mm, mm, 1, 1, degrees).
    std::array<double, 5> uncertainty{};
    std::vector<double> residuals; // drawn minus measured distance, one a measure
    double residualRms = 0;
};

// The fewest measures the fit takes: five values and one more to tell their
// uncertainty.
inline constexpr int kMinCalibrationMeasures = 6;
// A measure whose residual exceeds this (mm) does not fit the rest.
inline constexpr double kMaxCalibrationResidual = 2.0;

// Fits L1, L2, k1, k2 and o2 to the measures by least squares
// (Levenberg-Marquardt), starting from the nominal arm. Fails with the
// station's text for too few measures, measures that do not pin the values,
// a measure whose residual is over kMaxCalibrationResidual (naming its line),
// and values with which the real arm cannot reach a measured cross.
Result<CalibrationFit> FitCalibration(const std::vector<CalibrationMeasure>& measures);

// The distance the real arm draws between the crosses of a measure.
double DrawnDistance(const ArmCalibration& calibration, const CalibrationMeasure& measure);
