// scara-cli calibrate and correct: the arm's calibration from a ruler's
// measurements of a pattern, and programs corrected for the calibrated arm.
#include "calibrationoptions.h"
#include "command.h"

#include "base/inputfile.h"
#include "base/numberformat.h"
#include "gcode/gcodemessages.h"
#include "gcode/programfile.h"
#include "motion/calibrationfile.h"
#include "motion/calibrationfit.h"
#include "motion/calibrationpattern.h"

#include <QFileInfo>

#include <cmath>
#include <optional>

namespace {

const char kCalibrateHelp[] = QT_TRANSLATE_NOOP(
    "cli", "usage: scara-cli calibrate pattern [-o PATTERN.nc]\n"
           "       scara-cli calibrate fit MEASURES [-o CAL]\n"
           "\n"
           "Finds the real arm's geometry from distances measured with a ruler.\n"
           "\n"
           "pattern  prints the pairs of crosses to measure, one \"X1 Y1 X2 Y2\" a line\n"
           "         (the commanded centres of the two crosses, after a comment naming\n"
           "         their numbers); with -o, writes the program that draws the\n"
           "         numbered crosses to PATTERN.nc. At most 60 pairs, each at most\n"
           "         500 mm apart.\n"
           "fit      reads MEASURES, one \"X1 Y1 X2 Y2 D\" a line (D: the distance\n"
           "         measured between the drawn crosses, in mm; a decimal point or\n"
           "         comma; \"#\" starts a comment), fits the links L1 and L2, the joint\n"
           "         gains k1 and k2 and the elbow's zero o2, and prints each with its\n"
           "         uncertainty and the residual RMS; with -o, writes them to CAL.\n"
           "\n"
           "Exit status 0; on an error the station's message goes to standard error,\n"
           "nothing is written and the status is 1 (2 for a usage error).\n");

const char kCorrectHelp[] = QT_TRANSLATE_NOOP(
    "cli", "usage: scara-cli correct FILE --calibration CAL [-o OUT]\n"
           "\n"
           "Moves every target of the program FILE so that the arm calibrated in CAL\n"
           "draws the intended point, and splits moves whose drawn line would bow\n"
           "more than 0.1 from the straight one. Pen heights and every word other\n"
           "than X and Y are kept. The corrected program goes to OUT (\"-\": standard\n"
           "output; the default) and is replaced only when complete. Exit status 0;\n"
           "on an error the station's message goes to standard error and the status\n"
           "is 1.\n");

int usageError(const QString& message, const char* help) {
    cli::err(QStringLiteral("scara-cli: ") + message);
    cli::print(stderr, cli::text(help));
    return 2;
}

int fail(const QString& message) {
    cli::err(message);
    return 1;
}

struct Arguments {
    QStringList files;
    QString out;
    QString calibration;
};

// FILE arguments, -o OUT and (where allowed) --calibration CAL.
std::optional<int> parse(const QStringList& args, Arguments& a, bool calibration,
                         const char* help) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QLatin1String("-o") || (calibration && arg == QLatin1String("--calibration"))) {
            if (i + 1 >= args.size())
                return usageError(
                    QCoreApplication::translate("cli", "%1 needs a file name").arg(arg), help);
            (arg == QLatin1String("-o") ? a.out : a.calibration) = args[++i];
        } else if (arg.startsWith(QLatin1Char('-')) && arg.size() > 1) {
            return usageError(QCoreApplication::translate("cli", "unknown option %1").arg(arg),
                              help);
        } else {
            a.files << arg;
        }
    }
    return std::nullopt;
}

int runPattern(const Arguments& a) {
    if (!a.files.isEmpty())
        return usageError(QCoreApplication::translate("cli", "pattern takes no file"),
                          kCalibrateHelp);
    const CalibrationPattern pattern = MakeCalibrationPattern();
    if (!a.out.isEmpty()) {
        if (const Status s = WriteProgramFile(a.out, WriteCalibrationPattern(pattern)); !s)
            return fail(s.error());
    }
    cli::out(CalibrationPairsText(pattern));
    return 0;
}

QString value(double v, int decimals) {
    return FormatReal(std::round(v * std::pow(10.0, decimals)) / std::pow(10.0, decimals));
}

