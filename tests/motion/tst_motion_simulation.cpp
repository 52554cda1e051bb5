#include "recordingsink.h"

#include "gcode/programlist.h"
#include "motion/blockloop.h"
#include "motion/headlessrun.h"
#include "motion/motionsimulator.h"
#include "motion/simulationcontrol.h"
#include "motion/textlogsink.h"
#include "motion/viewpose.h"

#include <QTest>

namespace {

ProgramText programOf(const QList<QByteArray>& lines) {
    return ProgramText::fromLines(lines);
}

// A simulator with a recording sink and no pen waits.
struct Rig {
    ViewPose view;
    SimulationControl control;
    MotionSimulator simulator{&view, control};
    RecordingSink sink;
    BlockLoop loop{simulator, control};
    ProgramList program;

    Rig() { simulator.setSink(&sink); }
    RunOutcome run(const QList<QByteArray>& lines) {
        program.replace(programOf(lines));
        return loop.run(&program);
    }
};

} // namespace

class MotionTest : public QObject {
    Q_OBJECT

private slots:
    void walksTheGrid_data();
    void walksTheGrid();
    void publishesEachPointInOrder();
    void penMovesBeforeTheJoints();
    void otherMovesKeepThePen();
    void yAxisLiftsThePenAndFlipsTheElbow();
    void beyondTheReachStretchesTheArm();
    void stopIsSeenBetweenGridPoints();

    void runsTheThreeBlockExample();
    void keepsGModal();
    void reportsAWordThatIsNotWhole();
    void endsAtTheLastLine();
    void reportsAMissingProgram();
    void opensStartAtHome();
    void logLinesWithoutN();
    void headlessLinesMatchTheWindowsLines();
};

void MotionTest::walksTheGrid_data() {
    QTest::addColumn<QPointF>("from");
    QTest::addColumn<QPointF>("to");
    QTest::addColumn<QList<QPointF>>("expected");
    QTest::newRow("x leads") << QPointF(0, 0) << QPointF(5, 2)
                             << QList<QPointF>{{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}};
    QTest::newRow("diagonal") << QPointF(0, 0) << QPointF(3, 3)
                              << QList<QPointF>{{0, 0}, {1, 1}, {2, 2}};
    QList<QPointF> up;
    for (int y = 0; y < 10; ++y)
        up << QPointF(500, y);
    QTest::newRow("y leads") << QPointF(500, 0) << QPointF(500, 10) << up;
    QTest::newRow("backwards") << QPointF(3, 2) << QPointF(0, 0)
                               << QList<QPointF>{{3, 2}, {2, 1}, {1, 1}};
    QTest::newRow("no move") << QPointF(7, 7) << QPointF(7, 7) << QList<QPointF>{};
}

void MotionTest::walksTheGrid() {
    QFETCH(QPointF, from);
    QFETCH(QPointF, to);
    QFETCH(QList<QPointF>, expected);
    Rig rig;
    rig.simulator.state().startX = from.x();
    rig.simulator.state().startY = from.y();
    rig.simulator.MoveLinear(to.x(), to.y());
    QCOMPARE(QList<QPointF>(rig.sink.points.begin(), rig.sink.points.end()), expected);
    QCOMPARE(rig.sink.logLines.size(), expected.size());
    // The walk never moves the start point itself.
    QCOMPARE(rig.simulator.state().startX, from.x());
    QCOMPARE(rig.simulator.state().startY, from.y());
}

void MotionTest::publishesEachPointInOrder() {
    Rig rig;
    rig.simulator.state().startX = 300;
    rig.simulator.state().startY = 200;
    rig.simulator.MoveLinear(302, 200);
    QCOMPARE(rig.sink.events,
             QStringList({"log", "pose", "plot", "panel", "log", "pose", "plot", "panel"}));
    // The view shows the stepped pose and the walk's texts.
    const SimulationState& s = rig.simulator.state();
    QCOMPARE(rig.view.Arm1Angle.load(), static_cast<float>(s.previous.alfa - 90.0));
    QCOMPARE(rig.view.Arm2Angle.load(), static_cast<float>(s.previous.beta));
    QCOMPARE(rig.view.PenX.load(), 302.0);
    QCOMPARE(rig.sink.logLines.first().left(7), QStringLiteral("N alfa:"));
}

