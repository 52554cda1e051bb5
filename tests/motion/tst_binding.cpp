#include "gcode/plotsurface.h"
#include "gcode/programlist.h"
#include "motion/motiontexts.h"
#include "motion/simulationbinding.h"
#include "motion/simulationthread.h"
#include "motion/viewpose.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

namespace {

// A stand-in for the main window: the controls the simulation uses, by name,
// and the window's signals.
class TestMainWindow : public QMainWindow {
    Q_OBJECT
public:
    TestMainWindow() {
        auto* page = new QWidget(this);
        auto* layout = new QVBoxLayout(page);
        for (const char* name : {"Memo1", "Memo2", "Memo3", "Memo4"})
            layout->addWidget(memo(name));
        for (const char* name : {"Edit1", "Edit5", "Edit6"}) {
            auto* edit = new QLineEdit(page);
            edit->setObjectName(QLatin1String(name));
            layout->addWidget(edit);
        }
        for (const char* name : {"Image2", "Image3"}) {
            auto* label = new QLabel(page);
            label->setObjectName(QLatin1String(name));
            layout->addWidget(label);
        }
        auto* plot = new QWidget(page);
        plot->setObjectName(QStringLiteral("Image1"));
        layout->addWidget(plot);
        setCentralWidget(page);
        QMenu* menu = menuBar()->addMenu(QStringLiteral("Symulacja"));
        menu->setObjectName(QStringLiteral("Symulacja1"));
        menu->menuAction()->setObjectName(QStringLiteral("Startsymulacji1"));
        start = menu->addAction(QStringLiteral("Start symulacja"));
        start->setObjectName(QStringLiteral("Startsymulacji2"));
        stop = menu->addAction(QStringLiteral("Stop Symulacji"));
        stop->setObjectName(QStringLiteral("StopSymulacji1"));
        stop->setEnabled(false);
    }
    QPlainTextEdit* findMemo(const char* name) {
        return findChild<QPlainTextEdit*>(QLatin1String(name));
    }
    QLineEdit* findEdit(const char* name) { return findChild<QLineEdit*>(QLatin1String(name)); }

    QAction* start;
    QAction* stop;

signals:
    void exitRequested();
    void closing();
    void startPointReset();
    void programPrepared();

private:
    QPlainTextEdit* memo(const char* name) {
        auto* memo = new QPlainTextEdit(this);
        memo->setObjectName(QLatin1String(name));
        return memo;
    }
};

// The visualisation window's five info fields.
class TestVisualisationWindow : public QWidget {
public:
    TestVisualisationWindow() {
        for (const char* name : {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5"}) {
            auto* edit = new QLineEdit(this);
            edit->setObjectName(QLatin1String(name));
        }
    }
    QString field(const char* name) const {
        return findChild<QLineEdit*>(QLatin1String(name))->text();
    }
};

ProgramText lines(const QList<QByteArray>& program) {
    return ProgramText::fromLines(program);
}

// The thread, the windows and the binding, set up as the station does.
struct Station {
    SimulationThread thread;
    ViewPose view;
    ProgramList program;
    PlotSurface plot;
    TestMainWindow window;
    TestVisualisationWindow visual;
    QStringList errors;
    std::unique_ptr<SimulationBinding> binding;

