// scara-cli prepare and plot, run as a user runs them.
#include "base/windows1250.h"
#include "support/fifo.h"
#include "support/files.h"
#include "support/testdata.h"
#include "support/toolrun.h"

#include <QDir>
#include <QImage>
#include <QTest>

namespace {

// The lines of a golden check report (Windows-1250, CR LF) that contain one
// of `kinds`, as scara-cli prints them on standard error.
QByteArray reportLines(const QString& name, const QStringList& kinds) {
    QByteArray printed;
    const QString report = DecodeWindows1250(readFileBytes(testDataPath(name)));
    for (const QString& line : report.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
        for (const QString& kind : kinds) {
            if (line.contains(kind)) {
                printed += line.toUtf8() + '\n';
                break;
            }
        }
    }
    return printed;
}

const QString kShiftLine = QStringLiteral("nastapiło dodatnie");
const QString kReachLine = QStringLiteral("przekroczenie zasięgu");

} // namespace

class TestGcodeCli : public QObject {
    Q_OBJECT

private slots:
    void prepareWritesTheGoldenProgram_data();
    void prepareWritesTheGoldenProgram();
    void prepareErrorWritesNothing();
    void prepareRefusesADevice();
    void outputIntoAFifo_data();
    void outputIntoAFifo();
    void outputIntoADirectoryIsRefused_data();
    void outputIntoADirectoryIsRefused();
    void lostStandardOutputEndsWithOne_data();
    void lostStandardOutputEndsWithOne();
    void plotSavesThePicture();
    void helpForEachCommand();
};

// Each row: the options, the golden program and which lines of its golden
// report go to standard error (the shift lines only with a shift, or when
// asked for).
void TestGcodeCli::prepareWritesTheGoldenProgram_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QStringList>("reported");
    QTest::newRow("defaults") << QStringList{} << "plotter" << QStringList{kReachLine};
    QTest::newRow("shift") << QStringList{"--dx", "10", "--dy", "-5"} << "plotter-shifted"
                           << QStringList{kShiftLine, kReachLine};
    QTest::newRow("shift lines asked for")
        << QStringList{"--report-shifts"} << "plotter" << QStringList{kShiftLine, kReachLine};
    QTest::newRow("as written") << QStringList{"--keep-repeats", "--no-reach-check"}
                                << "plotter-kept" << QStringList{kReachLine};
}

void TestGcodeCli::prepareWritesTheGoldenProgram() {
    QFETCH(QStringList, options);
    QFETCH(QString, expected);
    QFETCH(QStringList, reported);
    const ToolRun toStdout =
        runScaraCli(QStringList{"prepare", testDataPath("plotter.nc")} + options);
    QCOMPARE(toStdout.exitCode, 0);
    QCOMPARE(toStdout.out, readFileBytes(testDataPath(expected + ".prepared")));
    QCOMPARE(toStdout.err, reportLines(expected + ".report", reported));
    const ToolRun dashed =
        runScaraCli(QStringList{"prepare", testDataPath("plotter.nc"), "-o", "-"} + options);
    QCOMPARE(dashed.exitCode, 0);
    QCOMPARE(dashed.out, toStdout.out);
    TempDir dir;
    QVERIFY(dir.isValid());
    const QString out = dir.filePath("out.nc");
    const ToolRun toFile =
        runScaraCli(QStringList{"prepare", testDataPath("plotter.nc"), "-o", out} + options);
    QCOMPARE(toFile.exitCode, 0);
    QVERIFY(toFile.out.isEmpty());
    QCOMPARE(readFileBytes(out), toStdout.out);
}

