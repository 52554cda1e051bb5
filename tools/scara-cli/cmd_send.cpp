// scara-cli send: a headless sender on the station's own link logic.
#include "calibrationoptions.h"
#include "command.h"
#include "layeroptions.h"

#include "sendsession.h"

#include "base/numberformat.h"
#include "controller/journalkeeper.h"
#include "controller/planresume.h"
#include "controller/programsource.h"
#include "controller/transferprogress.h"
#include "gcode/prepareprogram.h"
#include "gcode/programfigures.h"
#include "gcode/programfile.h"

#include <QFileInfo>
#include <QLockFile>

#include <chrono>
#include <optional>

namespace {

const char kSendHelp[] = QT_TRANSLATE_NOOP(
    "cli", "usage: scara-cli send FILE --port PATH [--baud N] [--raw] [--timeout S]\n"
           "                      [--from K] [--trace FILE] [--journal FILE]\n"
           "                      [--calibration CAL]\n"
           "                      [--resume JOURNAL [--home]] [LAYER OPTIONS]\n"
           "\n"
           "Sends a program to the arm's controller as \"Wyslij program\" does. Opens\n"
           "the port (8 data bits, no parity, 1 stop bit, no flow control), sends the\n"
           "connect frame and waits for its acknowledgement, then sends the program\n"
           "line by line: the first line at once, each acknowledgement sends the next\n"
           "line at once, and the current line goes again every 500 ms while none comes.\n"
           "\n"
           "The program is FILE prepared with the station's default settings, or\n"
           "FILE's lines as they are with --raw. Every frame sent (the transfer log\n"
           "line) goes to standard output. Progress goes to standard error: lines\n"
           "acknowledged of all, lines a second, re-sends and the time left, redrawn\n"
           "in place on a terminal and one line a second otherwise.\n"
           "\n"
           "Ctrl+C (SIGINT) or SIGTERM aborts the transfer as \"Przerwij wysyłanie\"\n"
           "does: nothing goes out after the line in flight, except one G00 line to\n"
           "the point reached when the pen is down; a second one ends at once.\n"
           "\n"
           "  --port PATH    the serial device (for example /dev/ttyUSB0)\n"
           "  --baud N       the line speed (default 19200)\n"
           "  --raw          send FILE's lines unprepared\n"
           "  --calibration CAL  correct the program for the arm calibrated in CAL (see\n"
           "                 scara-cli correct); --from and --resume count the corrected\n"
           "                 program's lines\n"
           "  --timeout S    give up when nothing has arrived for S seconds (default 10,\n"
           "                 1 to 86400)\n"
           "  --from K       start at line K of the program (counted from 1): first a\n"
           "                 G00 travel to where line K-1 ends, then lines K...\n"
           "  --trace FILE   write every frame sent and every reply, with time stamps\n"
           "  --journal FILE keep the transfer journal in FILE: the program's hash and\n"
           "                 every line acknowledged, so that an interrupted transfer\n"
           "                 can go on; removed after the last line\n"
           "  --resume JOURNAL  go on where JOURNAL ends: a G00 travel to where the\n"
           "                 last acknowledged line ended, then the next line; the\n"
           "                 journal is kept in JOURNAL unless --journal names another\n"
           "  --home         with --resume: the reference travel first, for a\n"
           "                 controller that may have lost its position\n"
           "\n"
           "Exit status 0 after the last line; 1 when the file cannot be read or\n"
           "prepared, on a port error, or after the time-out, when the journal cannot\n"
           "be used (a damaged one is set aside) or belongs to another program, or is\n"
           "used by another process; 2 on a usage error;\n"
           "3 when the transfer was aborted (the last line names the line reached).\n"
           "\n"
           "A program stop (M00, written before each change of pen by import-svg\n"
           "--hold-pen-change) holds the transfer with the pen up until Enter is\n"
           "pressed (or standard input ends); then it is sent and the rest follows.\n");

struct SendOptions {
    QString file;
    QString port;
    BaudRate baud = BaudRate::B19200;
    bool raw = false;
    std::chrono::seconds timeout{10};
    int from = 1; // counted from 1
    bool fromGiven = false;
    QString trace;
    QString journal;
    QString resume;
    QString calibration;
    bool home = false;
    cli::LayerOptions layers;
    QStringList stopNotices; // per program stop (M00) sent, its notice or empty
};

// The longest silence --timeout accepts: a day.
constexpr std::chrono::seconds kLongestTimeout = std::chrono::hours(24);

int usageError(const QString& message) {
    cli::err(QStringLiteral("scara-cli send: ") + message);
    cli::print(stderr, cli::text(kSendHelp) + cli::LayerHelp());
    return 2;
}

bool takesValue(const QString& arg) {
    static const QStringList kValued{"--port",  "--baud",    "--timeout", "--from",
                                     "--trace", "--journal", "--resume",  "--calibration"};
    return kValued.contains(arg);
}

// Sets the option `arg` that takes a value from `text`.
Status setValue(SendOptions& options, const QString& arg, const QString& text) {
    if (arg == QLatin1String("--port")) {
        options.port = text;
    } else if (arg == QLatin1String("--trace")) {
        options.trace = text;
    } else if (arg == QLatin1String("--journal")) {
        options.journal = text;
    } else if (arg == QLatin1String("--resume")) {
        options.resume = text;
    } else if (arg == QLatin1String("--calibration")) {
        options.calibration = text;
    } else if (arg == QLatin1String("--from")) {
        const Result<qint32> line = ParseWhole(text);
        if (!line)
            return line.failure();
        if (*line < 1)
            return Failure{QCoreApplication::translate("cli", "--from counts lines from 1, not %1")
                               .arg(*line)};
        options.from = *line;
        options.fromGiven = true;
    } else if (arg == QLatin1String("--baud")) {
        options.baud = baudRateFromText(text);
        if (options.baud == BaudRate::Custom || baudRateText(options.baud) != text)
            return Failure{QCoreApplication::translate("cli", "no line speed %1").arg(text)};
    } else {
        const Result<qint32> seconds = ParseWhole(text);
        if (!seconds)
            return seconds.failure();
        if (*seconds < 1 || *seconds > kLongestTimeout.count())
            return Failure{
                QCoreApplication::translate("cli", "--timeout takes 1 to %1 seconds, not %2")
                    .arg(kLongestTimeout.count())
                    .arg(*seconds)};
        options.timeout = std::chrono::seconds(*seconds);
    }
    return {};
}

// The options that exclude or need each other.
Status checkTogether(SendOptions& options) {
    if (options.file.isEmpty())
        return Failure{QCoreApplication::translate("cli", "no FILE given")};
    if (options.port.isEmpty())
        return Failure{QCoreApplication::translate("cli", "--port is required")};
    if (!options.resume.isEmpty() && options.fromGiven)
        return Failure{
            QCoreApplication::translate("cli", "--from and --resume exclude each other")};
    if (options.home && options.resume.isEmpty())
        return Failure{QCoreApplication::translate("cli", "--home goes with --resume")};
    if (options.journal.isEmpty())
        options.journal = options.resume;
    return {};
}

// Parses the arguments; a usage error gives the message.
Result<SendOptions> parseArguments(const QStringList& args) {
    SendOptions options;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        QString layerError;
        if (cli::readLayerOption(args, i, options.layers, layerError)) {
            if (!layerError.isEmpty())
                return Failure{layerError};
        } else if (arg == QLatin1String("--raw")) {
            options.raw = true;
        } else if (arg == QLatin1String("--home")) {
            options.home = true;
        } else if (takesValue(arg)) {
            if (i + 1 >= args.size())
                return Failure{QCoreApplication::translate("cli", "%1 needs a value").arg(arg)};
            if (const Status set = setValue(options, arg, args[++i]); !set)
                return set.failure();
        } else if (arg.startsWith(QLatin1Char('-')) && arg.size() > 1) {
            return Failure{QCoreApplication::translate("cli", "unknown option %1").arg(arg)};
        } else if (options.file.isEmpty()) {
            options.file = arg;
        } else {
            return Failure{QCoreApplication::translate("cli", "one FILE only")};
        }
    }
    if (const Status together = checkTogether(options); !together)
        return together.failure();
    return options;
}

