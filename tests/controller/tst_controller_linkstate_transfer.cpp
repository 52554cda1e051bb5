// The line-by-line program transfer with its 500 ms re-send, event by event
// on a virtual clock.
#include "linkscript.h"

#include <QTest>

namespace T = LinkTexts;

namespace {

QByteArrayList programOf(int lines) {
    QByteArrayList program;
    for (int i = 0; i < lines; ++i)
        program << QByteArray("N") + QByteArray::number(i) + " G01 X" + QByteArray::number(i) +
                       " Y0 ";
    return program;
}

QByteArrayList framesOf(const QByteArrayList& lines) {
    QByteArrayList frames;
    for (const QByteArray& line : lines)
        frames << LinkScript::lineFrame(line);
    return frames;
}

// A connected and homed link, the program loaded, the timer half-way through
// an interval.
LinkScript connectedWith(const QByteArrayList& program) {
    LinkScript s(program, true);
    s.connectAndHome();
    s.advance(LinkScript::kTick / 2);
    s.clear();
    return s;
}

// Starts the transfer on a link from connectedWith() and lets the first tick
// send line 0; the clock then stands at that tick.
void startTransfer(LinkScript& s) {
    s.sendProgram();
    s.advance(LinkScript::kTick / 2);
}

} // namespace

class TestLinkTransfer : public QObject {
    Q_OBJECT
private slots:
    void eachAcknowledgedOnce_data();
    void eachAcknowledgedOnce();
    void firstLineWaitsForTheRunningTimer();
    void emptyProgramEndsAtTheFirstTick();
    void slowAcknowledgementResends_data();
    void slowAcknowledgementResends();
    void anyChunkPostponesTheResend();
    void doubledAcknowledgementSkipsALine();
    void startingUnderManualControl();
    void logLineIsTheFrameBody();
    void bodyAndLineEndAreSeparateWrites();
    void pauseStopsResendsOnly();
    void acknowledgementBeforeTheFirstLineIsNotCounted_data();
    void acknowledgementBeforeTheFirstLineIsNotCounted();
    void firstLineAtOnce();
    void sendProgramWaitsForAProgram();
    void manualBoxComesBackWhenTheNoticeCloses();
    void shorterProgramEndsTheTransfer();
    void writeFailureKeepsTheLine();
};

void TestLinkTransfer::eachAcknowledgedOnce_data() {
    QTest::addColumn<int>("lines");
    QTest::newRow("one line") << 1;
    QTest::newRow("three lines") << 3;
    QTest::newRow("forty lines") << 40;
}

void TestLinkTransfer::eachAcknowledgedOnce() {
    QFETCH(int, lines);
    const QByteArrayList program = programOf(lines);
    LinkScript s = connectedWith(program);
    s.sendProgram();
    QVERIFY(!s.enabled[LinkControl::ManualModeBox]);
    QVERIFY(s.enabled[LinkControl::SendProgramItem]); // until the first line goes
    s.advance(LinkScript::kTick);
    QVERIFY(!s.enabled[LinkControl::SendProgramItem]);
    for (int i = 0; i < lines; ++i) {
        QVERIFY(s.notices.isEmpty());
        s.advance(100);
        const LinkActions reply = s.link.ReceiveChunk(LinkScript::kAck);
        if (i == lines - 1) // the modal notice comes after all else the reply changed
            QCOMPARE(reply.back(), LinkAction::showNotice(T::transferDone()));
        s.feed(reply);
    }
    QCOMPARE(s.frames(), framesOf(program));
    QCOMPARE(s.log.size(), lines);
    QCOMPARE(s.notices, QStringList{T::transferDone()});
    QVERIFY(!s.link.sending());
    QCOMPARE(s.link.blockIndex(), 0);
    QVERIFY(s.enabled[LinkControl::SendProgramItem]);
    QVERIFY(s.enabled[LinkControl::ManualModeBox]);
    // After the end, ticks and acknowledgements send nothing more.
    s.advance(5 * LinkScript::kTick);
    s.ack();
    QCOMPARE(s.log.size(), lines);
}

void TestLinkTransfer::firstLineWaitsForTheRunningTimer() {
    LinkScript s = connectedWith(programOf(2));
    // The timer has been running for 250 ms: line 0 goes at its next tick,
    // 250 ms after the start, not 500.
    s.sendProgram();
    QVERIFY(s.wire.isEmpty());
    s.advance(249);
    QVERIFY(s.wire.isEmpty());
    s.advance(1);
    QCOMPARE(s.log.size(), 1);
}

