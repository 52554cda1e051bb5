// The operator's hold on a running transfer: abort, the two pauses, resume,
// a start in the middle of the program, and the connect and mode frames'
// acknowledgements that must never be taken for a line's. Event by event on
// a virtual clock.
#include "linkscript.h"

#include <QTest>

namespace T = LinkTexts;
using Hold = ControllerLinkState::Hold;

namespace {

// A drawing: travel, two drawn lines, travel, a drawn line, the end.
const QByteArrayList kDrawing{
    "N1 G00 X100 Y200 ", "N2 G01 X150 Y200 Z5 ", "N3 G01 X150 Y250 Z5 ",
    "N4 G00 X300 Y300 ", "N5 G01 X320 Y300 Z5 ", "N6 M30 ",
};

QByteArray frameOf(const QByteArray& line) {
    return LinkScript::lineFrame(line);
}

// Connected, the transfer chosen, line 0 sent at the first tick, and the
// lines before `inFlight` acknowledged: line `inFlight` is on the wire.
LinkScript runningAt(int inFlight, const QByteArrayList& program = kDrawing) {
    LinkScript s(program, true);
    s.connectAndHome();
    s.sendProgram();
    s.advance(LinkScript::kTick);
    for (int i = 0; i < inFlight; ++i)
        s.ack();
    s.clear();
    return s;
}

// Lets a long time pass with the controller silent and then noisy: a held
// or ended transfer sends nothing of the program.
void expectNothingSent(LinkScript& s) {
    s.clear();
    s.advance(5 * LinkScript::kTick);
    s.receive("noise\r\n");
    s.advance(5 * LinkScript::kTick);
    QCOMPARE(s.log, QByteArrayList{});
}

QList<TransferStep> stepsOf(const LinkScript& s) {
    QList<TransferStep> steps;
    for (const TransferEvent& event : s.steps)
        steps << event.step;
    return steps;
}

} // namespace

class TestLinkControl : public QObject {
    Q_OBJECT
private slots:
    void abortAfterTheLineInFlight_data();
    void abortAfterTheLineInFlight();
    void abortWhileHeldEndsAtOnce();
    void abortWithAPortLostEndsWithoutALift();
    void safePauseHoldsAtThePenUpPoint();
    void immediatePauseLiftsThePen();
    void heldTransferIgnoresTicksAndReplies();
    void resumeNeedsTheLink();
    void reconnectKeepsTheConnectAcknowledgement_data();
    void reconnectKeepsTheConnectAcknowledgement();
    void modeAcknowledgementIsNotLineZeros();
    void modeAcknowledgementThatNeverComes();
    void startFromALineTravelsInFirst();
    void progressReportsEveryStep();
    void endOfProgramWinsOverARequest();
    void programStopHoldsForAPenChange_data();
    void programStopHoldsForAPenChange();
};

// Each row: the line in flight when the operator aborts; whether the pen is
// down after it, so that one travel line lifts it; the line named.
void TestLinkControl::abortAfterTheLineInFlight_data() {
    QTest::addColumn<int>("inFlight");
    QTest::addColumn<QByteArray>("lift");
    QTest::addColumn<int>("namedLine");
    QTest::newRow("travel in flight: pen up") << 0 << QByteArray() << 2;
    QTest::newRow("drawing in flight: lifted") << 1 << QByteArray("G00 X150 Y200") << 3;
    QTest::newRow("second drawn line: lifted where it ends")
        << 2 << QByteArray("G00 X150 Y250") << 4;
}

void TestLinkControl::abortAfterTheLineInFlight() {
    QFETCH(int, inFlight);
    QFETCH(QByteArray, lift);
    QFETCH(int, namedLine);
    LinkScript s = runningAt(inFlight);
    s.abort();
    QVERIFY(s.link.abortRequested());
    s.advance(LinkScript::kTick); // the line in flight is sent again, nothing else
    QCOMPARE(s.frames(), QByteArrayList{frameOf(kDrawing[inFlight])});
    s.clear();
    s.ack();
    if (!lift.isEmpty()) {
        QCOMPARE(s.frames(), QByteArrayList{frameOf(lift)});
        QCOMPARE(s.notices, QStringList{});
        s.ack();
    } else {
        QCOMPARE(s.frames(), QByteArrayList{});
    }
    QCOMPARE(s.notices, QStringList{T::transferAbortedAt(namedLine)});
    QVERIFY(!s.link.sending());
    QVERIFY(s.enabled[LinkControl::SendProgramItem]);
    QVERIFY(s.enabled[LinkControl::ManualModeBox]);
    QCOMPARE(s.panel[0], T::connected()); // the connection stays
    QCOMPARE(s.steps.back().step, TransferStep::Aborted);
    QCOMPARE(s.steps.back().index, namedLine - 1);
    expectNothingSent(s);
}

