#include "motion/calibrationpattern.h"

#include "drawing/drawingprogram.h"
#include "drawing/placement.h"
#include "drawing/travelroute.h"
#include "motion/calibrationfit.h"

#include <Eigen/Dense>

#include <algorithm>
#include <cmath>
#include <map>

namespace {

constexpr double kCrossHalf = 5;  // each stroke 10 mm
constexpr double kCrossRoom = 20; // a cross and its number, from its centre
constexpr double kDigitWidth = 3;
constexpr double kDigitHeight = 6;
constexpr double kDigitGap = 1.5;

std::vector<ArmPoint> candidates(const CalibrationPatternSettings& s) {
    const double inner = s.forbiddenRadius + s.margin + kCrossRoom;
    const double outer = arm::kReach - s.margin - kCrossRoom;
    std::vector<ArmPoint> out;
    for (double x = -outer + s.gridStep / 2; x < outer; x += s.gridStep) {
        for (double y = s.margin + kCrossRoom; y < outer; y += s.gridStep) {
            const double r = std::hypot(x, y);
            if (r >= inner && r <= outer && std::fabs(x) >= kCrossRoom)
                out.push_back({x, y});
        }
    }
    return out;
}

// How the distance between two crosses changes with L1, L2, k1, k2 and o2
// at the nominal arm.
Eigen::Matrix<double, 5, 1> sensitivity(ArmPoint a, ArmPoint b) {
    Eigen::Matrix<double, 5, 1> g;
    const CalibrationMeasure m{a, b, 0};
    double ArmCalibration::*members[5] = {&ArmCalibration::link1, &ArmCalibration::link2,
                                          &ArmCalibration::shoulderGain, &ArmCalibration::elbowGain,
                                          &ArmCalibration::elbowOffset};
    for (int i = 0; i < 5; ++i) {
        const double h = i < 2 ? 1e-3 : 1e-6;
        ArmCalibration up, down;
        up.*members[i] += h;
        down.*members[i] -= h;
        g[i] = (DrawnDistance(up, m) - DrawnDistance(down, m)) / (2 * h);
    }
    return g;
}

struct Candidate {
    int first;
    int second;
    Eigen::Matrix<double, 5, 1> g;
};

std::vector<CalibrationPair> choosePairs(std::vector<Candidate>& pairs, int maxPairs) {
    Eigen::Matrix<double, 5, 1> scale = Eigen::Matrix<double, 5, 1>::Zero();
    for (const Candidate& c : pairs)
        scale += c.g.cwiseAbs2();
    scale = (scale / double(pairs.size())).cwiseSqrt();
    for (Candidate& c : pairs)
        c.g = c.g.cwiseQuotient(scale);
    Eigen::Matrix<double, 5, 5> information = 1e-6 * Eigen::Matrix<double, 5, 5>::Identity();
    std::vector<CalibrationPair> chosen;
    std::vector<bool> taken(pairs.size(), false);
    while (int(chosen.size()) < maxPairs && chosen.size() < pairs.size()) {
        const Eigen::Matrix<double, 5, 5> inverse = information.inverse();
        std::size_t best = 0;
        double bestGain = -1;
        for (std::size_t i = 0; i < pairs.size(); ++i) {
            const double gain = taken[i] ? -1 : pairs[i].g.dot(inverse * pairs[i].g);
            if (gain > bestGain) {
                bestGain = gain;
                best = i;
            }
        }
        taken[best] = true;
        information += pairs[best].g * pairs[best].g.transpose();
        chosen.push_back({pairs[best].first, pairs[best].second});
    }
    return chosen;
}

// Stroke digits as polylines in a box kDigitWidth x kDigitHeight.
std::vector<std::vector<PathPoint>> digitStrokes(int digit) {
    const double w = kDigitWidth, h = kDigitHeight, m = h / 2;
    switch (digit) {
    case 0:
        return {{{0, 0}, {w, 0}, {w, h}, {0, h}, {0, 0}}};
    case 1:
        return {{{w, 0}, {w, h}}};
    case 2:
        return {{{0, h}, {w, h}, {w, m}, {0, m}, {0, 0}, {w, 0}}};
    case 3:
        return {{{0, h}, {w, h}, {w, 0}, {0, 0}}, {{0, m}, {w, m}}};
    case 4:
        return {{{0, h}, {0, m}, {w, m}}, {{w, h}, {w, 0}}};
    case 5:
        return {{{w, h}, {0, h}, {0, m}, {w, m}, {w, 0}, {0, 0}}};
    case 6:
        return {{{w, h}, {0, h}, {0, 0}, {w, 0}, {w, m}, {0, m}}};
    case 7:
        return {{{0, h}, {w, h}, {w, 0}}};
    case 8:
        return {{{0, 0}, {w, 0}, {w, h}, {0, h}, {0, 0}}, {{0, m}, {w, m}}};
    default:
        return {{{w, m}, {0, m}, {0, h}, {w, h}, {w, 0}, {0, 0}}};
    }
}

void addCross(Drawing& drawing, ArmPoint c, int number) {
    drawing.paths.emplace_back(
        std::vector<PathPoint>{{c.x - kCrossHalf, c.y}, {c.x + kCrossHalf, c.y}});
    drawing.paths.emplace_back(
        std::vector<PathPoint>{{c.x, c.y - kCrossHalf}, {c.x, c.y + kCrossHalf}});
    const QByteArray digits = QByteArray::number(number);
    double left = c.x + kCrossHalf - 1;
    for (const char d : digits) {
        for (std::vector<PathPoint> stroke : digitStrokes(d - '0')) {
            for (PathPoint& p : stroke)
                p = {p.x + left, p.y + c.y + kCrossHalf - 1};
            drawing.paths.emplace_back(std::move(stroke));
        }
        left += kDigitWidth + kDigitGap;
    }
}

} // namespace

