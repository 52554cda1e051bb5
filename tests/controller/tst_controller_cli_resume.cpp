// scara-cli send with a journal against the controller emulator: a sender
// killed in the middle of a transfer, then resumed from its journal.
#include "controller/controllerframe.h"
#include "controller/emulator/controlleremulator.h"
#include "controller/journalkeeper.h"
#include "support/executedlines.h"
#include "support/files.h"
#include "support/toolrun.h"

#include <QDir>
#include <QLockFile>
#include <QProcess>
#include <QTest>

#include <csignal>

namespace {

// A program of `count` lines that draws and travels by turns.
QByteArrayList programLines(int count) {
    QByteArrayList lines;
    for (int i = 1; i <= count; ++i) {
        const QByteArray motion = i % 7 == 0 ? "G00" : "G01";
        lines << "N" + QByteArray::number(i) + " " + motion + " X" + QByteArray::number(i) + " Y" +
                     QByteArray::number(300 + i % 5);
    }
    return lines;
}

} // namespace

class TestCliResume : public QObject {
    Q_OBJECT
private slots:
    void init();
    void killedSenderGoesOnWithoutLoss_data();
    void killedSenderGoesOnWithoutLoss();
    void finishedTransferRemovesTheJournal();
    void anotherProgramIsRefused();
    void damagedJournalIsSetAside();
    void journalInUseIsRefused();
    void usageErrors_data();
    void usageErrors();

private:
    QString writeProgram(const QByteArrayList& lines, const QString& name = "program.nc") {
        const QString file = dir_.writeFile(name, lines.join("\r\n") + "\r\n");
        if (file.isEmpty())
            qFatal("cannot write %s", qPrintable(name));
        return file;
    }
    QString journal() const { return dir_.filePath("dziennik.txt"); }

    TempDir dir_;
};

void TestCliResume::init() {
    QVERIFY(dir_.isValid());
    QDir(dir_.path()).removeRecursively();
    QVERIFY(QDir().mkpath(dir_.path()));
}

void TestCliResume::killedSenderGoesOnWithoutLoss_data() {
    QTest::addColumn<int>("killAt");        // the line (from 1) the emulator has just taken
    QTest::addColumn<bool>("acknowledged"); // its acknowledgement went out
    QTest::addColumn<bool>("home");
    // Killed the moment the emulator takes the line: the sender never sees
    // its acknowledgement, so the resumed transfer repeats it.
    QTest::newRow("after the first line") << 1 << true << false;
    QTest::newRow("in the middle") << 57 << true << false;
    QTest::newRow("at a travel line, with the reference travel") << 70 << true << true;
    QTest::newRow("before the last line") << 199 << true << false;
    // The line's acknowledgement is lost and the sender is killed while it
    // waits to send it again: the resumed transfer goes on with that line.
    QTest::newRow("acknowledgement lost, first line") << 1 << false << false;
    QTest::newRow("acknowledgement lost, in the middle") << 88 << false << false;
    QTest::newRow("acknowledgement lost, last line") << 200 << false << true;
}

void TestCliResume::killedSenderGoesOnWithoutLoss() {
    QFETCH(int, killAt);
    QFETCH(bool, acknowledged);
    QFETCH(bool, home);
    const QString executed = dir_.filePath("executed.txt");
    // The connect frame's acknowledgement is the first one.
    ControllerEmulator emulator(
        {.dropEvery = acknowledged ? 0 : killAt + 1, .executedFile = executed});
    QVERIFY(emulator.start());
    const QByteArrayList lines = programLines(200);
    const QString file = writeProgram(lines);

    QProcess sender;
    connect(&emulator, &ControllerEmulator::frameChecked, &sender, [&] {
        if (emulator.acceptedLines().size() != killAt || sender.state() != QProcess::Running)
            return;
        ::kill(pid_t(sender.processId()), SIGKILL);
        emulator.setOptions({.executedFile = executed}); // no more lost acknowledgements
    });
    sender.start(scaraCliPath(),
                 {"send", file, "--port", emulator.portPath(), "--raw", "--journal", journal()});
    QVERIFY(sender.waitForStarted());
    QTRY_COMPARE_WITH_TIMEOUT(sender.state(), QProcess::NotRunning, 20000);
    QCOMPARE(sender.exitStatus(), QProcess::CrashExit);
    QVERIFY(QFile::exists(journal()));

    const int commandsBefore = int(emulator.acceptedCommands().size());
    QStringList args{"send", file, "--port", emulator.portPath(), "--raw", "--resume", journal()};
    if (home)
        args << "--home";
    const ToolRun resumed = runScaraCli(args);
    QVERIFY2(resumed.exitCode == 0, resumed.err.constData());
    QVERIFY(!QFile::exists(journal()));
    const QString fault = checkExecutedLines(lines, readExecutedLines(executed));
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    const QByteArrayList commands = emulator.acceptedCommands().mid(commandsBefore);
    QCOMPARE(commands, home ? QByteArrayList({"002", "003"}) : QByteArrayList({"002"}));
}

