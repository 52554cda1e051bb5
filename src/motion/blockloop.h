#pragma once

#include "motion/motionsink.h"

class MotionSimulator;
class ProgramList;
class SimulationControl;

// The simulation's block loop: follows the program line by line from the
// first with the walker (gcode/programwalk.h), which keeps G, X, Y, Z modal,
// advances the program view, draws the move panel and walks each block that
// names both X and Y. It ends after
// the block whose M word is "30", after the last line of the program, at a
// stop request (read after each block and, inside a move, between grid
// points), or at a G, X, Y or Z word that is not a whole number. Each line is
// read under the program's lock, which is never held across a hand-over or a
// pause.
class BlockLoop {
public:
    BlockLoop(MotionSimulator& simulator, SimulationControl& control);

    // Runs the program from its first line; `program` may be null (no
    // program prepared yet). Does not report the end to the sink.
    RunOutcome run(const ProgramList* program);

private:
    MotionSimulator& simulator_;
    SimulationControl& control_;
};
