// The controller emulator: its frame check, and its replies on a real
// pseudo-terminal with the station's serial port on the other side.
#include "controller/controllerframe.h"
#include "controller/emulator/controlleremulator.h"
#include "controller/serialport.h"
#include "support/files.h"
#include "support/toolrun.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <signal.h>

using namespace std::chrono_literals;

Q_DECLARE_METATYPE(FrameVerdict)

class TestEmulator : public QObject {
    Q_OBJECT
private slots:
    void checkFrame_data();
    void checkFrame();

    void validFramesAreAcknowledgedAndBadOnesLogged();
    void droppedAndDuplicatedAcknowledgements();
    void splitAcknowledgementsAndNoise();
    void latencyHoldsTheAcknowledgement();
    void pacingTakesTheWireTime();
    void stoppingClosesTheLine();

    void toolRefusesToReplaceAFile_data();
    void toolRefusesToReplaceAFile();
    void toolReplacesAnOldLink_data();
    void toolReplacesAnOldLink();
    void toolLeavesWhatReplacedItsLink();

private:
    struct Peer {
        ControllerEmulator emulator;
        SerialPort port;
        QByteArray received;
        explicit Peer(EmulatorOptions options = {}) : emulator(std::move(options)) {}
        bool open() {
            if (!emulator.start())
                return false;
            port.setSettings({.port = emulator.portPath()});
            QObject::connect(&port, &SerialPort::chunkReceived,
                             [this](const QByteArray& chunk) { received += chunk; });
            return bool(port.open());
        }
    };
};

void TestEmulator::checkFrame_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<FrameVerdict>("verdict");
    QTest::addColumn<QByteArray>("payload");
    QTest::newRow("fixed, lower-case digits")
        << QByteArray(FixedFrames::kConnect) << FrameVerdict::Ok << QByteArray("002");
    QTest::newRow("built, upper-case digits") << CommandFrame("05", Command::CmdZHeightG00, "050")
                                              << FrameVerdict::Ok << QByteArray("006050");
    QTest::newRow("program line with final blank")
        << BlockFrame("05", "N10 G01 X120 Y-35 Z10 ") + "\r\n"
        << FrameVerdict::Ok << QByteArray("N10 G01 X120 Y-35 Z10 ");
    QTest::newRow("empty program line") << BlockFrame("05", "") + "\r\n"
                                        << FrameVerdict::Ok << QByteArray();
    QTest::newRow("changed byte") << QByteArray(":0520N11 G01 X1 \r\n").replace("N11", "N12")
                                  << FrameVerdict::BadChecksum << QByteArray();
    QTest::newRow("checksum of a neighbour")
        << QByteArray(":05210021ae5\r\n") << FrameVerdict::BadChecksum << QByteArray();
    QTest::newRow("digits not hex")
        << QByteArray(":0521002zzzz\r\n") << FrameVerdict::BadChecksum << QByteArray();
    QTest::newRow("other address")
        << QByteArray(":06210021ae4\r\n") << FrameVerdict::BadAddress << QByteArray();
    QTest::newRow("function 22") << QByteArray(":05220021ae4\r\n") << FrameVerdict::BadFunction
                                 << QByteArray();
    QTest::newRow("command 001") << CommandFrame("05", Command(1)) << FrameVerdict::UnknownCommand
                                 << QByteArray();
    QTest::newRow("LF alone") << QByteArray(":05210021ae4\n") << FrameVerdict::NoLineEnd
                              << QByteArray();
    QTest::newRow("noise before the colon")
        << QByteArray("x:05210021ae4\r\n") << FrameVerdict::NoStart << QByteArray();
    QTest::newRow("too short") << QByteArray(":0521ae\r\n") << FrameVerdict::TooShort
                               << QByteArray();
    QTest::newRow("the acknowledgement itself")
        << QByteArray(":0505\r\n") << FrameVerdict::BadFunction << QByteArray();
}

void TestEmulator::checkFrame() {
    QFETCH(QByteArray, line);
    QFETCH(FrameVerdict, verdict);
    QFETCH(QByteArray, payload);
    const CheckedFrame checked = ::checkFrame(line, "05");
    QCOMPARE(checked.verdict, verdict);
    QCOMPARE(checked.payload, payload);
}

