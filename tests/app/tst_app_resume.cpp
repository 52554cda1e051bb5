// Sending from a line and resuming an interrupted transfer in the main window,
// with the built-in emulator: the journal kept while the station sends, the
// offer to resume after the station went down, and journals that cannot be
// used.
#include "app/mainwindow.h"
#include "app/programcommands.h"
#include "app/programpage.h"
#include "app/resumecommands.h"
#include "app/station.h"
#include "controller/controllerlink.h"
#include "controller/emulator/controlleremulator.h"
#include "controller/linktexts.h"
#include "controller/programsource.h"
#include "controller/transferjournal.h"
#include "controller/widgets/controllerwindowbinding.h"
#include "controller/widgets/portselectors.h"
#include "gcode/programmemo.h"
#include "support/executedlines.h"
#include "support/files.h"
#include "support/stationdoubles.h"
#include "support/testdata.h"

#include <QAction>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTest>
#include <QThread>

using namespace std::chrono_literals;

namespace {

// The station with its built-in emulator chosen (started, not connected).
struct Session {
    Station station;
    MainWindow& window = station.mainWindow();
    ControllerWindowBinding& binding = station.controller();
    WindowRecorder recorder;
    QStringList notices;
    std::optional<int> suggested; // what the line dialog suggested

    Session() {
        recorder.attach(window);
        binding.setErrorPresenter([this](const QString& text) { recorder.errors << text; });
        binding.setNoticePresenter([this](const QString& text, std::function<void()> closed) {
            notices << text;
            closed();
        });
        window.findChild<QComboBox*>("ComComboBox1")->setCurrentText(PortSelectors::kEmulatorEntry);
    }
    QAction* action(const char* name) const { return window.findChild<QAction*>(name); }
    const ControllerLinkState& link() const { return binding.link().state(); }
    // The emulator, started before the station connects to it.
    ControllerEmulator& emulator(const QString& executed = {},
                                 std::chrono::milliseconds latency = 0ms) {
        if (!binding.portSelectors().emulator())
            binding.portSelectors().read();
        ControllerEmulator& emulator = *binding.portSelectors().emulator();
        EmulatorOptions options = emulator.options();
        options.executedFile = executed;
        options.latency = latency;
        emulator.setOptions(options);
        return emulator;
    }
    bool connect() {
        action("Poczzesterownikiem1")->trigger();
        return QTest::qWaitFor([this] { return link().connected(); });
    }
    // Connects and runs the reference travel, as a transfer needs.
    bool connectAndHome() {
        if (!connect())
            return false;
        action("Jazdareferencyjna1")->trigger();
        return QTest::qWaitFor([this] { return link().referenceKnown(); });
    }
    QByteArrayList programLines() const {
        const ProgramText text = window.programList().snapshot();
        QByteArrayList lines;
        for (qsizetype i = 0; i < text.lineCount(); ++i)
            lines << text.line(i).toByteArray();
        return lines;
    }
    bool finished() const { return notices.contains(LinkTexts::transferDone()); }
};

QString emulatorJournal() {
    return ResumeCommands::journalPath(PortSelectors::kEmulatorEntry);
}

} // namespace

class TestResumeWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void sendFromTheLineUnderTheCaret_data();
    void sendFromTheLineUnderTheCaret();
    void resumeAfterTheStationWentDown_data();
    void resumeAfterTheStationWentDown();
    void unusableOrDeclinedJournalAtStart_data();
    void unusableOrDeclinedJournalAtStart();
    void aDifferentLoadedProgramIsSaid();
    void anAbortIsOfferedOnceAsAnAbort();
    void theJournalKeepsUpWhileTheWindowIsBusy();

private:
    TempDir dir_;
};

void TestResumeWindow::init() {
    QStandardPaths::setTestModeEnabled(true);
    QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).removeRecursively();
    QVERIFY(dir_.isValid());
}

void TestResumeWindow::sendFromTheLineUnderTheCaret_data() {
    QTest::addColumn<int>("caretLine"); // counted from 0
    QTest::addColumn<std::optional<int>>("typed");
    QTest::addColumn<int>("from"); // counted from 1; 0: nothing sent
    QTest::newRow("the line under the caret") << 10 << std::optional<int>() << 11;
    QTest::newRow("a number typed in") << 0 << std::optional<int>(30) << 30;
    QTest::newRow("the first line") << 0 << std::optional<int>() << 1;
    QTest::newRow("cancelled") << 5 << std::optional<int>(-1) << 0;
}

