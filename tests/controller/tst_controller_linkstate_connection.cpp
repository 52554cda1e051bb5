// Connecting, replies, reference travel and the reply buffer, event by event.
#include "linkscript.h"

#include <QTest>

namespace T = LinkTexts;

class TestLinkConnection : public QObject {
    Q_OBJECT
private slots:
    void windowOpens();
    void eventsSayWhatHappened();
    void connectSendsTheConnectFrameAndWaitsForItsAcknowledgement();
    void failedOpenChangesNothing();
    void connectingAgainResendsTheConnectFrame();
    void acknowledgementInChunks_data();
    void acknowledgementInChunks();
    void mismatchIsDroppedAtItsLineEnd_data();
    void mismatchIsDroppedAtItsLineEnd();
    void secondAcknowledgementRepeatsConnected();
    void acknowledgementOfManualFrameDoesNothing();
    void referenceTravelAndSetReference();
    void setReferenceWithoutProgramLeavesSendProgram();
    void setReferenceCountsWithoutReferenceTravel();
    void commandsOnClosedPortSetLastFixedFrameAndFail();
    void disconnectKeepsTransferAndMode();
    void reconnectDuringTransferHoldsTheTransfer();
    void openingEmptiesTheReplyBuffer();
    void lostLineIsADisconnectReportedOnce();
    void replyBufferIsCapped();
    void addressComesFromTheAddressField();
};

void TestLinkConnection::windowOpens() {
    LinkScript s;
    s.feed(s.link.initialActions());
    QCOMPARE(s.panel[0], T::disconnected());
    QCOMPARE(s.panel[1], T::noReference());
    QCOMPARE(s.panel[2], T::automaticMode());
    QVERIFY(s.timerOn);
    QVERIFY(s.enabled[LinkControl::ConnectButton]);
    QVERIFY(!s.enabled[LinkControl::DisconnectButton]);
    QVERIFY(s.enabled[LinkControl::PortSelectors]);
    QVERIFY(!s.enabled[LinkControl::ReferenceTravelItem]);
    QVERIFY(!s.enabled[LinkControl::SendProgramItem]); // no program yet
    QVERIFY(!s.enabled[LinkControl::ManualButtons]);
    QVERIFY(s.enabled[LinkControl::ManualModeBox]);
    QVERIFY(!s.link.sending());
    QVERIFY(s.link.automaticMode());
    QVERIFY(!s.link.referenceSet());
}

void TestLinkConnection::connectSendsTheConnectFrameAndWaitsForItsAcknowledgement() {
    LinkScript s;
    s.connect();
    QCOMPARE(s.actions.front(), LinkAction::openPort());
    QCOMPARE(s.wire, QByteArrayList{FixedFrames::kConnect});
    QCOMPARE(s.link.lastFixedFrame(), QByteArray(FixedFrames::kConnect));
    QVERIFY(!s.enabled[LinkControl::ConnectButton]);
    QVERIFY(!s.enabled[LinkControl::PortSelectors]);
    QVERIFY(s.enabled[LinkControl::DisconnectButton]);
    QCOMPARE(s.panel[0], T::disconnected()); // not yet: the controller has not answered
    QVERIFY(!s.enabled[LinkControl::ReferenceTravelItem]);

    s.clear();
    s.ack();
    QCOMPARE(s.panel[0], T::connected());
    QVERIFY(s.enabled[LinkControl::ReferenceTravelItem]);
    QVERIFY(s.wire.isEmpty());
    QVERIFY(s.link.connected());
}

void TestLinkConnection::failedOpenChangesNothing() {
    LinkScript s;
    s.portWillOpen = false;
    s.connect();
    QCOMPARE(s.errors, QStringList{"Unable to open com port"});
    QVERIFY(s.wire.isEmpty());
    QVERIFY(s.link.lastFixedFrame().isEmpty());
    QVERIFY(!s.link.portOpen());
    QVERIFY(s.enabled[LinkControl::ConnectButton]);
    QVERIFY(!s.enabled[LinkControl::DisconnectButton]);
}

void TestLinkConnection::connectingAgainResendsTheConnectFrame() {
    LinkScript s;
    s.connectAndAck();
    s.receive(":05"); // half a line waits in the buffer
    s.clear();
    s.connect();
    QCOMPARE(s.wire, QByteArrayList{FixedFrames::kConnect});
    QCOMPARE(s.link.rxBuffer(), QByteArray(":05")); // the port did not open anew
}

