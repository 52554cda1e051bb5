// The simulation's side of the windows (hand-over, presenter, commands)
// against fake views, through the typed interfaces, with the real simulation
// thread.
#include "gcode/plotsurface.h"
#include "gcode/programlist.h"
#include "motion/motiontexts.h"
#include "motion/simulationcommands.h"
#include "motion/simulationhandover.h"
#include "motion/simulationpresenter.h"
#include "motion/simulationthread.h"
#include "motion/simulationview.h"
#include "motion/viewpose.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <map>
#include <memory>

namespace {

// The main window's side as plain values: the program memo's lines, the
// memos, fields, panels and menu states.
class FakeSimulationView : public SimulationView {
public:
    QStringList programMemo;                           // Memo1
    QString currentBlock;                              // Edit1
    QStringList simulated, interpolationLog, jointLog; // Memo2, Memo3, Memo4
    QString minimumAngle, resolutionErrors;            // Edit5, Edit6
    QImage positionPanel, movePanel;                   // Image2, Image3
    int plotRefreshes = 0;
    bool startEnabled = true;
    bool stopEnabled = false;
    bool menuEnabled = false;
    QStringList errors;
    QString progress;    // the status bar's progress panel
    qsizetype lines = 0; // the program's line count, as the window knows it
    // Called when a block is shown, inside its hand-over.
    std::function<void(const QString&)> onBlockShown;

    std::optional<QString> takeFirstProgramLine() override {
        if (programMemo.isEmpty())
            return std::nullopt;
        return programMemo.takeFirst();
    }
    void showCurrentBlock(const QString& line) override {
        currentBlock = line;
        if (onBlockShown)
            onBlockShown(line);
    }
    void appendSimulatedBlocks(const QStringList& lines) override { simulated << lines; }
    void appendInterpolationLog(const QStringList& lines) override { interpolationLog << lines; }
    void appendJointLog(const QStringList& lines) override { jointLog << lines; }
    void showInterpolationFigures(const QString& angle, const QString& errorCount) override {
        minimumAngle = angle;
        resolutionErrors = errorCount;
    }
    void showPositionPanel(const QImage& panel) override { positionPanel = panel; }
    void showMovePanel(const QImage& panel) override { movePanel = panel; }
    void refreshPlot() override { ++plotRefreshes; }
    void setStartEnabled(bool enabled) override { startEnabled = enabled; }
    void setStopEnabled(bool enabled) override { stopEnabled = enabled; }
    void setSimulationMenuEnabled(bool enabled) override { menuEnabled = enabled; }
    PlotColours plotColours() const override { return PlotColours::defaults(); }
    void reportSimulationError(const QString& text) override { errors << text; }
    qsizetype programLineCount() const override { return lines; }
    void showProgress(const QString& text) override { progress = text; }
};

// The visualisation window's five fields.
class FakePoseFields : public PoseFieldsView {
public:
    std::map<Field, QString> fields;
    bool shown = false;

    void showPoseField(Field field, const QString& text) override { fields[field] = text; }
    void showPoseWindow() override { shown = true; }
    QString field(Field field) const {
        const auto found = fields.find(field);
        return found != fields.end() ? found->second : QString();
    }
};

using Field = PoseFieldsView::Field;

ProgramText lines(const QList<QByteArray>& program) {
    return ProgramText::fromLines(program);
}

// The thread and the simulation's parts, put together as the station does.
struct Station {
    SimulationThread thread;
    ViewPose view;
    ProgramList program;
    PlotSurface plot;
    FakeSimulationView window;
    FakePoseFields visual;
    std::unique_ptr<SimulationPresenter> presenter;
    std::unique_ptr<SimulationHandOver> handOver;
    std::unique_ptr<SimulationCommands> commands;