void TestLinkTransfer::emptyProgramEndsAtTheFirstTick() {
    LinkScript s = connectedWith({});
    startTransfer(s);
    QVERIFY(s.wire.isEmpty());
    QVERIFY(s.log.isEmpty());
    QCOMPARE(s.notices, QStringList{T::transferDone()});
    QVERIFY(!s.timerOn);
}

void TestLinkTransfer::slowAcknowledgementResends_data() {
    QTest::addColumn<int>("delay");
    QTest::addColumn<int>("sends");
    QTest::newRow("within 500 ms") << 499 << 1;
    QTest::newRow("at 500 ms") << 500 << 2;
    QTest::newRow("1.2 s") << 1200 << 3;
    QTest::newRow("2 s") << 2000 << 5;
}

void TestLinkTransfer::slowAcknowledgementResends() {
    QFETCH(int, delay);
    QFETCH(int, sends);
    const QByteArrayList program = programOf(3);
    LinkScript s = connectedWith(program);
    startTransfer(s);
    s.advance(100);
    s.clear();
    s.ack(); // line 1 goes now, and the timer starts a fresh interval
    s.advance(delay);
    s.ack();
    const QByteArray line1 = BlockFrame("05", program[1]);
    QCOMPARE(s.log.count(line1), sends);
    QCOMPARE(s.log.size(), sends + 1); // then line 2
    QCOMPARE(s.log.last(), BlockFrame("05", program[2]));
}

void TestLinkTransfer::anyChunkPostponesTheResend() {
    LinkScript s = connectedWith(programOf(2));
    startTransfer(s);
    s.clear();
    s.advance(400);
    s.receive("noise"); // not a line end, but a chunk all the same
    s.advance(400);
    QVERIFY(s.log.isEmpty());
    s.advance(100);
    QCOMPARE(s.log.size(), 1);
}

void TestLinkTransfer::doubledAcknowledgementSkipsALine() {
    const QByteArrayList program = programOf(4);
    LinkScript s = connectedWith(program);
    startTransfer(s);
    s.advance(LinkScript::kTick); // line 0 sent a second time
    s.ack();
    s.ack(); // the acknowledgement of the copy: line 1 is left behind
    QCOMPARE(s.frames(), framesOf({program[0], program[0], program[1], program[2]}));
    QCOMPARE(s.link.blockIndex(), 2);
}

void TestLinkTransfer::startingUnderManualControl() {
    const QByteArrayList program = programOf(3);
    LinkScript s = connectedWith(program);
    s.toggleManual();
    QVERIFY(s.enabled[LinkControl::ManualButtons]);
    s.ack();
    s.clear();
    s.sendProgram();
    QCOMPARE(s.wire, QByteArrayList{FixedFrames::kManualOff});
    QVERIFY(!s.checked[LinkControl::ManualModeBox]);
    QVERIFY(!s.enabled[LinkControl::ManualModeBox]);
    QVERIFY(!s.enabled[LinkControl::ManualButtons]);
    QCOMPARE(s.panel[2], T::automaticMode());
    QVERIFY(s.link.automaticMode());
    // The mode frame's acknowledgement comes before line 0 went out: it is
    // not line 0's, and line 0 goes at the next tick.
    s.ack();
    QCOMPARE(s.link.blockIndex(), 0);
    s.advance(LinkScript::kTick);
    const QByteArrayList expected =
        QByteArrayList{FixedFrames::kManualOff} + framesOf({program[0]});
    QCOMPARE(s.frames(), expected);
}

void TestLinkTransfer::logLineIsTheFrameBody() {
    const QByteArray line = "G01 X100 Y200 ";
    LinkScript s = connectedWith({line});
    startTransfer(s);
    QCOMPARE(s.log, QByteArrayList{":0520G01 X100 Y200 DA53"});
}

void TestLinkTransfer::bodyAndLineEndAreSeparateWrites() {
    const QByteArray line = "G01 X1 Y2 \xB9"; // 8-bit bytes go out unchanged
    LinkScript s = connectedWith({line});
    startTransfer(s);
    QCOMPARE(s.wire, (QByteArrayList{BlockFrame("05", line), "\r\n"}));
}

void TestLinkTransfer::pauseStopsResendsOnly() {
    const QByteArrayList program = programOf(3);
    LinkScript s = connectedWith(program);
    startTransfer(s);
    s.clear();
    s.feed(s.link.pauseChosen());
    s.advance(5 * LinkScript::kTick);
    QVERIFY(s.log.isEmpty()); // no re-send while paused
    s.ack();                  // an acknowledgement still advances at once
    QCOMPARE(s.log, QByteArrayList{BlockFrame("05", program[1])});
    QVERIFY(s.timerOn); // and the chunk ended the pause
    s.feed(s.link.pauseChosen());
    s.feed(s.link.pauseChosen()); // resumed: a fresh interval
    s.advance(LinkScript::kTick);
    QCOMPARE(s.log.size(), 2);
}