void MotionTest::penMovesBeforeTheJoints() {
    Rig rig;
    rig.simulator.state().g = 1;
    rig.simulator.state().startX = 300;
    rig.simulator.state().startY = 200;
    rig.simulator.MoveLinear(301, 200);
    QStringList expected;
    for (int h = 49; h >= 10; --h)
        expected << "pen " + QString::number(h);
    expected << "log"
             << "pose"
             << "plot"
             << "panel";
    QCOMPARE(rig.sink.events, expected);
    QCOMPARE(rig.view.SlideZ.load(), 10 / 50.0 - 1.0);
    QCOMPARE(rig.view.PenHeight.load(), 10);
    // Back to G00: up again by 40 units at the first point.
    rig.sink.events.clear();
    rig.simulator.state().g = 0;
    rig.simulator.MoveLinear(301, 200);
    QCOMPARE(rig.sink.events.count(), 40 + 4);
    QCOMPARE(rig.sink.events.at(39), QStringLiteral("pen 50"));
    QCOMPARE(rig.view.SlideZ.load(), 0.0);
}

void MotionTest::otherMovesKeepThePen() {
    Rig rig;
    rig.simulator.state().g = 1;
    rig.simulator.state().startX = 300;
    rig.simulator.MoveLinear(301, 0);
    rig.simulator.state().g = 2;
    rig.sink.events.clear();
    rig.simulator.MoveLinear(305, 0);
    QVERIFY(rig.sink.events.filter("pen").isEmpty());
    QCOMPARE(rig.simulator.state().penHeight, arm::kPenDownHeight);
}

void MotionTest::yAxisLiftsThePenAndFlipsTheElbow() {
    Rig rig;
    // A working move across the Y axis at y 250.
    rig.run({"N10 G00 X2 Y250", "N20 G01 X-2 Y250", "N30 M30"});
    // Points of the second move: (2,250) (1,250) (0,250) (-1,250).
    const std::vector<int> pens(rig.sink.penHeights.end() - 4, rig.sink.penHeights.end());
    QCOMPARE(rig.sink.points.back(), QPointF(-1, 250));
    QCOMPARE(pens, std::vector<int>({10, 10, 50, 10})); // raised on the axis only
    // Right of the axis the elbow bends clockwise, left counter-clockwise.
    const QStringList logs = rig.sink.logLines.mid(rig.sink.logLines.size() - 4);
    QVERIFY(logs[1].contains(" beta:-"));
    QVERIFY(!logs[3].contains(" beta:-"));
}

void MotionTest::beyondTheReachStretchesTheArm() {
    const JointAngles a = SimulationJointTarget(0.0, 600.0, 0.0);
    QCOMPARE(a.beta, 0.0);
    QVERIFY(std::fabs(a.alfa - 90.0) < 1e-9);
    const JointAngles b = SimulationJointTarget(300.0, 400.0, 0.0); // exactly on the reach
    QVERIFY(std::fabs(b.beta) < 1e-6);
    // A point far out costs no more stepping than a point on the reach.
    Rig rig;
    rig.simulator.state().startX = 100000;
    rig.simulator.state().startY = 0;
    rig.simulator.MoveLinear(100001, 0);
    QCOMPARE(rig.simulator.state().previous.beta, 0.0);
}

void MotionTest::stopIsSeenBetweenGridPoints() {
    struct StoppingSink : RecordingSink {
        SimulationControl* control = nullptr;
        void positionChanged(const SimulationState& s) override {
            RecordingSink::positionChanged(s);
            if (points.size() == 3)
                control->requestStop();
        }
    } sink;
    Rig rig;
    sink.control = &rig.control;
    rig.simulator.setSink(&sink);
    const RunOutcome outcome = rig.run({"N10 G00 X490 Y0", "N20 X480 Y0", "N30 M30"});
    QCOMPARE(int(sink.points.size()), 3);
    QCOMPARE(outcome.end, RunEnd::Stopped);
    QCOMPARE(outcome.blocks, 1);
}

void MotionTest::runsTheThreeBlockExample() {
    Rig rig;
    const RunOutcome outcome = rig.run({"N10 G00 X100 Y100", "N20 G01 X120 Y100", "N30 M30"});
    QCOMPARE(outcome.end, RunEnd::EndBlock);
    QCOMPARE(outcome.blocks, 3);
    QCOMPARE(int(rig.sink.points.size()), 420);
    QCOMPARE(rig.sink.events.first(), QStringLiteral("advance N10 G00 X100 Y100"));
    QCOMPARE(rig.sink.events.at(1), QStringLiteral("move"));
    // 400 points pen up, then the pen goes down at (100, 100) for 20 points.
    QCOMPARE(rig.sink.points[0], QPointF(500, 0));
    QCOMPARE(rig.sink.points[400], QPointF(100, 100));
    QCOMPARE(rig.sink.penHeights[399], 50);
    QCOMPARE(rig.sink.penHeights[400], 10);
    QCOMPARE(rig.sink.points[419], QPointF(119, 100));
    QCOMPARE(rig.sink.moveLines, QStringList({"JAZDA Z PUNKTU:", "X= 100", "Y= 100", "Z= 0",
                                              "DO PUNKTU:", "X= 120", "Y= 100", "Z= 0"}));
    QCOMPARE(rig.sink.positionLines, QStringList({"POZYCJA AKTUALNA:", "N= 20", "G= 01",
                                                  "T= ", "X= 119", "Y= 100", "Z= "}));
    QCOMPARE(rig.sink.logLines.size(), 420);
    QCOMPARE(rig.sink.pointLines.last(), QStringLiteral("N20 X:119 Y:100 Z:0"));
    QCOMPARE(rig.simulator.state().startX, 120.0);
}

