// scara-cli frames: the frames the program transfer sends for a file's lines.
#include "command.h"

#include "controller/controllerframe.h"
#include "gcode/programfile.h"

#include <cstdio>

namespace {

const char kFramesHelp[] = QT_TRANSLATE_NOOP(
    "cli", "usage: scara-cli frames FILE [--address AA]\n"
           "\n"
           "Prints, for every line of FILE as it stands (not prepared), the frame the\n"
           "program transfer sends for it, as the transfer log shows it: \":\", the\n"
           "controller address, the function code 20, the line byte for byte, and the\n"
           "four upper-case hex digits of its CRC-16/MODBUS checksum, without the CR LF\n"
           "that follows it on the wire. One frame per output line, ended by LF; the\n"
           "file's 8-bit bytes go out unchanged. FILE's lines may end in CR LF, LF or CR.\n"
           "\n"
           "  --address AA  the controller address (default 05)\n"
           "\n"
           "Exit status 0; 1 when the file cannot be read, 2 on a usage error.\n");

bool isPlainAddress(const QString& text) {
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (c.unicode() <= 0x20 || c.unicode() >= 0x7F || c == QLatin1Char(':'))
            return false;
    }
    return true;
}

int usageError(const QString& message) {
    cli::err(QStringLiteral("scara-cli frames: ") + message);
    cli::print(stderr, cli::text(kFramesHelp));
    return 2;
}

int runFrames(const QStringList& args) {
    if (cli::wantsHelp(args)) {
        cli::print(stdout, cli::text(kFramesHelp));
        return 0;
    }
    QString file;
    QByteArray address = kDefaultAddress;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QLatin1String("--address")) {
            if (i + 1 >= args.size())
                return usageError(QCoreApplication::translate("cli", "--address needs a value"));
            const QString value = args[++i];
            if (!isPlainAddress(value))
                return usageError(QCoreApplication::translate(
                    "cli", "the address must be printable ASCII without ':'"));
            address = value.toLatin1();
        } else if (arg.startsWith(QLatin1Char('-')) && arg.size() > 1) {
            return usageError(QCoreApplication::translate("cli", "unknown option %1").arg(arg));
        } else if (file.isEmpty()) {
            file = arg;
        } else {
            return usageError(QCoreApplication::translate("cli", "only one FILE"));
        }
    }
    if (file.isEmpty())
        return usageError(QCoreApplication::translate("cli", "FILE is missing"));

    const Result<ProgramText> program = ReadProgramFile(file);
    if (!program) {
        cli::err(program.error());
        return 1;
    }
    QByteArray out;
    for (qsizetype i = 0; i < program->lineCount(); ++i) {
        out += BlockFrame(address, program->line(i).toByteArray());
        out += '\n';
        if (out.size() > (1 << 16)) {
            cli::out(out);
            out.clear();
        }
    }
    cli::out(out);
    return 0;
}

CliRegistration reg{
    {"frames", QT_TRANSLATE_NOOP("cli", "print the transfer's frame for every line of a file"),
     &runFrames}};

} // namespace
