// The arm's calibration: how long correcting a program of a million lines
// takes, and how well the fit recovers synthetic arms from the pattern's
// pairs measured with 0.2 mm noise, told by how far each arm draws a test
// drawing from the intended one after correction.
#include "syntheticarm.h"

#include "motion/programcorrection.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// Rows of 10 mm strokes over the right half of the safe area, again and
// again, a travel every tenth stroke: `lines` lines.
ProgramText strokeProgram(int lines) {
    ProgramText program;
    program.reserve(lines, qsizetype(lines) * 28);
    int n = 0;
    while (n < lines) {
        for (int y = 170; y <= 470 && n < lines; y += 10) {
            const int right = int(std::sqrt(480.0 * 480 - y * y));
            const int left = y < 170 ? int(std::sqrt(170.0 * 170 - y * y)) + 10 : 20;
            for (int x = left; x <= right && n < lines; x += 10, ++n) {
                const char* g = n % 10 == 0 ? "G00" : "G01";
                program.appendLine("N" + QByteArray::number(10 * (n + 1)) + ' ' + g + " X" +
                                   QByteArray::number(x) + " Y" + QByteArray::number(y) +
                                   (n % 10 == 0 ? " Z10" : " Z1"));
            }
        }
    }
    return program;
}

void benchCorrection() {
    const ProgramText program = strokeProgram(1000000);
    const ArmCalibration arm{251.5, 248.7, 1.003, 0.996, 0.5};
    double best = 1e9;
    qsizetype lines = 0;
    for (int round = 0; round < 3; ++round) {
        QElapsedTimer timer;
        timer.start();
        const Result<CorrectedProgram> corrected = CorrectProgram(program, arm);
        best = std::min(best, timer.nsecsElapsed() / 1e9);
        lines = corrected->program.lineCount();
    }
    std::printf("CorrectProgram: %lld lines in, %lld out, %.3f s (best of 3; target < 1 s)\n",
                (long long)program.lineCount(), (long long)lines, best);
}

void benchFit() {
    QElapsedTimer timer;
    timer.start();
    const CalibrationPattern pattern = MakeCalibrationPattern();
    std::printf("Pattern: %zu crosses, %zu pairs, %.3f s\n", pattern.crosses.size(),
                pattern.pairs.size(), timer.nsecsElapsed() / 1e9);
    for (unsigned seed = 1; seed <= 3; ++seed) {
        const ArmCalibration arm = synthetic::randomArm(seed);
        timer.restart();
        const Result<CalibrationFit> fit =
            FitCalibration(synthetic::measure(pattern, arm, 0.2, seed + 100));
        const double seconds = timer.nsecsElapsed() / 1e9;
        if (!fit) {
            std::printf("arm %u: %s\n", seed, qPrintable(fit.error()));
            continue;
        }
        const ArmCalibration& c = fit->calibration;
        const auto& u = fit->uncertainty;
        std::printf("arm %u: true L1 %.3f L2 %.3f k1 %.5f k2 %.5f o2 %.3f\n", seed, arm.link1,
                    arm.link2, arm.shoulderGain, arm.elbowGain, arm.elbowOffset);
        std::printf("       fit  L1 %.3f±%.3f L2 %.3f±%.3f k1 %.5f±%.5f k2 %.5f±%.5f "
                    "o2 %.3f±%.3f, residual RMS %.3f mm, %.3f s\n",
                    c.link1, u[0], c.link2, u[1], c.shoulderGain, u[2], c.elbowGain, u[3],
                    c.elbowOffset, u[4], fit->residualRms, seconds);
        std::printf("       test drawing RMS: %.3f mm uncorrected, %.3f mm corrected; "
                    "after the best turn about the base (o1, unseen by a ruler): %.3f mm "
                    "uncorrected, %.3f mm corrected (target < 0.2)\n",
                    synthetic::drawingRms(arm, ArmCalibration{}), synthetic::drawingRms(arm, c),
                    synthetic::drawingRms(arm, ArmCalibration{}, true),
                    synthetic::drawingRms(arm, c, true));
    }
}

} // namespace

int main() {
    benchFit();
    benchCorrection();
    return 0;
}
