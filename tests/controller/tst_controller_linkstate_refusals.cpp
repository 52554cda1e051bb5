// What the link refuses: a transfer that has nothing to send to or no
// reference point, and every command of the controller's own while a
// transfer runs or holds (it would cut in between two program lines, and its
// acknowledgement would be taken for the line's).
#include "linkscript.h"

#include <QTest>

#include <functional>

namespace T = LinkTexts;

namespace {

const QByteArrayList kProgram{"N1 G01 X10 Y300 Z0 ", "N2 G01 X20 Y300 ", "N3 G00 X30 Y300 Z6 ",
                              "N4 M30 "};

using Step = std::function<void(LinkScript&)>;

} // namespace

Q_DECLARE_METATYPE(Step)

class TestLinkRefusals : public QObject {
    Q_OBJECT
private slots:
    void startNeedsLinkAndReference_data();
    void startNeedsLinkAndReference();
    void commandsRefusedDuringTransfer_data();
    void commandsRefusedDuringTransfer();
    void referenceTravelGreyedDuringTransfer();
};

void TestLinkRefusals::startNeedsLinkAndReference_data() {
    QTest::addColumn<Step>("before");
    QTest::addColumn<QString>("refusal"); // empty: the transfer starts
    QTest::newRow("port closed") << Step([](LinkScript&) {}) << T::sendNeedsLink();
    QTest::newRow("connect not yet acknowledged")
        << Step([](LinkScript& s) { s.connect(); }) << T::sendNeedsLink();
    QTest::newRow("connected, no reference")
        << Step([](LinkScript& s) { s.connectAndAck(); }) << T::sendNeedsReference();
    QTest::newRow("reference travel still running") << Step([](LinkScript& s) {
        s.connectAndAck();
        s.feed(s.link.referenceTravelChosen());
    }) << T::sendWaitsForReference();
    QTest::newRow("reference travel acknowledged")
        << Step([](LinkScript& s) { s.connectAndHome(); }) << QString();
    QTest::newRow("reference set") << Step([](LinkScript& s) {
        s.connectAndAck();
        s.feed(s.link.setReferenceChosen());
        s.ack();
    }) << QString();
    QTest::newRow("reference trusted") << Step([](LinkScript& s) {
        s.connectAndAck();
        s.link.trustReference();
    }) << QString();
    QTest::newRow("disconnected after homing") << Step([](LinkScript& s) {
        s.connectAndHome();
        s.disconnect();
    }) << T::sendNeedsLink();
    QTest::newRow("reference travel cut off by a disconnect") << Step([](LinkScript& s) {
        s.connectAndAck();
        s.feed(s.link.referenceTravelChosen());
        s.disconnect();
        s.connectAndAck();
    }) << T::sendNeedsReference();
}

void TestLinkRefusals::startNeedsLinkAndReference() {
    QFETCH(Step, before);
    QFETCH(QString, refusal);
    LinkScript s(kProgram, true);
    before(s);
    s.clear();
    s.sendProgram();
    s.advance(LinkScript::kTick);
    if (refusal.isEmpty()) {
        QVERIFY(s.link.sending());
        QVERIFY(s.errors.isEmpty());
        QCOMPARE(s.frames(), QByteArrayList{LinkScript::lineFrame(kProgram[0])});
        return;
    }
    QCOMPARE(s.errors, QStringList{refusal});
    QVERIFY(!s.link.sending());
    QVERIFY(s.wire.isEmpty());
    QVERIFY(s.steps.empty()); // nothing for the journal or the progress
    // A start from a line is refused the same way.
    s.clear();
    s.sendProgramFrom(2);
    QCOMPARE(s.errors, QStringList{refusal});
    QVERIFY(!s.link.sending());
}

void TestLinkRefusals::commandsRefusedDuringTransfer_data() {
    using ZHeight = ControllerLinkState::ZHeight;
    using MoveAxis = ControllerLinkState::MoveAxis;
    QTest::addColumn<Step>("command");
    QTest::addColumn<bool>("held");
    const std::pair<const char*, Step> commands[] = {
        {"reference travel", [](LinkScript& s) { s.feed(s.link.referenceTravelChosen()); }},
        {"set reference", [](LinkScript& s) { s.feed(s.link.setReferenceChosen()); }},
        {"manual control", [](LinkScript& s) { s.toggleManual(); }},
        {"Z height G00", [](LinkScript& s) { s.feed(s.link.zHeightChosen(ZHeight::G00, "5")); }},
        {"Z height G01", [](LinkScript& s) { s.feed(s.link.zHeightChosen(ZHeight::G01, "1")); }},
        {"arm 1 jog", [](LinkScript& s) { s.feed(s.link.moveChosen(MoveAxis::Arm1, "10")); }},
        {"arm 2 jog", [](LinkScript& s) { s.feed(s.link.moveChosen(MoveAxis::Arm2, "-10")); }},
        {"Z jog", [](LinkScript& s) { s.feed(s.link.moveChosen(MoveAxis::Z, "3")); }},
        {"send again", [](LinkScript& s) { s.sendProgram(); }},
        {"send from a line", [](LinkScript& s) { s.sendProgramFrom(2); }},
    };
    for (const auto& [name, command] : commands) {
        QTest::addRow("%s while running", name) << command << false;
        QTest::addRow("%s while held", name) << command << true;
    }
}

void TestLinkRefusals::commandsRefusedDuringTransfer() {
    QFETCH(Step, command);
    QFETCH(bool, held);
    LinkScript s(kProgram, true);
    s.connectAndHome();
    s.sendProgram();
    s.advance(LinkScript::kTick); // line 0 goes out
    if (held) {
        s.hold(ControllerLinkState::Hold::Now);
        s.ack(); // line 0's; then the pen goes up
        s.ack(); // the lift's
        QVERIFY(s.link.held());
    }
    const int at = s.link.blockIndex();
    const bool manual = !s.link.automaticMode();
    s.clear();
    command(s);
    QCOMPARE(s.errors, QStringList{T::refusedWhileSending()});
    QVERIFY2(s.wire.isEmpty(), qPrintable(s.wire.join(' ')));
    QCOMPARE(s.link.blockIndex(), at);
    QCOMPARE(s.link.automaticMode(), !manual);
    QCOMPARE(s.checked.value(LinkControl::ManualModeBox), manual); // the box shows the mode
    // The transfer goes on as before: the acknowledgement is still the line's.
    s.clear();
    if (held)
        s.resume();
    else
        s.ack();
    QVERIFY(s.link.sending());
    QCOMPARE(s.frames().last(), LinkScript::lineFrame(kProgram[held ? at : at + 1]));
}

void TestLinkRefusals::referenceTravelGreyedDuringTransfer() {
    LinkScript s(kProgram, true);
    s.connectAndHome();
    QVERIFY(s.enabled[LinkControl::ReferenceTravelItem]);
    s.sendProgram();
    QVERIFY(!s.enabled[LinkControl::ReferenceTravelItem]);
    s.disconnect(); // held: a reconnect does not offer it either
    s.connectAndAck();
    QVERIFY(!s.enabled[LinkControl::ReferenceTravelItem]);
    s.abort();
    QVERIFY(!s.link.sending());
    QVERIFY(s.enabled[LinkControl::ReferenceTravelItem]);
}

QTEST_GUILESS_MAIN(TestLinkRefusals)
#include "tst_controller_linkstate_refusals.moc"