    explicit Station(std::chrono::milliseconds penWait = std::chrono::milliseconds(0)) {
        thread.setProgram(&program);
        thread.setViewPose(&view);
        thread.setPenWait(penWait);
        thread.setRunPriority(QThread::NormalPriority);
        presenter = std::make_unique<SimulationPresenter>(window, visual, plot, thread.state());
        handOver = std::make_unique<SimulationHandOver>(thread, *presenter);
        commands = std::make_unique<SimulationCommands>(thread, *presenter, window, visual);
    }
    ~Station() {
        commands->finish();
        handOver.reset();
    }
    void load(const QList<QByteArray>& program_) {
        program.replace(lines(program_));
        window.programMemo = program.snapshot().toUnicode().split(QLatin1Char('\n'));
        window.lines = program.lineCount();
    }
    // Asks for a pause from inside the hand-over that shows the block
    // starting with `prefix`: the simulation thread waits for the hand-over,
    // so the pause takes hold at the next safe point of that block, however
    // fast the machine is.
    void pauseWhenBlockStarts(const QString& prefix) {
        window.onBlockShown = [this, prefix](const QString& line) {
            if (line.startsWith(prefix) && window.stopEnabled)
                commands->pause();
        };
    }
    bool finished() const { return commands->isRunFinished(); }
};

} // namespace

class PresenterTest : public QObject {
    Q_OBJECT

private slots:
    void threadIsCreatedIdleAndNotRunning();
    void drawsThePanelsAtStartUp();
    void runsTheThreeBlockExample();
    void pauseAndResumeContinueTheMove();
    void exitFinishesThePenTravel();
    void closingStopsWithoutPenWaits();
    void refreshDuringAPauseContinuesAtTheSameIndex();
    void reportsAFailedRun();
    void reportsAMissingProgram();
    void runsAgainAfterANewProgram();
    void truncatesLongLines();
    void startsANewRunRightAfterTheEnd();
    void finishingSkipsThePenTravel();
    void theSpeedChangesDuringARun();
};

void PresenterTest::threadIsCreatedIdleAndNotRunning() {
    SimulationThread thread;
    QVERIFY(!thread.isRunning());
    QCOMPARE(thread.runPriority(), QThread::IdlePriority);
    // A thread asked to stop before it ever ran ends at once and reads nothing.
    ProgramList program;
    program.replace(lines({"N10 G00 X490 Y0", "N20 M30"}));
    thread.setProgram(&program);
    QSignalSpy ended(&thread, &SimulationThread::runEnded);
    thread.requestStop();
    thread.resume();
    QVERIFY(thread.waitForEnd(QDeadlineTimer(5000)));
    QCOMPARE(ended.count(), 0);
    QCOMPARE(thread.pointCount(), 0);
}

void PresenterTest::drawsThePanelsAtStartUp() {
    Station station;
    for (const QImage& image : {station.window.positionPanel, station.window.movePanel}) {
        QCOMPARE(image.size(), QSize(320, 280));
        QCOMPARE(image.pixelColor(0, 0), QColor(Qt::black));
        QCOMPARE(image.pixelColor(310, 270), QColor(192, 192, 192));
    }
}