void TestLinkControl::abortWhileHeldEndsAtOnce() {
    LinkScript s = runningAt(0);
    s.hold(Hold::AtPenUp);
    s.ack(); // line 0 is a travel: the transfer holds
    QVERIFY(s.link.held());
    s.clear();
    s.abort();
    QCOMPARE(s.frames(), QByteArrayList{});
    QCOMPARE(s.notices, QStringList{T::transferAbortedAt(2)});
    QVERIFY(!s.link.sending());
}

void TestLinkControl::abortWithAPortLostEndsWithoutALift() {
    LinkScript s = runningAt(1); // a drawn line in flight
    s.abort();
    s.feed(s.link.portLost(QStringLiteral("gone")));
    QCOMPARE(s.notices, QStringList{T::transferAbortedAt(2)});
    QVERIFY(!s.link.sending());
}

void TestLinkControl::safePauseHoldsAtThePenUpPoint() {
    LinkScript s = runningAt(1); // line 1 (drawn) in flight
    s.hold(Hold::AtPenUp);
    s.ack(); // line 1: pen down, line 2 goes
    s.ack(); // line 2: pen down, line 3 (a travel) goes
    QCOMPARE(s.frames(), (QByteArrayList{frameOf(kDrawing[2]), frameOf(kDrawing[3])}));
    QVERIFY(!s.link.held());
    s.clear();
    s.ack(); // line 3 acknowledged with the pen up: hold before line 4
    QCOMPARE(s.frames(), QByteArrayList{});
    QVERIFY(s.link.held());
    QCOMPARE(s.steps.back().step, TransferStep::Held);
    QCOMPARE(s.steps.back().hold, TransferHold::PenUp);
    QCOMPARE(s.steps.back().index, 4);
    s.resume();
    QCOMPARE(s.frames(), QByteArrayList{frameOf(kDrawing[4])});
    QVERIFY(!s.link.held());
}

void TestLinkControl::immediatePauseLiftsThePen() {
    LinkScript s = runningAt(1);
    s.hold(Hold::Now);
    s.ack(); // line 1 done; pen down: lifted where it stands
    QCOMPARE(s.frames(), QByteArrayList{frameOf("G00 X150 Y200")});
    QVERIFY(!s.link.held());
    s.clear();
    s.ack();
    QVERIFY(s.link.held());
    QCOMPARE(s.steps.back().hold, TransferHold::Immediate);
    QCOMPARE(s.frames(), QByteArrayList{});
    s.resume(); // goes on with the next line
    QCOMPARE(s.frames(), QByteArrayList{frameOf(kDrawing[2])});
    s.clear();
    for (int i = 2; i < kDrawing.size(); ++i)
        s.ack();
    QCOMPARE(s.notices, QStringList{T::transferDone()});
}

void TestLinkControl::heldTransferIgnoresTicksAndReplies() {
    LinkScript s = runningAt(0);
    s.hold(Hold::AtPenUp);
    s.ack();
    QVERIFY(s.link.held());
    expectNothingSent(s);
    s.ack(); // a stray acknowledgement advances nothing
    QVERIFY(s.link.held());
    QCOMPARE(s.link.blockIndex(), 1);
    QVERIFY(!s.enabled[LinkControl::SendProgramItem]);
}

void TestLinkControl::resumeNeedsTheLink() {
    LinkScript s = runningAt(1);
    s.disconnect();
    QVERIFY(s.link.held());
    s.clear();
    s.resume();
    QCOMPARE(s.errors, QStringList{T::resumeNeedsLink()});
    QVERIFY(s.link.held());
}

// Each row: how the link goes in the middle of a transfer.
void TestLinkControl::reconnectKeepsTheConnectAcknowledgement_data() {
    QTest::addColumn<bool>("pulled");
    QTest::newRow("Rozłącz") << false;
    QTest::newRow("cable pulled") << true;
}

void TestLinkControl::reconnectKeepsTheConnectAcknowledgement() {
    QFETCH(bool, pulled);
    LinkScript s = runningAt(2); // line 2 in flight
    if (pulled)
        s.feed(s.link.portLost(QStringLiteral("gone")));
    else
        s.disconnect();
    QVERIFY(s.link.held());
    QCOMPARE(s.steps.back().hold, TransferHold::LinkLost);
    s.clear();
    s.connectAndHome();
    QCOMPARE(s.frames(), QByteArrayList{FixedFrames::kConnect});
    QCOMPARE(s.panel[0], T::connected()); // the acknowledgement was the connect's
    QCOMPARE(s.link.blockIndex(), 2);
    expectNothingSent(s); // held until the operator resumes
    s.resume();
    QCOMPARE(s.frames(), QByteArrayList{frameOf(kDrawing[2])});
    s.clear();
    for (int i = 2; i < kDrawing.size(); ++i)
        s.ack();
    QCOMPARE(s.notices, QStringList{T::transferDone()});
}

