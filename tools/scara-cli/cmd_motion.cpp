// scara-cli simulate: the station's motion simulation without windows.
#include "command.h"

#include "gcode/programfile.h"
#include "motion/headlessrun.h"
#include "motion/textlogsink.h"

#include <cstdio>

namespace {

const char kSimulateHelp[] = QT_TRANSLATE_NOOP(
    "cli", "usage: scara-cli simulate FILE [--log joints|points]\n"
           "\n"
           "Prepares the G-code program with the default settings, as the station does\n"
           "when it opens a file, then simulates the arm's motion block by block from\n"
           "the home pose (no pen waits) and prints one line per simulated point:\n"
           "\n"
           "  --log joints  the joint-angle log line, \"N10 alfa:12,5 beta:-3\" (default)\n"
           "  --log points  the interpolation log line, \"N10 X:100 Y:100 Z:0\"\n"
           "\n"
           "Lines are 8-bit Windows-1250 text with LF line ends. Exit status 0; when the\n"
           "program cannot be read, prepared or simulated the station's message goes to\n"
           "standard error and the status is 1.\n");

int usageError(const QString& message) {
    cli::err(QStringLiteral("scara-cli: ") + message);
    cli::print(stderr, cli::text(kSimulateHelp));
    return 2;
}

int runSimulate(const QStringList& args) {
    if (cli::wantsHelp(args)) {
        cli::print(stdout, cli::text(kSimulateHelp));
        return 0;
    }
    QString file;
    TextLogSink::Mode mode = TextLogSink::Mode::Joints;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (arg == QLatin1String("--log")) {
            if (++i == args.size())
                return usageError(
                    QCoreApplication::translate("cli", "--log needs joints or points"));
            if (args.at(i) == QLatin1String("points"))
                mode = TextLogSink::Mode::Points;
            else if (args.at(i) != QLatin1String("joints"))
                return usageError(
                    QCoreApplication::translate("cli", "unknown log '%1'").arg(args.at(i)));
        } else if (arg.startsWith(QLatin1Char('-')) || !file.isEmpty()) {
            return usageError(
                QCoreApplication::translate("cli", "unexpected argument '%1'").arg(arg));
        } else {
            file = arg;
        }
    }
    if (file.isEmpty())
        return usageError(QCoreApplication::translate("cli", "no program file given"));

    const Result<ProgramText> program = ReadProgramFile(file);
    if (!program) {
        cli::err(program.error());
        return 1;
    }
    TextLogSink sink(mode, stdout);
    const Result<HeadlessRunResult> run = RunHeadless(*program, sink);
    sink.flush();
    if (!run) {
        cli::err(run.error());
        return 1;
    }
    return 0;
}

const CliRegistration reg{
    {"simulate", QT_TRANSLATE_NOOP("cli", "simulate a program's motion, one line per point"),
     &runSimulate}};

} // namespace