    explicit Station(std::chrono::milliseconds penWait = std::chrono::milliseconds(0)) {
        binding =
            std::make_unique<SimulationBinding>(&window, &visual, thread, program, plot, view);
        binding->setErrorReporter([this](const QString& text) { errors << text; });
        thread.setPenWait(penWait);
        thread.setRunPriority(QThread::NormalPriority);
    }
    ~Station() {
        binding->finishSimulation();
        binding.reset();
    }
    void load(const QList<QByteArray>& program_) {
        program.replace(lines(program_));
        window.findMemo("Memo1")->setPlainText(program.snapshot().toUnicode());
    }
    // Asks for a pause from inside the hand-over that shows the block
    // starting with `prefix`: the simulation thread waits for the hand-over,
    // so the pause takes hold at the next safe point of that block.
    void pauseWhenBlockStarts(const QString& prefix) {
        QObject::connect(window.findEdit("Edit1"), &QLineEdit::textChanged, &window,
                         [this, prefix](const QString& text) {
                             if (text.startsWith(prefix) && window.stop->isEnabled())
                                 window.stop->trigger();
                         });
    }
    QStringList memoLines(const char* name) {
        const QString text = window.findMemo(name)->toPlainText();
        return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
    }
};

} // namespace

class BindingTest : public QObject {
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
};

void BindingTest::threadIsCreatedIdleAndNotRunning() {
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

void BindingTest::drawsThePanelsAtStartUp() {
    Station station;
    for (const char* name : {"Image2", "Image3"}) {
        const QPixmap pixmap = station.window.findChild<QLabel*>(QLatin1String(name))->pixmap();
        QCOMPARE(pixmap.size(), QSize(320, 280));
        const QImage image = pixmap.toImage();
        QCOMPARE(image.pixelColor(0, 0), QColor(Qt::black));
        QCOMPARE(image.pixelColor(310, 270), QColor(192, 192, 192));
    }
}

void BindingTest::runsTheThreeBlockExample() {
    Station station;
    station.load({"N10 G00 X100 Y100", "N20 G01 X120 Y100", "N30 M30"});
    station.window.start->trigger();
    QVERIFY(!station.window.start->isEnabled());
    QVERIFY(station.window.stop->isEnabled());
    QVERIFY(station.visual.isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(station.binding->isRunFinished(), 20000);

    QVERIFY(station.memoLines("Memo1").isEmpty());
    QCOMPARE(station.memoLines("Memo2"),
             QStringList({"N10 G00 X100 Y100", "N20 G01 X120 Y100", "N30 M30"}));
    QCOMPARE(station.window.findEdit("Edit1")->text(), QStringLiteral("N30 M30"));
    const QStringList joints = station.memoLines("Memo4");
    const QStringList points = station.memoLines("Memo3");
    QCOMPARE(joints.size(), 420);
    QCOMPARE(points.size(), 420);
    QCOMPARE(points.first(), QStringLiteral("N10 X:500 Y:0 Z:0"));
    QCOMPARE(points.last(), QStringLiteral("N20 X:119 Y:100 Z:0"));
    QVERIFY(joints.last().startsWith(QStringLiteral("N20 alfa:")));
    QCOMPARE(station.window.findEdit("Edit5")->text(), QStringLiteral("180"));
    QCOMPARE(station.window.findEdit("Edit6")->text(), QStringLiteral("0"));
    // End of run: "Stop Symulacji" off, both entries unusable, the menu on.
    QVERIFY(!station.window.stop->isEnabled());
    QVERIFY(!station.window.start->isEnabled());
    QVERIFY(station.window.findChild<QAction*>("Startsymulacji1")->isEnabled());
    QVERIFY(station.errors.isEmpty());
    // The 3D window's fields and pose.
    QCOMPARE(station.visual.field("Edit3"), QStringLiteral("x=119"));
    QCOMPARE(station.visual.field("Edit4"), QStringLiteral("y=100"));
    QCOMPARE(station.visual.field("Edit5"), QStringLiteral("z=10"));
    QVERIFY(station.visual.field("Edit1").startsWith(QStringLiteral("alfa= 1")));
    QCOMPARE(station.view.SlideZ.load(), -0.8);
    QCOMPARE(station.view.PenX.load(), 120.0);
    // Plot points in the interpolation colours: G00 olive, G01 at Z0 purple.
    QCOMPARE(QColor(station.plot.pixel(500 + 300, 500 - 50)), QColor(128, 128, 0));
    QCOMPARE(QColor(station.plot.pixel(500 + 110, 500 - 100)), QColor(128, 0, 128));
    // The panels: blue bold text on the position panel, black on the move panel.
    const QImage position = station.window.findChild<QLabel*>("Image2")->pixmap().toImage();
    const QImage move = station.window.findChild<QLabel*>("Image3")->pixmap().toImage();
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

void BindingTest::pauseAndResumeContinueTheMove() {
    Station station;
    // The pause is asked for while the block N20 is handed over (the thread
    // waits for that), so it takes hold after the 30 points of N10 however
    // fast the machine is.
    station.load({"N10 G00 X470 Y0", "N20 X-300 Y300", "N30 M30"});
    station.pauseWhenBlockStarts("N20");
    station.window.start->trigger();
    QTRY_VERIFY(station.thread.control().isHeld());
    QVERIFY(station.window.start->isEnabled());
    QVERIFY(!station.window.stop->isEnabled());
    QCOMPARE(station.thread.pointCount(), 30);
    station.binding->repaintNow();
    const qint64 held = station.thread.pointCount();
    const int shown = station.memoLines("Memo4").size();
    QVERIFY(qAbs(shown - held) <= 1);
    QTest::qWait(100); // nothing moves while paused
    QCOMPARE(station.thread.pointCount(), held);
    station.binding->repaintNow();
    QCOMPARE(station.memoLines("Memo4").size(), shown);

    station.window.start->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(station.binding->isRunFinished(), 20000);
    // Every point of the walk once, in order: no gap, no repeated line.
    const QStringList points = station.memoLines("Memo3");
    QCOMPARE(points.size(), 800);
    for (int i = 0; i < points.size(); ++i)
        QCOMPARE(points[i].section(' ', 1, 1), QStringLiteral("X:%1").arg(500 - i));
    QCOMPARE(station.memoLines("Memo4").size(), 800);
}

void BindingTest::exitFinishesThePenTravel() {
    Station station(std::chrono::milliseconds(25));
    station.load({"N10 G01 X490 Y0", "N20 M30"});
    station.window.start->trigger();
    // The first point lowers the pen: 40 units of 25 ms.
    QTRY_VERIFY(station.view.SlideZ.load() < -0.1);
    emit station.window.exitRequested();
    QVERIFY(!station.thread.isRunning());
    QCOMPARE(station.thread.state().penHeight, 10);
    QCOMPARE(station.view.SlideZ.load(), -0.8);
    // The current point was finished and shown, no other was started.
    QCOMPARE(station.thread.pointCount(), 1);
    QCOMPARE(station.memoLines("Memo4").size(), 1);
    QCOMPARE(station.memoLines("Memo3").size(), 1);
    QCOMPARE(station.thread.lastOutcome().end, RunEnd::Stopped);
    QVERIFY(station.errors.isEmpty());
}

void BindingTest::closingStopsWithoutPenWaits() {
    // 40 units of 500 ms: a pen travel of 20 s that closing must not wait for.
    Station station(std::chrono::milliseconds(500));
    station.load({"N10 G01 X490 Y0", "N20 M30"});
    station.window.start->trigger();
    QTRY_VERIFY(station.view.SlideZ.load() < 0.0);
    QElapsedTimer timer;
    timer.start();
    emit station.window.closing();
    QTRY_VERIFY_WITH_TIMEOUT(!station.thread.isRunning(), 5000);
    QVERIFY(timer.elapsed() < 5000);
    QCOMPARE(station.thread.pointCount(), 1); // the point is finished, no other started
    QCOMPARE(station.thread.lastOutcome().end, RunEnd::Stopped);
}

void BindingTest::refreshDuringAPauseContinuesAtTheSameIndex() {
    Station station;
    station.load({"N10 G00 X490 Y0", "N20 X200 Y0", "N30 X470 Y0", "N40 M30"});
    station.pauseWhenBlockStarts("N20");
    station.window.start->trigger();
    QTRY_VERIFY(station.thread.control().isHeld());
    QCOMPARE(station.thread.pointCount(), 10); // held at the start of the block N20
    // The operator refreshes a different program of the same length.
    station.load({"N11 G00 X490 Y0", "N21 X480 Y0", "N31 X400 Y0", "N41 M30"});
    emit station.window.programPrepared();
    station.window.start->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(station.binding->isRunFinished(), 20000);
    // N20 is finished (to 200), then the third line of the new program walks
    // from 200 to 400.
    const QStringList points = station.memoLines("Memo3");
    QCOMPARE(points.size(), 10 + 290 + 200);
    QCOMPARE(points.last(), QStringLiteral("N31 X:399 Y:0 Z:0"));
    // The program view takes the refreshed memo from its top again.
    QCOMPARE(station.window.findEdit("Edit1")->text(), QStringLiteral("N21 X480 Y0"));
}

void BindingTest::reportsAFailedRun() {
    Station station;
    station.load({"N10 G00 X495 Y0", "N20 G01 X12,5 Y3", "N30 M30"});
    station.window.start->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(station.binding->isRunFinished(), 20000);
    QCOMPARE(station.errors,
             QStringList({"Symulacja przerwana w bloku N20: '12,5' is not a valid integer value"}));
    // The menus are those after a normal end, not left "running".
    QVERIFY(!station.window.stop->isEnabled());
    QVERIFY(!station.window.start->isEnabled());
    // The failing block was not shown as executed.
    QCOMPARE(station.memoLines("Memo2"), QStringList({"N10 G00 X495 Y0"}));
}

void BindingTest::reportsAMissingProgram() {
    Station station;
    station.window.start->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(station.binding->isRunFinished(), 20000);
    QCOMPARE(station.errors, QStringList({MotionTexts::kNoProgram.toString()}));
}

void BindingTest::runsAgainAfterANewProgram() {
    Station station;
    station.load({"N10 G01 X490 Y0", "N20 M30"});
    station.window.start->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(station.binding->isRunFinished(), 20000);
    QVERIFY(!station.window.start->isEnabled());
    // Opening a program: the next run starts at its first line, from home.
    station.load({"N10 G01 X495 Y0", "N20 M30"});
    emit station.window.startPointReset();
    emit station.window.programPrepared();
    QVERIFY(station.window.start->isEnabled());
    station.window.start->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(station.binding->isRunFinished(), 20000);
    const QStringList points = station.memoLines("Memo3");
    QCOMPARE(points.size(), 10 + 5);
    QCOMPARE(points.at(10), QStringLiteral("N10 X:500 Y:0 Z:0"));
    // The pen stayed down from the first run: no travel before the point.
    QCOMPARE(station.thread.state().penHeight, 10);
}

void BindingTest::truncatesLongLines() {
    Station station;
    const QByteArray longLine = "N10 G00 X499 Y0 " + QByteArray(300, 'A');
    station.load({longLine, "N20 M30"});
    station.window.start->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(station.binding->isRunFinished(), 20000);
    QCOMPARE(station.memoLines("Memo2").first(), QString::fromLatin1(longLine.left(255)));
}

QTEST_MAIN(BindingTest)
#include "tst_binding.moc"
