// Program text, program files and the shared program list.
#include "base/inputfile.h"
#include "base/outputfile.h"
#include "controller/emulator/pseudoterminal.h"
#include "gcode/programfile.h"
#include "gcode/programlist.h"
#include "support/fifo.h"
#include "support/files.h"
#include "support/filesizelimit.h"

#include <QDir>
#include <QProcess>
#include <QTest>
#include <QThread>

#include <atomic>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// A listening Unix socket at `path`, closed with this object.
struct SocketFile {
    explicit SocketFile(const QString& path) {
        fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(path);
        if (fd < 0 || std::size_t(name.size()) >= sizeof address.sun_path)
            return;
        std::copy(name.begin(), name.end(), address.sun_path);
        made = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    }
    ~SocketFile() {
        if (fd >= 0)
            ::close(fd);
    }
    int fd = -1;
    bool made = false;
};

const ProgramText kSmallProgram = ProgramText::fromLines({"N1 G00 X1 Y2", "N2 M30"});
const QByteArray kSmallProgramBytes = "N1 G00 X1 Y2\r\nN2 M30\r\n";

ProgramText bigProgram() {
    ProgramText text;
    for (int i = 0; i < 100000; ++i)
        text.appendLine("N" + QByteArray::number(i) + " G01 X100 Y200 Z1");
    return text;
}

} // namespace

Q_DECLARE_METATYPE(ProgramText)

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
    void writerPassesLinesOnAsTheyCome_data();
    void writerPassesLinesOnAsTheyCome();
    void writerNotCommittedKeepsTheOldFile();
    void writerReportsAFolderThatIsMissing();
    void saveWritesIntoStreams_data();
    void saveWritesIntoStreams();
    void saveRefusesWhatIsNoFile_data();
    void saveRefusesWhatIsNoFile();
    void readRefusesWhatIsNoFile_data();
    void readRefusesWhatIsNoFile();
    void readTakesAPipeToItsEnd();
    void endlessPipeIsCutOff();
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

// Lines handed to the writer one by one give the bytes WriteProgramFile
// writes for the same program, also across its pieces.
void TestProgramFile::writerPassesLinesOnAsTheyCome_data() {
    QTest::addColumn<ProgramText>("program");
    QTest::newRow("small") << kSmallProgram;
    QTest::newRow("several pieces") << bigProgram();
    QTest::newRow("no lines") << ProgramText();
}

void TestProgramFile::writerPassesLinesOnAsTheyCome() {
    QFETCH(ProgramText, program);
    TempDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("program.nc");
    QVERIFY(writeFileBytes(path, "old"));
    // A low guess of the size, so that the buffer grows on the way.
    ProgramFileWriter writer(path, 16);
    for (qsizetype i = 0; i < program.lineCount(); ++i) {
        const QByteArrayView line = program.line(i);
        std::copy(line.begin(), line.end(), writer.addLine(line.size()));
    }
    QVERIFY(writer.commit().ok());
    QCOMPARE(readFileBytes(path), program.toBytes());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"program.nc"});
}

void TestProgramFile::writerNotCommittedKeepsTheOldFile() {
    TempDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("program.nc");
    QVERIFY(writeFileBytes(path, kSmallProgramBytes));
    {
        ProgramFileWriter writer(path, 1 << 20);
        const ProgramText program = bigProgram();
        for (qsizetype i = 0; i < program.lineCount(); ++i) {
            const QByteArrayView line = program.line(i);
            std::copy(line.begin(), line.end(), writer.addLine(line.size()));
        }
    }
    QCOMPARE(readFileBytes(path), kSmallProgramBytes);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"program.nc"});
}

void TestProgramFile::writerReportsAFolderThatIsMissing() {
    TempDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("no/such/folder/program.nc");
    ProgramFileWriter writer(path, 64);
    std::copy_n("N1 M30", 6, writer.addLine(6));
    const Status written = writer.commit();
    QVERIFY(!written.ok());
    QCOMPARE(written.error(), WriteProgramFile(path, kSmallProgram).error());
}

void TestProgramFile::saveWritesIntoStreams_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("FIFO") << "fifo";
    QTest::newRow("terminal") << "terminal";
    QTest::newRow("/dev/null") << "null";
}

