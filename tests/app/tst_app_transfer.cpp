// A transfer on the main window, to the built-in emulator: the estimate,
// progress where the operator looks, the program locked, the pauses and the
// abort from the menu, a stall said plainly, and the wire's trace.
#include "app/mainwindow.h"
#include "app/programcommands.h"
#include "app/programpage.h"
#include "app/resumecommands.h"
#include "app/station.h"
#include "controller/controllerlink.h"
#include "controller/emulator/controlleremulator.h"
#include "controller/linktexts.h"
#include "controller/widgets/controllerwindowbinding.h"
#include "controller/widgets/portselectors.h"
#include "controller/widgets/transfermonitor.h"
#include "gcode/plotcolours.h"
#include "gcode/programmemo.h"
#include "support/files.h"
#include "support/stationdoubles.h"
#include "support/testdata.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QStandardPaths>
#include <QTest>

using namespace std::chrono_literals;

namespace {

// The station connected to its built-in emulator and homed, the emulator
// answering each frame after `latency`, with `program` opened.
struct Session {
    Station station;
    MainWindow& window = station.mainWindow();
    ControllerWindowBinding& binding = station.controller();
    WindowRecorder recorder;
    QStringList notices;
    QStringList linkErrors;
    TempDir dir;

    QAction* action(const char* name) const { return window.findChild<QAction*>(name); }
    QString text(const char* name) const { return window.findChild<QLabel*>(name)->text(); }
    ControllerEmulator& emulator() const { return *binding.portSelectors().emulator(); }
    const ControllerLinkState& link() const { return binding.link().state(); }
    ProgramMemo* memo() const { return window.programPage()->programMemo(); }

    bool open(const QByteArray& program, std::chrono::milliseconds latency) {
        recorder.attach(window);
        binding.setErrorPresenter([this](const QString& text) { linkErrors << text; });
        binding.setNoticePresenter([this](const QString& text, std::function<void()> closed) {
            notices << text;
            closed();
        });
        window.findChild<QComboBox*>("ComComboBox1")->setCurrentText(PortSelectors::kEmulatorEntry);
        action("Poczzesterownikiem1")->trigger();
        if (!QTest::qWaitFor([this] { return link().connected(); }))
            return false;
        action("Jazdareferencyjna1")->trigger(); // a transfer needs the reference point
        if (!QTest::qWaitFor([this] { return link().referenceKnown(); }))
            return false;
        EmulatorOptions options = emulator().options();
        options.latency = latency;
        emulator().setOptions(options);
        if (!window.programCommands()->openProgramFile(dir.writeFile("drawing.nc", program)))
            return false;
        // "Wyslij program" is available once the link has taken the program.
        return QTest::qWaitFor([this] { return action("Wyslijprogram1")->isEnabled(); });
    }
};

int pixelsOf(const QImage& image, QRgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == colour;
    return count;
}

} // namespace

class TestTransferWindow : public QObject {
    Q_OBJECT
private slots:
    void init() { QStandardPaths::setTestModeEnabled(true); }
    void watchHoldResumeAndAbort();
    void aStallIsSaidAndGoesAway();
    void theWireIsTracedOnRequest();
    void eachTransferShowsOnlyItsOwnProgress();
    void timeLeftFollowsASlowController();
};