void TestEmulator::validFramesAreAcknowledgedAndBadOnesLogged() {
    Peer peer;
    QVERIFY(peer.open());
    QSignalSpy log(&peer.emulator, &ControllerEmulator::frameChecked);
    peer.port.sendText(FixedFrames::kConnect);
    QTRY_COMPARE(peer.received, QByteArray(":0505\r\n"));
    peer.port.sendText(":05210021ae5\r\n"); // a bad checksum gets no reply
    peer.port.sendText(BlockFrame("05", "N10 G00 X0 Y250 ") + "\r\n");
    QTRY_COMPARE(log.count(), 3);
    QTRY_COMPARE(peer.received, QByteArray(":0505\r\n:0505\r\n"));
    QCOMPARE(peer.emulator.acceptedCommands(), QByteArrayList{"002"});
    QCOMPARE(peer.emulator.acceptedLines(), QByteArrayList{"N10 G00 X0 Y250 "});
    QCOMPARE(peer.emulator.framesRejected(), 1);
    const auto bad = log.at(1).at(0).value<EmulatorLogEntry>();
    QCOMPARE(ControllerEmulator::describe(bad), "zła suma kontrolna :05210021ae5\\r\\n");
    const auto good = log.at(0).at(0).value<EmulatorLogEntry>();
    QCOMPARE(ControllerEmulator::describe(good), "ok :05210021ae4\\r\\n -> potwierdzono");
}

void TestEmulator::droppedAndDuplicatedAcknowledgements() {
    Peer peer({.dropEvery = 2, .duplicateEvery = 3});
    QVERIFY(peer.open());
    QSignalSpy chunks(&peer.port, &SerialPort::chunkReceived);
    for (int i = 0; i < 3; ++i)
        peer.port.sendText(FixedFrames::kReferenceTravel);
    // 1st answered, 2nd dropped, 3rd answered twice, the copy on its own.
    QTRY_COMPARE(peer.received, QByteArray(":0505\r\n:0505\r\n:0505\r\n"));
    QVERIFY(chunks.count() >= 2);
    QCOMPARE(chunks.last().at(0).toByteArray(), ":0505\r\n");
    QCOMPARE(peer.emulator.framesAccepted(), 3);
}

void TestEmulator::splitAcknowledgementsAndNoise() {
    Peer peer({.noiseEvery = 1, .splitAcks = true});
    QVERIFY(peer.open());
    QSignalSpy chunks(&peer.port, &SerialPort::chunkReceived);
    peer.port.sendText(FixedFrames::kSetReference);
    QTRY_VERIFY(peer.received.endsWith(":0505\r\n"));
    // The noise line, then ":05", "05\r" and "\n", each written apart.
    const QByteArray noise = chunks.at(0).at(0).toByteArray();
    QVERIFY(noise.endsWith("\r\n"));
    QVERIFY(noise.size() > 2);
    QCOMPARE(peer.received, noise + ":0505\r\n");
    QCOMPARE(chunks.at(1).at(0).toByteArray(), ":05");
    QVERIFY(chunks.count() >= 3);
}

void TestEmulator::latencyHoldsTheAcknowledgement() {
    Peer peer({.latency = 150ms});
    QVERIFY(peer.open());
    QElapsedTimer clock;
    clock.start();
    peer.port.sendText(FixedFrames::kConnect);
    QTRY_COMPARE(peer.received, QByteArray(":0505\r\n"));
    QVERIFY2(clock.elapsed() >= 145, qPrintable(QString::number(clock.elapsed())));
}

void TestEmulator::pacingTakesTheWireTime() {
    // At 1200 baud 120 bytes a second pass: 14 bytes out and 7 back take
    // at least 175 ms.
    Peer peer({.baudRate = 1200});
    QVERIFY(peer.open());
    QElapsedTimer clock;
    clock.start();
    peer.port.sendText(FixedFrames::kConnect);
    QTRY_COMPARE(peer.received, QByteArray(":0505\r\n"));
    QVERIFY2(clock.elapsed() >= 170, qPrintable(QString::number(clock.elapsed())));
}

void TestEmulator::stoppingClosesTheLine() {
    Peer peer;
    QVERIFY(peer.open());
    QSignalSpy lost(&peer.port, &SerialPort::deviceLost);
    peer.emulator.stop();
    QTRY_COMPARE(lost.count(), 1);
    QVERIFY(!peer.port.connected());
}

