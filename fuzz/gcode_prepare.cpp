// Fuzzes ParseBlock and PrepareProgram with arbitrary program bytes. The first
// byte chooses the settings and the shift. Besides crashes and sanitizer
// reports it checks:
// - the one-pass parser gives what reading the line letter by letter gives;
// - a completed pass prepared again without a shift gives the same program,
//   as long as its lines parse back to themselves (the format itself drops
//   words after a NUL or beyond position 255, and splits values that hold a
//   word letter);
// - a stopped pass names its reason.
#include "gcode/blockview.h"
#include "gcode/gcodeblock.h"
#include "gcode/prepareprogram.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

GcodeBlock referenceParse(QByteArrayView line) {
    GcodeBlock block;
    const QByteArray letters(kGcodeWordLetters);
    for (qsizetype position = 1; position <= std::min<qsizetype>(line.size(), 255); ++position) {
        const char c = line[position - 1];
        if (c == '\0')
            break;
        const qsizetype index = letters.indexOf(c);
        if (index >= 0)
            block.words[std::size_t(index)] = ReadWordValue(line, position);
    }
    return block;
}

// Lines that parse back to themselves: no NUL, no word beyond position 255,
// no word letter inside a value (the format reads "MX30" as M and X).
bool stableUnderAnotherPass(const ProgramText& lines) {
    for (qsizetype i = 0; i < lines.lineCount(); ++i) {
        if (FormatBlock(ParseBlock(lines.line(i))) != lines.line(i))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::uint8_t choice = data[0];
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const ProgramText program = ProgramText::fromBytes(bytes);

    BlockView view;
    for (qsizetype i = 0; i < program.lineCount(); ++i) {
        view.parse(program.line(i));
        if (!(view.toBlock() == referenceParse(program.line(i))))
            std::abort();
    }

    PrepareSettings settings;
    settings.RoundCoordinates = (choice & 1) == 0;
    settings.RemoveRepeated = (choice & 2) == 0;
    settings.CheckReach = (choice & 4) == 0;
    if (choice & 8)
        settings.shift = ProgramShift{qint32(choice) * 1000003 - 7, -qint32(choice >> 4)};
    const Result<PreparedProgram> first = PrepareProgram(program, settings);
    if (!first) {
        if (first.error().isEmpty())
            std::abort();
        return 0;
    }
    (void)first->checkReport.lines();
    settings.shift = ProgramShift{};
    const Result<PreparedProgram> again = PrepareProgram(first->lines, settings);
    if (again && stableUnderAnotherPass(first->lines) && !(again->lines == first->lines))
        std::abort();
    return 0;
}
