#pragma once

#include "base/result.h"
#include "gcode/programtext.h"
#include "motion/motionsink.h"

#include <cstdint>

// A simulation without windows: prepares the program with the default
// settings, then runs the block loop from the home pose with no pen waits,
// publishing into `sink`. A preparation error or a failed run gives the
// station's text.
struct HeadlessRunResult {
    RunOutcome outcome;
    std::int64_t points = 0;
};

Result<HeadlessRunResult> RunHeadless(const ProgramText& source, MotionSink& sink);