void TestLinkConnection::acknowledgementInChunks_data() {
    QTest::addColumn<QByteArrayList>("chunks");
    QTest::addColumn<int>("recognisedAt"); // index of the chunk, -1 for never
    QTest::newRow("whole") << QByteArrayList{":0505\r\n"} << 0;
    QTest::newRow("three pieces") << QByteArrayList{":05", "05\r", "\n"} << 2;
    QTest::newRow("byte by byte") << QByteArrayList{":", "0", "5", "0", "5", "\r", "\n"} << 6;
    QTest::newRow("CR waits for LF") << QByteArrayList{":0505\r", "\n"} << 1;
    // A bare LF does not end a line: the buffer goes on and never matches.
    QTest::newRow("junk between CR and LF") << QByteArrayList{":0505\r", "x\n", ":0505\r\n"} << -1;
    QTest::newRow("LF alone never ends") << QByteArrayList{":0505\n"} << -1;
    QTest::newRow("two together") << QByteArrayList{":0505\r\n:0505\r\n"} << -1;
    QTest::newRow("two together in pieces") << QByteArrayList{":0505\r\n:05", "05\r\n"} << -1;
}

void TestLinkConnection::acknowledgementInChunks() {
    QFETCH(QByteArrayList, chunks);
    QFETCH(int, recognisedAt);
    LinkScript s;
    s.connect();
    for (int i = 0; i < chunks.size(); ++i) {
        s.receive(chunks[i]);
        const bool expectConnected = recognisedAt >= 0 && i >= recognisedAt;
        QCOMPARE(s.panel[0] == T::connected(), expectConnected);
    }
}

void TestLinkConnection::mismatchIsDroppedAtItsLineEnd_data() {
    QTest::addColumn<QByteArray>("reply");
    QTest::newRow("text before the colon") << QByteArray("ok:0505\r\n");
    QTest::newRow("second line") << QByteArray(":0505\r\nx\r\n");
    QTest::newRow("lower-case address") << QByteArray(":0a05\r\n");
    QTest::newRow("other reply") << QByteArray(":0506\r\n");
    QTest::newRow("blank line") << QByteArray("\r\n");
}

void TestLinkConnection::mismatchIsDroppedAtItsLineEnd() {
    QFETCH(QByteArray, reply);
    LinkScript s;
    s.connect();
    s.clear();
    s.receive(reply);
    QCOMPARE(s.panel[0], T::disconnected());
    QVERIFY(s.link.rxBuffer().isEmpty());
    QVERIFY(s.errors.isEmpty()); // dropped without a message
    QVERIFY(s.wire.isEmpty());
    s.ack(); // the next acknowledgement is recognised again
    QCOMPARE(s.panel[0], T::connected());
}

void TestLinkConnection::secondAcknowledgementRepeatsConnected() {
    LinkScript s;
    s.connectAndAck();
    s.clear();
    s.ack();
    QCOMPARE(s.panel[0], T::connected());
    QVERIFY(s.wire.isEmpty());
    QCOMPARE(s.panel[1], T::noReference());
}

void TestLinkConnection::acknowledgementOfManualFrameDoesNothing() {
    LinkScript s;
    s.connect();
    s.toggleManual();
    QCOMPARE(s.link.lastFixedFrame(), QByteArray(FixedFrames::kManualOn));
    s.clear();
    s.ack();
    QCOMPARE(s.panel[0], T::disconnected()); // the acknowledgement counts for the manual frame
    QVERIFY(s.wire.isEmpty());
    for (const LinkAction& action : s.actions)
        QVERIFY2(action.kind == LinkAction::Kind::StopTimer ||
                     action.kind == LinkAction::Kind::StartTimer,
                 qPrintable(describe(action)));
}

void TestLinkConnection::referenceTravelAndSetReference() {
    LinkScript s({"G00 X0 Y0 "}, true);
    s.connectAndAck();
    s.clear();
    s.feed(s.link.referenceTravelChosen());
    QCOMPARE(s.wire, QByteArrayList{FixedFrames::kReferenceTravel});
    s.ack();
    QCOMPARE(s.panel[1], T::referenceTravel());

    s.toggleManual(); // the set-reference button works under manual control
    s.ack();
    s.clear();
    s.feed(s.link.setReferenceChosen());
    QCOMPARE(s.wire, QByteArrayList{FixedFrames::kSetReference});
    s.enabled[LinkControl::SendProgramItem] = false; // as a transfer leaves it
    s.ack();
    QCOMPARE(s.panel[1], T::referenceDone());
    QVERIFY(s.link.referenceSet());
    QVERIFY(s.enabled[LinkControl::SendProgramItem]);
    QCOMPARE(s.panel[0], T::connected());
}