void TestLinkControl::modeAcknowledgementIsNotLineZeros() {
    LinkScript s(kDrawing, true);
    s.connectAndHome();
    s.toggleManual();
    s.ack();
    s.advance(LinkScript::kTick / 2);
    s.clear();
    s.sendProgram();                  // "manual control off" goes first
    s.advance(LinkScript::kTick / 2); // the tick comes before its acknowledgement
    QCOMPARE(s.frames(), QByteArrayList{FixedFrames::kManualOff});
    s.ack(); // the mode frame's
    QCOMPARE(s.link.blockIndex(), 0);
    s.advance(LinkScript::kTick);
    QCOMPARE(s.frames(), (QByteArrayList{FixedFrames::kManualOff, frameOf(kDrawing[0])}));
    s.ack();
    QCOMPARE(s.link.blockIndex(), 1);
}

void TestLinkControl::modeAcknowledgementThatNeverComes() {
    LinkScript s(kDrawing, true);
    s.connectAndHome();
    s.toggleManual();
    s.ack();
    s.clear();
    s.sendProgram();
    s.advance(2 * LinkScript::kTick); // one tick waits, the next sends line 0
    QCOMPARE(s.frames(), (QByteArrayList{FixedFrames::kManualOff, frameOf(kDrawing[0])}));
}

void TestLinkControl::startFromALineTravelsInFirst() {
    LinkScript s(kDrawing, true);
    s.connectAndHome();
    s.clear();
    s.sendProgramFrom(4); // line 3 is a travel to (300, 300)
    s.advance(LinkScript::kTick);
    QCOMPARE(s.frames(), QByteArrayList{frameOf("G00 X300 Y300")});
    s.advance(LinkScript::kTick); // the travel line is re-sent like any other
    s.ack();
    QCOMPARE(s.frames(), (QByteArrayList{frameOf("G00 X300 Y300"), frameOf("G00 X300 Y300"),
                                         frameOf(kDrawing[4])}));
    QCOMPARE(s.steps.front().step, TransferStep::Started);
    QCOMPARE(s.steps.front().index, 4);
    QCOMPARE(s.steps.front().count, kDrawing.size());
    s.ack();
    s.ack();
    QCOMPARE(s.notices, QStringList{T::transferDone()});
}

void TestLinkControl::progressReportsEveryStep() {
    const QByteArrayList program{"N1 G00 X1 Y2 ", "N2 M30 "};
    LinkScript s(program, true);
    s.connectAndHome();
    s.clear();
    s.sendProgram();
    s.advance(LinkScript::kTick); // line 0
    s.advance(LinkScript::kTick); // again
    s.ack();                      // line 1
    s.ack();                      // the end
    const QList<TransferStep> expected{TransferStep::Started,    TransferStep::LineSent,
                                       TransferStep::LineResent, TransferStep::LineAcknowledged,
                                       TransferStep::LineSent,   TransferStep::LineAcknowledged,
                                       TransferStep::Finished};
    QCOMPARE(stepsOf(s), expected);
    QCOMPARE(s.steps.front().count, 2);
}

void TestLinkControl::endOfProgramWinsOverARequest() {
    LinkScript s = runningAt(kDrawing.size() - 1); // M30 in flight
    s.hold(Hold::Now);
    s.ack();
    QCOMPARE(s.notices, QStringList{T::transferDone()});
    QVERIFY(!s.link.sending());
}

// Each row: the line before the program stop, and the travel that lifts the
// pen after it when it leaves the pen down.
void TestLinkControl::programStopHoldsForAPenChange_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("lift");
    QTest::newRow("after drawing: lifted")
        << QByteArray("N1 G01 X150 Y200 Z5 ") << QByteArray("G00 X150 Y200");
    QTest::newRow("after a travel") << QByteArray("N1 G00 X150 Y200 ") << QByteArray();
}

void TestLinkControl::programStopHoldsForAPenChange() {
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, lift);
    const QByteArrayList program{before, "N2 M00 ", "N3 G00 X0 Y300 ", "N4 G01 X10 Y300 Z7 ",
                                 "N5 M30 "};
    LinkScript s = runningAt(0, program);
    s.ack();
    if (!lift.isEmpty()) {
        QCOMPARE(s.frames(), QByteArrayList{frameOf(lift)});
        s.ack();
    }
    QVERIFY(s.link.held());
    QCOMPARE(s.steps.back().hold, TransferHold::PenChange);
    QCOMPARE(s.steps.back().index, 1);
    expectNothingSent(s);
    s.resume(); // the stop itself goes, then the rest
    QCOMPARE(s.frames(), QByteArrayList{frameOf(program[1])});
    for (int i = 1; i < program.size(); ++i)
        s.ack();
    QCOMPARE(s.notices, QStringList{T::transferDone()});
}

QTEST_GUILESS_MAIN(TestLinkControl)
#include "tst_controller_linkstate_control.moc"