void TestGcodeCli::prepareErrorWritesNothing() {
    TempDir dir;
    QVERIFY(dir.isValid());
    const QString program = dir.writeFile("bad.nc", "N1 G01X5Y7\r\nN2 M30\r\n");
    const QString out = dir.writeFile("out.nc", "old\r\n");
    QVERIFY(!program.isEmpty() && !out.isEmpty());
    const ToolRun run = runScaraCli({"prepare", program, "-o", out});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.err, QByteArray("'5Y7' is not a valid floating point value\n"));
    QCOMPARE(readFileBytes(out), QByteArray("old\r\n"));

    // An error far down, after more than a piece of output was on its way.
    QByteArray longProgram;
    for (int i = 1; i <= 80000; ++i)
        longProgram +=
            "N" + QByteArray::number(i) + " G01 X" + QByteArray::number(i % 300) + " Y10\r\n";
    longProgram += "N0 Xbad Y1\r\nM30\r\n";
    const QString longBad = dir.writeFile("longbad.nc", longProgram);
    QVERIFY(!longBad.isEmpty());
    for (const QString& target : {out, dir.filePath("new.nc")}) {
        const ToolRun late = runScaraCli({"prepare", longBad, "-o", target});
        QCOMPARE(late.exitCode, 1);
        QCOMPARE(late.err, QByteArray("'bad' is not a valid floating point value\n"));
    }
    QCOMPARE(readFileBytes(out), QByteArray("old\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
             (QStringList{"bad.nc", "longbad.nc", "out.nc"}));

    const ToolRun missing = runScaraCli({"prepare", dir.filePath("missing.nc")});
    QCOMPARE(missing.exitCode, 1);
    QVERIFY(missing.out.isEmpty());
    QVERIFY(missing.err.startsWith("Cannot open file \""));

    const ToolRun badShift = runScaraCli({"prepare", testDataPath("plotter.nc"), "--dx", "1,5"});
    QCOMPARE(badShift.exitCode, 1);
    QCOMPARE(badShift.err, QByteArray("'1,5' is not a valid integer value\n"));
    QCOMPARE(runScaraCli({"prepare"}).exitCode, 2);
    QCOMPARE(runScaraCli({"prepare", testDataPath("plotter.nc"), "--bogus"}).exitCode, 2);
}

void TestGcodeCli::prepareRefusesADevice() {
    const ToolRun run = runScaraCli({"prepare", "/dev/zero"});
    QCOMPARE(run.exitCode, 1);
    QVERIFY(run.out.isEmpty());
    QCOMPARE(run.err,
             QByteArray("Cannot open file \"/dev/zero\". It is a character device, not a file.\n"));
}

// Each row: a command that saves with -o; its output goes into a FIFO as it
// would go to standard output ("-o -"), and the FIFO stays a FIFO.
void TestGcodeCli::outputIntoAFifo_data() {
    QTest::addColumn<QStringList>("command");
    const QString plot = testDataPath("../../hpgl/data/worked.plt");
    QTest::newRow("prepare") << QStringList{"prepare", testDataPath("plotter.nc")};
    QTest::newRow("plot") << QStringList{"plot", testDataPath("converted.nc")};
    QTest::newRow("convert-hpgl") << QStringList{"convert-hpgl", plot};
    QTest::newRow("normalize-hpgl") << QStringList{"normalize-hpgl", plot};
}

void TestGcodeCli::outputIntoAFifo() {
    QFETCH(QStringList, command);
    const ToolRun toStdout = runScaraCli(command + QStringList{"-o", "-"});
    QCOMPARE(toStdout.exitCode, 0);
    QVERIFY(!toStdout.out.isEmpty());
    TempDir dir;
    QVERIFY(dir.isValid());
    FifoReader fifo(dir.filePath("out.fifo"));
    QVERIFY(fifo.isValid());
    const ToolRun run = runScaraCli(command + QStringList{"-o", fifo.path()});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.isEmpty());
    QVERIFY(isFifo(fifo.path()));
    QCOMPARE(fifo.take(), toStdout.out);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
             QStringList{"out.fifo"});
}

void TestGcodeCli::outputIntoADirectoryIsRefused_data() {
    outputIntoAFifo_data();
}