void TestTransferWindow::watchHoldResumeAndAbort() {
    Session s;
    QVERIFY(s.open(strokeDrawing(100), 15ms));
    QVERIFY2(s.text("TransferEstimate").startsWith(QStringLiteral("Program: 201 linii")),
             qPrintable(s.text("TransferEstimate")));
    QVERIFY(s.text("TransferEstimate").contains(QStringLiteral("19200 b/s")));
    QCOMPARE(s.action("Przerwijwysylanie1")->shortcut(), QKeySequence(Qt::Key_Escape));
    QVERIFY(!s.action("Przerwijwysylanie1")->isEnabled());

    s.action("Wyslijprogram1")->trigger();
    QTRY_VERIFY(s.memo()->markedLine() > 2);
    QTRY_VERIFY2(s.text("StatusTransfer").startsWith(QStringLiteral("Wysyłanie: ")),
                 qPrintable(s.text("StatusTransfer")));
    QVERIFY(s.text("TransferFigures").contains(QStringLiteral(" z 201 (")));
    QVERIFY(s.action("Przerwijwysylanie1")->isEnabled());
    QVERIFY(!s.action("Wyslijprogram1")->isEnabled());
    // The acknowledged moves are drawn over in the progress colour.
    QTRY_VERIFY(pixelsOf(s.window.plotSurface().image(), kDefaultProgressColour) > 100);

    // The program cannot change under the transfer, nor the station close
    // without a question.
    const qsizetype lines = s.window.programList().lineCount();
    s.window.programCommands()->refreshFromMemo();
    s.window.programCommands()->newProgram();
    QCOMPARE(s.recorder.errors.size(), 2);
    QVERIFY(s.recorder.errors.at(0).startsWith(QStringLiteral("Program jest wysyłany")));
    QCOMPARE(s.window.programList().lineCount(), lines);
    QCOMPARE(s.memo()->lineCount(), lines);
    s.window.exitStation(); // the question is answered no
    QCOMPARE(s.recorder.answers.questions.size(), 1);
    QVERIFY(s.link().sending());

    // Held at the next pen-up point: after a travel line.
    s.action("Wstrzymajwysylanie1")->trigger();
    // The link's state comes before the step that the panels show.
    QTRY_VERIFY2(s.text("TransferState").contains(QStringLiteral("wstrzymane")),
                 qPrintable(s.text("TransferState")));
    QVERIFY(s.link().held());
    QVERIFY(s.emulator().acceptedLines().last().contains(" G00 "));
    QTRY_VERIFY(s.action("Wznowwysylanie1")->isEnabled());
    QTRY_VERIFY(!s.action("Wstrzymajwysylanie1")->isEnabled());
    const int heldAt = int(s.emulator().acceptedLines().size());

    s.action("Wznowwysylanie1")->trigger();
    QTRY_VERIFY(s.emulator().acceptedLines().size() > heldAt + 4);
    s.action("Przerwijwysylanie1")->trigger();
    QTRY_COMPARE(s.notices.size(), 1);
    QVERIFY2(s.notices.at(0).startsWith(QStringLiteral("Wysyłanie programu przerwane w linii ")),
             qPrintable(s.notices.at(0)));
    const int line = s.notices.at(0).section(QLatin1Char(' '), -1).toInt();
    // Every line before the one named, then perhaps the pen lifted.
    const QByteArrayList accepted = s.emulator().acceptedLines();
    QVERIFY(accepted.size() == line - 1 || accepted.size() == line);
    QCOMPARE(s.text("StatusTransfer"), s.notices.at(0));
    QCOMPARE(s.memo()->markedLine(), -1);
    QVERIFY(s.action("Wyslijprogram1")->isEnabled());
    QVERIFY(!s.action("Przerwijwysylanie1")->isEnabled());
    QVERIFY(s.link().connected());
    // Unlocked again.
    s.window.programCommands()->refreshFromMemo();
    QCOMPARE(s.recorder.errors.size(), 2);
    QCOMPARE(s.linkErrors, QStringList());
}

void TestTransferWindow::aStallIsSaidAndGoesAway() {
    Session s;
    QVERIFY(s.open(strokeDrawing(50), 5ms));
    s.action("Wyslijprogram1")->trigger();
    QTRY_VERIFY(s.emulator().acceptedLines().size() > 3);
    EmulatorOptions silent = s.emulator().options();
    silent.dropEvery = 1; // the controller stops answering
    s.emulator().setOptions(silent);
    QTRY_VERIFY_WITH_TIMEOUT(
        s.text("StatusTransfer").startsWith(QStringLiteral("Brak potwierdzenia od 5 s (linia ")),
        10000);
    QVERIFY(s.text("TransferState").startsWith(QStringLiteral("Brak potwierdzenia od ")));
    QVERIFY(s.action("Przerwijwysylanie1")->isEnabled());
    silent.dropEvery = 0;
    s.emulator().setOptions(silent);
    QTRY_VERIFY(s.text("StatusTransfer").startsWith(QStringLiteral("Wysyłanie: ")));
    QTRY_COMPARE(s.notices, QStringList{LinkTexts::transferDone()});
    QVERIFY(s.text("TransferFigures").contains(QStringLiteral("101 z 101 (100%)")));
}