void TestResumeWindow::sendFromTheLineUnderTheCaret() {
    QFETCH(int, caretLine);
    QFETCH(std::optional<int>, typed);
    QFETCH(int, from);
    Session s;
    ControllerEmulator& emulator = s.emulator();
    QVERIFY(s.connectAndHome());
    QVERIFY(s.window.programCommands()->openProgramFile(dir_.writeFile("a.nc", strokeDrawing(20))));
    QVERIFY(s.action("Wyslijodlinii1")->isEnabled() == s.action("Wyslijprogram1")->isEnabled());
    QTRY_VERIFY(s.action("Wyslijodlinii1")->isEnabled()); // once the link has the program
    s.window.programPage()->programMemo()->setCaret({caretLine, 0});
    s.station.resume().setLineAsker([&](int suggested, int) -> std::optional<int> {
        s.suggested = suggested;
        if (typed == -1)
            return std::nullopt;
        return typed ? *typed : suggested;
    });
    s.action("Wyslijodlinii1")->trigger();
    QCOMPARE(s.suggested, std::optional<int>(caretLine + 1));
    if (from == 0) {
        QVERIFY(!s.link().sending());
        return;
    }
    QTRY_VERIFY(s.finished());
    const QByteArrayList lines = s.programLines();
    QByteArrayList expected = lines.mid(from - 1);
    if (from > 1) {
        PenPoint point;
        for (int i = 0; i < from - 1; ++i)
            point.follow(lines[i]);
        expected.prepend(point.travelLine());
    }
    QCOMPARE(emulator.acceptedLines(), expected);
    QVERIFY(!QFile::exists(emulatorJournal()));
}

void TestResumeWindow::resumeAfterTheStationWentDown_data() {
    QTest::addColumn<bool>("atStart"); // offered at start, else when connecting
    QTest::addColumn<bool>("reference");
    QTest::newRow("at start, with the reference travel") << true << true;
    QTest::newRow("on connecting, without it") << false << false;
}

void TestResumeWindow::resumeAfterTheStationWentDown() {
    QFETCH(bool, atStart);
    QFETCH(bool, reference);
    const QString program = dir_.writeFile("kwiat.nc", strokeDrawing(100));
    const QString executed = dir_.filePath("executed.txt");
    QFile::remove(executed); // left by the row before
    QByteArrayList lines;
    {
        auto first = std::make_unique<Session>();
        first->emulator(executed, 2ms);
        QVERIFY(first->connectAndHome());
        QVERIFY(first->window.programCommands()->openProgramFile(program));
        lines = first->programLines();
        QTRY_VERIFY(first->action("Wyslijprogram1")->isEnabled());
        first->action("Wyslijprogram1")->trigger();
        QTRY_VERIFY(first->binding.portSelectors().emulator()->acceptedLines().size() >= 60);
        // The station goes down in the middle of the transfer.
    }
    const Result<JournalState> left = ReadJournal(emulatorJournal());
    QVERIFY2(left, qPrintable(left ? QString() : left.error()));
    QVERIFY(left->lastAcknowledged >= 58);
    QCOMPARE(left->program.file, QFileInfo(program).absoluteFilePath());

    Session s;
    ControllerEmulator& emulator = s.emulator(executed);
    s.recorder.answers.confirmations << true << reference; // resume; reference travel?
    if (atStart) {
        s.station.resume().offerAtStart();
        QCOMPARE(s.recorder.answers.questions.size(), 1);
        QCOMPARE(s.programLines(), lines); // the program was opened from its file
        QVERIFY(s.recorder.notices.contains(
            QStringLiteral("Połącz się ze sterownikiem, aby wznowić wysyłanie programu.")));
    }
    QVERIFY(s.connect());
    QTRY_VERIFY(s.finished());
    QCOMPARE(s.programLines(), lines);
    QCOMPARE(s.recorder.answers.questions.size(), 2);
    QVERIFY2(s.recorder.answers.questions[0].contains(
                 QStringLiteral("potwierdził %1 z 201 linii").arg(left->lastAcknowledged + 1)),
             qPrintable(s.recorder.answers.questions[0]));
    QVERIFY(s.recorder.answers.questions[1].contains(QStringLiteral("jazdę referencyjną")));
    QCOMPARE(emulator.acceptedCommands().contains("003"), reference);
    // A travel in to where the last acknowledged line ended, then the next.
    const int next = left->nextLine();
    QVERIFY(emulator.acceptedLines().size() > 2);
    QCOMPARE(emulator.acceptedLines()[0], left->point.travelLine());
    QCOMPARE(emulator.acceptedLines()[1], lines[next]);
    const QString fault = checkExecutedLines(lines, readExecutedLines(executed));
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    QVERIFY(!QFile::exists(emulatorJournal()));
    QVERIFY(s.recorder.errors.isEmpty());
}