CalibrationPattern MakeCalibrationPattern(const CalibrationPatternSettings& settings) {
    const std::vector<ArmPoint> points = candidates(settings);
    std::vector<Candidate> pairs;
    for (int i = 0; i < int(points.size()); ++i) {
        for (int j = i + 1; j < int(points.size()); ++j) {
            const double d = std::hypot(points[i].x - points[j].x, points[i].y - points[j].y);
            if (d >= settings.minDistance && d <= settings.maxDistance)
                pairs.push_back({i, j, sensitivity(points[i], points[j])});
        }
    }
    CalibrationPattern pattern;
    if (pairs.empty())
        return pattern;
    const std::vector<CalibrationPair> chosen = choosePairs(pairs, settings.maxPairs);
    // Keep the crosses used, numbered from the right to the left.
    std::vector<int> used;
    for (const CalibrationPair& p : chosen)
        used.insert(used.end(), {p.first, p.second});
    std::sort(used.begin(), used.end(), [&points](int a, int b) {
        return std::atan2(points[a].y, points[a].x) < std::atan2(points[b].y, points[b].x);
    });
    used.erase(std::unique(used.begin(), used.end()), used.end());
    std::map<int, int> number;
    for (int i : used) {
        number[i] = int(pattern.crosses.size());
        pattern.crosses.push_back(points[i]);
    }
    for (const CalibrationPair& p : chosen)
        pattern.pairs.push_back({number[p.first], number[p.second]});
    return pattern;
}

ProgramText WriteCalibrationPattern(const CalibrationPattern& pattern,
                                    const CalibrationPatternSettings& settings) {
    Drawing drawing;
    for (std::size_t i = 0; i < pattern.crosses.size(); ++i)
        addCross(drawing, pattern.crosses[i], int(i) + 1);
    PlacementSettings placement;
    placement.forbiddenRadius = settings.forbiddenRadius;
    placement.margin = settings.margin;
    RouteTravel(drawing, kDrawingHome, placement);
    return WriteDrawingProgram(drawing);
}

QByteArray CalibrationPairsText(const CalibrationPattern& pattern) {
    QByteArray out;
    for (const CalibrationPair& p : pattern.pairs) {
        const ArmPoint a = pattern.crosses[std::size_t(p.first)];
        const ArmPoint b = pattern.crosses[std::size_t(p.second)];
        out += "# " + QByteArray::number(p.first + 1) + " - " + QByteArray::number(p.second + 1) +
               '\n';
        out += QByteArray::number(a.x, 'g', 15) + ' ' + QByteArray::number(a.y, 'g', 15) + ' ' +
               QByteArray::number(b.x, 'g', 15) + ' ' + QByteArray::number(b.y, 'g', 15) + '\n';
    }
    return out;
}
