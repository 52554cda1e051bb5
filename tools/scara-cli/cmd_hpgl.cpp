// convert-hpgl: a plot file to a numbered G-code program, as the converter
// window's "Konwersja" does it with a freshly loaded file.
#include "command.h"
#include "placementoptions.h"

#include "hpgl/conversionloop.h"
#include "hpgl/hpglmessages.h"
#include "hpgl/integertext.h"
#include "hpgl/plotfile.h"
#include "hpgl/plotfitting.h"

#include "base/outputfile.h"
#include "gcode/programfile.h"

#include <cstdio>
#include <memory>

namespace {

constexpr qsizetype kLinesPerPiece = 65536;

const char kConvertUsage[] = QT_TRANSLATE_NOOP(
    "cli", "usage: scara-cli convert-hpgl FILE [-o OUT] [--pen-heights H1,...,H8]\n"
           "                              [--travel-height N] [--step N]\n"
           "                              [--normalize] [--fit] [--one-side] [--margin N]\n"
           "                              [--forbidden R] [--paper P] [--chord-degrees A]\n"
           "                              [--skip-empty-lines]\n"
           "Converts the plot file with the converter window's settings (pen heights\n"
           "1..8, travel height 10, line numbers from 10 in steps of 10) and writes\n"
           "the G-code (CR LF) to OUT (\"-\": standard output) or standard output. On\n"
           "an error the lines emitted before it are written and the command exits\n"
           "with 1. Like the window, the conversion stops at an empty line; when lines\n"
           "follow it, that is an error too (exit 1, the line named), unless\n"
           "--skip-empty-lines lets it pass over empty lines.\n"
           "--normalize first brings a plot file of any common layout to one\n"
           "instruction a line; --fit also scales and moves it into the arm's safe\n"
           "area (the half ring between the forbidden circle and the reach, above the\n"
           "X axis), as large as fits, pen-up travel led around the circle, and\n"
           "reports the placement on standard error:\n"
           "%1");

const char kNormalizeUsage[] = QT_TRANSLATE_NOOP(
    "cli",
    "usage: scara-cli normalize-hpgl FILE [--fit] [--one-side] [--margin N] [--forbidden R]\n"
    "                                [--paper P] [--chord-degrees A] [-o OUT]\n"
    "Writes the plot file one instruction a line (IN;, SPn;, PUx y;, PDx y;),\n"
    "arcs and circles as chords (5 degrees unless given), other instructions\n"
    "left out and counted on standard error. --fit places the drawing in the\n"
    "arm's safe area as convert-hpgl --fit does:\n"
    "%1");

QString convertUsage() {
    return cli::text(kConvertUsage).arg(cli::text(cli::kPlacementHelp));
}
QString normalizeUsage() {
    return cli::text(kNormalizeUsage).arg(cli::text(cli::kPlacementHelp));
}

struct ConvertOptions {
    QString input;
    QString output;
    ConverterSettings settings;
    bool normalize = false;
    bool skipEmptyLines = false;
    NormalizeOptions normalizing;
};

// Reads --fit, --normalize, the placement options and --chord-degrees; false when the
// argument is none of them. A bad value is reported and sets `bad`.
bool parseNormalizeOption(const QStringList& args, qsizetype& i, ConvertOptions& options,
                          bool& bad) {
    const QString& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    QString error;
    if (arg == QLatin1String("--normalize")) {
        options.normalize = true;
    } else if (arg == QLatin1String("--fit")) {
        options.normalize = true;
        options.normalizing.fit = true;
    } else if (const cli::OptionRead read =
                   cli::readPlacementOption(args, i, options.normalizing.fitting, error);
               read != cli::OptionRead::NotMine) {
        if (read == cli::OptionRead::Bad) {
            cli::err(error);
            bad = true;
        }
    } else if (arg == QLatin1String("--chord-degrees") && hasValue) {
        const Result<double> chord = readChordDegrees(args[++i]);
        if (!chord) {
            cli::err(chord.error());
            bad = true;
        } else {
            options.normalizing.normalizer.chordDegrees = *chord;
        }
    } else {
        return false;
    }
    return true;
}

// Fills `options` from the arguments; false on a usage error (already reported).
bool parseConvertOptions(const QStringList& args, ConvertOptions& options) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        bool bad = false;
        if (parseNormalizeOption(args, i, options, bad)) {
            if (bad)
                return false;
        } else if (arg == QLatin1String("-o") && hasValue) {
            options.output = args[++i];
        } else if (arg == QLatin1String("--pen-heights") && hasValue) {
            const QStringList heights = args[++i].split(u',');
            if (heights.size() != 8) {
                cli::err(QCoreApplication::translate(
                    "cli", "convert-hpgl: --pen-heights needs eight values"));
                return false;
            }
            for (size_t pen = 0; pen < 8; ++pen)
                options.settings.penHeights[pen] = heights[qsizetype(pen)];
        } else if (arg == QLatin1String("--skip-empty-lines")) {
            options.skipEmptyLines = true;
        } else if (arg == QLatin1String("--travel-height") && hasValue) {
            options.settings.travelHeight = args[++i];
        } else if (arg == QLatin1String("--step") && hasValue) {
            options.settings.lineStep = args[++i];
        } else if (!arg.startsWith(u'-') && options.input.isEmpty()) {
            options.input = arg;
        } else {
            cli::err(QCoreApplication::translate("cli", "convert-hpgl: unexpected argument '%1'")
                         .arg(arg));
            return false;
        }
    }
    if (options.input.isEmpty()) {
        cli::print(stderr, convertUsage());
        return false;
    }
    return true;
}

