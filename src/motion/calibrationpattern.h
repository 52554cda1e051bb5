#pragma once

#include "base/armfacts.h"
#include "gcode/programtext.h"
#include "motion/armcalibration.h"

#include <vector>

// The calibration pattern: numbered crosses in the safe area and the pairs
// of them to measure with a ruler.
struct CalibrationPatternSettings {
    double forbiddenRadius = arm::kDefaultForbiddenRadius;
    double margin = 10;       // from both circles and the X axis
    int maxPairs = 60;        // an afternoon's measuring
    double maxDistance = 500; // a 50 cm ruler
    double minDistance = 100; // shorter ones tell the values poorly
    double gridStep = 50;     // between candidate crosses
};

struct CalibrationPair {
    int first = 0; // indices into CalibrationPattern::crosses
    int second = 0;
};

struct CalibrationPattern {
    std::vector<ArmPoint> crosses; // commanded centres; cross n is numbered n + 1
    std::vector<CalibrationPair> pairs;
};

// Chooses the crosses and pairs: candidate crosses on a grid in the half
// ring between R + margin and the reach less the margin, at least the margin
// above the X axis and clear of the Y axis; every pair of them within
// [minDistance, maxDistance]; then, greedily, the pair that adds most to the
// determinant of the information matrix of L1, L2, k1, k2 and o2 at the
// nominal arm (a D-optimal choice), up to maxPairs. Only crosses some pair
// uses are kept, numbered in the order the arm draws them.
CalibrationPattern MakeCalibrationPattern(const CalibrationPatternSettings& settings = {});

// The program that draws the pattern: each cross as two 10 mm strokes, its
// number in small stroke digits above and right of it, pen-up travel routed
// around the forbidden circle.
ProgramText WriteCalibrationPattern(const CalibrationPattern& pattern,
                                    const CalibrationPatternSettings& settings = {});

// The pairs to measure, one "X1 Y1 X2 Y2" a line after a comment naming the
// crosses; the distances are added at the end of each line.
QByteArray CalibrationPairsText(const CalibrationPattern& pattern);
