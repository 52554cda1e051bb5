// Program text, program files and the shared program list.
#include "gcode/programfile.h"
#include "gcode/programlist.h"
#include "support/files.h"
#include "support/filesizelimit.h"

#include <QDir>
#include <QTest>
#include <QThread>

#include <atomic>

namespace {

ProgramText bigProgram() {
    ProgramText text;
    for (int i = 0; i < 100000; ++i)
        text.appendLine("N" + QByteArray::number(i) + " G01 X100 Y200 Z1");
    return text;
}

} // namespace

class TestProgramFile : public QObject {
    Q_OBJECT

private slots:
    void splitsLines_data();
    void splitsLines();
    void crlfFilesRoundTripByteForByte();
    void memoTextIsEncoded();
    void appendingTextsAndMovingThem();
    void readsAndWritesFiles();
    void missingFileIsReported();
    void failedSaveKeepsTheOldFile();
    void saveIntoMissingFolderIsReported();
    void listBeforeFirstProgram();
    void listReplaceAndRead();
    void listReadsNeverSeeHalfAReplacement();
};

void TestProgramFile::splitsLines_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArrayList>("lines");
    QTest::newRow("empty") << QByteArray() << QByteArrayList{};
    QTest::newRow("no line end") << QByteArray("A") << QByteArrayList{"A"};
    QTest::newRow("CR LF at end") << QByteArray("A\r\n") << QByteArrayList{"A"};
    QTest::newRow("CR LF") << QByteArray("A\r\nB") << QByteArrayList{"A", "B"};
    QTest::newRow("LF with empty line") << QByteArray("A\n\nB\n") << QByteArrayList{"A", "", "B"};
    QTest::newRow("CR") << QByteArray("A\rB\r") << QByteArrayList{"A", "B"};
    QTest::newRow("mixed") << QByteArray("A\r\r\nB\nC") << QByteArrayList{"A", "", "B", "C"};
    QTest::newRow("only a line end") << QByteArray("\r\n") << QByteArrayList{""};
    QTest::newRow("LF CR is two ends") << QByteArray("A\n\r") << QByteArrayList{"A", ""};
    QTest::newRow("NUL and high bytes kept")
        << QByteArray("X\0\xff\xb3\n", 5) << QByteArrayList{QByteArray("X\0\xff\xb3", 4)};
}

void TestProgramFile::splitsLines() {
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArrayList, lines);
    const ProgramText text = ProgramText::fromBytes(bytes);
    QCOMPARE(text.toLines(), lines);
    QCOMPARE(text, ProgramText::fromLines(lines));
}

void TestProgramFile::crlfFilesRoundTripByteForByte() {
    QByteArray bytes;
    for (int line = 0; line < 50; ++line) {
        for (int b = 0; b < 256; ++b) {
            if (b != '\r' && b != '\n' && (b + line) % 3 != 0)
                bytes.append(char(b));
        }
        bytes.append("\r\n");
    }
    bytes.append("\r\n\r\n");
    QCOMPARE(ProgramText::fromBytes(bytes).toBytes(), bytes);
}

void TestProgramFile::memoTextIsEncoded() {
    const ProgramText text = ProgramText::fromUnicode(u"N1 T(żółw)\r\nN2 M30 \U0001F600\u2029N3");
    QCOMPARE(text.toLines(), (QByteArrayList{"N1 T(\xbf\xf3\xb3w)", "N2 M30 ?", "N3"}));
    QCOMPARE(text.toUnicode(), QStringLiteral("N1 T(żółw)\nN2 M30 ?\nN3"));
}

void TestProgramFile::appendingTextsAndMovingThem() {
    ProgramText text = ProgramText::fromBytes("N10 M03\r\nN20 G00");
    const ProgramText shared = text;
    text.appendLines(ProgramText::fromBytes("N30 G01\nN40 M30"));
    text.appendLines(ProgramText());
    QCOMPARE(text.toLines(), (QByteArrayList{"N10 M03", "N20 G00", "N30 G01", "N40 M30"}));
    QCOMPARE(shared.lineCount(), qsizetype(2)); // a copy never sees later changes
    // A text moved from is empty and takes new lines as a new text would.
    ProgramText taken = std::move(text);
    QCOMPARE(taken.lineCount(), qsizetype(4));
    QCOMPARE(text.lineCount(), qsizetype(0));
    QVERIFY(text == ProgramText());
    text.appendLine("N50");
    QCOMPARE(text.toLines(), QByteArrayList{"N50"});
    ProgramText other;
    other = std::move(taken);
    QCOMPARE(other.lineCount(), qsizetype(4));
    taken.appendLine("N60");
    QCOMPARE(taken.toBytes(), QByteArray("N60\r\n"));
}

