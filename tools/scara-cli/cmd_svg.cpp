// import-svg and optimize: an SVG drawing made into a program, and a
// program's drawing moves joined, simplified and ordered.
#include "command.h"
#include "penoptions.h"
#include "placementoptions.h"

#include "base/numberformat.h"
#include "controller/transferprogress.h"
#include "drawing/pathoptimizer.h"
#include "gcode/programfile.h"
#include "svg/svgimport.h"
#include "svg/svgmessages.h"

#include <cstdio>
#include <optional>

namespace {

const char kImportHelp[] = QT_TRANSLATE_NOOP(
    "cli", "usage: scara-cli import-svg FILE [--fit [--one-side] [--margin N] [--forbidden R]\n"
           "                            [--paper P]] [--tolerance T] [--no-optimize]\n"
           "                            [--pen-heights H1,...,H8] [--travel-height N]\n"
           "                            [--hold-pen-change] [--no-dashes] [-o OUT]\n"
           "\n"
           "Reads an SVG drawing and writes it as a program in the station's form\n"
           "(numbered lines, G00 travel with the pen up, G01 drawing with the pen's Z,\n"
           "M30), CR LF, to OUT (\"-\": standard output) or standard output. Every\n"
           "visible shape is drawn along its outline, a filled one closed, dashed\n"
           "strokes as dashes, all of it cut to the viewports, clip paths and masks;\n"
           "curves are cut into lines no farther than T program units (0,25) from\n"
           "them. Stroke colours, or the layers of a file with two or more, become\n"
           "pens 1 to 8.\n"
           "\n"
           "  --fit              scale and move the drawing into the arm's safe area (the\n"
           "                     half ring between the forbidden circle and the reach,\n"
           "                     above the X axis), as large as fits, pen-up travel led\n"
           "                     around the circle (otherwise a millimetre of the page is\n"
           "                     a unit); the placement options below go with it\n"
           "  --tolerance T      flattening and simplifying tolerance in units (0,25)\n"
           "  --no-optimize      keep the document's order and points\n"
           "  --pen-heights ...  Z of pens 1 to 8 (1,2,...,8)\n"
           "  --travel-height N  Z of pen-up moves (10)\n"
           "  --hold-pen-change  write M00 before each change of pen\n"
           "  --no-dashes        draw dashed strokes solid\n"
           "\n"
           "%1\n"
           "The import report goes to standard error. On an error the message names\n"
           "the file, nothing is written and the status is 1 (2 for a wrong command line).\n");

const char kOptimizeHelp[] = QT_TRANSLATE_NOOP(
    "cli", "usage: scara-cli optimize FILE [--tolerance T] [--cost distance|joint|best] [-o OUT]\n"
           "\n"
           "Optimises a program's drawing moves: joins paths whose ends meet, drops\n"
           "points that move the drawing by less than T units (0,25) and moves that go\n"
           "nowhere, and orders the paths (nearest neighbour, then 2-opt) to cut\n"
           "pen-up travel: by distance, by the joints' turn between the ends, or (best,\n"
           "the default) both, keeping the order the arm travels faster. Lines other\n"
           "than plain G00/G01 moves stay where they are,\n"
           "and every line is numbered anew. The program goes to OUT (\"-\": standard\n"
           "output) or standard output; the figures before and after to standard error.\n");

// The transfer's time for the figures, at the station's default line speed.
double transferSeconds(const DrawingFigures& figures) {
    return TransferModel{}.seconds(figures.lines, figures.bytes);
}

QString importHelp() {
    return cli::text(kImportHelp)
        .arg(cli::text(cli::kPenPassHelp) + cli::text(cli::kPlacementHelp));
}

int usageError(const QString& message, const QString& help) {
    cli::err(QStringLiteral("scara-cli: ") + message);
    cli::print(stderr, help);
    return 2;
}

struct ImportOptions {
    QString file;
    QString out;
    SvgImportSettings settings;
};

std::optional<int> parseImport(const QStringList& args, ImportOptions& o) {
    QString error;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == u"--fit") {
            o.settings.fit = true;
        } else if (arg == u"--no-optimize") {
            o.settings.optimize = false;
        } else if (arg == u"--hold-pen-change") {
            o.settings.holdBetweenPens = true;
        } else if (arg == u"--no-dashes") {
            o.settings.dashes = false;
        } else if (arg == u"-o" && hasValue) {
            o.out = args[++i];
        } else if (const cli::OptionRead pen =
                       cli::readPenPassOption(args, i, o.settings.pen, error);
                   pen != cli::OptionRead::NotMine) {
            if (const std::optional<int> code = cli::penPassOptionFault(pen, error))
                return code;
        } else if (const cli::OptionRead read =
                       cli::readPlacementOption(args, i, o.settings.placement, error);
                   read != cli::OptionRead::NotMine) {
            if (read == cli::OptionRead::Bad)
                return usageError(error, importHelp());
        } else if ((arg == u"--tolerance" || arg == u"--travel-height") && hasValue) {
            const std::optional<double> value = cli::number(args[++i]);
            if (!value || (arg == u"--tolerance" && !(*value > 0)))
                return usageError(
                    QCoreApplication::translate("cli", "%1 needs a positive number").arg(arg),
                    importHelp());
            (arg == u"--tolerance" ? o.settings.tolerance : o.settings.travelHeight) = *value;
        } else if (arg == u"--pen-heights" && hasValue) {
            const QStringList heights = args[++i].split(u',');
            if (heights.size() != 8)
                return usageError(
                    QCoreApplication::translate("cli", "--pen-heights needs eight values"),
                    importHelp());
            for (qsizetype pen = 0; pen < 8; ++pen) {
                const std::optional<double> value = cli::number(heights[pen]);
                if (!value)
                    return usageError(
                        QCoreApplication::translate("cli", "--pen-heights: '%1' is not a number")
                            .arg(heights[pen]),
                        importHelp());
                o.settings.penHeights[size_t(pen)] = *value;
            }
        } else if (!arg.startsWith(u'-') && o.file.isEmpty()) {
            o.file = arg;
        } else {
            return usageError(
                QCoreApplication::translate("cli", "unexpected argument '%1'").arg(arg),
                importHelp());
        }
    }
    if (o.file.isEmpty())
        return usageError(QCoreApplication::translate("cli", "import-svg needs a file"),
                          importHelp());
    return cli::checkPenPassOptions(o.settings.pen);
}

