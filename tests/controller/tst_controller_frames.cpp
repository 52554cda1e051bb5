// Frames, checksum and the acknowledgement, byte for byte.
#include "controller/controllerframe.h"
#include "controller/framechecksum.h"

#include <QTest>

class TestFrames : public QObject {
    Q_OBJECT
private slots:
    void checksum_data();
    void checksum();
    void commandFrame_data();
    void commandFrame();
    void blockFrame_data();
    void blockFrame();
    void fixedFramesAreTheLowerCaseCommands_data();
    void fixedFramesAreTheLowerCaseCommands();
    void acknowledgement_data();
    void acknowledgement();
};

void TestFrames::checksum_data() {
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<int>("expected");
    QTest::newRow("check value") << QByteArray("123456789") << 0x4B37;
    QTest::newRow("empty") << QByteArray() << 0xFFFF;
    QTest::newRow("connect") << QByteArray("002") << 0x1AE4;
    QTest::newRow("reference travel") << QByteArray("003") << 0xDA25;
    QTest::newRow("set reference") << QByteArray("005") << 0xD8A5;
    QTest::newRow("manual on") << QByteArray("014") << 0x8865;
    QTest::newRow("manual off") << QByteArray("015") << 0x48A4;
    QTest::newRow("G00 height") << QByteArray("006050") << 0x2C5D;
    QTest::newRow("G01 height") << QByteArray("007045") << 0x439D;
    // Bytes above 0x7F count as unsigned bytes.
    QTest::newRow("8-bit byte") << QByteArray("\xB9\xFF", 2) << 0x6032;
}

void TestFrames::checksum() {
    QFETCH(QByteArray, payload);
    QFETCH(int, expected);
    QCOMPARE(int(FrameChecksum(payload)), expected);
}

void TestFrames::commandFrame_data() {
    QTest::addColumn<QByteArray>("address");
    QTest::addColumn<int>("command");
    QTest::addColumn<QByteArray>("argument");
    QTest::addColumn<QByteArray>("frame");
    QTest::newRow("G00 height") << QByteArray("05") << int(Command::CmdZHeightG00)
                                << QByteArray("050") << QByteArray(":05210060502C5D\r\n");
    QTest::newRow("G01 height") << QByteArray("05") << int(Command::CmdZHeightG01)
                                << QByteArray("045") << QByteArray(":0521007045439D\r\n");
    QTest::newRow("connect built") << QByteArray("05") << int(Command::CmdConnect) << QByteArray()
                                   << QByteArray(":05210021AE4\r\n");
    QTest::newRow("leading zero digits") << QByteArray("05") << int(Command::CmdArm1Plus)
                                         << QByteArray("+15") << QByteArray(":0521008+1500ED\r\n");
    QTest::newRow("Z minus") << QByteArray("05") << int(Command::CmdZMinus) << QByteArray("3")
                             << QByteArray(":05210133"
                                           "0E0A\r\n");
    QTest::newRow("other address") << QByteArray("17") << int(Command::CmdManualOff) << QByteArray()
                                   << QByteArray(":172101548A4\r\n");
}

void TestFrames::commandFrame() {
    QFETCH(QByteArray, address);
    QFETCH(int, command);
    QFETCH(QByteArray, argument);
    QFETCH(QByteArray, frame);
    QCOMPARE(CommandFrame(address, Command(command), argument), frame);
}

void TestFrames::blockFrame_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("body");
    // The final blank of a prepared line is part of the payload.
    QTest::newRow("prepared line")
        << QByteArray("G01 X100 Y200 ") << QByteArray(":0520G01 X100 Y200 DA53");
    QTest::newRow("small checksum") << QByteArray("N219 G01 ") << QByteArray(":0520N219 G01 0051");
    QTest::newRow("empty line") << QByteArray() << QByteArray(":0520FFFF");
    QTest::newRow("8-bit text") << QByteArray("G01 X1 Y2 \xB9")
                                << QByteArray(":0520G01 X1 Y2 \xB9"
                                              "2525");
}

void TestFrames::blockFrame() {
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, body);
    QCOMPARE(BlockFrame("05", line), body);
}

void TestFrames::fixedFramesAreTheLowerCaseCommands_data() {
    QTest::addColumn<QByteArray>("fixed");
    QTest::addColumn<int>("command");
    QTest::newRow("connect") << QByteArray(FixedFrames::kConnect) << int(Command::CmdConnect);
    QTest::newRow("reference travel")
        << QByteArray(FixedFrames::kReferenceTravel) << int(Command::CmdReferenceTravel);
    QTest::newRow("set reference")
        << QByteArray(FixedFrames::kSetReference) << int(Command::CmdSetReference);
    QTest::newRow("manual on") << QByteArray(FixedFrames::kManualOn) << int(Command::CmdManualOn);
    QTest::newRow("manual off") << QByteArray(FixedFrames::kManualOff)
                                << int(Command::CmdManualOff);
}

void TestFrames::fixedFramesAreTheLowerCaseCommands() {
    QFETCH(QByteArray, fixed);
    QFETCH(int, command);
    const QByteArray built = CommandFrame("05", Command(command));
    // The stored constants hold the checksum in lower-case digits.
    QCOMPARE(fixed, built.toLower());
}

void TestFrames::acknowledgement_data() {
    QTest::addColumn<QByteArray>("received");
    QTest::addColumn<QByteArray>("address");
    QTest::addColumn<bool>("isAck");
    QTest::newRow("exact") << QByteArray(":0505\r\n") << QByteArray("05") << true;
    QTest::newRow("other address") << QByteArray(":1705\r\n") << QByteArray("17") << true;
    QTest::newRow("wrong address") << QByteArray(":0505\r\n") << QByteArray("17") << false;
    QTest::newRow("two together") << QByteArray(":0505\r\n:0505\r\n") << QByteArray("05") << false;
    QTest::newRow("text before") << QByteArray("x:0505\r\n") << QByteArray("05") << false;
    QTest::newRow("LF only") << QByteArray(":0505\n") << QByteArray("05") << false;
    QTest::newRow("other case") << QByteArray(":0A05\r\n") << QByteArray("0a") << false;
    QTest::newRow("no terminator") << QByteArray(":0505") << QByteArray("05") << false;
}

void TestFrames::acknowledgement() {
    QFETCH(QByteArray, received);
    QFETCH(QByteArray, address);
    QFETCH(bool, isAck);
    QCOMPARE(isAcknowledgement(received, address), isAck);
}

QTEST_APPLESS_MAIN(TestFrames)
#include "tst_controller_frames.moc"
