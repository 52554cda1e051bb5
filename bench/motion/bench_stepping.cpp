// Joint stepping and headless simulation speed: StepJoints sub-steps per
// second with the view stores in place, and simulated points per second for
// a generated plotter program without pen waits.
#include "plottergenerator.h"

#include "motion/headlessrun.h"
#include "motion/jointstepper.h"
#include "motion/simulationcontrol.h"
#include "motion/textlogsink.h"
#include "motion/viewpose.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

// The calling thread's processor time: on a shared machine it tells the cost
// of the work apart from the time spent waiting for a processor.
double threadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

void benchStepJoints() {
    ViewPose view;
    SimulationControl control;
    // Elbow changes between sides (the longest runs) and ordinary moves.
    const JointAngles targets[] = {{10.0, -170.0}, {170.0, 170.0}, {45.0, -90.0}, {90.0, 80.0}};
    double best = 0.0;
    double bestCpu = 0.0;
    for (int round = 0; round < 5; ++round) {
        QElapsedTimer timer;
        timer.start();
        const double cpuStart = threadSeconds();
        std::int64_t subSteps = 0;
        JointAngles pose{0.0, 0.0};
        for (int i = 0; i < 200; ++i) {
            const JointAngles& target = targets[i % 4];
            const JointStepRun run = StepJoints(pose, target.alfa, target.beta, view, &control);
            subSteps += run.alfaSubSteps + run.betaSubSteps;
            pose = run.current;
        }
        const double seconds = timer.nsecsElapsed() / 1e9;
        const double rate = subSteps / seconds;
        best = std::max(best, rate);
        bestCpu = std::max(bestCpu, subSteps / (threadSeconds() - cpuStart));
        if (round == 0)
            std::printf("StepJoints: %lld sub-steps per round\n", (long long)subSteps);
    }
    std::printf("StepJoints: %.0f sub-steps/s wall, %.0f per processor second "
                "(best of 5; target >= 150000000)\n",
                best, bestCpu);
}

void benchHeadless(const char* name, const ProgramText& program) {
    double best = 0.0;
    double bestCpu = 0.0;
    std::int64_t simulated = 0;
    for (int round = 0; round < 5; ++round) {
        TextLogSink sink(TextLogSink::Mode::Joints, nullptr);
        QElapsedTimer timer;
        timer.start();
        const double cpuStart = threadSeconds();
        const Result<HeadlessRunResult> run = RunHeadless(program, sink);
        const double seconds = timer.nsecsElapsed() / 1e9;
        if (!run) {
            std::printf("headless run failed: %s\n", qPrintable(run.error()));
            return;
        }
        simulated = run->points;
        best = std::max(best, simulated / seconds);
        bestCpu = std::max(bestCpu, simulated / (threadSeconds() - cpuStart));
    }
    std::printf("headless simulation, %s: %lld points, %.0f points/s wall, %.0f per processor "
                "second, with joint log lines (best of 5; target >= 200000)\n",
                name, (long long)simulated, best, bestCpu);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchStepJoints();
    benchHeadless("right of the Y axis", GeneratePlotterProgram(10000, false));
    benchHeadless("across the Y axis", GeneratePlotterProgram(10000, true));
    return 0;
}
