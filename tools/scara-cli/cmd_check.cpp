// scara-cli check: the path check of a prepared program, one finding a line.
#include "command.h"

#include "base/numberformat.h"
#include "gcode/pathcheck.h"
#include "gcode/prepareprogram.h"
#include "gcode/programfile.h"

#include <cstdio>

namespace {

const char kCheckHelp[] = QT_TRANSLATE_NOOP(
    "cli", "usage: scara-cli check FILE [--forbidden R] [--raw]\n"
           "\n"
           "Prepares the program with the station's default settings (or, with --raw,\n"
           "takes its lines as they are) and checks every move, starting at the home\n"
           "point X 500, Y 0, for what the arm cannot draw well:\n"
           "  reach  the target lies beyond the arm's reach of 500 units\n"
           "  zone   the straight move comes closer to the base than R (default 150,\n"
           "         the station's \"Obszar zabroniony\")\n"
           "  elbow  the move touches or crosses the Y axis, so the elbow turns over\n"
           "\n"
           "Prints one finding a line: the block's N word, TAB, the kind, TAB, the\n"
           "station's text. Exit status 0 without findings, 3 with findings, 1 on an\n"
           "error (the station's message on standard error).\n");

int usageError(const QString& message) {
    cli::err(QStringLiteral("scara-cli: ") + message);
    cli::print(stderr, cli::text(kCheckHelp));
    return 2;
}

int runCheck(const QStringList& args) {
    if (cli::wantsHelp(args)) {
        cli::print(stdout, cli::text(kCheckHelp));
        return 0;
    }
    QString file;
    bool raw = false;
    PathCheckSettings settings;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QLatin1String("--raw")) {
            raw = true;
        } else if (arg == QLatin1String("--forbidden")) {
            if (i + 1 >= args.size())
                return usageError(QCoreApplication::translate("cli", "--forbidden needs a value"));
            const Result<double> radius = ParseReal(args[++i]);
            if (!radius) {
                cli::err(radius.error());
                return 1;
            }
            if (!(*radius > 0.0)) {
                cli::err(QCoreApplication::translate(
                    "cli", "scara-cli: --forbidden needs a positive number"));
                return 1;
            }
            settings.forbiddenRadius = *radius;
        } else if (arg.startsWith(QLatin1Char('-')) && arg.size() > 1) {
            return usageError(QCoreApplication::translate("cli", "unknown option %1").arg(arg));
        } else if (file.isEmpty()) {
            file = arg;
        } else {
            return usageError(QCoreApplication::translate("cli", "one program file only"));
        }
    }
    if (file.isEmpty())
        return usageError(QCoreApplication::translate("cli", "no program file given"));

    Result<ProgramText> program = ReadProgramFile(file);
    if (!program) {
        cli::err(program.error());
        return 1;
    }
    Result<PathCheckReport> report = Failure{};
    if (raw) {
        report = CheckPath(*program, settings);
    } else {
        PrepareSettings prepare;
        prepare.pathCheck = settings;
        Result<PreparedProgram> prepared = PrepareProgram(*program, prepare);
        if (!prepared) {
            cli::err(prepared.error());
            return 1;
        }
        report = std::move(prepared).value().pathCheck;
    }
    if (!report) {
        cli::err(report.error());
        return 1;
    }
    QByteArray chunk;
    for (const PathFinding& finding : report->findings()) {
        chunk += report->blockWord(finding);
        chunk += '\t';
        chunk += PathFindingKindWord(finding.kind).toLatin1();
        chunk += '\t';
        chunk += report->text(finding).toLocal8Bit();
        chunk += '\n';
        if (chunk.size() > (1 << 16)) {
            cli::out(chunk);
            chunk.clear();
        }
    }
    cli::out(chunk);
    if (!cli::finishStandardOutput())
        return 1;
    return report->isEmpty() ? 0 : 3;
}

CliRegistration checkRegistration{
    {"check",
     QT_TRANSLATE_NOOP("cli", "check the moves of a program: reach, forbidden zone, elbow swings"),
     &runCheck}};

} // namespace
