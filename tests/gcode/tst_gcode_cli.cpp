// scara-cli prepare and plot, run as a user runs them.
#include "support/files.h"
#include "support/testdata.h"
#include "support/toolrun.h"

#include <QImage>
#include <QTest>

class TestGcodeCli : public QObject {
    Q_OBJECT

private slots:
    void prepareWritesTheGoldenProgram_data();
    void prepareWritesTheGoldenProgram();
    void prepareErrorWritesNothing();
    void plotSavesThePicture();
    void helpForEachCommand();
};

void TestGcodeCli::prepareWritesTheGoldenProgram_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("expected");
    QTest::newRow("defaults") << QStringList{} << "plotter.prepared";
    QTest::newRow("shift") << QStringList{"--dx", "10", "--dy", "-5"} << "plotter-shifted.prepared";
    QTest::newRow("as written") << QStringList{"--keep-repeats", "--no-reach-check"}
                                << "plotter-kept.prepared";
}

void TestGcodeCli::prepareWritesTheGoldenProgram() {
    QFETCH(QStringList, options);
    QFETCH(QString, expected);
    const ToolRun toStdout =
        runScaraCli(QStringList{"prepare", testDataPath("plotter.nc")} + options);
    QCOMPARE(toStdout.exitCode, 0);
    QCOMPARE(toStdout.out, readFileBytes(testDataPath(expected)));
    QVERIFY(toStdout.err.startsWith("W bloku 20 nastapi"));
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