int runImportSvg(const QStringList& args) {
    if (cli::wantsHelp(args)) {
        cli::print(stdout, importHelp());
        return 0;
    }
    ImportOptions options;
    if (const std::optional<int> code = parseImport(args, options))
        return *code;
    const Result<SvgImport> imported = ImportSvgFile(options.file, options.settings);
    if (!imported) {
        cli::err(imported.error());
        return 1;
    }
    const int code = cli::writeProgram(options.out, imported->program);
    if (code == 0) {
        for (const QString& line : imported->report)
            cli::err(line);
        if (options.settings.optimize) {
            for (const QString& line :
                 FiguresReport(imported->before, imported->after, &transferSeconds))
                cli::err(line);
        }
    }
    return code;
}

int runOptimize(const QStringList& args) {
    if (cli::wantsHelp(args)) {
        cli::print(stdout, cli::text(kOptimizeHelp));
        return 0;
    }
    QString file, out;
    OptimizerSettings settings;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == u"-o" && hasValue) {
            out = args[++i];
        } else if (arg == u"--tolerance" && hasValue) {
            const std::optional<double> value = cli::number(args[++i]);
            if (!value || !(*value > 0))
                return usageError(
                    QCoreApplication::translate("cli", "--tolerance needs a positive number"),
                    cli::text(kOptimizeHelp));
            settings.tolerance = *value;
        } else if (arg == u"--cost" && hasValue) {
            const QString cost = args[++i];
            if (cost != u"distance" && cost != u"joint" && cost != u"best")
                return usageError(
                    QCoreApplication::translate("cli", "--cost is distance, joint or best"),
                    cli::text(kOptimizeHelp));
            settings.cost = cost == u"joint"      ? TravelCost::JointTime
                            : cost == u"distance" ? TravelCost::Distance
                                                  : TravelCost::Best;
        } else if (!arg.startsWith(u'-') && file.isEmpty()) {
            file = arg;
        } else {
            return usageError(
                QCoreApplication::translate("cli", "unexpected argument '%1'").arg(arg),
                cli::text(kOptimizeHelp));
        }
    }
    if (file.isEmpty())
        return usageError(QCoreApplication::translate("cli", "optimize needs a file"),
                          cli::text(kOptimizeHelp));
    const Result<ProgramText> program = ReadProgramFile(file);
    if (!program) {
        cli::err(program.error());
        return 1;
    }
    const Result<ProgramOptimization> optimized = OptimizeProgram(*program, settings);
    if (!optimized) {
        cli::err(optimized.error());
        return 1;
    }
    const int code = cli::writeProgram(out, optimized->lines);
    if (code == 0) {
        for (const QString& line :
             FiguresReport(optimized->before, optimized->after, &transferSeconds))
            cli::err(line);
    }
    return code;
}

CliRegistration importReg{
    {"import-svg",
     QT_TRANSLATE_NOOP("cli", "make an SVG drawing into a program in the station's form"),
     &runImportSvg, true}};
CliRegistration optimizeReg{
    {"optimize", QT_TRANSLATE_NOOP("cli", "join, simplify and order a program's drawing moves"),
     &runOptimize}};

} // namespace