// Where the G-code goes: standard output ("-" or no name), or OUT through
// OutputFile, which replaces a regular file only when everything was
// written and writes into a device or FIFO. The lines are collected with
// their CR LF as the conversion makes them and passed on in pieces of about
// 1 MiB, so a large file never holds all its G-code.
class GcodeSink final : public PreparedLineSink {
public:
    explicit GcodeSink(const QString& path) {
        bytes_.reserve(kPiece + 4096);
        if (path.isEmpty() || cli::isStandardOutput(path))
            return;
        path_ = path;
        file_ = std::make_unique<OutputFile>(path_);
        if (!file_->open())
            error_ = hpgl::cannotOpenFile(path_, file_->errorString());
    }
    char* addLine(qsizetype size) override {
        if (bytes_.bytes().size() >= kPiece)
            flush();
        return bytes_.addLine(size);
    }
    void write(const QByteArray& bytes) {
        flush();
        pass(bytes);
    }
    // True when all was written; otherwise the error is reported.
    bool finish() {
        flush();
        if (error_.isEmpty() && file_ && !file_->commit())
            error_ = hpgl::cannotOpenFile(path_, file_->errorString());
        if (error_.isEmpty() && !file_ && !cli::finishStandardOutput())
            return false;
        if (!error_.isEmpty())
            cli::err(error_);
        return error_.isEmpty();
    }

private:
    static constexpr qsizetype kPiece = 1 << 20;

    void flush() {
        pass(bytes_.bytes());
        bytes_.clear();
    }
    void pass(QByteArrayView bytes) {
        if (!error_.isEmpty() || bytes.isEmpty())
            return;
        if (!file_)
            std::fwrite(bytes.data(), 1, std::size_t(bytes.size()), stdout);
        else if (!file_->write(bytes))
            error_ = hpgl::cannotOpenFile(path_, file_->errorString());
    }

    ProgramBytesSink bytes_;
    QString path_;
    std::unique_ptr<OutputFile> file_;
    QString error_;
};

// The header and footer are not part of the fitted drawing: a move of
// theirs into the forbidden circle or beyond the reach goes home instead.
void keepFixedLinesSafe(ConvertOptions& options) {
    const double radius = options.normalizing.fitting.forbiddenRadius;
    for (QStringList* lines : {&options.settings.header, &options.settings.footer}) {
        for (const QString& line : KeepFixedLinesSafe(*lines, radius))
            cli::err(QCoreApplication::translate(
                         "cli", "Linia „%1” prowadziła ramię poza obszar roboczy: jedzie do "
                                "punktu startowego X500 Y0")
                         .arg(line));
    }
}

