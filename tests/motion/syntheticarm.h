#pragma once

// Synthetic arms for the calibration's tests and benchmark: the distances a
// real arm with known values draws between the pattern's crosses, as a
// ruler reads them with Gaussian noise, and how far it draws a test drawing
// from the intended one after correction.
#include "motion/armcalibration.h"
#include "motion/calibrationfit.h"
#include "motion/calibrationpattern.h"
#include "motion/kinematics.h"

#include <cmath>
#include <random>
#include <vector>

namespace synthetic {

inline std::vector<CalibrationMeasure>
measure(const CalibrationPattern& pattern, const ArmCalibration& arm, double noise, unsigned seed) {
    std::mt19937 random(seed);
    std::normal_distribution<double> gauss(0.0, noise);
    std::vector<CalibrationMeasure> out;
    for (const CalibrationPair& p : pattern.pairs) {
        CalibrationMeasure m{pattern.crosses[std::size_t(p.first)],
                             pattern.crosses[std::size_t(p.second)], 0, qsizetype(out.size())};
        m.distance = DrawnDistance(arm, m) + (noise > 0 ? gauss(random) : 0.0);
        out.push_back(m);
    }
    return out;
}

// A random arm: links within 2 mm, joint gains within 0.5 %, the elbow's
// zero within a degree.
inline ArmCalibration randomArm(unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    return {250 + 2 * unit(random), 250 + 2 * unit(random), 1 + 0.005 * unit(random),
            1 + 0.005 * unit(random), unit(random)};
}

// The test drawing, on both sides of the Y axis as the station places
// drawings (clear of it, where the elbow turns over): a 200 mm square's
// border on the right and a circle of radius 100 on the left, as points 5 mm
// apart.
inline std::vector<ArmPoint> testDrawing() {
    std::vector<ArmPoint> points;
    for (int i = 0; i <= 40; ++i) {
        const double t = 5.0 * i;
        points.insert(points.end(),
                      {{100 + t, 160}, {100 + t, 360}, {100, 160 + t}, {300, 160 + t}});
    }
    for (int i = 0; i < 125; ++i) {
        const double a = 2 * 3.141592653589793 * i / 125;
        points.push_back({-220 + 100 * std::cos(a), 250 + 100 * std::sin(a)});
    }
    return points;
}

// The RMS distance between where `real` draws the drawing corrected with
// `fitted` and where it should (nan when a point cannot be corrected). With
// `turned`, after the turn about the base that brings them closest: the turn
// no ruler sees (o1, a turned sheet).
inline double drawingRms(const ArmCalibration& real, const ArmCalibration& fitted,
                         bool turned = false) {
    std::vector<ArmPoint> drawn;
    const std::vector<ArmPoint> points = testDrawing();
    for (const ArmPoint p : points) {
        const std::optional<CorrectedPoint> c = CorrectPoint(fitted, p);
        if (!c)
            return std::nan("");
        drawn.push_back(DrawnPoint(real, c->commanded));
    }
    double cross = 0, dot = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        cross += drawn[i].x * points[i].y - drawn[i].y * points[i].x;
        dot += drawn[i].x * points[i].x + drawn[i].y * points[i].y;
    }
    const double turn = turned ? std::atan2(cross, dot) : 0.0;
    double sum = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const double x = drawn[i].x * std::cos(turn) - drawn[i].y * std::sin(turn);
        const double y = drawn[i].x * std::sin(turn) + drawn[i].y * std::cos(turn);
        sum += (x - points[i].x) * (x - points[i].x) + (y - points[i].y) * (y - points[i].y);
    }
    return std::sqrt(sum / double(points.size()));
}

} // namespace synthetic
