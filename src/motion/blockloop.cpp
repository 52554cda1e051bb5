#include "motion/blockloop.h"

#include "base/numberformat.h"
#include "base/windows1250.h"
#include "gcode/gcodeblock.h"
#include "gcode/programlist.h"
#include "motion/motionsimulator.h"
#include "motion/motiontexts.h"
#include "motion/simulationcontrol.h"

namespace {

// Converts the words G, X, Y, Z that are present into the kept values;
// returns the first conversion error.
std::optional<QString> keepModalValues(const GcodeBlock& block, SimulationState& state) {
    const std::pair<GcodeWord, int*> kept[] = {{GcodeWord::G, &state.g},
                                               {GcodeWord::X, &state.x},
                                               {GcodeWord::Y, &state.y},
                                               {GcodeWord::Z, &state.z}};
    for (const auto& [word, value] : kept) {
        if (!block.has(word))
            continue;
        const Result<qint32> whole = ParseWhole(block.word(word));
        if (!whole)
            return whole.error();
        *value = *whole;
    }
    return std::nullopt;
}

} // namespace

BlockLoop::BlockLoop(MotionSimulator& simulator, SimulationControl& control)
    : simulator_(simulator), control_(control) {}

RunOutcome BlockLoop::run(const ProgramList* program) {
    RunOutcome outcome;
    SimulationState& state = simulator_.state();
    MotionSink* const sink = simulator_.sink();
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
        const GcodeBlock block = ParseBlock(*line);
        ++outcome.blocks;
        if (const std::optional<QString> error = keepModalValues(block, state)) {
            outcome.end = RunEnd::Failed;
            outcome.error = MotionTexts::runFailed(block.text(GcodeWord::N), *error);
            return outcome;
        }
        state.nText = block.text(GcodeWord::N);
        state.gText = block.text(GcodeWord::G);
        state.tText = block.text(GcodeWord::T);
        state.zText = block.text(GcodeWord::Z);
        control_.checkpoint();
        if (sink)
            sink->blockStarted(DecodeWindows1250(*line));

        if (block.has(GcodeWord::X) && block.has(GcodeWord::Y)) {
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
        if (block.word(GcodeWord::M) == "30") {
            outcome.end = RunEnd::EndBlock;
            return outcome;
        }
    }
}
