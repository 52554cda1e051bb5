// scara-cli prepare and plot: the station's preparation pass and trajectory
// plot for scripts and pipelines.
#include "calibrationoptions.h"
#include "command.h"
#include "layeroptions.h"

#include "base/numberformat.h"
#include "gcode/picturefile.h"
#include "gcode/plotbackground.h"
#include "gcode/plotsurface.h"
#include "gcode/prepareprogram.h"
#include "gcode/programfile.h"

#include <cstdio>

namespace {

const char kPrepareHelp[] = QT_TRANSLATE_NOOP(
    "cli", "usage: scara-cli prepare FILE [--no-round] [--keep-repeats] [--no-reach-check]\n"
           "                         [--dx N] [--dy N] [--report-shifts]\n"
           "                         [--calibration CAL] [LAYER OPTIONS] [-o OUT]\n"
           "\n"
           "Prepares a G-code program as the station does when it opens a file: rounds\n"
           "X, Y and Z (halves to even), adds the shift, writes every block in canonical\n"
           "form, drops blocks that repeat the previous point, checks the arm's reach and\n"
           "stops after the block with M30 (or at the last line).\n"
           "\n"
           "The prepared program goes to OUT (a file is replaced only when complete; a\n"
           "device or FIFO is written into) or to standard output, with CR LF line ends\n"
           "and the file's 8-bit bytes unchanged; the check report goes to standard\n"
           "error: the blocks beyond the reach, and the shift lines when a shift is\n"
           "given. Exit status 0; on an error the station's message goes to standard\n"
           "error, nothing is written and the status is 1.\n"
           "\n"
           "  --no-round        keep X, Y and Z as written (Zaokraglanie wspolrzednych off)\n"
           "  --keep-repeats    keep blocks that repeat the previous point\n"
           "  --no-reach-check  do not check the 500-unit reach\n"
           "  --dx N, --dy N    shift the drawing by N plot units (whole numbers)\n"
           "  --report-shifts   report the shift lines of every block, also for a shift of 0\n"
           "  --calibration CAL correct the prepared program for the arm calibrated in\n"
           "                    CAL (see scara-cli correct)\n"
           "  -o OUT            write the prepared program to OUT (\"-\": standard output)\n"
           "\n"
           "With a layer option the program written is the one send sends: the layer\n"
           "marks left out, only the layers asked for, their holds (M00) in:\n"
           "%1");

const char kPlotHelp[] = QT_TRANSLATE_NOOP(
    "cli", "usage: scara-cli plot FILE -o OUT.bmp|OUT.png [--background IMAGE]\n"
           "\n"
           "Prepares the program with the default settings and saves the 1000 x 500 plot\n"
           "as the station draws it: the background (the station's default grid, or\n"
           "IMAGE drawn unscaled at the top-left corner) and the program's moves in the\n"
           "default trajectory colours. PNG when OUT ends in .png, otherwise a Windows\n"
           "bitmap (also for \"-o -\", standard output). Exit status 0; on an error the\n"
           "station's message goes to standard error, no picture is written and the\n"
           "status is 1.\n");

struct Options {
    QString file;
    QString out;
    QString background;
    PrepareSettings settings;
    bool reportShifts = false;
    QString calibration;
    cli::LayerOptions layers;
};

QString prepareHelp() {
    return cli::text(kPrepareHelp).arg(cli::text(cli::kLayerHelp));
}

int usageError(const QString& message, const char* help) {
    cli::err(QStringLiteral("scara-cli: ") + message);
    cli::print(stderr, help == kPrepareHelp ? prepareHelp() : cli::text(help));
    return 2;
}

// Parses the options shared by both commands; returns an exit code on error.
std::optional<int> parseOptions(const QStringList& args, Options& options, bool shiftAllowed,
                                const char* help) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        auto value = [&]() -> std::optional<QString> {
            if (i + 1 >= args.size())
                return std::nullopt;
            return args[++i];
        };
        QString layerError;
        if (shiftAllowed && cli::readLayerOption(args, i, options.layers, layerError)) {
            if (!layerError.isEmpty())
                return usageError(layerError, help);
        } else if (shiftAllowed && arg == QLatin1String("--no-round")) {
            options.settings.RoundCoordinates = false;
        } else if (shiftAllowed && arg == QLatin1String("--keep-repeats")) {
            options.settings.RemoveRepeated = false;
        } else if (shiftAllowed && arg == QLatin1String("--no-reach-check")) {
            options.settings.CheckReach = false;
        } else if (shiftAllowed && arg == QLatin1String("--report-shifts")) {
            options.reportShifts = true;
        } else if (shiftAllowed && (arg == QLatin1String("--dx") || arg == QLatin1String("--dy"))) {
            const std::optional<QString> text = value();
            if (!text)
                return usageError(QCoreApplication::translate("cli", "%1 needs a value").arg(arg),
                                  help);
            const Result<qint32> n = ParseWhole(*text);
            if (!n) {
                cli::err(n.error());
                return 1;
            }
            (arg == QLatin1String("--dx") ? options.settings.shift.dx : options.settings.shift.dy) =
                *n;
        } else if (shiftAllowed && arg == QLatin1String("--calibration")) {
            const std::optional<QString> text = value();
            if (!text)
                return usageError(
                    QCoreApplication::translate("cli", "--calibration needs a file name"), help);
            options.calibration = *text;
        } else if (arg == QLatin1String("-o")) {
            const std::optional<QString> text = value();
            if (!text)
                return usageError(QCoreApplication::translate("cli", "-o needs a file name"), help);
            options.out = *text;
        } else if (!shiftAllowed && arg == QLatin1String("--background")) {
            const std::optional<QString> text = value();
            if (!text)
                return usageError(
                    QCoreApplication::translate("cli", "--background needs a file name"), help);
            options.background = *text;
        } else if (arg.startsWith(QLatin1Char('-')) && arg.size() > 1) {
            return usageError(QCoreApplication::translate("cli", "unknown option %1").arg(arg),
                              help);
        } else if (options.file.isEmpty()) {
            options.file = arg;
        } else {
            return usageError(QCoreApplication::translate("cli", "one program file only"), help);
        }
    }
    if (options.file.isEmpty())
        return usageError(QCoreApplication::translate("cli", "no program file given"), help);
    return std::nullopt;
}

