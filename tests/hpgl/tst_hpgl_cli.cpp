// scara-cli convert-hpgl and normalize-hpgl as a pipeline runs them.
#include "support/files.h"
#include "support/testdata.h"
#include "support/toolrun.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

class TestHpglCli : public QObject {
    Q_OBJECT
private slots:
    void convertsTheWorkedExample();
    void settingsFromOptions();
    void errorKeepsEarlierLines();
    void warnsAboutAFileWithoutEnd();
    void normalizesAndFits();
    void failedWriteKeepsOldFile();
    void emptyLineBeforeTheEnd_data();
    void emptyLineBeforeTheEnd();
};

void TestHpglCli::convertsTheWorkedExample() {
    const ToolRun run = runScaraCli({"convert-hpgl", testDataPath("worked.plt")});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, readFileBytes(testDataPath("worked.nc")));
    QCOMPARE(run.err, QByteArray());
}

void TestHpglCli::settingsFromOptions() {
    TempDir dir;
    QVERIFY(dir.isValid());
    const QString out = dir.filePath("out.nc");
    const ToolRun run =
        runScaraCli({"convert-hpgl", testDataPath("worked.plt"), "-o", out, "--pen-heights",
                     "11,12,13,14,15,16,17,18", "--travel-height", "40", "--step", "5"});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(readFileBytes(out),
             QByteArray("N5 M03 T0\r\nN10 G00 X 0 Y 0 Z 10\r\n"
                        "N15 G00 X 100 Y 200 Z 40\r\nN20 G01 X 300 Y 400 Z 11\r\n"
                        "N25 G00 X 0 Y 0 Z 40\r\nN30 M30\r\n"));
    QCOMPARE(
        runScaraCli({"convert-hpgl", testDataPath("worked.plt"), "--pen-heights", "1,2"}).exitCode,
        2);
}

void TestHpglCli::errorKeepsEarlierLines() {
    TempDir dir;
    QVERIFY(dir.isValid());
    const QString plot =
        dir.writeFile("bad.plt", "IN;\r\nPU1 2;\r\nPU3 99999999999;\r\nPU4 5;\r\nSP0;\r\n");
    QVERIFY(!plot.isEmpty());
    const ToolRun run = runScaraCli({"convert-hpgl", plot});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.out, QByteArray("N10 M03 T0\r\nN20 G00 X 0 Y 0 Z 10\r\nN30 G00 X 1 Y 2 Z 10\r\n"));
    QCOMPARE(run.err, QByteArray("' 99999999999' is not a valid integer value\n"));
}

void TestHpglCli::warnsAboutAFileWithoutEnd() {
    const ToolRun run = runScaraCli({"convert-hpgl", testDataPath("inkscape-export.plt")});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.err.startsWith("Plik jest niew"));
    // One long line that starts with IN;: the header and nothing else.
    QCOMPARE(run.out, QByteArray("N10 M03 T0\r\nN20 G00 X 0 Y 0 Z 10\r\n"));
    const ToolRun missing = runScaraCli({"convert-hpgl", testDataPath("no-such-file.plt")});
    QCOMPARE(missing.exitCode, 1);
    QVERIFY(missing.err.startsWith("Cannot open file \""));
}

void TestHpglCli::normalizesAndFits() {
    const ToolRun normalized = runScaraCli({"normalize-hpgl", testDataPath("norm-text-fills.plt")});
    QCOMPARE(normalized.exitCode, 0);
    QCOMPARE(normalized.out, readFileBytes(testDataPath("norm-text-fills.expected")));
    QVERIFY(normalized.err.startsWith("Pomini"));
    const ToolRun fitted = runScaraCli(
        {"convert-hpgl", "--fit", "--margin", "20", testDataPath("inkscape-export.plt")});
    QCOMPARE(fitted.exitCode, 0);
    // The default header's move to the base goes home with a fit.
    QVERIFY(fitted.out.startsWith("N10 M03 T0\r\nN20 G00 X 500 Y 0 Z 10\r\nN30 G00 X "));
    QVERIFY(fitted.out.endsWith(" M30\r\n"));
    const ToolRun bad = runScaraCli({"normalize-hpgl", testDataPath("worked.nc")});
    QCOMPARE(bad.exitCode, 1);
    QVERIFY(bad.err.startsWith("Niezrozumia"));
}

void TestHpglCli::failedWriteKeepsOldFile() {
    TempDir dir;
    QVERIFY(dir.isValid());
    const QString target = dir.filePath("sub");
    QVERIFY(QDir(dir.path()).mkdir("sub")); // a directory cannot be replaced by a file
    const ToolRun run = runScaraCli({"convert-hpgl", testDataPath("worked.plt"), "-o", target});
    QCOMPARE(run.exitCode, 1);
    QVERIFY(run.err.startsWith("Cannot open file"));
    QVERIFY(QFileInfo(target).isDir());
}

// Each row: a plot file with empty lines, the options, the exit status, the
// G-code written and what standard error must hold.
void TestHpglCli::emptyLineBeforeTheEnd_data() {
    QTest::addColumn<QByteArray>("plot");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("gcode");
    QTest::addColumn<QByteArray>("message");
    const QByteArray withGap = "IN;\r\nSP1;\r\nPU100 200;\r\n\r\nPD300 400;\r\nPU0 0;\r\nSP0;\r\n";
    const QByteArray head = "N10 M03 T0\r\nN20 G00 X 0 Y 0 Z 10\r\nN30 G00 X 100 Y 200 Z 10\r\n";
    const QByteArray whole = readFileBytes(testDataPath("worked.nc"));
    QTest::newRow("stops, names the line")
        << withGap << QStringList{} << 1 << head
        << QByteArray("Konwersja zatrzymana na pustej linii 4; pozosta\xc5\x82"
                      "e linie nie zosta\xc5\x82y przetworzone\n");
    QTest::newRow("goes on when asked")
        << withGap << QStringList{"--skip-empty-lines"} << 0 << whole << QByteArray();
    QTest::newRow("empty lines at the end")
        << readFileBytes(testDataPath("worked.plt")) + "\r\n\r\n"
        << QStringList{} << 0 << whole << QByteArray();
}

void TestHpglCli::emptyLineBeforeTheEnd() {
    QFETCH(QByteArray, plot);
    QFETCH(QStringList, options);
    QFETCH(int, status);
    QFETCH(QByteArray, gcode);
    QFETCH(QByteArray, message);
    TempDir dir;
    QVERIFY(dir.isValid());
    const QString file = dir.writeFile("gap.plt", plot);
    QVERIFY(!file.isEmpty());
    const ToolRun run = runScaraCli(QStringList{"convert-hpgl", file} + options);
    QCOMPARE(run.exitCode, status);
    QCOMPARE(run.out, gcode);
    QVERIFY2(run.err.startsWith(message), run.err.constData());
    if (message.isEmpty())
        QCOMPARE(run.err, QByteArray());
}

QTEST_GUILESS_MAIN(TestHpglCli)
#include "tst_hpgl_cli.moc"