int runConvertHpgl(const QStringList& args) {
    if (cli::wantsHelp(args)) {
        cli::print(stdout, convertUsage());
        return 0;
    }
    ConvertOptions options;
    if (!parseConvertOptions(args, options))
        return 2;
    Result<ProgramText> lines = readPlotLines(options.input);
    if (!lines) {
        cli::err(lines.error());
        return 1;
    }
    if (options.normalize) {
        QString dropped;
        Placement placement;
        const Result<QString> text =
            normalizePlotText(lines->toUnicode(), options.normalizing, &dropped, &placement);
        if (!text) {
            cli::err(text.error());
            return 1;
        }
        cli::err(dropped);
        if (options.normalizing.fit) {
            cli::err(PlacementReport(placement));
            keepFixedLinesSafe(options);
        }
        lines = plotLinesFromText(*text);
    }
    if (!CheckPlotFile(*lines))
        cli::err(hpgl::plotFileInvalid());

    // A fresh window starts numbering at the "Do:" value.
    const Result<qint32> start = readInteger(options.settings.lineStep);
    if (!start) {
        cli::err(start.error());
        return 1;
    }
    ConverterState state;
    state.LineNumber = *start;
    ConverterProgress progress;
    GcodeSink sink(options.output);
    ConversionLoop loop(std::move(lines).value(), state, options.settings, progress, sink);
    ConversionLoop::Outcome outcome;
    for (;;) {
        outcome = loop.step(kLinesPerPiece);
        if (outcome == ConversionLoop::Outcome::Running ||
            outcome == ConversionLoop::Outcome::Notice)
            continue;
        // The window stops at an empty line; asked to, the tool goes on.
        if (outcome == ConversionLoop::Outcome::Finished && options.skipEmptyLines &&
            loop.skipEmptyLines() > 0)
            continue;
        break;
    }
    const bool written = sink.finish();
    if (outcome == ConversionLoop::Outcome::Failed) {
        cli::err(loop.error());
        return 1;
    }
    if (loop.hasRemainingContent()) {
        // What was converted is not the whole drawing.
        cli::err(hpgl::stoppedAtEmptyLine(loop.linesTaken() + 1));
        cli::err(QCoreApplication::translate(
            "cli", "scara-cli: --skip-empty-lines converts the lines after it"));
        return 1;
    }
    return written ? 0 : 1;
}

int runNormalizeHpgl(const QStringList& args) {
    if (cli::wantsHelp(args)) {
        cli::print(stdout, normalizeUsage());
        return 0;
    }
    ConvertOptions options;
    for (qsizetype i = 0; i < args.size(); ++i) {
        bool bad = false;
        if (parseNormalizeOption(args, i, options, bad)) {
            if (bad)
                return 2;
        } else if (args[i] == QLatin1String("-o") && i + 1 < args.size()) {
            options.output = args[++i];
        } else if (!args[i].startsWith(u'-') && options.input.isEmpty()) {
            options.input = args[i];
        } else {
            cli::print(stderr, normalizeUsage());
            return 2;
        }
    }
    if (options.input.isEmpty()) {
        cli::print(stderr, normalizeUsage());
        return 2;
    }
    const Result<QString> text = readPlotFile(options.input);
    if (!text) {
        cli::err(text.error());
        return 1;
    }
    QString dropped;
    Placement placement;
    const Result<QString> normalized =
        normalizePlotText(*text, options.normalizing, &dropped, &placement);
    if (!normalized) {
        cli::err(normalized.error());
        return 1;
    }
    cli::err(dropped);
    if (options.normalizing.fit)
        cli::err(PlacementReport(placement));
    GcodeSink sink(options.output);
    sink.write(gcodeFileBytes(*normalized + u'\n'));
    return sink.finish() ? 0 : 1;
}

CliRegistration normalizeReg{
    {"normalize-hpgl",
     QT_TRANSLATE_NOOP("cli", "bring a plot file to one instruction a line, optionally fitted"),
     &runNormalizeHpgl}};
CliRegistration convertReg{{"convert-hpgl",
                            QT_TRANSLATE_NOOP("cli", "convert an HPGL plot file to G-code"),
                            &runConvertHpgl}};

} // namespace
