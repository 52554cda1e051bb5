// scara-cli send: a headless sender on the station's own link logic.
#include "command.h"

#include "base/numberformat.h"
#include "controller/controllerlink.h"
#include "controller/linktexts.h"
#include "controller/programsource.h"
#include "gcode/prepareprogram.h"
#include "gcode/programfile.h"

#include <QEventLoop>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <optional>

namespace {

const char kSendHelp[] =
    "usage: scara-cli send FILE --port PATH [--baud N] [--raw] [--timeout S]\n"
    "\n"
    "Sends a program to the arm's controller as \"Wyslij program\" does. Opens\n"
    "the port (8 data bits, no parity, 1 stop bit, no flow control), sends the\n"
    "connect frame and waits for its acknowledgement, then sends the program\n"
    "line by line: the first line at once, each acknowledgement sends the next\n"
    "line at once, and the current line goes again every 500 ms while none comes.\n"
    "\n"
    "The program is FILE prepared with the station's default settings, or\n"
    "FILE's lines as they are with --raw. Every frame sent (the transfer log\n"
    "line) goes to standard output, progress to standard error.\n"
    "\n"
    "  --port PATH    the serial device (for example /dev/ttyUSB0)\n"
    "  --baud N       the line speed (default 19200)\n"
    "  --raw          send FILE's lines unprepared\n"
    "  --timeout S    give up when nothing has arrived for S seconds (default 10,\n"
    "                 1 to 86400)\n"
    "\n"
    "Exit status 0 after the last line; 1 when the file cannot be read or\n"
    "prepared, on a port error, or after the time-out; 2 on a usage error.\n";

struct SendOptions {
    QString file;
    QString port;
    BaudRate baud = BaudRate::B19200;
    bool raw = false;
    std::chrono::seconds timeout{10};
};

// The longest silence --timeout accepts: a day.
constexpr std::chrono::seconds kLongestTimeout = std::chrono::hours(24);

int usageError(const QString& message) {
    cli::err(QStringLiteral("scara-cli send: ") + message);
    std::fputs(kSendHelp, stderr);
    return 2;
}

// Parses the arguments; a usage error gives the message.
Result<SendOptions> parseArguments(const QStringList& args) {
    SendOptions options;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        auto value = [&]() -> std::optional<QString> {
            if (i + 1 >= args.size())
                return std::nullopt;
            return args[++i];
        };
        if (arg == QLatin1String("--raw")) {
            options.raw = true;
        } else if (arg == QLatin1String("--port") || arg == QLatin1String("--baud") ||
                   arg == QLatin1String("--timeout")) {
            const std::optional<QString> text = value();
            if (!text)
                return Failure{arg + QStringLiteral(" needs a value")};
            if (arg == QLatin1String("--port")) {
                options.port = *text;
            } else if (arg == QLatin1String("--baud")) {
                options.baud = baudRateFromText(*text);
                if (options.baud == BaudRate::Custom || baudRateText(options.baud) != *text)
                    return Failure{QStringLiteral("no line speed ") + *text};
            } else {
                const Result<qint32> seconds = ParseWhole(*text);
                if (!seconds)
                    return seconds.failure();
                if (*seconds < 1 || *seconds > kLongestTimeout.count())
                    return Failure{QStringLiteral("--timeout takes 1 to %1 seconds, not %2")
                                       .arg(kLongestTimeout.count())
                                       .arg(*seconds)};
                options.timeout = std::chrono::seconds(*seconds);
            }
        } else if (arg.startsWith(QLatin1Char('-')) && arg.size() > 1) {
            return Failure{QStringLiteral("unknown option ") + arg};
        } else if (options.file.isEmpty()) {
            options.file = arg;
        } else {
            return Failure{QStringLiteral("one FILE only")};
        }
    }
    if (options.file.isEmpty())
        return Failure{QStringLiteral("no FILE given")};
    if (options.port.isEmpty())
        return Failure{QStringLiteral("--port is required")};
    return options;
}

// The lines to send: FILE prepared with the defaults, or as it is.
Result<QByteArrayList> programLines(const SendOptions& options) {
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
    QByteArrayList result;
    result.reserve(lines.lineCount());
    for (qsizetype i = 0; i < lines.lineCount(); ++i)
        result << lines.line(i).toByteArray();
    return result;
}

// Transfers the program over the link: connect, wait for the
// acknowledgement, then send it line by line. Returns the exit status.
int transfer(const SendOptions& options, const LineListProgram& program) {
    ControllerLink link;
    PortSettings settings;
    settings.port = options.port;
    settings.baudRate = options.baud;
    link.port().setSettings(settings);
    link.setProgram(&program);

    QEventLoop loop;
    std::optional<int> result;
    auto finish = [&](int code, const QString& text) {
        cli::err(text);
        if (!result)
            result = code;
        loop.exit(code);
    };
    QTimer silence;
    silence.setSingleShot(true);
    silence.setInterval(std::chrono::duration_cast<std::chrono::milliseconds>(options.timeout));
    QObject::connect(&silence, &QTimer::timeout, &loop, [&] {
        finish(1,
               QStringLiteral("Brak odpowiedzi sterownika od %1 s").arg(options.timeout.count()));
    });
    QObject::connect(&link, &ControllerLink::received, &silence, qOverload<>(&QTimer::start));
    QObject::connect(&link, &ControllerLink::errorRaised, &loop,
                     [&](const QString& text) { finish(1, text); });
    QObject::connect(&link, &ControllerLink::noticeRaised, &loop,
                     [&](const QString& text) { finish(0, text); });
    int lastIndex = -1;
    QObject::connect(&link, &ControllerLink::logAppended, &loop, [&](const QByteArray& line) {
        cli::out(line + '\n');
        const int index = link.state().blockIndex();
        const QString what =
            index == lastIndex ? QStringLiteral("ponownie") : QStringLiteral("wiersz");
        cli::err(QStringLiteral("%1 %2/%3").arg(what).arg(index + 1).arg(program.lineCount()));
        lastIndex = index;
    });
    QObject::connect(&link, &ControllerLink::statusChanged, &loop,
                     [&](LinkPanel panel, const QString& text) {
                         if (panel != LinkPanel::Connection || text != LinkTexts::kConnected ||
                             link.state().sending())
                             return;
                         cli::err(text);
                         // Line 0 goes now: an acknowledgement that came
                         // before it (a doubled one) cannot be taken for its.
                         link.sendProgramChosen(TransferStart::AtOnce);
                     });

    link.start();
    link.programPrepared();
    link.connectChosen();
    if (result)
        return *result; // the port did not open
    silence.start();
    return loop.exec();
}

int runSend(const QStringList& args) {
    if (cli::wantsHelp(args)) {
        std::fputs(kSendHelp, stdout);
        return 0;
    }
    const Result<SendOptions> options = parseArguments(args);
    if (!options)
        return usageError(options.error());
    const Result<QByteArrayList> lines = programLines(*options);
    if (!lines) {
        cli::err(lines.error());
        return 1;
    }
    return transfer(*options, LineListProgram(*lines));
}

CliRegistration reg{{"send", "send a program to the controller over a serial port", &runSend}};

} // namespace
