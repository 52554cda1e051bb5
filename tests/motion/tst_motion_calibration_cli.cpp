// scara-cli calibrate, correct and prepare --calibration, run as a user
// runs them: the pattern's pairs measured on a synthetic arm, fitted,
// written to a CAL file, and programs corrected with it.
#include "syntheticarm.h"

#include "support/files.h"
#include "support/toolrun.h"

#include "motion/calibrationfile.h"

#include <QTest>

namespace {

const ArmCalibration kArm{251.5, 248.7, 1.003, 0.996, 0.5};

// The pairs scara-cli prints, each with the distance kArm draws, written
// with decimal commas.
QByteArray measuresOf(const QByteArray& pairs) {
    QByteArray out;
    for (const QByteArray& line : pairs.split('\n')) {
        if (line.isEmpty() || line.startsWith('#')) {
            out += line + '\n';
            continue;
        }
        const Result<std::vector<CalibrationMeasure>> m = ReadCalibrationMeasures(line + " 1");
        if (!m || m->size() != 1)
            return {};
        const double d = DrawnDistance(kArm, m->front());
        out += line + ' ' + QByteArray::number(d, 'f', 4).replace('.', ',') + '\n';
    }
    return out;
}

} // namespace

class CalibrationCliTest : public QObject {
    Q_OBJECT

private slots:
    void patternFitAndCorrect();
    void refusals_data();
    void refusals();
};

void CalibrationCliTest::patternFitAndCorrect() {
    TempDir dir;
    const QString pattern = dir.filePath("pattern.nc");
    const ToolRun pairs = runScaraCli({"calibrate", "pattern", "-o", pattern});
    QCOMPARE(pairs.exitCode, 0);
    QVERIFY(pairs.out.count('\n') <= 120);
    QVERIFY(readFileBytes(pattern).startsWith("N10 G00 X"));

    const QString measures = dir.writeFile("measures.txt", measuresOf(pairs.out));
    const QString cal = dir.filePath("arm.cal");
    const ToolRun fit = runScaraCli({"calibrate", "fit", measures, "-o", cal});
    QCOMPARE(fit.exitCode, 0);
    QVERIFY2(fit.out.startsWith("L1 251,5 +- 0 mm\nL2 248,7 +- 0 mm\nk1 1,003 +- 0\n"),
             fit.out.constData());
    QVERIFY(fit.out.contains("residual RMS 0 mm over"));
    const Result<ArmCalibration> read = ReadCalibrationFile(readFileBytes(cal));
    QVERIFY(read.ok());
    QVERIFY(std::fabs(read->link1 - kArm.link1) < 1e-3);

    const QString program = dir.writeFile("p.nc", "N10 G00 X200 Y150 Z10\r\nN20 G01 X210 Z1\r\n"
                                                  "N30 M30\r\n");
    const ToolRun corrected = runScaraCli({"correct", program, "--calibration", cal});
    QCOMPARE(corrected.exitCode, 0);
    const QList<QByteArray> lines = corrected.out.split('\n');
    QVERIFY(lines.value(0).startsWith("N10 G00 X"));
    QVERIFY(lines.value(0).endsWith(" Z10\r"));
    QVERIFY(lines.value(1).contains(" Y"));
    QCOMPARE(lines.value(2), QByteArray("N30 M30\r"));

    const QString prepared = dir.filePath("prepared.nc");
    const ToolRun prepare = runScaraCli({"prepare", program, "--calibration", cal, "-o", prepared});
    QCOMPARE(prepare.exitCode, 0);
    QVERIFY(readFileBytes(prepared).startsWith("N10 G00 X"));
    QVERIFY(readFileBytes(prepared).contains(','));
}

void CalibrationCliTest::refusals_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    const QByteArray program = "N10 G00 X200 Y150\r\n";
    QTest::newRow("too few pairs")
        << QStringList{"calibrate", "fit", "FILE"} << QByteArray("200 150 -100 300 335,5\n") << 1
        << "Pomiarów jest 1, a dopasowanie potrzebuje co najmniej 6.";
    QTest::newRow("a line of four")
        << QStringList{"calibrate", "fit", "FILE"} << QByteArray("# x\n200 150 -100 300\n") << 1
        << "Wiersz 2: potrzeba pięciu liczb";
    QTest::newRow("another version")
        << QStringList{"correct", "PROGRAM", "--calibration", "FILE", "-o", "OUT"}
        << QByteArray("scara-calibration 7\nL1 250\n") << 1
        << "Plik kalibracji ma wersję 7, a stacja czyta wersję 1.";
    QTest::newRow("damaged") << QStringList{"prepare", "PROGRAM", "--calibration",
                                            "FILE",    "-o",      "OUT"}
                             << QByteArray("scara-calibration 1\nL1 250\nL2 2x0\n") << 1
                             << "Plik kalibracji jest uszkodzony (wiersz 3)";
    QTest::newRow("no calibration") << QStringList{"correct", "PROGRAM", "-o", "OUT"} << program
                                    << 2 << "scara-cli: --calibration is required";
    QTest::newRow("no such file") << QStringList{"correct", "PROGRAM", "--calibration",
                                                 "MISSING", "-o",      "OUT"}
                                  << program << 1 << "";
}

void CalibrationCliTest::refusals() {
    QFETCH(QStringList, args);
    QFETCH(QByteArray, file);
    QFETCH(int, status);
    QFETCH(QString, message);
    TempDir dir;
    const QString out = dir.filePath("out");
    for (QString& arg : args) {
        if (arg == "FILE")
            arg = dir.writeFile("input", file);
        else if (arg == "PROGRAM")
            arg = dir.writeFile("program.nc", "N10 G00 X200 Y150\r\n");
        else if (arg == "OUT")
            arg = out;
        else if (arg == "MISSING")
            arg = dir.filePath("missing.cal");
    }
    const ToolRun run = runScaraCli(args);
    QCOMPARE(run.exitCode, status);
    QVERIFY2(QString::fromLocal8Bit(run.err).contains(message), run.err.constData());
    QVERIFY(!QFile::exists(out));
}

QTEST_GUILESS_MAIN(CalibrationCliTest)
#include "tst_motion_calibration_cli.moc"
