// fit and outline: a program placed in the arm's safe area, and a pen-up
// program around where it will draw.
#include "command.h"
#include "placementoptions.h"

#include "drawing/programplacement.h"
#include "gcode/programfile.h"

#include <optional>

namespace {

const char kFitHelp[] = QT_TRANSLATE_NOOP(
    "cli", "usage: scara-cli fit FILE [--one-side] [--margin N] [--forbidden R] [--paper P]\n"
           "                     [-o OUT]\n"
           "\n"
           "Places the program's drawing in the arm's safe area: the half ring between\n"
           "the circle of R + N around the base and the reach less N, at least N above\n"
           "the X axis, as large as fits (one scale, moved, upright). Pen-up travel that\n"
           "would pass through the circle goes around it through added G00 lines. Every\n"
           "line keeps its words but X and Y. The program (CR LF) goes to OUT (\"-\":\n"
           "standard output) or standard output, the placement's report to standard\n"
           "error. On an error nothing is written and the status is 1 (2 for a wrong\n"
           "command line).\n"
           "\n"
           "%1");

const char kOutlineHelp[] = QT_TRANSLATE_NOOP(
    "cli", "usage: scara-cli outline FILE [--paper P] [--one-side] [--margin N]\n"
           "                         [--forbidden R] [-o OUT]\n"
           "\n"
           "Writes a pen-up program that travels around the box of the program's\n"
           "drawn moves and, with --paper, around the sheet where fit lays it, so that\n"
           "the arm shows where it will draw before the pen touches the paper. Output\n"
           "and errors as for fit.\n"
           "\n"
           "%1");

struct PlaceOptions {
    QString file;
    QString out;
    PlacementSettings settings;
};

// nullopt when the arguments read; otherwise the exit status.
std::optional<int> parse(const QStringList& args, PlaceOptions& o, const QString& help) {
    QString error;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        const cli::OptionRead read = cli::readPlacementOption(args, i, o.settings, error);
        if (read == cli::OptionRead::Read)
            continue;
        if (read == cli::OptionRead::NotMine && arg == u"-o" && i + 1 < args.size()) {
            o.out = args[++i];
            continue;
        }
        if (read == cli::OptionRead::NotMine && !arg.startsWith(u'-') && o.file.isEmpty()) {
            o.file = arg;
            continue;
        }
        if (read == cli::OptionRead::NotMine)
            error = QCoreApplication::translate("cli", "unexpected argument '%1'").arg(arg);
        cli::err(QStringLiteral("scara-cli: ") + error);
        cli::print(stderr, help);
        return 2;
    }
    if (o.file.isEmpty()) {
        cli::print(stderr, help);
        return 2;
    }
    return std::nullopt;
}

int run(const QStringList& args, const char* helpText, bool outline) {
    const QString help = cli::text(helpText).arg(cli::text(cli::kPlacementHelp));
    if (cli::wantsHelp(args)) {
        cli::print(stdout, help);
        return 0;
    }
    PlaceOptions options;
    if (const std::optional<int> code = parse(args, options, help))
        return *code;
    const Result<ProgramText> program = ReadProgramFile(options.file);
    if (!program) {
        cli::err(program.error());
        return 1;
    }
    if (outline) {
        const Result<ProgramText> lines = OutlineProgram(*program, options.settings);
        if (!lines) {
            cli::err(lines.error());
            return 1;
        }
        return cli::writeProgram(options.out, *lines);
    }
    const Result<PlacedProgram> placed = PlaceProgram(*program, options.settings);
    if (!placed) {
        cli::err(placed.error());
        return 1;
    }
    const int code = cli::writeProgram(options.out, placed->lines);
    if (code == 0)
        cli::err(PlacementReport(placed->placement));
    return code;
}

int runFit(const QStringList& args) {
    return run(args, kFitHelp, false);
}

int runOutline(const QStringList& args) {
    return run(args, kOutlineHelp, true);
}

CliRegistration fitReg{
    {"fit", QT_TRANSLATE_NOOP("cli", "place a program's drawing in the arm's safe area"), &runFit}};
CliRegistration outlineReg{
    {"outline", QT_TRANSLATE_NOOP("cli", "write a pen-up program around where a program draws"),
     &runOutline}};

} // namespace