// The lines to send: FILE prepared with the defaults, or as it is; its
// layers as the options ask (the notices of the holds to `stopNotices`).
Result<QByteArrayList> programLines(const SendOptions& options,
                                    QStringList* stopNotices = nullptr) {
    Result<ProgramText> text = ReadProgramFile(options.file);
    if (!text)
        return text.failure();
    ProgramText lines = *text;
    if (!options.raw) {
        Result<PreparedProgram> prepared = PrepareProgram(lines, PrepareSettings{});
        if (!prepared)
            return prepared.failure();
        lines = prepared->lines;
    }
    if (const Status laid = cli::ApplyLayers(options.layers, lines, stopNotices); !laid)
        return laid.failure();
    if (!options.calibration.isEmpty()) {
        Result<ProgramText> corrected = cli::correctForCalibration(options.calibration, lines);
        if (!corrected)
            return corrected.failure();
        lines = std::move(corrected).value();
    }
    QByteArrayList result;
    result.reserve(lines.lineCount());
    for (qsizetype i = 0; i < lines.lineCount(); ++i)
        result << lines.line(i).toByteArray();
    return result;
}

// The line (from 0) where the transfer recorded in `path` goes on, or -1
// when the journal says that the whole program went (then it is removed).
// A journal that cannot be used is set aside; one of another program is
// kept. Failures are printed.
Result<int> resumePoint(const QString& path, const ProgramSource& program) {
    const ResumePlan plan = PlanResume(path, ReadJournal(path), program);
    switch (plan.verdict) {
    case ResumePlan::Verdict::Unreadable:
        cli::err(plan.problem);
        if (QFileInfo::exists(path)) {
            const Result<QString> aside = SetJournalAside(path);
            cli::err(aside ? JournalTexts::setAside(*aside) : aside.error());
        }
        return Failure{plan.problem};
    case ResumePlan::Verdict::OtherProgram:
        cli::err(plan.problem);
        return Failure{plan.problem};
    case ResumePlan::Verdict::Finished:
        cli::err(JournalTexts::alreadyDone(path));
        QFile::remove(path);
        return -1;
    case ResumePlan::Verdict::GoOn:
        break;
    }
    if (plan.damagedTail)
        cli::err(JournalTexts::damagedTail(path));
    return plan.next;
}

