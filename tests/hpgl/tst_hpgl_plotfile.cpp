// Plot files read as lines of bytes and G-code files written from lines.
#include "hpgl/plotfile.h"
#include "support/fifo.h"
#include "support/files.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

class TestHpglPlotFile : public QObject {
    Q_OBJECT
private slots:
    void readLines_data();
    void readLines();
    void readMissingFile();
    void linesFromText_data();
    void linesFromText();
    void writeLines();
    void failedWriteKeepsTarget();
    void writeIntoAFifo();
    void readRefusesADevice();
};

// Each row: the file's bytes and the lines read from it.
void TestHpglPlotFile::readLines_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QList<QByteArray>>("lines");
    using Lines = QList<QByteArray>;
    QTest::newRow("CR LF") << QByteArray("IN;\r\nSP1;\r\n") << Lines{"IN;", "SP1;"};
    QTest::newRow("LF") << QByteArray("IN;\nSP1;\n") << Lines{"IN;", "SP1;"};
    QTest::newRow("CR") << QByteArray("IN;\rSP1;\r") << Lines{"IN;", "SP1;"};
    QTest::newRow("mixed") << QByteArray("a\r\nb\nc\rd") << Lines{"a", "b", "c", "d"};
    QTest::newRow("no final line end") << QByteArray("IN;\r\nSP0;") << Lines{"IN;", "SP0;"};
    QTest::newRow("empty lines kept") << QByteArray("a\r\n\r\nb\n\n") << Lines{"a", "", "b", ""};
    QTest::newRow("LF CR is two line ends") << QByteArray("a\n\rb") << Lines{"a", "", "b"};
    QTest::newRow("empty file") << QByteArray() << Lines{};
    QTest::newRow("line end only") << QByteArray("\r\n") << Lines{""};
    QTest::newRow("bytes kept as they are")
        << QByteArray("LB\xB9\x81\x98\0x;\r\n", 10) << Lines{QByteArray("LB\xB9\x81\x98\0x;", 8)};
}

void TestHpglPlotFile::readLines() {
    QFETCH(QByteArray, file);
    QFETCH(QList<QByteArray>, lines);
    TempDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("plot.plt");
    QVERIFY(writeFileBytes(path, file));
    const Result<ProgramText> read = readPlotLines(path);
    QVERIFY(read.ok());
    QCOMPARE(read->toLines(), lines);
    // The window still reads the text: both readers see the same lines.
    const Result<QString> text = readPlotFile(path);
    QVERIFY(text.ok());
    QCOMPARE(read->toUnicode(), *text);
}

void TestHpglPlotFile::readMissingFile() {
    TempDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("missing.plt");
    const Result<ProgramText> lines = readPlotLines(path);
    QVERIFY(!lines.ok());
    QVERIFY(lines.error().startsWith(QString("Cannot open file \"%1\". ").arg(path)));
    QCOMPARE(lines.error(), readPlotFile(path).error());
}

// Each row: a memo's text and the lines the converter gets from it.
void TestHpglPlotFile::linesFromText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<QByteArray>>("lines");
    using Lines = QList<QByteArray>;
    QTest::newRow("final line end adds an empty line") << "a\n" << Lines{"a", ""};
    QTest::newRow("empty text is one empty line") << "" << Lines{""};
    QTest::newRow("only LF ends a line") << "a\rb\n\nc" << Lines{"a\rb", "", "c"};
    QTest::newRow("Windows-1250") << QString::fromUtf8("Łódź €\n→")
                                  << Lines{"\xA3\xF3\x64\x9F \x80", "?"};
}

void TestHpglPlotFile::linesFromText() {
    QFETCH(QString, text);
    QFETCH(QList<QByteArray>, lines);
    QCOMPARE(plotLinesFromText(text).toLines(), lines);
}

void TestHpglPlotFile::writeLines() {
    TempDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("out.nc");
    QVERIFY(writeFileBytes(path, "an older, longer program\r\n"));
    const ProgramText lines = ProgramText::fromLines({"N10 M03 T0", "", "N20 \xB3\x81"});
    QVERIFY(writeGcodeFile(path, lines).ok());
    QCOMPARE(readFileBytes(path), QByteArray("N10 M03 T0\r\n\r\nN20 \xB3\x81\r\n"));
    QVERIFY(writeGcodeFile(path, ProgramText()).ok());
    QCOMPARE(readFileBytes(path), QByteArray());
}

void TestHpglPlotFile::failedWriteKeepsTarget() {
    TempDir dir;
    QVERIFY(dir.isValid());
    const ProgramText lines = ProgramText::fromLines({"N10 M30"});
    const Status missingFolder = writeGcodeFile(dir.filePath("missing/out.nc"), lines);
    QVERIFY(!missingFolder.ok());
    QVERIFY(missingFolder.error().startsWith("Cannot open file \""));
    // A folder in the file's place is neither replaced nor reported as written.
    QVERIFY(QDir(dir.path()).mkdir("sub"));
    QVERIFY(!writeGcodeFile(dir.filePath("sub"), lines).ok());
    QVERIFY(QFileInfo(dir.filePath("sub")).isDir());
}

// The converter's save goes into a FIFO as into a device, leaving it a FIFO.
void TestHpglPlotFile::writeIntoAFifo() {
    TempDir dir;
    QVERIFY(dir.isValid());
    FifoReader fifo(dir.filePath("out.fifo"));
    QVERIFY(fifo.isValid());
    QVERIFY(writeGcodeFile(fifo.path(), ProgramText::fromLines({"N10 M03 T0", "N20 M30"})).ok());
    QVERIFY(isFifo(fifo.path()));
    QCOMPARE(fifo.take(), QByteArray("N10 M03 T0\r\nN20 M30\r\n"));
}

// An endless device is refused at once, by both readers.
void TestHpglPlotFile::readRefusesADevice() {
    const QString expected =
        QStringLiteral("Cannot open file \"/dev/zero\". It is a character device, not a file.");
    QCOMPARE(readPlotLines("/dev/zero").error(), expected);
    QCOMPARE(readPlotFile("/dev/zero").error(), expected);
}

QTEST_GUILESS_MAIN(TestHpglPlotFile)
#include "tst_hpgl_plotfile.moc"
