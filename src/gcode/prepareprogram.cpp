#include "gcode/prepareprogram.h"

#include "gcode/blockview.h"
#include "gcode/numberformat.h"

#include <optional>
#include <string>

namespace {

// Everything one pass keeps between blocks. The strings keep their capacity,
// so after the first few blocks the pass allocates only when its outputs grow.
struct Pass {
    explicit Pass(const PrepareSettings& s) : settings(s) {}

    const PrepareSettings& settings;
    PreparedProgram result;
    BlockView block;
    std::string prevX = "500"; // the arm's start position
    std::string prevY = "0";
    std::string roundedX, roundedY, roundedZ;
    std::string shiftedX, shiftedY;
};

QByteArrayView view(const std::string& s) {
    return QByteArrayView(s.data(), qsizetype(s.size()));
}

// Rounding: each present X, Y, Z becomes the whole-number text of its value,
// halves to the even neighbour.
std::optional<Failure> roundWord(BlockView& block, GcodeWord word, std::string& buffer) {
    if (!block.has(word))
        return std::nullopt;
    const Result<double> value = ParseReal(block.word(word));
    if (!value)
        return value.failure();
    buffer.clear();
    AppendRoundedWhole(buffer, *value);
    block.set(word, view(buffer));
    return std::nullopt;
}

// Shift: the word becomes the FormatReal text of its value plus the shift.
std::optional<Failure> shiftWord(BlockView& block, GcodeWord word, qint32 by, std::string& buffer) {
    const Result<double> value = ParseReal(block.word(word));
    if (!value)
        return value.failure();
    buffer.clear();
    AppendReal(buffer, *value + double(by));
    block.set(word, view(buffer));
    return std::nullopt;
}

// The move from the previous point; the four texts must be whole numbers,
// checked in the order prevX, prevY, X, Y.
std::optional<Failure> recordMove(Pass& pass, PlotRow row) {
    const QByteArrayView texts[4] = {view(pass.prevX), view(pass.prevY),
                                     pass.block.word(GcodeWord::X), pass.block.word(GcodeWord::Y)};
    qint32 values[4];
    for (int i = 0; i < 4; ++i) {
        const Result<qint32> value = ParseWhole(texts[i]);
        if (!value)
            return value.failure();
        values[i] = *value;
    }
    pass.result.moves.push_back(PlotMove{values[0], values[1], values[2], values[3], row});
    return std::nullopt;
}

bool beyondReach(const BlockView& block) {
    const Result<double> x = ParseReal(block.word(GcodeWord::X));
    const Result<double> y = ParseReal(block.word(GcodeWord::Y));
    // Both texts have been written by the shift step, so they convert.
    return x && y && *x * *x + *y * *y > kReachSquared;
}

// Rounding and shift of one parsed block; fills in the report flags.
std::optional<Failure> rewriteCoordinates(Pass& pass, std::uint8_t& messages) {
    BlockView& block = pass.block;
    const PrepareSettings& settings = pass.settings;
    if (settings.RoundCoordinates) {
        if (auto f = roundWord(block, GcodeWord::X, pass.roundedX))
            return f;
        if (auto f = roundWord(block, GcodeWord::Y, pass.roundedY))
            return f;
        if (auto f = roundWord(block, GcodeWord::Z, pass.roundedZ))
            return f;
    }
    if (block.has(GcodeWord::Y)) {
        messages |= CheckReport::ShiftY;
        if (auto f = shiftWord(block, GcodeWord::Y, settings.shift.dy, pass.shiftedY))
            return f;
    }
    if (block.has(GcodeWord::X)) {
        messages |= CheckReport::ShiftX;
        if (auto f = shiftWord(block, GcodeWord::X, settings.shift.dx, pass.shiftedX))
            return f;
    }
    return std::nullopt;
}

// One block: parse, rewrite, keep or drop, record the move, check the reach,
// remember the point.
std::optional<Failure> prepareBlock(Pass& pass, QByteArrayView line, qsizetype index) {
    BlockView& block = pass.block;
    block.parse(line);
    std::uint8_t messages = 0;
    if (auto f = rewriteCoordinates(pass, messages))
        return f;

    const bool hasPoint = block.has(GcodeWord::X) && block.has(GcodeWord::Y);
    const bool repeated = pass.settings.RemoveRepeated && hasPoint &&
                          block.word(GcodeWord::X) == view(pass.prevX) &&
                          block.word(GcodeWord::Y) == view(pass.prevY);
    ProgramText& out = pass.result.lines;
    if (!repeated) {
        const qsizetype before = out.byteCount();
        block.appendCanonical(out.buffer());
        if (out.byteCount() != before)
            out.endLine();
    }

    if (hasPoint) {
        const PlotRow row = MoveColourRow(block.word(GcodeWord::G), block.word(GcodeWord::Z));
        if (auto f = recordMove(pass, row))
            return f;
        if (pass.settings.CheckReach && beyondReach(block))
            messages |= CheckReport::OutOfReach;
    }
    pass.result.checkReport.add(index, messages);

    if (block.has(GcodeWord::X))
        pass.prevX.assign(block.word(GcodeWord::X).data(),
                          std::size_t(block.word(GcodeWord::X).size()));
    if (block.has(GcodeWord::Y))
        pass.prevY.assign(block.word(GcodeWord::Y).data(),
                          std::size_t(block.word(GcodeWord::Y).size()));
    return std::nullopt;
}

} // namespace

Result<PreparedProgram> PrepareProgram(const ProgramText& program,
                                       const PrepareSettings& settings) {
    Pass pass(settings);
    PreparedProgram& result = pass.result;
    result.checkReport = CheckReport(program, settings.shift.dx, settings.shift.dy);
    result.lines.reserve(program.lineCount(), program.byteCount() + program.lineCount() / 8);
    result.moves.reserve(std::size_t(program.lineCount()));

    // The end of the list ends the program like an end block does.
    for (qsizetype i = 0; i < program.lineCount(); ++i) {
        if (auto failure = prepareBlock(pass, program.line(i), i))
            return *failure;
        result.blocksRead = i + 1;
        if (pass.block.word(GcodeWord::M) == "30") {
            result.endBlockFound = true;
            break;
        }
    }
    return std::move(pass.result);
}