// Each row: what stands at the --link path. The tool leaves it as it is,
// says why and ends with 1.
void TestEmulator::toolRefusesToReplaceAFile_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("file") << "file";
    QTest::newRow("directory") << "directory";
    QTest::newRow("link to a file") << "link";
}

void TestEmulator::toolRefusesToReplaceAFile() {
    QFETCH(QString, kind);
    TempDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("arm");
    const QString file = dir.writeFile("notes.txt", "keep me");
    QVERIFY(!file.isEmpty());
    if (kind == "file")
        QVERIFY(writeFileBytes(path, "keep me"));
    else if (kind == "directory")
        QVERIFY(QDir(dir.path()).mkdir("arm"));
    else
        QVERIFY(QFile::link(file, path));
    const ToolRun run = runTool(controllerEmulatorPath(), {"--link", path, "--quiet"});
    QCOMPARE(run.exitCode, 1);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(run.err.startsWith("Nie mo\xc5\xbcna utworzy\xc4\x87 dowi\xc4\x85zania " +
                                QFile::encodeName(path) + ": "),
             run.err.constData());
    if (kind == "file")
        QCOMPARE(readFileBytes(path), QByteArray("keep me"));
    else if (kind == "directory")
        QVERIFY(QFileInfo(path).isDir());
    else
        QCOMPARE(QFileInfo(path).symLinkTarget(), file);
    QCOMPARE(readFileBytes(file), QByteArray("keep me"));
}

namespace {

// scara-controller-emu running with --link until stop().
struct EmulatorTool {
    QProcess process;
    QString printed;

    bool start(const QString& link) {
        process.start(controllerEmulatorPath(), {"--link", link, "--quiet"});
        if (!process.waitForStarted())
            return false;
        if (!QTest::qWaitFor([&] { return process.canReadLine(); }, 10000))
            return false;
        printed = QString::fromLocal8Bit(process.readLine()).trimmed();
        return true;
    }
    // SIGTERM, as Ctrl+C would; true when it ended by itself with 0.
    bool stop() {
        ::kill(pid_t(process.processId()), SIGTERM);
        return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit &&
               process.exitCode() == 0;
    }
};

} // namespace

// Each row: what stands at the --link path before the run. A link that
// leads nowhere, or to a pseudo-terminal (left by an earlier run), is
// replaced; the tool's own link goes when it ends.
void TestEmulator::toolReplacesAnOldLink_data() {
    QTest::addColumn<QString>("before");
    QTest::newRow("nothing") << "";
    QTest::newRow("dangling link") << "missing";
    QTest::newRow("link to a terminal") << "terminal";
}

void TestEmulator::toolReplacesAnOldLink() {
    QFETCH(QString, before);
    TempDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("arm");
    PseudoTerminal old;
    if (before == "missing") {
        QVERIFY(QFile::link(dir.filePath("gone"), path));
    } else if (before == "terminal") {
        QVERIFY(old.open().ok());
        QVERIFY(QFile::link(old.portPath(), path));
    }
    EmulatorTool tool;
    QVERIFY(tool.start(path));
    QCOMPARE(tool.printed, path);
    QVERIFY(QFileInfo(path).isSymLink());
    QVERIFY(QFileInfo(path).symLinkTarget().startsWith("/dev/pts/"));
    QVERIFY(QFileInfo(path).symLinkTarget() != old.portPath() || !old.isOpen());
    QVERIFY(tool.stop());
    QVERIFY(!QFileInfo(path).isSymLink());
    QVERIFY(!QFileInfo::exists(path));
}

// Whatever took the link's place while the tool ran is not removed.
void TestEmulator::toolLeavesWhatReplacedItsLink() {
    TempDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("arm");
    EmulatorTool tool;
    QVERIFY(tool.start(path));
    QVERIFY(QFile::remove(path));
    QVERIFY(writeFileBytes(path, "someone else's"));
    QVERIFY(tool.stop());
    QCOMPARE(readFileBytes(path), QByteArray("someone else's"));
}

QTEST_GUILESS_MAIN(TestEmulator)
#include "tst_controller_emulator.moc"