void TestResumeWindow::unusableOrDeclinedJournalAtStart_data() {
    QTest::addColumn<QByteArray>("damage"); // replaces the journal; empty: a good one
    QTest::addColumn<bool>("fileThere");
    QTest::addColumn<QString>("error"); // empty: none, the offer is declined
    QTest::newRow("damaged") << QByteArray("SCARA-DZIENNIK 1 0000\nśmieci\nx\ny\n") << true
                             << "jest uszkodzony";
    QTest::newRow("another version")
        << QByteArray("SCARA-DZIENNIK 9 ABCD\n") << true << "pochodzi z innej wersji";
    QTest::newRow("cut short") << QByteArray("SCARA-DZ") << true << "jest niepełny";
    QTest::newRow("its file is gone") << QByteArray() << false << "którego już nie ma";
    QTest::newRow("declined") << QByteArray() << true << "";
}

void TestResumeWindow::unusableOrDeclinedJournalAtStart() {
    QFETCH(QByteArray, damage);
    QFETCH(bool, fileThere);
    QFETCH(QString, error);
    const QString program = dir_.writeFile("b.nc", strokeDrawing(3));
    const QString journal = emulatorJournal();
    QVERIFY(QDir().mkpath(QFileInfo(journal).path()));
    const LineListProgram lines({"N1 G00 X1 Y2 ", "N2 M30 "});
    {
        TransferJournal writer;
        QVERIFY(writer.begin(journal, {program, ProgramHash(lines), 2}, 1, {}));
    }
    if (!damage.isEmpty())
        QVERIFY(writeFileBytes(journal, damage));
    if (!fileThere)
        QVERIFY(QFile::remove(program));
    Session s;
    s.station.resume().offerAtStart(); // the offer, if any, is declined
    QVERIFY(!QFile::exists(journal));
    const QStringList aside = QFileInfo(journal).dir().entryList({"dziennik-*.odlozony-*"});
    if (error.isEmpty()) {
        QVERIFY(s.recorder.errors.isEmpty());
        QCOMPARE(s.recorder.answers.questions.size(), 1);
        QVERIFY(aside.isEmpty());
        return;
    }
    QCOMPARE(s.recorder.errors.size(), 1);
    QVERIFY2(s.recorder.errors[0].contains(error), qPrintable(s.recorder.errors[0]));
    QVERIFY2(s.recorder.errors[0].contains(QStringLiteral("Dziennik odłożono jako")),
             qPrintable(s.recorder.errors[0]));
    QCOMPARE(aside.size(), 1);
    QCOMPARE(s.window.programList().lineCount(), 0); // nothing was opened
}

void TestResumeWindow::aDifferentLoadedProgramIsSaid() {
    const QString interrupted = dir_.writeFile("c.nc", strokeDrawing(5));
    const QString other = dir_.writeFile("d.nc", strokeDrawing(5, 250));
    Session s;
    QVERIFY(s.window.programCommands()->openProgramFile(interrupted));
    const LineListProgram sent(s.programLines());
    const QString journal = emulatorJournal();
    QVERIFY(QDir().mkpath(QFileInfo(journal).path()));
    {
        TransferJournal writer;
        QVERIFY(writer.begin(journal, {interrupted, ProgramHash(sent), sent.lineCount()}, 4, {}));
    }
    QVERIFY(s.window.programCommands()->openProgramFile(other));
    const QByteArrayList loaded = s.programLines();
    s.recorder.answers.confirmations << true << false; // resume, but keep the loaded program
    s.station.resume().offerAtStart();
    QCOMPARE(s.recorder.answers.questions.size(), 2);
    QVERIFY2(s.recorder.answers.questions[1].contains(QStringLiteral("różni się")),
             qPrintable(s.recorder.answers.questions[1]));
    QCOMPARE(s.programLines(), loaded);
    QVERIFY(QFile::exists(journal)); // kept for later
    QVERIFY(s.recorder.errors.isEmpty());
}