void printFit(const CalibrationFit& fit) {
    const ArmCalibration& c = fit.calibration;
    const auto& u = fit.uncertainty;
    QString text;
    text += QStringLiteral("L1 %1 +- %2 mm\n").arg(value(c.link1, 3), value(u[0], 3));
    text += QStringLiteral("L2 %1 +- %2 mm\n").arg(value(c.link2, 3), value(u[1], 3));
    text += QStringLiteral("k1 %1 +- %2\n").arg(value(c.shoulderGain, 6), value(u[2], 6));
    text += QStringLiteral("k2 %1 +- %2\n").arg(value(c.elbowGain, 6), value(u[3], 6));
    text += QStringLiteral("o2 %1 +- %2 deg\n").arg(value(c.elbowOffset, 4), value(u[4], 4));
    text += QCoreApplication::translate("cli", "residual RMS %1 mm over %2 pairs\n")
                .arg(value(fit.residualRms, 3))
                .arg(fit.residuals.size());
    cli::out(text.toLocal8Bit());
}

int runFit(const Arguments& a) {
    if (a.files.size() != 1)
        return usageError(QCoreApplication::translate("cli", "fit takes one MEASURES file"),
                          kCalibrateHelp);
    const Result<QByteArray> bytes = ReadInputFile(a.files.first());
    if (!bytes)
        return fail(GcodeMessages::cannotOpenFile(QFileInfo(a.files.first()).absoluteFilePath(),
                                                  bytes.error()));
    const Result<std::vector<CalibrationMeasure>> measures = ReadCalibrationMeasures(*bytes);
    if (!measures)
        return fail(measures.error());
    const Result<CalibrationFit> fit = FitCalibration(*measures);
    if (!fit)
        return fail(fit.error());
    if (!a.out.isEmpty()) {
        if (const Status s =
                SaveCalibrationFile(a.out, WriteCalibrationFile(fit->calibration, &fit.value()));
            !s)
            return fail(s.error());
    }
    printFit(*fit);
    return 0;
}

int runCalibrate(const QStringList& args) {
    if (cli::wantsHelp(args)) {
        cli::print(stdout, cli::text(kCalibrateHelp));
        return 0;
    }
    Arguments a;
    if (const std::optional<int> code = parse(args.mid(1), a, false, kCalibrateHelp))
        return *code;
    const QString what = args.value(0);
    if (what == QLatin1String("pattern"))
        return runPattern(a);
    if (what == QLatin1String("fit"))
        return runFit(a);
    return usageError(QCoreApplication::translate("cli", "calibrate pattern or calibrate fit"),
                      kCalibrateHelp);
}

int runCorrect(const QStringList& args) {
    if (cli::wantsHelp(args)) {
        cli::print(stdout, cli::text(kCorrectHelp));
        return 0;
    }
    Arguments a;
    if (const std::optional<int> code = parse(args, a, true, kCorrectHelp))
        return *code;
    if (a.files.size() != 1)
        return usageError(QCoreApplication::translate("cli", "one program file only"),
                          kCorrectHelp);
    if (a.calibration.isEmpty())
        return usageError(QCoreApplication::translate("cli", "--calibration is required"),
                          kCorrectHelp);
    const Result<ProgramText> program = ReadProgramFile(a.files.first());
    if (!program)
        return fail(program.error());
    const Result<ProgramText> corrected = cli::correctForCalibration(a.calibration, *program);
    if (!corrected)
        return fail(corrected.error());
    if (a.out.isEmpty() || cli::isStandardOutput(a.out)) {
        cli::out(corrected->toBytes());
        return 0;
    }
    if (const Status s = WriteProgramFile(a.out, *corrected); !s)
        return fail(s.error());
    return 0;
}

CliRegistration calibrateRegistration{
    {"calibrate",
     QT_TRANSLATE_NOOP("cli", "the arm's calibration: the pattern to measure, the fit of the "
                              "measures"),
     runCalibrate}};
CliRegistration correctRegistration{
    {"correct", QT_TRANSLATE_NOOP("cli", "correct a program for the calibrated arm"), runCorrect}};

} // namespace