void TestGcodeCli::outputIntoADirectoryIsRefused() {
    QFETCH(QStringList, command);
    TempDir dir;
    QVERIFY(dir.isValid());
    const ToolRun run = runScaraCli(command + QStringList{"-o", dir.path()});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains("\"" + QFile::encodeName(dir.path()) +
                              "\". It is a directory, not a file.\n"),
             run.err.constData());
    QVERIFY(QFileInfo(dir.path()).isDir());
}

// Each row: a command whose output cannot be written (a full disk).
void TestGcodeCli::lostStandardOutputEndsWithOne_data() {
    QTest::addColumn<QStringList>("command");
    const QString program = testDataPath("plotter.nc");
    const QString plot = testDataPath("../../hpgl/data/worked.plt");
    QTest::newRow("prepare") << QStringList{"prepare", program};
    QTest::newRow("prepare -o -") << QStringList{"prepare", program, "-o", "-"};
    QTest::newRow("plot -o -") << QStringList{"plot", program, "-o", "-"};
    QTest::newRow("frames") << QStringList{"frames", program};
    QTest::newRow("simulate") << QStringList{"simulate", program};
    QTest::newRow("check") << QStringList{"check", program};
    QTest::newRow("convert-hpgl") << QStringList{"convert-hpgl", plot};
    QTest::newRow("normalize-hpgl") << QStringList{"normalize-hpgl", plot};
    QTest::newRow("help") << QStringList{"prepare", "--help"};
}

void TestGcodeCli::lostStandardOutputEndsWithOne() {
    QFETCH(QStringList, command);
    if (!QFileInfo::exists("/dev/full"))
        QSKIP("no /dev/full here");
    const ToolRun run = runScaraCliInto("/dev/full", command);
    QVERIFY2(run.failure.isEmpty(), qPrintable(run.failure));
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains("scara-cli: cannot write to standard output"), run.err.constData());
    QCOMPARE(run.err.count("cannot write to standard output"), 1);
}

void TestGcodeCli::plotSavesThePicture() {
    TempDir dir;
    QVERIFY(dir.isValid());
    for (const char* name : {"plot.bmp", "plot.png"}) {
        const QString out = dir.filePath(QLatin1String(name));
        const ToolRun run = runScaraCli({"plot", testDataPath("converted.nc"), "-o", out});
        QCOMPARE(run.exitCode, 0);
        const QImage image(out);
        QCOMPARE(image.size(), QSize(1000, 500));
        // N20 G00 X 100 Y 200: a rapid move in white from the start point;
        // N40 G01 X 120 Y 200 at Z 10 matches no row: red.
        QCOMPARE(image.pixel(800, 400), qRgb(255, 255, 255));
        QCOMPARE(image.pixel(610, 300), qRgb(255, 0, 0));
    }
    const QString background = dir.filePath("background.png");
    QImage plain(1000, 500, QImage::Format_RGB32);
    plain.fill(qRgb(0, 0, 0));
    QVERIFY(plain.save(background));
    const QString out = dir.filePath("on-black.png");
    QCOMPARE(
        runScaraCli({"plot", testDataPath("converted.nc"), "-o", out, "--background", background})
            .exitCode,
        0);
    QCOMPARE(QImage(out).pixel(5, 5), qRgb(0, 0, 0));

    const QString kept = dir.writeFile("kept.png", "old");
    QVERIFY(!kept.isEmpty());
    const ToolRun bad = runScaraCli({"plot", testDataPath("../../gcode/data/none.nc"), "-o", kept});
    QCOMPARE(bad.exitCode, 1);
    QCOMPARE(readFileBytes(kept), QByteArray("old"));
}

void TestGcodeCli::helpForEachCommand() {
    for (const char* command : {"prepare", "plot"}) {
        const ToolRun run = runScaraCli({command, "--help"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.startsWith("usage: scara-cli " + QByteArray(command)));
    }
}

QTEST_GUILESS_MAIN(TestGcodeCli)
#include "tst_gcode_cli.moc"