void PresenterTest::runsTheThreeBlockExample() {
    Station station;
    station.load({"N10 G00 X100 Y100", "N20 G01 X120 Y100", "N30 M30"});
    station.commands->start();
    QVERIFY(!station.window.startEnabled);
    QVERIFY(station.window.stopEnabled);
    QVERIFY(station.visual.shown);
    QTRY_VERIFY_WITH_TIMEOUT(station.finished(), 20000);

    QVERIFY(station.window.programMemo.isEmpty());
    QCOMPARE(station.window.simulated,
             QStringList({"N10 G00 X100 Y100", "N20 G01 X120 Y100", "N30 M30"}));
    QCOMPARE(station.window.currentBlock, QStringLiteral("N30 M30"));
    const QStringList joints = station.window.jointLog;
    const QStringList points = station.window.interpolationLog;
    QCOMPARE(joints.size(), 420);
    QCOMPARE(points.size(), 420);
    QCOMPARE(points.first(), QStringLiteral("N10 X:500 Y:0 Z:0"));
    QCOMPARE(points.last(), QStringLiteral("N20 X:119 Y:100 Z:0"));
    QVERIFY(joints.last().startsWith(QStringLiteral("N20 alfa:")));
    QCOMPARE(station.window.minimumAngle, QStringLiteral("180"));
    QCOMPARE(station.window.resolutionErrors, QStringLiteral("0"));
    // End of run: "Stop Symulacji" off, "Start symulacja" on for a new run,
    // the menu on, and the end said in the status bar.
    QVERIFY(!station.window.stopEnabled);
    QVERIFY(station.window.startEnabled);
    QVERIFY(station.window.menuEnabled);
    QCOMPARE(station.window.progress,
             QStringLiteral("Symulacja zakończona: 3 bloków, 420 punktów"));
    QVERIFY(station.window.errors.isEmpty());
    // The 3D window's fields and pose.
    QCOMPARE(station.visual.field(Field::X), QStringLiteral("x=119"));
    QCOMPARE(station.visual.field(Field::Y), QStringLiteral("y=100"));
    QCOMPARE(station.visual.field(Field::Z), QStringLiteral("z=10"));
    QVERIFY(station.visual.field(Field::Alfa).startsWith(QStringLiteral("alfa= 1")));
    QCOMPARE(station.view.SlideZ.load(), -0.8);
    QCOMPARE(station.view.PenX.load(), 120.0);
    // Plot points in the interpolation colours: G00 olive, G01 at Z0 purple.
    QCOMPARE(QColor(station.plot.pixel(500 + 300, 500 - 50)), QColor(128, 128, 0));
    QCOMPARE(QColor(station.plot.pixel(500 + 110, 500 - 100)), QColor(128, 0, 128));
    // The panels: blue bold text on the position panel, black on the move panel.
    const QImage position = station.window.positionPanel;
    const QImage move = station.window.movePanel;
    bool blue = false;
    bool black = false;
    for (int y = 5; y < 250; ++y) {
        for (int x = 20; x < 300; ++x) {
            blue |= position.pixelColor(x, y) == QColor(0, 0, 255);
            black |= move.pixelColor(x, y) == QColor(0, 0, 0);
        }
    }
    QVERIFY(blue);
    QVERIFY(black);
}

void PresenterTest::pauseAndResumeContinueTheMove() {
    Station station;
    // The pause is asked for while the block N20 is handed over (the thread
    // waits for that), so it takes hold after the 30 points of N10 however
    // fast the machine is.
    station.load({"N10 G00 X470 Y0", "N20 X-300 Y300", "N30 M30"});
    station.pauseWhenBlockStarts("N20");
    station.commands->start();
    QTRY_VERIFY(station.thread.control().isHeld());
    QVERIFY(station.window.startEnabled);
    QVERIFY(!station.window.stopEnabled);
    QCOMPARE(station.thread.pointCount(), 30);
    station.presenter->repaintNow();
    QCOMPARE(station.window.progress,
             QStringLiteral("Symulacja wstrzymana: blok 2 z 3 (66%), punkt 30"));
    const qint64 held = station.thread.pointCount();
    const int shown = station.window.jointLog.size();
    QVERIFY(qAbs(shown - held) <= 1);
    QTest::qWait(100); // nothing moves while paused
    QCOMPARE(station.thread.pointCount(), held);
    station.presenter->repaintNow();
    QCOMPARE(station.window.jointLog.size(), shown);

    station.commands->start();
    QTRY_VERIFY_WITH_TIMEOUT(station.finished(), 20000);
    // Every point of the walk once, in order: no gap, no repeated line.
    const QStringList points = station.window.interpolationLog;
    QCOMPARE(points.size(), 800);
    for (int i = 0; i < points.size(); ++i)
        QCOMPARE(points[i].section(' ', 1, 1), QStringLiteral("X:%1").arg(500 - i));
    QCOMPARE(station.window.jointLog.size(), 800);
}