void MotionTest::keepsGModal() {
    Rig rig;
    // Before any G the pen stays up; a block without G keeps the pen down.
    rig.run({"N5 X490 Y0", "N10 G01 X480 Y0", "N20 X470 Y0", "N30 M30"});
    QCOMPARE(int(rig.sink.penHeights.size()), 30);
    QCOMPARE(rig.sink.penHeights[9], 50);
    QCOMPARE(rig.sink.penHeights[10], 10);
    QCOMPARE(rig.sink.penHeights[29], 10);
    QCOMPARE(rig.sink.positionLines.at(2), QStringLiteral("G= "));
}

void MotionTest::reportsAWordThatIsNotWhole() {
    Rig rig;
    const RunOutcome outcome = rig.run({"N10 G00 X490 Y0", "N20 G01 X12,5 Y3", "N30 M30"});
    QCOMPARE(outcome.end, RunEnd::Failed);
    QCOMPARE(outcome.error, QStringLiteral("Symulacja przerwana w bloku N20: '12,5' is not a "
                                           "valid integer value"));
    // The failing block is neither shown nor moved.
    QCOMPARE(rig.sink.events.filter("advance").size(), 1);
    QCOMPARE(int(rig.sink.points.size()), 10);
}

void MotionTest::endsAtTheLastLine() {
    Rig rig;
    const RunOutcome outcome = rig.run({"N10 G00 X495 Y0", "N20 X490 Y0"});
    QCOMPARE(outcome.end, RunEnd::EndOfList);
    QCOMPARE(outcome.blocks, 2);
    QCOMPARE(int(rig.sink.points.size()), 10);
    // Lines after the end block are not read.
    Rig second;
    QCOMPARE(second.run({"N10 M30", "N20 X12,5 Y0"}).end, RunEnd::EndBlock);
}

void MotionTest::reportsAMissingProgram() {
    Rig rig;
    const RunOutcome none = rig.loop.run(nullptr);
    QCOMPARE(none.end, RunEnd::Failed);
    QCOMPARE(none.error, MotionTexts::noProgram());
    QCOMPARE(rig.run({}).end, RunEnd::Failed);
    QVERIFY(rig.sink.events.isEmpty());
}

void MotionTest::opensStartAtHome() {
    Rig rig;
    rig.run({"N10 G00 X490 Y0", "N20 M30"});
    QCOMPARE(rig.simulator.state().startX, 490.0);
    rig.control.requestStartAtHome();
    rig.sink.points.clear();
    rig.run({"N10 G00 X495 Y0", "N20 M30"});
    QCOMPARE(int(rig.sink.points.size()), 5);
    QCOMPARE(rig.sink.points.front(), QPointF(500, 0));
}

void MotionTest::logLinesWithoutN() {
    Rig rig;
    rig.run({"G00 X499 Y0", "M30"});
    QCOMPARE(rig.sink.logLines.size(), 1);
    QVERIFY(rig.sink.logLines.first().startsWith("N alfa:0 beta:0"));
    QCOMPARE(rig.sink.positionLines.at(1), QStringLiteral("N= "));
}

// scara-cli simulate prints the lines the memos show, byte for byte.
void MotionTest::headlessLinesMatchTheWindowsLines() {
    const ProgramText source =
        ProgramText::fromLines({"N10 G00 X490 Y0", "N20 G01 X480 Y5 Z1", "X478 Y7", "M30"});
    RecordingSink recorded;
    QVERIFY(RunHeadless(source, recorded));
    for (const auto& [mode, expected] :
         {std::pair{TextLogSink::Mode::Joints, recorded.logLines},
          std::pair{TextLogSink::Mode::Points, recorded.pointLines}}) {
        TextLogSink sink(mode, nullptr);
        const Result<HeadlessRunResult> run = RunHeadless(source, sink);
        QVERIFY(run);
        QCOMPARE(run->points, qint64(22));
        QCOMPARE(QString::fromLatin1(sink.pending()), expected.join('\n') + '\n');
    }
    // A program that cannot be prepared gives the station's text.
    RecordingSink none;
    const Result<HeadlessRunResult> bad = RunHeadless(ProgramText::fromLines({"X1,5Y2"}), none);
    QVERIFY(!bad);
    QCOMPARE(bad.error(), QStringLiteral("'1,5Y2' is not a valid floating point value"));
}

QTEST_GUILESS_MAIN(MotionTest)
#include "tst_motion_simulation.moc"