void TestLinkConnection::setReferenceWithoutProgramLeavesSendProgram() {
    LinkScript s;
    s.connectAndAck();
    s.feed(s.link.setReferenceChosen());
    s.clear();
    s.ack();
    QCOMPARE(s.panel[1], T::referenceDone());
    QVERIFY(s.link.referenceSet());
    for (const LinkAction& action : s.actions)
        QVERIFY(action.control != LinkControl::SendProgramItem ||
                action.kind != LinkAction::Kind::SetEnabled);

    // The first program makes the command available; later ones leave it.
    s.replaceProgram({"G00 X0 Y0 "});
    QVERIFY(s.enabled[LinkControl::SendProgramItem]);
    s.enabled[LinkControl::SendProgramItem] = false;
    s.replaceProgram({"G00 X1 Y0 "});
    QVERIFY(!s.enabled[LinkControl::SendProgramItem]);
}

void TestLinkConnection::setReferenceCountsWithoutReferenceTravel() {
    LinkScript s;
    s.connect();
    s.feed(s.link.setReferenceChosen());
    s.ack();
    QCOMPARE(s.panel[1], T::referenceDone());
    QCOMPARE(s.panel[0], T::disconnected()); // the connect acknowledgement never came
}

void TestLinkConnection::commandsOnClosedPortSetLastFixedFrameAndFail() {
    LinkScript s;
    s.feed(s.link.referenceTravelChosen());
    QCOMPARE(s.errors, QStringList{LinkScript::kWriteFailed});
    QCOMPARE(s.link.lastFixedFrame(), QByteArray(FixedFrames::kReferenceTravel));
    s.clear();
    s.feed(s.link.setReferenceChosen());
    QCOMPARE(s.errors, QStringList{LinkScript::kWriteFailed});
    QCOMPARE(s.link.lastFixedFrame(), QByteArray(FixedFrames::kSetReference));
}

void TestLinkConnection::disconnectKeepsTransferAndMode() {
    LinkScript s({"A ", "B ", "C "}, true);
    s.connectAndHome();
    s.toggleManual();
    s.sendProgram();
    s.ack(); // "manual control off"
    s.advance(LinkScript::kTick);
    s.ack();
    QCOMPARE(s.link.blockIndex(), 1);
    s.clear();
    s.disconnect();
    QVERIFY(s.wire.isEmpty()); // nothing is said to the controller
    QVERIFY(!s.portOpen);
    QVERIFY(!s.timerOn);
    QCOMPARE(s.panel[0], T::disconnected());
    QVERIFY(s.enabled[LinkControl::ConnectButton]);
    QVERIFY(s.enabled[LinkControl::PortSelectors]);
    QVERIFY(!s.enabled[LinkControl::DisconnectButton]);
    QVERIFY(!s.enabled[LinkControl::ReferenceTravelItem]);
    QVERIFY(s.link.sending());
    QVERIFY(s.link.held());
    QCOMPARE(s.link.blockIndex(), 1);
    QVERIFY(s.link.automaticMode());
}

void TestLinkConnection::reconnectDuringTransferHoldsTheTransfer() {
    LinkScript s({"A ", "B ", "C "}, true);
    s.connectAndHome();
    s.sendProgram();
    s.advance(LinkScript::kTick); // line 0 goes out
    s.disconnect();
    s.clear();
    s.connect();
    QCOMPARE(s.wire, QByteArrayList{FixedFrames::kConnect});
    s.ack(); // the connect frame's, not line 0's
    QCOMPARE(s.frames(), QByteArrayList{FixedFrames::kConnect});
    QCOMPARE(s.panel[0], T::connected());
    QCOMPARE(s.link.blockIndex(), 0);
    QVERIFY(s.link.held());
    s.resume(); // line 0 again
    QCOMPARE(s.frames(), (QByteArrayList{FixedFrames::kConnect, LinkScript::lineFrame("A ")}));
}