void PresenterTest::exitFinishesThePenTravel() {
    Station station(std::chrono::milliseconds(25));
    station.load({"N10 G01 X490 Y0", "N20 M30"});
    station.commands->start();
    // The first point lowers the pen: 40 units of 25 ms.
    QTRY_VERIFY(station.view.SlideZ.load() < -0.1);
    station.commands->finish();
    QVERIFY(!station.thread.isRunning());
    QCOMPARE(station.thread.state().penHeight, 10);
    QCOMPARE(station.view.SlideZ.load(), -0.8);
    // The current point was finished and shown, no other was started.
    QCOMPARE(station.thread.pointCount(), 1);
    QCOMPARE(station.window.jointLog.size(), 1);
    QCOMPARE(station.window.interpolationLog.size(), 1);
    QCOMPARE(station.thread.lastOutcome().end, RunEnd::Stopped);
    QVERIFY(station.window.errors.isEmpty());
}

void PresenterTest::closingStopsWithoutPenWaits() {
    // 40 units of 500 ms: a pen travel of 20 s that closing must not wait for.
    Station station(std::chrono::milliseconds(500));
    station.load({"N10 G01 X490 Y0", "N20 M30"});
    station.commands->start();
    QTRY_VERIFY(station.view.SlideZ.load() < 0.0);
    QElapsedTimer timer;
    timer.start();
    station.commands->stopForClosing();
    QTRY_VERIFY_WITH_TIMEOUT(!station.thread.isRunning(), 5000);
    QVERIFY(timer.elapsed() < 5000);
    QCOMPARE(station.thread.pointCount(), 1); // the point is finished, no other started
    QCOMPARE(station.thread.lastOutcome().end, RunEnd::Stopped);
}

void PresenterTest::refreshDuringAPauseContinuesAtTheSameIndex() {
    Station station;
    station.load({"N10 G00 X490 Y0", "N20 X200 Y0", "N30 X470 Y0", "N40 M30"});
    station.pauseWhenBlockStarts("N20");
    station.commands->start();
    QTRY_VERIFY(station.thread.control().isHeld());
    QCOMPARE(station.thread.pointCount(), 10); // held at the start of the block N20
    // The operator refreshes a different program of the same length.
    station.load({"N11 G00 X490 Y0", "N21 X480 Y0", "N31 X400 Y0", "N41 M30"});
    station.commands->programPrepared();
    station.commands->start();
    QTRY_VERIFY_WITH_TIMEOUT(station.finished(), 20000);
    // N20 is finished (to 200), then the third line of the new program walks
    // from 200 to 400.
    const QStringList points = station.window.interpolationLog;
    QCOMPARE(points.size(), 10 + 290 + 200);
    QCOMPARE(points.last(), QStringLiteral("N31 X:399 Y:0 Z:0"));
    // The program view takes the refreshed memo from its top again.
    QCOMPARE(station.window.currentBlock, QStringLiteral("N21 X480 Y0"));
}

void PresenterTest::reportsAFailedRun() {
    Station station;
    station.load({"N10 G00 X495 Y0", "N20 G01 X12,5 Y3", "N30 M30"});
    station.commands->start();
    QTRY_VERIFY_WITH_TIMEOUT(station.finished(), 20000);
    QCOMPARE(station.window.errors,
             QStringList({"Symulacja przerwana w bloku N20: '12,5' is not a valid integer value"}));
    // The menus are those after a normal end, not left "running".
    QVERIFY(!station.window.stopEnabled);
    QVERIFY(station.window.startEnabled);
    QCOMPARE(station.window.progress, QStringLiteral("Symulacja przerwana: blok 1 z 3, punkt 5"));
    // The failing block was not shown as executed.
    QCOMPARE(station.window.simulated, QStringList({"N10 G00 X495 Y0"}));
}

