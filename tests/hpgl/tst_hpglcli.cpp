// scara-cli convert-hpgl and normalize-hpgl as a pipeline runs them.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString dataFile(const char* name) {
    return QStringLiteral(SCARA_TEST_DATA "/") + name;
}

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run cli(const QStringList& args) {
    QProcess process;
    process.start(QStringLiteral(SCARA_CLI_PATH), args);
    Run run;
    if (!process.waitForFinished(20000))
        return run;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

} // namespace

class TestHpglCli : public QObject {
    Q_OBJECT
private slots:
    void convertsTheWorkedExample();
    void settingsFromOptions();
    void errorKeepsEarlierLines();
    void warnsAboutAFileWithoutEnd();
    void normalizesAndFits();
    void failedWriteKeepsOldFile();
};

void TestHpglCli::convertsTheWorkedExample() {
    const Run run = cli({"convert-hpgl", dataFile("worked.plt")});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, readBytes(dataFile("worked.nc")));
    QCOMPARE(run.err, QByteArray());
}

void TestHpglCli::settingsFromOptions() {
    QTemporaryDir dir;
    const QString out = dir.filePath("out.nc");
    const Run run = cli({"convert-hpgl", dataFile("worked.plt"), "-o", out, "--pen-heights",
                         "11,12,13,14,15,16,17,18", "--travel-height", "40", "--step", "5"});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(readBytes(out), QByteArray("N5 M03 T0\r\nN10 G00 X 0 Y 0 Z 10\r\n"
                                        "N15 G00 X 100 Y 200 Z 40\r\nN20 G01 X 300 Y 400 Z 11\r\n"
                                        "N25 G00 X 0 Y 0 Z 40\r\nN30 M30\r\n"));
    QCOMPARE(cli({"convert-hpgl", dataFile("worked.plt"), "--pen-heights", "1,2"}).exitCode, 2);
}

void TestHpglCli::errorKeepsEarlierLines() {
    QTemporaryDir dir;
    const QString plot = dir.filePath("bad.plt");
    QFile file(plot);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("IN;\r\nPU1 2;\r\nPU3 99999999999;\r\nPU4 5;\r\nSP0;\r\n");
    file.close();
    const Run run = cli({"convert-hpgl", plot});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.out, QByteArray("N10 M03 T0\r\nN20 G00 X 0 Y 0 Z 10\r\nN30 G00 X 1 Y 2 Z 10\r\n"));
    QCOMPARE(run.err, QByteArray("' 99999999999' is not a valid integer value\n"));
}

void TestHpglCli::warnsAboutAFileWithoutEnd() {
    const Run run = cli({"convert-hpgl", dataFile("inkscape-export.plt")});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.err.startsWith("Plik jest niew"));
    // One long line that starts with IN;: the header and nothing else.
    QCOMPARE(run.out, QByteArray("N10 M03 T0\r\nN20 G00 X 0 Y 0 Z 10\r\n"));
    const Run missing = cli({"convert-hpgl", dataFile("no-such-file.plt")});
    QCOMPARE(missing.exitCode, 1);
    QVERIFY(missing.err.startsWith("Cannot open file \""));
}

void TestHpglCli::normalizesAndFits() {
    const Run normalized = cli({"normalize-hpgl", dataFile("norm-text-fills.plt")});
    QCOMPARE(normalized.exitCode, 0);
    QCOMPARE(normalized.out, readBytes(dataFile("norm-text-fills.expected")));
    QVERIFY(normalized.err.startsWith("Pomini"));
    const Run fitted =
        cli({"convert-hpgl", "--fit", "--margin", "20", dataFile("inkscape-export.plt")});
    QCOMPARE(fitted.exitCode, 0);
    QVERIFY(fitted.out.startsWith("N10 M03 T0\r\nN20 G00 X 0 Y 0 Z 10\r\nN30 G00 X "));
    QVERIFY(fitted.out.endsWith(" M30\r\n"));
    const Run bad = cli({"normalize-hpgl", dataFile("worked.nc")});
    QCOMPARE(bad.exitCode, 1);
    QVERIFY(bad.err.startsWith("Niezrozumia"));
}

void TestHpglCli::failedWriteKeepsOldFile() {
    QTemporaryDir dir;
    const QString target = dir.filePath("sub");
    QVERIFY(QDir(dir.path()).mkdir("sub")); // a directory cannot be replaced by a file
    const Run run = cli({"convert-hpgl", dataFile("worked.plt"), "-o", target});
    QCOMPARE(run.exitCode, 1);
    QVERIFY(run.err.startsWith("Cannot open file"));
    QVERIFY(QFileInfo(target).isDir());
}

QTEST_APPLESS_MAIN(TestHpglCli)
#include "tst_hpglcli.moc"
