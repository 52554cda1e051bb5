// Manual control, the Z heights and the moves by an amount, event by event.
#include "linkscript.h"

#include <QTest>

namespace T = LinkTexts;
using Axis = ControllerLinkState::MoveAxis;
using ZHeight = ControllerLinkState::ZHeight;

Q_DECLARE_METATYPE(ControllerLinkState::MoveAxis)

namespace {

QByteArray frame(Command command, const QByteArray& argument) {
    return CommandFrame("05", command, argument);
}

} // namespace

class TestLinkManual : public QObject {
    Q_OBJECT
private slots:
    void move_data();
    void move();
    void movesNeedAnOpenPort();
    void zHeights_data();
    void zHeights();
    void zHeightsNeedAnOpenPort();
    void modeWhileDisconnected();
    void modeTwiceWithPortOpen();
};

void TestLinkManual::move_data() {
    QTest::addColumn<Axis>("axis");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArrayList>("frames");
    QTest::addColumn<QString>("error");
    const QString none;
    QTest::newRow("arm 1 plus") << Axis::Arm1 << "15"
                                << QByteArrayList{frame(Command::CmdArm1Plus, "15")} << none;
    QTest::newRow("arm 1 minus") << Axis::Arm1 << "-15"
                                 << QByteArrayList{frame(Command::CmdArm1Minus, "15")} << none;
    QTest::newRow("typed plus sign kept")
        << Axis::Arm1 << "+15" << QByteArrayList{":0521008+1500ED\r\n"} << none;
    QTest::newRow("typed zeros kept")
        << Axis::Arm2 << "007" << QByteArrayList{frame(Command::CmdArm2Plus, "007")} << none;
    QTest::newRow("minus drops zeros")
        << Axis::Arm2 << "-007" << QByteArrayList{frame(Command::CmdArm2Minus, "7")} << none;
    QTest::newRow("lowest") << Axis::Arm2 << "-2147483648"
                            << QByteArrayList{frame(Command::CmdArm2Minus, "2147483648")} << none;
    QTest::newRow("leading blank kept")
        << Axis::Arm1 << " 15" << QByteArrayList{frame(Command::CmdArm1Plus, " 15")} << none;
    QTest::newRow("zero") << Axis::Arm1 << "0" << QByteArrayList{} << none;
    QTest::newRow("minus zero") << Axis::Z << "-0" << QByteArrayList{} << none;
    QTest::newRow("Z plus twice") << Axis::Z << "4"
                                  << QByteArrayList{frame(Command::CmdZPlus, "4"),
                                                    frame(Command::CmdZPlus, "4")}
                                  << none;
    QTest::newRow("Z minus twice") << Axis::Z << "-3"
                                   << QByteArrayList{":0521013"
                                                     "30E0A\r\n",
                                                     ":0521013"
                                                     "30E0A\r\n"}
                                   << none;
    QTest::newRow("empty") << Axis::Arm1 << "" << QByteArrayList{}
                           << "'' is not a valid integer value";
    QTest::newRow("decimal comma")
        << Axis::Z << "1,5" << QByteArrayList{} << "'1,5' is not a valid integer value";
    QTest::newRow("Polish letter")
        << Axis::Arm1 << "1ą" << QByteArrayList{} << "'1ą' is not a valid integer value";
    QTest::newRow("too large") << Axis::Arm2 << "3000000000" << QByteArrayList{}
                               << "'3000000000' is not a valid integer value";
}

void TestLinkManual::move() {
    QFETCH(Axis, axis);
    QFETCH(QString, text);
    QFETCH(QByteArrayList, frames);
    QFETCH(QString, error);
    LinkScript s;
    s.connectAndAck();
    s.toggleManual();
    const QByteArray lastFixed = s.link.lastFixedFrame();
    s.clear();
    s.feed(s.link.moveChosen(axis, text));
    QCOMPARE(s.wire, frames);
    QCOMPARE(s.errors, error.isEmpty() ? QStringList{} : QStringList{error});
    QCOMPARE(s.link.lastFixedFrame(), lastFixed); // moves leave it alone
}

void TestLinkManual::movesNeedAnOpenPort() {
    LinkScript s;
    s.toggleManual();
    s.clear();
    s.feed(s.link.moveChosen(Axis::Arm1, "15"));
    s.feed(s.link.moveChosen(Axis::Z, "")); // not even read
    QVERIFY(s.actions.empty());
}

void TestLinkManual::zHeights_data() {
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("frame");
    QTest::newRow("G00 default") << int(ZHeight::G00) << "050" << QByteArray(":05210060502C5D\r\n");
    QTest::newRow("G01 default") << int(ZHeight::G01) << "045" << QByteArray(":0521007045439D\r\n");
    // Not validated: whatever the field holds goes on the wire.
    QTest::newRow("empty") << int(ZHeight::G00) << "" << frame(Command::CmdZHeightG00, "");
    QTest::newRow("any text") << int(ZHeight::G01) << "4,5 mm"
                              << frame(Command::CmdZHeightG01, "4,5 mm");
    QTest::newRow("Polish letter")
        << int(ZHeight::G01) << "ą" << frame(Command::CmdZHeightG01, "\xB9");
}

void TestLinkManual::zHeights() {
    QFETCH(int, which);
    QFETCH(QString, text);
    QFETCH(QByteArray, frame);
    LinkScript s;
    s.connectAndAck();
    s.clear();
    s.feed(s.link.zHeightChosen(ZHeight(which), text));
    QCOMPARE(s.wire, QByteArrayList{frame});
    QCOMPARE(s.link.lastFixedFrame(), QByteArray(FixedFrames::kConnect));
}

void TestLinkManual::zHeightsNeedAnOpenPort() {
    LinkScript s;
    s.feed(s.link.zHeightChosen(ZHeight::G00, "050"));
    QVERIFY(s.actions.empty());
}

void TestLinkManual::modeWhileDisconnected() {
    LinkScript s;
    s.toggleManual();
    QVERIFY(s.wire.isEmpty());
    QVERIFY(s.errors.isEmpty());
    QCOMPARE(s.panel[2], T::manualMode());
    QVERIFY(s.enabled[LinkControl::ManualButtons]);
    QVERIFY(!s.link.automaticMode());
    QVERIFY(s.link.lastFixedFrame().isEmpty());
    s.connect(); // connecting does not send the mode
    QCOMPARE(s.wire, QByteArrayList{FixedFrames::kConnect});
}

void TestLinkManual::modeTwiceWithPortOpen() {
    LinkScript s;
    s.connectAndAck();
    s.clear();
    s.toggleManual();
    QCOMPARE(s.panel[2], T::manualMode());
    QVERIFY(s.enabled[LinkControl::ManualButtons]);
    s.toggleManual();
    QCOMPARE(s.wire, (QByteArrayList{FixedFrames::kManualOn, FixedFrames::kManualOff}));
    QCOMPARE(s.link.lastFixedFrame(), QByteArray(FixedFrames::kManualOff));
    QCOMPARE(s.panel[2], T::automaticMode());
    QVERIFY(!s.enabled[LinkControl::ManualButtons]);
}

QTEST_APPLESS_MAIN(TestLinkManual)
#include "tst_controller_linkstate_manual.moc"