void PresenterTest::reportsAMissingProgram() {
    Station station;
    station.commands->start();
    QTRY_VERIFY_WITH_TIMEOUT(station.finished(), 20000);
    QCOMPARE(station.window.errors, QStringList({MotionTexts::noProgram()}));
}

void PresenterTest::runsAgainAfterANewProgram() {
    Station station;
    station.load({"N10 G01 X490 Y0", "N20 M30"});
    station.commands->start();
    QTRY_VERIFY_WITH_TIMEOUT(station.finished(), 20000);
    QVERIFY(station.window.startEnabled);
    // Opening a program: the next run starts at its first line, from home.
    station.load({"N10 G01 X495 Y0", "N20 M30"});
    station.commands->startPointReset();
    station.commands->programPrepared();
    QVERIFY(station.window.startEnabled);
    station.commands->start();
    QTRY_VERIFY_WITH_TIMEOUT(station.finished(), 20000);
    const QStringList points = station.window.interpolationLog;
    QCOMPARE(points.size(), 10 + 5);
    QCOMPARE(points.at(10), QStringLiteral("N10 X:500 Y:0 Z:0"));
    // The pen stayed down from the first run: no travel before the point.
    QCOMPARE(station.thread.state().penHeight, 10);
}

void PresenterTest::truncatesLongLines() {
    Station station;
    const QByteArray longLine = "N10 G00 X499 Y0 " + QByteArray(300, 'A');
    station.load({longLine, "N20 M30"});
    station.commands->start();
    QTRY_VERIFY_WITH_TIMEOUT(station.finished(), 20000);
    QCOMPARE(station.window.simulated.first(), QString::fromLatin1(longLine.left(255)));
}

void PresenterTest::startsANewRunRightAfterTheEnd() {
    Station station;
    station.load({"N10 G00 X490 Y0", "N20 M30"});
    station.commands->start();
    QTRY_VERIFY_WITH_TIMEOUT(station.finished(), 20000);
    QCOMPARE(station.window.interpolationLog.size(), 10);
    // The program runs again from its first line, from where the arm stands.
    station.commands->start();
    QVERIFY(!station.finished());
    QTRY_VERIFY_WITH_TIMEOUT(station.finished(), 20000);
    QCOMPARE(station.window.simulated.size(), 4);
    QCOMPARE(station.window.progress, QStringLiteral("Symulacja zakończona: 2 bloków, 0 punktów"));
    QVERIFY(station.window.errors.isEmpty());
}

void PresenterTest::finishingSkipsThePenTravel() {
    // 40 units of 500 ms: a pen travel of 20 s that "Zakończ" must not wait for.
    Station station(std::chrono::milliseconds(500));
    station.load({"N10 G01 X490 Y0", "N20 M30"});
    station.commands->start();
    QTRY_VERIFY(station.view.SlideZ.load() < 0.0);
    QElapsedTimer timer;
    timer.start();
    station.commands->finish();
    QVERIFY(!station.thread.isRunning());
    QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
    // The point was finished: the pen is down, the point shown.
    QCOMPARE(station.thread.state().penHeight, 10);
    QCOMPARE(station.thread.pointCount(), 1);
}

void PresenterTest::theSpeedChangesDuringARun() {
    // A pen travel of 40 units of 500 ms, cut short by choosing no waiting.
    Station station(std::chrono::milliseconds(500));
    station.load({"N10 G01 X490 Y0", "N20 M30"});
    station.commands->start();
    QTRY_VERIFY(station.view.SlideZ.load() < 0.0);
    station.commands->setPenWait(std::chrono::milliseconds(0));
    QCOMPARE(station.thread.penWait(), std::chrono::milliseconds(0));
    QTRY_VERIFY_WITH_TIMEOUT(station.finished(), 5000);
    QCOMPARE(station.window.interpolationLog.size(), 10);
}

QTEST_MAIN(PresenterTest)
#include "tst_motion_presenter.moc"