void TestTransferWindow::theWireIsTracedOnRequest() {
    Session s;
    s.binding.setTraceFolder(s.dir.path());
    QVERIFY(s.open(strokeDrawing(2), 0ms));
    s.action("Zapisujprzebieg1")->trigger();
    QVERIFY(s.action("Zapisujprzebieg1")->isChecked());
    const QString traceName = s.binding.trace().fileName();
    QVERIFY(traceName.startsWith(s.dir.path()));
    QVERIFY(s.recorder.notices.last().endsWith(traceName));
    s.action("Wyslijprogram1")->trigger();
    QTRY_COMPARE(s.notices, QStringList{LinkTexts::transferDone()});
    s.action("Zapisujprzebieg1")->trigger(); // off: the file is closed
    const QByteArray trace = readFileBytes(traceName);
    QVERIFY(trace.contains("> :0520N1 G00 X100 Y100 "));
    QCOMPARE(trace.count("< :0505\\r\\n"), 5);
}

// The progress drawn by an aborted transfer goes when the next one starts; a
// transfer from a line marks the lines before it as done; a new program
// clears the last transfer's figures.
void TestTransferWindow::eachTransferShowsOnlyItsOwnProgress() {
    Session s;
    QVERIFY(s.open(strokeDrawing(60), 10ms));
    const QImage prepared = s.window.plotSurface().image();
    s.action("Wyslijprogram1")->trigger();
    QTRY_VERIFY(s.emulator().acceptedLines().size() > 20);
    s.action("Przerwijwysylanie1")->trigger();
    QTRY_COMPARE(s.notices.size(), 1);
    QTRY_VERIFY(pixelsOf(s.window.plotSurface().image(), kDefaultProgressColour) > 100);

    s.action("Wyslijprogram1")->trigger(); // from line 1: nothing is done yet
    QTRY_VERIFY(s.window.plotSurface().image() == prepared);
    s.action("Przerwijwysylanie1")->trigger();
    QTRY_COMPARE(s.notices.size(), 2);

    s.station.resume().setLineAsker([](int, int) { return std::optional<int>(61); });
    s.action("Wyslijodlinii1")->trigger(); // the first 60 lines count as done
    QTRY_VERIFY(pixelsOf(s.window.plotSurface().image(), kDefaultProgressColour) > 1000);
    QTRY_COMPARE(s.notices.size(), 3);
    QCOMPARE(s.notices.last(), LinkTexts::transferDone());
    QVERIFY(!s.window.findChild<QLabel*>("TransferFigures")->isHidden());

    QVERIFY(s.window.programCommands()->openProgramFile(
        s.dir.writeFile("next.nc", strokeDrawing(5, 200))));
    QVERIFY(s.window.findChild<QLabel*>("TransferFigures")->isHidden());
    QVERIFY(s.window.findChild<QLabel*>("StatusTransfer")->isHidden());
    QCOMPARE(pixelsOf(s.window.plotSurface().image(), kDefaultProgressColour), 0);
}

// A controller far slower than the line (it acknowledges after moving the
// arm): once a tenth of the lines is behind, the time left comes true to
// within a tenth.
void TestTransferWindow::timeLeftFollowsASlowController() {
    Session s;
    QVERIFY(s.open(strokeDrawing(40), 40ms)); // 81 lines, some 20 a second
    s.action("Wyslijprogram1")->trigger();
    const TransferMonitor& monitor = s.station.transferMonitor();
    QElapsedTimer clock;
    clock.start();
    struct Said {
        qint64 at; // ms
        qint64 left;
        int line;
    };
    QList<Said> said;
    for (const int share : {15, 40, 70}) {
        QTRY_VERIFY_WITH_TIMEOUT(monitor.figures().acknowledged >= 81 * share / 100, 20000);
        const TransferFigures figures = monitor.figures();
        said << Said{clock.elapsed(), qint64(figures.left.count()), figures.acknowledged};
    }
    QTRY_COMPARE_WITH_TIMEOUT(s.notices, QStringList{LinkTexts::transferDone()}, 20000);
    const qint64 end = clock.elapsed();
    for (const Said& one : said) {
        const qint64 truth = end - one.at;
        QVERIFY2(qAbs(one.left - truth) <= truth / 10 + 250, // + the timers' slack
                 qPrintable(QStringLiteral("at line %1: %2 ms left, it took %3 ms")
                                .arg(one.line)
                                .arg(one.left)
                                .arg(truth)));
    }
}

QTEST_MAIN(TestTransferWindow)
#include "tst_app_transfer.moc"