// The kinds of report line prepare writes: the reach lines, and the shift
// lines of an axis with a shift (or of both axes when asked). A program of a
// million blocks, not shifted, then reports no two million lines that say
// nothing, and the pass records none of them.
std::uint8_t reportedMessages(const Options& options) {
    std::uint8_t kinds = CheckReport::OutOfReach;
    if (options.reportShifts || options.settings.shift.dy != 0)
        kinds |= CheckReport::ShiftY;
    if (options.reportShifts || options.settings.shift.dx != 0)
        kinds |= CheckReport::ShiftX;
    return kinds;
}

void writeReport(const CheckReport& report, std::uint8_t kinds) {
    QByteArray chunk;
    report.forEachLine(
        [&](const QString& line) {
            chunk.append(line.toLocal8Bit());
            chunk.append('\n');
            if (chunk.size() > (1 << 16)) {
                std::fwrite(chunk.constData(), 1, std::size_t(chunk.size()), stderr);
                chunk.clear();
            }
        },
        kinds);
    std::fwrite(chunk.constData(), 1, std::size_t(chunk.size()), stderr);
}

// Prepared, then made into what is sent (the layer options) and corrected
// for the calibrated arm: the program is whole before anything is written.
int prepareWhole(const ProgramText& program, const Options& options) {
    const Result<PreparedProgram> prepared = PrepareProgram(program, options.settings);
    if (!prepared) {
        cli::err(prepared.error());
        return 1;
    }
    ProgramText lines = prepared->lines;
    if (options.layers.given()) {
        const Result<SendPlan> plan = cli::MakeSendPlan(options.layers, lines);
        const Result<SendProgram> sent =
            plan ? BuildSendProgram(lines, *plan) : Result<SendProgram>(plan.failure());
        if (!sent) {
            cli::err(sent.error());
            return 1;
        }
        lines = sent->lines;
    }
    const Result<ProgramText> corrected =
        options.calibration.isEmpty() ? Result<ProgramText>(lines)
                                      : cli::correctForCalibration(options.calibration, lines);
    if (!corrected) {
        cli::err(corrected.error());
        return 1;
    }
    if (options.out.isEmpty() || cli::isStandardOutput(options.out)) {
        cli::out(corrected->toBytes());
        if (!cli::finishStandardOutput())
            return 1;
    } else if (const Status written = WriteProgramFile(options.out, *corrected); !written) {
        cli::err(written.error());
        return 1;
    }
    writeReport(prepared->checkReport, options.settings.reportMessages);
    return 0;
}