void TestLinkConnection::openingEmptiesTheReplyBuffer() {
    LinkScript s;
    s.connect();
    s.receive(":05");
    s.disconnect();
    s.connect();
    QVERIFY(s.link.rxBuffer().isEmpty());
    s.ack();
    QCOMPARE(s.panel[0], T::connected());
}

void TestLinkConnection::lostLineIsADisconnectReportedOnce() {
    LinkScript s({"A ", "B "}, true);
    s.connectAndHome();
    s.sendProgram();
    s.advance(LinkScript::kTick);
    s.clear();
    const QString gone = QStringLiteral("ReadFile function failed (os error code: 5)");
    s.feed(s.link.portLost(gone));
    s.feed(s.link.portLost(gone)); // the port reports the loss again
    QCOMPARE(s.errors, QStringList{gone});
    QVERIFY(!s.portOpen);
    QVERIFY(!s.timerOn);
    QCOMPARE(s.panel[0], T::disconnected());
    QVERIFY(s.enabled[LinkControl::ConnectButton]);
    QVERIFY(s.enabled[LinkControl::PortSelectors]);
    QVERIFY(!s.enabled[LinkControl::DisconnectButton]);
    QVERIFY(s.link.sending());
    QCOMPARE(s.link.blockIndex(), 0);

    // Plugged in again: the operator connects and resumes, and the line
    // that was never acknowledged goes again.
    s.clear();
    s.connect();
    s.ack();
    QCOMPARE(s.log, QByteArrayList{});
    s.resume();
    QCOMPARE(s.log, QByteArrayList{BlockFrame("05", "A ")});
}

void TestLinkConnection::replyBufferIsCapped() {
    LinkScript s;
    s.connect();
    const QByteArray noise(3000, 'x');
    s.receive(noise);
    s.receive(noise);
    QCOMPARE(s.link.rxBuffer().size(), ControllerLinkState::kRxBufferLimit);
    // Noise that happens to end in an acknowledgement is still one long line.
    s.receive(LinkScript::kAck);
    QCOMPARE(s.panel[0], T::disconnected());
    QVERIFY(s.link.rxBuffer().isEmpty());
    s.ack();
    QCOMPARE(s.panel[0], T::connected());

    // The line end is found even when the CR fell into the dropped part.
    LinkScript t;
    t.connect();
    t.receive(QByteArray(ControllerLinkState::kRxBufferLimit + 10, 'y') + '\r');
    t.receive("\n");
    QVERIFY(t.link.rxBuffer().isEmpty());
    t.ack();
    QCOMPARE(t.panel[0], T::connected());
}

void TestLinkConnection::addressComesFromTheAddressField() {
    LinkScript s;
    s.link.setControllerAddress("17");
    s.connect();
    QCOMPARE(s.wire, QByteArrayList{FixedFrames::kConnect}); // stored with "05"
    s.ack();
    QCOMPARE(s.panel[0], T::disconnected());
    s.receive(":1705\r\n");
    QCOMPARE(s.panel[0], T::connected());
}

// Each change of the link comes as a typed event beside its panel text,
// whatever language the texts are in.
void TestLinkConnection::eventsSayWhatHappened() {
    LinkScript s;
    s.connect();
    QVERIFY(s.events.empty()); // not before the acknowledgement
    s.ack();
    QCOMPARE(s.events, std::vector<LinkEvent>{LinkEvent::Connected});
    s.clear();
    s.feed(s.link.referenceTravelChosen());
    QVERIFY(s.events.empty());
    s.ack();
    QCOMPARE(s.events, std::vector<LinkEvent>{LinkEvent::ReferenceTravelled});
    s.clear();
    s.feed(s.link.setReferenceChosen());
    s.ack();
    QCOMPARE(s.events, std::vector<LinkEvent>{LinkEvent::ReferenceSet});
    s.clear();
    s.disconnect();
    QCOMPARE(s.events, std::vector<LinkEvent>{LinkEvent::Disconnected});
    s.clear();
    s.connect();
    s.feed(s.link.portLost(QStringLiteral("gone")));
    QCOMPARE(s.events, std::vector<LinkEvent>{LinkEvent::Disconnected});
}

QTEST_APPLESS_MAIN(TestLinkConnection)
#include "tst_controller_linkstate_connection.moc"