void TestCliResume::finishedTransferRemovesTheJournal() {
    const QString executed = dir_.filePath("executed.txt");
    ControllerEmulator emulator({.executedFile = executed});
    QVERIFY(emulator.start());
    const QByteArrayList lines = programLines(5);
    const ToolRun run = runScaraCli({"send", writeProgram(lines), "--port", emulator.portPath(),
                                     "--raw", "--journal", journal()});
    QVERIFY2(run.exitCode == 0, run.err.constData());
    QVERIFY(!QFile::exists(journal()));
    QVERIFY(!QFile::exists(JournalKeeper::lockPath(journal())));
    QCOMPARE(readExecutedLines(executed), lines);
}

void TestCliResume::anotherProgramIsRefused() {
    ControllerEmulator emulator;
    QVERIFY(emulator.start());
    const QByteArrayList lines = programLines(50);
    QProcess sender;
    connect(&emulator, &ControllerEmulator::frameChecked, &sender, [&] {
        if (emulator.acceptedLines().size() == 20 && sender.state() == QProcess::Running)
            ::kill(pid_t(sender.processId()), SIGKILL);
    });
    sender.start(scaraCliPath(), {"send", writeProgram(lines), "--port", emulator.portPath(),
                                  "--raw", "--journal", journal()});
    QTRY_COMPARE_WITH_TIMEOUT(sender.state(), QProcess::NotRunning, 20000);
    const QByteArray before = readFileBytes(journal());

    QByteArrayList changed = lines;
    changed[30] = "N31 G01 X999 Y300";
    emulator.clearCounts();
    const ToolRun run = runScaraCli({"send", writeProgram(changed, "other.nc"), "--port",
                                     emulator.portPath(), "--raw", "--resume", journal()});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(QStringLiteral("Program różni się").toUtf8()), run.err.constData());
    QCOMPARE(readFileBytes(journal()), before);
    QCOMPARE(emulator.framesAccepted(), 0);
}

void TestCliResume::damagedJournalIsSetAside() {
    ControllerEmulator emulator;
    QVERIFY(emulator.start());
    QVERIFY(writeFileBytes(journal(), "SCARA-DZIENNIK 1 0000\nprogram %\n"));
    const ToolRun run = runScaraCli({"send", writeProgram(programLines(5)), "--port",
                                     emulator.portPath(), "--raw", "--resume", journal()});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(QStringLiteral("Dziennik odłożono jako").toUtf8()),
             run.err.constData());
    QVERIFY(!QFile::exists(journal()));
    const QStringList aside =
        QDir(dir_.path()).entryList({QStringLiteral("dziennik.txt.odlozony-*")});
    QCOMPARE(aside.size(), 1);
    QCOMPARE(emulator.framesAccepted(), 0);
}

void TestCliResume::journalInUseIsRefused() {
    ControllerEmulator emulator;
    QVERIFY(emulator.start());
    QLockFile other(JournalKeeper::lockPath(journal()));
    QVERIFY(other.tryLock());
    const ToolRun run = runScaraCli({"send", writeProgram(programLines(5)), "--port",
                                     emulator.portPath(), "--raw", "--journal", journal()});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(QStringLiteral("jest używany przez inny proces").toUtf8()),
             run.err.constData());
    QCOMPARE(emulator.framesAccepted(), 0);
}

void TestCliResume::usageErrors_data() {
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("--from with --resume") << QStringList{"--resume", "j.txt", "--from", "3"}
                                          << QByteArray("--from and --resume exclude each other");
    QTest::newRow("--home alone") << QStringList{"--home"}
                                  << QByteArray("--home goes with --resume");
    QTest::newRow("--journal without a value")
        << QStringList{"--journal"} << QByteArray("--journal needs a value");
}

void TestCliResume::usageErrors() {
    QFETCH(QStringList, extra);
    QFETCH(QByteArray, message);
    const ToolRun run = runScaraCli(
        QStringList{"send", writeProgram(programLines(3)), "--port", "/dev/null"} + extra);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains(message), run.err.constData());
}

QTEST_GUILESS_MAIN(TestCliResume)
#include "tst_controller_cli_resume.moc"