int runSend(const QStringList& args) {
    if (cli::wantsHelp(args)) {
        cli::print(stdout, cli::text(kSendHelp) + cli::LayerHelp());
        return 0;
    }
    const Result<SendOptions> options = parseArguments(args);
    if (!options)
        return usageError(options.error());
    SendOptions chosen = *options;
    const Result<QByteArrayList> lines = programLines(*options, &chosen.stopNotices);
    if (!lines) {
        cli::err(lines.error());
        return 1;
    }
    const LineListProgram program(*lines);
    // The journal is locked before it is read: another sender may be
    // writing it.
    JournalKeeper journal;
    journal.setPath(chosen.journal);
    if (const Status locked = journal.lock(); !locked) {
        cli::err(locked.error());
        return 1;
    }
    std::optional<QLockFile> resumeLock;
    if (!chosen.resume.isEmpty() && chosen.resume != chosen.journal) {
        resumeLock.emplace(JournalKeeper::lockPath(chosen.resume));
        resumeLock->setStaleLockTime(0);
        if (!resumeLock->tryLock()) {
            cli::err(JournalTexts::inUse(chosen.resume));
            return 1;
        }
    }
    if (!chosen.resume.isEmpty()) {
        const Result<int> next = resumePoint(chosen.resume, program);
        if (!next)
            return 1;
        if (*next < 0)
            return 0; // nothing left to send
        chosen.from = *next + 1;
    }
    if (chosen.from > lines->size())
        return usageError(QCoreApplication::translate("cli", "--from %1: the program has %2 lines")
                              .arg(chosen.from)
                              .arg(lines->size()));
    SendSessionOptions session;
    session.file = chosen.file;
    session.port = chosen.port;
    session.baud = chosen.baud;
    session.timeout = chosen.timeout;
    session.from = chosen.from - 1;
    session.trace = chosen.trace;
    session.keepJournal = !chosen.journal.isEmpty();
    session.home = chosen.home;
    session.stopNotices = chosen.stopNotices;
    return SendSession(session, program, journal).run();
}

