#include "motion/headlessrun.h"

#include "gcode/prepareprogram.h"
#include "gcode/programlist.h"
#include "motion/blockloop.h"
#include "motion/motionsimulator.h"
#include "motion/simulationcontrol.h"
#include "motion/viewpose.h"

Result<HeadlessRunResult> RunHeadless(const ProgramText& source, MotionSink& sink) {
    const Result<PreparedProgram> prepared = PrepareProgram(source, PrepareSettings());
    if (!prepared)
        return prepared.failure();
    ProgramList program;
    program.replace(prepared->lines);

    ViewPose view;
    SimulationControl control;
    MotionSimulator simulator(&view, control);
    simulator.setSink(&sink);
    BlockLoop loop(simulator, control);
    HeadlessRunResult result;
    result.outcome = loop.run(&program);
    result.points = simulator.pointCount();
    if (result.outcome.end == RunEnd::Failed)
        return Failure{result.outcome.error};
    return result;
}