// Each row: how many acknowledgements arrive after the transfer was chosen
// and before line 0 went out at the tick (doubled ones of the connect frame):
// none of them counts, and every line goes out.
void TestLinkTransfer::acknowledgementBeforeTheFirstLineIsNotCounted_data() {
    QTest::addColumn<int>("early");
    QTest::newRow("one") << 1;
    QTest::newRow("two") << 2;
}

void TestLinkTransfer::acknowledgementBeforeTheFirstLineIsNotCounted() {
    QFETCH(int, early);
    const QByteArrayList program = programOf(3);
    LinkScript s = connectedWith(program);
    s.sendProgram();
    for (int i = 0; i < early; ++i) {
        s.advance(20);
        s.ack();
    }
    QVERIFY(s.log.isEmpty());
    QCOMPARE(s.link.blockIndex(), 0);
    s.advance(LinkScript::kTick); // line 0 goes now
    for (int i = 0; i < program.size(); ++i) {
        s.advance(10);
        s.ack();
    }
    QCOMPARE(s.frames(), framesOf(program));
    QCOMPARE(s.notices, QStringList{T::transferDone()});
}

// The tools start the transfer on the connect acknowledgement and send line
// 0 at once; its re-send waits a whole interval.
void TestLinkTransfer::firstLineAtOnce() {
    const QByteArrayList program = programOf(2);
    LinkScript s = connectedWith(program);
    s.feed(s.link.sendProgramChosen(TransferStart::AtOnce));
    QCOMPARE(s.frames(), framesOf({program[0]}));
    QVERIFY(s.link.lineSent());
    QVERIFY(s.timerOn);
    s.advance(LinkScript::kTick - 1);
    QCOMPARE(s.log.size(), 1);
    s.advance(1);
    QCOMPARE(s.frames(), framesOf({program[0], program[0]}));
    s.ack();
    s.ack();
    QCOMPARE(s.frames(), framesOf({program[0], program[0], program[1]}));
    QCOMPARE(s.notices, QStringList{T::transferDone()});
}

// With the port closed nothing goes at once; the tick sends nothing either.
void TestLinkTransfer::sendProgramWaitsForAProgram() {
    LinkScript s;
    s.connectAndHome();
    QVERIFY(!s.enabled[LinkControl::SendProgramItem]);
    s.sendProgram();
    QVERIFY(!s.link.sending());
    QVERIFY(s.enabled[LinkControl::ManualModeBox]);
    s.advance(3 * LinkScript::kTick);
    QVERIFY(s.notices.isEmpty());
    s.replaceProgram({"G00 X0 Y0 "});
    QVERIFY(s.enabled[LinkControl::SendProgramItem]);
    s.sendProgram();
    QVERIFY(s.link.sending());
}

void TestLinkTransfer::manualBoxComesBackWhenTheNoticeCloses() {
    LinkScript s = connectedWith(programOf(1));
    s.closeNoticeAtOnce = false;
    startTransfer(s);
    s.ack();
    QCOMPARE(s.notices, QStringList{T::transferDone()});
    QVERIFY(!s.enabled[LinkControl::ManualModeBox]); // still open
    s.closeNotice();
    QVERIFY(s.enabled[LinkControl::ManualModeBox]);

    // A transfer started while the notice is open keeps the box disabled.
    startTransfer(s);
    s.ack();
    s.sendProgram();
    s.closeNotice();
    QVERIFY(!s.enabled[LinkControl::ManualModeBox]);
}

void TestLinkTransfer::shorterProgramEndsTheTransfer() {
    LinkScript s = connectedWith(programOf(5));
    startTransfer(s);
    s.ack();
    s.ack();
    s.replaceProgram(programOf(2)); // a new preparation mid-transfer
    s.advance(LinkScript::kTick);
    QCOMPARE(s.notices, QStringList{T::transferDone()});
}

void TestLinkTransfer::writeFailureKeepsTheLine() {
    const QByteArrayList program = programOf(2);
    LinkScript s = connectedWith(program);
    startTransfer(s);
    s.portOpen = false; // the adapter went away behind the link's back
    s.clear();
    s.ack();
    QCOMPARE(s.errors, QStringList{LinkScript::kWriteFailed}); // once, not for the CR LF too
    QCOMPARE(s.link.blockIndex(), 1);
    QVERIFY(s.timerOn); // the next tick tries the same line again
    s.portOpen = true;
    s.advance(LinkScript::kTick);
    QCOMPARE(s.frames(), framesOf({program[1]}));
}

QTEST_APPLESS_MAIN(TestLinkTransfer)
#include "tst_controller_linkstate_transfer.moc"