const char kEstimateHelp[] = QT_TRANSLATE_NOOP(
    "cli", "usage: scara-cli estimate FILE [--baud N] [--raw]\n"
           "\n"
           "Prints what sending FILE asks of the arm and the line, one figure a line:\n"
           "its lines, the length drawn with the pen down and travelled with it up\n"
           "(program units), the pen lifts, and the time the transfer takes at the\n"
           "line speed N (default 19200): each line's frame and the 7-byte\n"
           "acknowledgement at 10 bits a byte, and a turnaround of 0.8 ms a line.\n"
           "The program is FILE prepared with the station's default settings, or\n"
           "FILE's lines as they are with --raw.\n"
           "\n"
           "Exit status 0; 1 when the file cannot be read or prepared; 2 on a usage\n"
           "error.\n");

// Parses estimate's arguments; a usage error gives the whole message.
Result<SendOptions> parseEstimateArguments(const QStringList& args) {
    SendOptions options;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QLatin1String("--raw")) {
            options.raw = true;
        } else if (arg == QLatin1String("--baud")) {
            if (i + 1 >= args.size())
                return Failure{
                    QCoreApplication::translate("cli", "scara-cli estimate: --baud needs a value")};
            const QString text = args[++i];
            options.baud = baudRateFromText(text);
            if (options.baud == BaudRate::Custom || baudRateText(options.baud) != text)
                return Failure{
                    QCoreApplication::translate("cli", "scara-cli estimate: no line speed %1")
                        .arg(text)};
        } else if ((arg.startsWith(QLatin1Char('-')) && arg.size() > 1) ||
                   !options.file.isEmpty()) {
            return Failure{QStringLiteral("scara-cli estimate: ") +
                           (options.file.isEmpty()
                                ? QCoreApplication::translate("cli", "unknown option %1").arg(arg)
                                : QCoreApplication::translate("cli", "one FILE only"))};
        } else {
            options.file = arg;
        }
    }
    if (options.file.isEmpty())
        return Failure{QCoreApplication::translate("cli", "scara-cli estimate: no FILE given")};
    return options;
}

int runEstimate(const QStringList& args) {
    if (cli::wantsHelp(args)) {
        cli::print(stdout, cli::text(kEstimateHelp));
        return 0;
    }
    const Result<SendOptions> parsed = parseEstimateArguments(args);
    if (!parsed) {
        cli::err(parsed.error());
        cli::print(stderr, cli::text(kEstimateHelp));
        return 2;
    }
    const SendOptions& options = *parsed;
    const Result<QByteArrayList> lines = programLines(options);
    if (!lines) {
        cli::err(lines.error());
        return 1;
    }
    const ProgramText text = ProgramText::fromLines(*lines);
    const ProgramFigures figures = MeasureProgram(text);
    TransferModel model;
    model.baud = baudRateValue(options.baud);
    const ProgramLoad load = MeasureLoad(LineListProgram(*lines));
    const double seconds = model.seconds(load.lines, load.lineBytes);
    cli::out(QStringLiteral("lines: %1\ndrawn: %2\ntravel: %3\npen lifts: %4\ntransfer: %5 s\n")
                 .arg(figures.lines)
                 .arg(figures.drawnLength, 0, 'f', 1)
                 .arg(figures.travelLength, 0, 'f', 1)
                 .arg(figures.penLifts)
                 .arg(seconds, 0, 'f', 2)
                 .toUtf8());
    cli::out(cli::LayerEstimate(options.file, options.raw, [&](qint64 n, qint64 bytes) {
                 return model.seconds(n, bytes);
             }).toUtf8());
    return 0;
}

CliRegistration reg{
    {"send", QT_TRANSLATE_NOOP("cli", "send a program to the controller over a serial port"),
     &runSend}};
CliRegistration estimateReg{
    {"estimate",
     QT_TRANSLATE_NOOP("cli", "a program's lines, lengths, pen lifts and transfer time"),
     &runEstimate}};

} // namespace