int runPrepare(const QStringList& args) {
    if (cli::wantsHelp(args)) {
        cli::print(stdout, prepareHelp());
        return 0;
    }
    Options options;
    if (const std::optional<int> code = parseOptions(args, options, true, kPrepareHelp))
        return *code;
    const Result<ProgramText> program = ReadProgramFile(options.file);
    if (!program) {
        cli::err(program.error());
        return 1;
    }
    options.settings.recordMoves = false; // nothing is plotted
    options.settings.reportMessages = reportedMessages(options);
    if (!options.calibration.isEmpty() || options.layers.given())
        return prepareWhole(*program, options);
    // The prepared lines go straight to their file (or one buffer for
    // standard output) with their line ends, instead of a second program.
    const qsizetype expectedBytes = program->byteCount() + 3 * program->lineCount();
    if (options.out.isEmpty() || cli::isStandardOutput(options.out)) {
        ProgramBytesSink bytes;
        bytes.reserve(expectedBytes);
        const Result<PreparedProgram> prepared = PrepareProgram(*program, options.settings, bytes);
        if (!prepared) {
            cli::err(prepared.error());
            return 1;
        }
        std::fwrite(bytes.bytes().data(), 1, std::size_t(bytes.bytes().size()), stdout);
        if (!cli::finishStandardOutput())
            return 1;
        writeReport(prepared->checkReport, options.settings.reportMessages);
        return 0;
    }
    ProgramFileWriter file(options.out, expectedBytes);
    const Result<PreparedProgram> prepared = PrepareProgram(*program, options.settings, file);
    if (!prepared) {
        cli::err(prepared.error());
        return 1;
    }
    if (const Status written = file.commit(); !written) {
        cli::err(written.error());
        return 1;
    }
    writeReport(prepared->checkReport, options.settings.reportMessages);
    return 0;
}

int runPlot(const QStringList& args) {
    if (cli::wantsHelp(args)) {
        cli::print(stdout, cli::text(kPlotHelp));
        return 0;
    }
    Options options;
    if (const std::optional<int> code = parseOptions(args, options, false, kPlotHelp))
        return *code;
    if (options.out.isEmpty())
        return usageError(
            QCoreApplication::translate("cli", "-o OUT.bmp or -o OUT.png is required"), kPlotHelp);
    QImage background = MakeDefaultBackground();
    if (!options.background.isEmpty()) {
        Result<QImage> read = ReadBackgroundFile(options.background);
        if (!read) {
            cli::err(read.error());
            return 1;
        }
        background = std::move(read).value();
    }
    const Result<ProgramText> program = ReadProgramFile(options.file);
    if (!program) {
        cli::err(program.error());
        return 1;
    }
    const Result<PreparedProgram> prepared = PrepareProgram(*program, PrepareSettings());
    if (!prepared) {
        cli::err(prepared.error());
        return 1;
    }
    PlotSurface surface;
    surface.paintBackground(background);
    surface.drawMoves(prepared->moves, PlotColours::defaults());
    if (cli::isStandardOutput(options.out)) {
        const Result<QByteArray> bytes = EncodePicture(surface.image(), "bmp");
        if (!bytes) {
            cli::err(bytes.error());
            return 1;
        }
        cli::out(*bytes);
    } else if (const Status saved = WritePicture(options.out, surface.image()); !saved) {
        cli::err(saved.error());
        return 1;
    }
    return 0;
}

CliRegistration prepareRegistration{
    {"prepare",
     QT_TRANSLATE_NOOP("cli", "prepare a G-code program as the station does (round, shift, check)"),
     &runPrepare}};
CliRegistration plotRegistration{
    {"plot", QT_TRANSLATE_NOOP("cli", "save the trajectory plot of a G-code program as BMP or PNG"),
     &runPlot}};

} // namespace
