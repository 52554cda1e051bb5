#include "motion/blockloop.h"

#include "base/numberformat.h"
#include "base/windows1250.h"
#include "gcode/gcodeblock.h"
#include "gcode/programlist.h"
#include "gcode/programwalk.h"
#include "motion/motionsimulator.h"
#include "motion/motiontexts.h"
#include "motion/simulationcontrol.h"

namespace {

// The simulation counts in whole steps: G, X, Y and Z, where the block has
// them, must be whole numbers. The first that is not gives the error.
std::optional<QString> checkWhole(const GcodeBlock& block) {
    for (const GcodeWord word : {GcodeWord::G, GcodeWord::X, GcodeWord::Y, GcodeWord::Z}) {
        if (!block.has(word))
            continue;
        if (const Result<qint32> whole = ParseWhole(block.word(word)); !whole)
            return whole.error();
    }
    return std::nullopt;
}

// A run goes on from the values the last one left, as the simulation keeps
// them.
ProgramState modalValues(const SimulationState& state) {
    ProgramState walked;
    walked.takeG(state.g);
    walked.x = state.x;
    walked.y = state.y;
    walked.z = state.z;
    return walked;
}

// The walker's modal values, whole numbers once checked.
void keepModalValues(const ProgramState& walked, SimulationState& state) {
    state.g = int(*walked.g);
    state.x = int(walked.x);
    state.y = int(walked.y);
    state.z = int(*walked.z);
}

struct MoveSink final : ProgramSink {
    void move(const WalkMove& m) override { movesBoth = m.namesBoth(); }
    bool movesBoth = false;
};

} // namespace

BlockLoop::BlockLoop(MotionSimulator& simulator, SimulationControl& control)
    : simulator_(simulator), control_(control) {}

RunOutcome BlockLoop::run(const ProgramList* program) {
    RunOutcome outcome;
    SimulationState& state = simulator_.state();
    MotionSink* const sink = simulator_.sink();
    ProgramWalker walker(modalValues(state));
    for (qsizetype index = 0;; ++index) {
        if (control_.takeStartAtHome()) {
            state.startX = arm::kHomeX;
            state.startY = arm::kHomeY;
        }
        const std::optional<QByteArray> line = program ? program->lineAt(index) : std::nullopt;
        if (!line) {
            if (index == 0)
                return {RunEnd::Failed, MotionTexts::noProgram(), 0};
            outcome.end = RunEnd::EndOfList;
            return outcome;
        }
        MoveSink moved;
        const Status followed = walker.follow(*line, index, moved);
        const GcodeBlock block = walker.block().toBlock();
        ++outcome.blocks;
        // Whatever the walker fails on is not a whole number either.
        if (const std::optional<QString> error = checkWhole(block); error || !followed) {
            outcome.end = RunEnd::Failed;
            outcome.error =
                MotionTexts::runFailed(block.text(GcodeWord::N), error ? *error : followed.error());
            return outcome;
        }
        keepModalValues(walker.state(), state);
        state.nText = block.text(GcodeWord::N);
        state.gText = block.text(GcodeWord::G);
        state.tText = block.text(GcodeWord::T);
        state.zText = block.text(GcodeWord::Z);
        control_.checkpoint();
        if (sink)
            sink->blockStarted(DecodeWindows1250(*line));

        if (moved.movesBoth) {
            control_.checkpoint();
            if (sink)
                sink->moveStarting(state);
            // Whole numbers convert as reals too.
            simulator_.MoveLinear(state.x, state.y);
            state.startX = state.x;
            state.startY = state.y;
        }
        control_.checkpoint();
        if (control_.stopRequested()) {
            outcome.end = RunEnd::Stopped;
            return outcome;
        }
        if (walker.atEndBlock()) {
            outcome.end = RunEnd::EndBlock;
            return outcome;
        }
    }
}