// A FIFO or a character device is written into and stays what it is; a
// replacement by a new regular file would leave the reader with nothing.
void TestProgramFile::saveWritesIntoStreams() {
    QFETCH(QString, kind);
    TempDir dir;
    QVERIFY(dir.isValid());
    if (kind == "fifo") {
        FifoReader fifo(dir.filePath("program.fifo"));
        QVERIFY(fifo.isValid());
        const Status saved = WriteProgramFile(fifo.path(), kSmallProgram);
        QVERIFY2(saved.ok(), qPrintable(saved.ok() ? QString() : saved.error()));
        QVERIFY(isFifo(fifo.path()));
        QCOMPARE(fifo.take(), kSmallProgramBytes);
        QCOMPARE(QDir(dir.path()).entryList(QDir::System | QDir::Files),
                 QStringList{"program.fifo"});
    } else if (kind == "terminal") {
        PseudoTerminal line;
        QVERIFY(line.open().ok());
        QVERIFY(isCharacterDevice(line.portPath()));
        const Status saved = WriteProgramFile(line.portPath(), kSmallProgram);
        QVERIFY2(saved.ok(), qPrintable(saved.ok() ? QString() : saved.error()));
        QVERIFY(isCharacterDevice(line.portPath()));
        QByteArray heard;
        QTRY_VERIFY((heard += line.readAvailable()).size() >= kSmallProgramBytes.size());
        QCOMPARE(heard, kSmallProgramBytes);
    } else {
        // Written only once the save is known to go into the device as it is.
        QVERIFY(isCharacterDevice("/dev/null"));
        QCOMPARE(ClassifyOutput("/dev/null").kind, OutputKind::Stream);
        QVERIFY(WriteProgramFile("/dev/null", kSmallProgram).ok());
        QVERIFY(isCharacterDevice("/dev/null"));
    }
}

void TestProgramFile::saveRefusesWhatIsNoFile_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("directory") << "directory"
                               << "It is a directory, not a file.";
    QTest::newRow("socket") << "socket"
                            << "It is a socket, not a file.";
}

void TestProgramFile::saveRefusesWhatIsNoFile() {
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    TempDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("target");
    std::unique_ptr<SocketFile> socket;
    if (kind == "directory") {
        QVERIFY(QDir(dir.path()).mkdir("target"));
    } else {
        socket = std::make_unique<SocketFile>(path);
        QVERIFY(socket->made);
    }
    const Status saved = WriteProgramFile(path, kSmallProgram);
    QVERIFY(!saved.ok());
    QCOMPARE(saved.error(), QStringLiteral("Cannot create file \"%1\". %2").arg(path, reason));
    QCOMPARE(QFileInfo(path).isDir(), kind == "directory");
    QVERIFY(!isRegularFile(path));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
             QStringList{"target"});
}

void TestProgramFile::readRefusesWhatIsNoFile_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("reason");
    QTest::newRow("endless device") << "/dev/zero"
                                    << "It is a character device, not a file.";
    QTest::newRow("directory") << QDir::tempPath() << "It is a directory, not a file.";
}

void TestProgramFile::readRefusesWhatIsNoFile() {
    QFETCH(QString, path);
    QFETCH(QString, reason);
    const Result<ProgramText> read = ReadProgramFile(path);
    QVERIFY(!read.ok());
    QCOMPARE(read.error(), QStringLiteral("Cannot open file \"%1\". %2").arg(path, reason));
}

// A pipe (a FIFO, a shell's process substitution) is read to its end.
void TestProgramFile::readTakesAPipeToItsEnd() {
    TempDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("program.fifo");
    QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    QProcess writer;
    writer.start("sh", {"-c", "printf 'N1 G00 X1 Y2\\r\\nN2 M30\\r\\n' > \"$0\"", path});
    QVERIFY(writer.waitForStarted());
    const Result<ProgramText> read = ReadProgramFile(path); // waits for the writer
    QVERIFY(writer.waitForFinished());
    QVERIFY2(read.ok(), qPrintable(read.ok() ? QString() : read.error()));
    QCOMPARE(read->toBytes(), kSmallProgramBytes);
}

// A stream that does not end is cut off with a message, not read until the
// memory runs out.
void TestProgramFile::endlessPipeIsCutOff() {
    TempDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("endless.fifo");
    QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    // Held open for reading and writing, the FIFO never ends.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR);
    QVERIFY(fd >= 0);
    const QByteArray lines = QByteArray("N1 G00 X1 Y2\r\n").repeated(200);
    QCOMPARE(::write(fd, lines.constData(), std::size_t(lines.size())), ssize_t(lines.size()));
    const Result<QByteArray> read = ReadInputFile(path, 1000);
    ::close(fd);
    QVERIFY(!read.ok());
    QCOMPARE(read.error(), QString("It does not end within 1000 bytes."));
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