void TestProgramFile::readsAndWritesFiles() {
    TempDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("program.nc");
    QVERIFY(writeFileBytes(path, "N1 X1\nN2 T(\xb3)\rN3 M30"));
    const Result<ProgramText> read = ReadProgramFile(path);
    QVERIFY(read.ok());
    QCOMPARE(read->lineCount(), 3);
    QVERIFY(WriteProgramFile(path, *read).ok());
    QCOMPARE(readFileBytes(path), QByteArray("N1 X1\r\nN2 T(\xb3)\r\nN3 M30\r\n"));
    QVERIFY(WriteProgramFile(path, ProgramText()).ok());
    QCOMPARE(readFileBytes(path), QByteArray());
}

void TestProgramFile::missingFileIsReported() {
    TempDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("missing.nc");
    const Result<ProgramText> read = ReadProgramFile(path);
    QVERIFY(!read.ok());
    QCOMPARE(read.error(),
             QStringLiteral("Cannot open file \"%1\". No such file or directory").arg(path));
}

void TestProgramFile::failedSaveKeepsTheOldFile() {
    TempDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("program.nc");
    QVERIFY(writeFileBytes(path, "N1 X1 Y1\r\nN2 M30\r\n"));
    Status saved;
    {
        FileSizeLimit limit(64 * 1024);
        QVERIFY(limit.active());
        saved = WriteProgramFile(path, bigProgram());
    }
    QVERIFY(!saved.ok());
    QVERIFY2(saved.error().startsWith(QStringLiteral("Cannot create file \"%1\". ").arg(path)),
             qPrintable(saved.error()));
    QCOMPARE(readFileBytes(path), QByteArray("N1 X1 Y1\r\nN2 M30\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"program.nc"});
}

void TestProgramFile::saveIntoMissingFolderIsReported() {
    TempDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("no/such/folder/program.nc");
    const Status saved = WriteProgramFile(path, bigProgram());
    QVERIFY(!saved.ok());
    QVERIFY2(saved.error().startsWith(QStringLiteral("Cannot create file \"%1\". ").arg(path)),
             qPrintable(saved.error()));
}

void TestProgramFile::listBeforeFirstProgram() {
    ProgramList list;
    QVERIFY(!list.exists());
    QCOMPARE(list.lineCount(), 0);
    QCOMPARE(list.line(0).error(), QStringLiteral("List index out of bounds (0)"));
    list.clear();
    QVERIFY(list.exists());
    QCOMPARE(list.line(3).error(), QStringLiteral("List index out of bounds (3)"));
}

void TestProgramFile::listReplaceAndRead() {
    ProgramList list;
    list.replace(ProgramText::fromBytes("A\nB"));
    const ProgramText before = list.snapshot();
    QCOMPARE(*list.line(1), QByteArray("B"));
    QCOMPARE(list.line(-1).error(), QStringLiteral("List index out of bounds (-1)"));
    list.replace(ProgramText::fromBytes("C"));
    QCOMPARE(list.lineCount(), 1);
    QCOMPARE(*list.lineAt(0), QByteArray("C"));
    QVERIFY(!list.lineAt(1));
    QCOMPARE(before.toLines(), (QByteArrayList{"A", "B"})); // a snapshot keeps its lines
}

// A reader thread walks the list by index, as the simulation does, while this
// thread replaces it again and again with programs of other lengths. Each
// read is either a whole line of one of the programs at that index or an
// out-of-bounds error; never a torn or mixed line.
void TestProgramFile::listReadsNeverSeeHalfAReplacement() {
    auto programOf = [](char tag, int lines) {
        ProgramText text;
        for (int i = 0; i < lines; ++i)
            text.appendLine(QByteArray(40, tag) + QByteArray::number(i));
        return text;
    };
    const ProgramText a = programOf('a', 300);
    const ProgramText b = programOf('b', 120);
    ProgramList list;
    list.replace(a);
    std::atomic<bool> stop = false;
    std::atomic<int> bad = 0;
    std::atomic<int> reads = 0;
    QThread* reader = QThread::create([&] {
        for (qsizetype i = 0; !stop; i = (i + 1) % 300) {
            const Result<QByteArray> line = list.line(i);
            ++reads;
            if (!line.ok())
                continue;
            const bool fromA = i < a.lineCount() && *line == a.line(i).toByteArray();
            const bool fromB = i < b.lineCount() && *line == b.line(i).toByteArray();
            if (!fromA && !fromB)
                ++bad;
        }
    });
    reader->start();
    for (int round = 0; round < 20000 || reads < 20000; ++round)
        list.replace(round % 2 ? a : b);
    stop = true;
    QVERIFY(reader->wait(10000));
    delete reader;
    QCOMPARE(bad.load(), 0);
}

QTEST_GUILESS_MAIN(TestProgramFile)
#include "tst_gcode_files.moc"