// After "Przerwij wysyłanie": "Wyślij od linii…" suggests the line after the
// last one acknowledged; at the next start the journal is offered once, as
// an abort at its line, with "Tak" the default, even when the station
// connects while the question is open.
void TestResumeWindow::anAbortIsOfferedOnceAsAnAbort() {
    const QString program = dir_.writeFile("e.nc", strokeDrawing(100));
    int abortedAt = 0;
    {
        Session first;
        first.emulator({}, 2ms);
        QVERIFY(first.connectAndHome());
        QVERIFY(first.window.programCommands()->openProgramFile(program));
        QTRY_VERIFY(first.action("Wyslijprogram1")->isEnabled());
        first.action("Wyslijprogram1")->trigger();
        QTRY_VERIFY(first.binding.portSelectors().emulator()->acceptedLines().size() >= 40);
        first.action("Przerwijwysylanie1")->trigger();
        QTRY_COMPARE(first.notices.size(), 1); // the state comes before the notice
        QVERIFY(!first.link().sending());
        QVERIFY(
            first.notices[0].startsWith(QStringLiteral("Wysyłanie programu przerwane w linii")));
        abortedAt = first.notices[0].section(QLatin1Char(' '), -1).toInt();
        first.station.resume().setLineAsker([&](int suggested, int) -> std::optional<int> {
            first.suggested = suggested;
            return std::nullopt;
        });
        first.action("Wyslijodlinii1")->trigger();
        QCOMPARE(first.suggested, std::optional<int>(abortedAt));
    }
    const Result<JournalState> left = ReadJournal(emulatorJournal());
    QVERIFY(left);
    QCOMPARE(left->abortedAt, std::optional<int>(abortedAt - 1));
    QCOMPARE(left->nextLine(), abortedAt - 1);

    Session s;
    s.emulator();
    s.recorder.answers.confirmations << true << false; // resume, no reference travel
    s.recorder.answers.whileAsking = [&s] {
        QVERIFY(s.connect());
        QCoreApplication::processEvents(); // the connection's own offer, if any
    };
    s.station.resume().offerAtStart();
    QTRY_VERIFY(s.finished());
    const QStringList& questions = s.recorder.answers.questions;
    QCOMPARE(questions.size(), 2); // the offer, then the reference travel
    QVERIFY2(questions[0].contains(QStringLiteral("przerwano poleceniem „Przerwij wysyłanie” w "
                                                  "linii %1")
                                       .arg(abortedAt)),
             qPrintable(questions[0]));
    QCOMPARE(s.recorder.answers.preferred[0], StationDialogs::DefaultAnswer::Yes);
    QVERIFY(questions[1].contains(QStringLiteral("jazdę referencyjną")));
    QVERIFY(!QFile::exists(emulatorJournal()));
}

QTEST_MAIN(TestResumeWindow)
// The journal is kept on the link's thread: while the window's thread is
// busy and handles no events, every acknowledged line still reaches the
// journal on the disk before the next goes out.
void TestResumeWindow::theJournalKeepsUpWhileTheWindowIsBusy() {
    // A controller on a thread of its own, paced as a 19200 baud line, so
    // that it answers while the window does not.
    QThread controllerThread;
    auto* emulator = new ControllerEmulator({.baudRate = 19200});
    emulator->moveToThread(&controllerThread);
    QObject::connect(&controllerThread, &QThread::finished, emulator, &QObject::deleteLater);
    controllerThread.start();
    const auto stopController = qScopeGuard([&] {
        controllerThread.quit();
        controllerThread.wait();
    });
    QString port;
    QMetaObject::invokeMethod(
        emulator,
        [&] {
            if (emulator->start())
                port = emulator->portPath();
        },
        Qt::BlockingQueuedConnection);
    QVERIFY(!port.isEmpty());

    Session s;
    s.window.findChild<QComboBox*>("ComComboBox1")->setCurrentText(port);
    QVERIFY(s.connectAndHome());
    QVERIFY(
        s.window.programCommands()->openProgramFile(dir_.writeFile("f.nc", strokeDrawing(100))));
    QTRY_VERIFY(s.action("Wyslijprogram1")->isEnabled());
    s.action("Wyslijprogram1")->trigger();

    // The window is busy from here on: no event of the link reaches it.
    const QString journal = ResumeCommands::journalPath(port);
    QDeadlineTimer deadline(10s);
    int recorded = -1;
    while (recorded < 10 && !deadline.hasExpired()) {
        if (const Result<JournalState> state = ReadJournal(journal))
            recorded = state->lastAcknowledged;
    }
    QVERIFY2(recorded >= 10, qPrintable(QString::number(recorded)));
    QVERIFY(!s.link().sending()); // the window has not yet heard of the transfer

    QTRY_VERIFY(s.action("Przerwijwysylanie1")->isEnabled());
    s.action("Przerwijwysylanie1")->trigger();
    QTRY_VERIFY(!s.link().sending());
}

#include "tst_app_resume.moc"
