// scara-cli prepare and plot, run as a user runs them.
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run runCli(const QStringList& args) {
    QProcess process;
    process.start(QStringLiteral(SCARA_CLI), args);
    Run run;
    if (!process.waitForFinished(30000))
        return run;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QString data(const char* name) {
    return QStringLiteral(SCARA_TEST_DATA "/") + QLatin1String(name);
}

} // namespace

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
    const Run toStdout = runCli(QStringList{"prepare", data("plotter.nc")} + options);
    QCOMPARE(toStdout.exitCode, 0);
    QCOMPARE(toStdout.out, readFile(data(qPrintable(expected))));
    QVERIFY(toStdout.err.startsWith("W bloku 20 nastapi"));
    QTemporaryDir dir;
    const QString out = dir.filePath("out.nc");
    const Run toFile = runCli(QStringList{"prepare", data("plotter.nc"), "-o", out} + options);
    QCOMPARE(toFile.exitCode, 0);
    QVERIFY(toFile.out.isEmpty());
    QCOMPARE(readFile(out), toStdout.out);
}

void TestGcodeCli::prepareErrorWritesNothing() {
    QTemporaryDir dir;
    const QString program = dir.filePath("bad.nc");
    const QString out = dir.filePath("out.nc");
    writeFile(program, "N1 G01X5Y7\r\nN2 M30\r\n");
    writeFile(out, "old\r\n");
    const Run run = runCli({"prepare", program, "-o", out});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.err, QByteArray("'5Y7' is not a valid floating point value\n"));
    QCOMPARE(readFile(out), QByteArray("old\r\n"));

    const Run missing = runCli({"prepare", dir.filePath("missing.nc")});
    QCOMPARE(missing.exitCode, 1);
    QVERIFY(missing.out.isEmpty());
    QVERIFY(missing.err.startsWith("Cannot open file \""));

    const Run badShift = runCli({"prepare", data("plotter.nc"), "--dx", "1,5"});
    QCOMPARE(badShift.exitCode, 1);
    QCOMPARE(badShift.err, QByteArray("'1,5' is not a valid integer value\n"));
    QCOMPARE(runCli({"prepare"}).exitCode, 2);
    QCOMPARE(runCli({"prepare", data("plotter.nc"), "--bogus"}).exitCode, 2);
}

void TestGcodeCli::plotSavesThePicture() {
    QTemporaryDir dir;
    for (const char* name : {"plot.bmp", "plot.png"}) {
        const QString out = dir.filePath(QLatin1String(name));
        const Run run = runCli({"plot", data("converted.nc"), "-o", out});
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
    QCOMPARE(runCli({"plot", data("converted.nc"), "-o", out, "--background", background}).exitCode,
             0);
    QCOMPARE(QImage(out).pixel(5, 5), qRgb(0, 0, 0));

    const QString kept = dir.filePath("kept.png");
    writeFile(kept, "old");
    const Run bad = runCli({"plot", data("../../gcode/data/none.nc"), "-o", kept});
    QCOMPARE(bad.exitCode, 1);
    QCOMPARE(readFile(kept), QByteArray("old"));
}

void TestGcodeCli::helpForEachCommand() {
    for (const char* command : {"prepare", "plot"}) {
        const Run run = runCli({command, "--help"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.startsWith("usage: scara-cli " + QByteArray(command)));
    }
}

QTEST_GUILESS_MAIN(TestGcodeCli)
#include "tst_gcodecli.moc"
