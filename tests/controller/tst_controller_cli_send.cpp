// scara-cli send against the controller emulator on a pseudo-terminal.
#include "controller/emulator/controlleremulator.h"
#include "support/files.h"
#include "support/toolrun.h"

#include <QTest>

class TestSerialSend : public QObject {
    Q_OBJECT
private slots:
    void init();
    void sendsEveryLineAndEndsWithZero_data();
    void sendsEveryLineAndEndsWithZero();
    void aMissingPortEndsWithOne();
    void silenceEndsWithOne();
    void usageErrorsEndWithTwo();
    void doubledConnectAcknowledgementSkipsNoLine();
    void absurdTimeoutIsRefused_data();
    void absurdTimeoutIsRefused();
    void longestTimeoutStillSends();

private:
    // Runs scara-cli send while the event loop serves the emulator.
    static int run(const QStringList& args, QByteArray* out = nullptr, QByteArray* err = nullptr) {
        const ToolRun cli = runScaraCli(QStringList{"send"} + args, std::chrono::seconds(20));
        if (out)
            *out = cli.out;
        if (err)
            *err = cli.err;
        if (!cli.failure.isEmpty())
            qWarning("%s", qPrintable(cli.failure));
        return cli.exitCode;
    }
    QString writeProgram(const QByteArray& text) {
        const QString name = dir_.writeFile("program.nc", text);
        if (name.isEmpty())
            qFatal("cannot write program.nc in %s", qPrintable(dir_.path()));
        return name;
    }

    TempDir dir_;
};

void TestSerialSend::init() {
    QVERIFY(dir_.isValid());
}

void TestSerialSend::sendsEveryLineAndEndsWithZero_data() {
    QTest::addColumn<bool>("raw");
    QTest::addColumn<QByteArrayList>("expected");
    QTest::newRow("prepared") << false
                              << QByteArrayList{"N1 G00 X0 Y250 ", "N2 G01 X100 Y250 Z10 ",
                                                "N3 M30 "};
    QTest::newRow("raw") << true
                         << QByteArrayList{"N1 G00 X0 Y250", "N2 G01 X100,4 Y250 Z10", "N3 M30"};
}

void TestSerialSend::sendsEveryLineAndEndsWithZero() {
    QFETCH(bool, raw);
    QFETCH(QByteArrayList, expected);
    ControllerEmulator emulator({.noiseEvery = 3}); // noise on the way is dropped
    QVERIFY(emulator.start());
    const QString file = writeProgram("N1 G00 X0 Y250\r\nN2 G01 X100,4 Y250 Z10\r\nN3 M30\r\n");
    QStringList args{file, "--port", emulator.portPath(), "--baud", "38400"};
    if (raw)
        args << "--raw";
    QByteArray out;
    QByteArray err;
    QCOMPARE(run(args, &out, &err), 0);
    QCOMPARE(emulator.acceptedLines(), expected);
    QCOMPARE(out.count('\n'), expected.size());
    QVERIFY(out.startsWith(":0520" + expected.first()));
    QVERIFY2(err.contains("Wysy\xc5\x82"
                          "anie programu zako\xc5\x84"
                          "czone"),
             err.constData());
}

void TestSerialSend::aMissingPortEndsWithOne() {
    const QString file = writeProgram("N1 M30\r\n");
    QByteArray err;
    QCOMPARE(run({file, "--port", "/dev/scara-no-such-port"}, nullptr, &err), 1);
    QVERIFY2(
        err.startsWith("Unable to open com port \"/dev/scara-no-such-port\" (os error code: 2)"),
        err.constData());
}

void TestSerialSend::silenceEndsWithOne() {
    ControllerEmulator emulator({.dropEvery = 1}); // never answers
    QVERIFY(emulator.start());
    const QString file = writeProgram("N1 M30\r\n");
    QByteArray err;
    QCOMPARE(run({file, "--port", emulator.portPath(), "--timeout", "1"}, nullptr, &err), 1);
    QVERIFY2(err.contains("1 s"), err.constData());
    QCOMPARE(emulator.acceptedCommands(), QByteArrayList{"002"});
}

void TestSerialSend::usageErrorsEndWithTwo() {
    QCOMPARE(run({"--port", "/dev/null"}), 2);
    QCOMPARE(run({"x.nc"}), 2);
    QCOMPARE(run({"x.nc", "--port", "/dev/null", "--baud", "12345"}), 2);
    QCOMPARE(run({"x.nc", "--port", "/dev/null", "--timeout", "0"}), 2);
}

// The connect frame's acknowledgement comes twice. The transfer starts on
// the first; line 0 goes at once, so the second cannot stand in for its
// acknowledgement before it was ever sent: every line reaches the controller.
void TestSerialSend::doubledConnectAcknowledgementSkipsNoLine() {
    ControllerEmulator emulator({.duplicateEvery = 1});
    QObject::connect(&emulator, &ControllerEmulator::frameChecked, &emulator,
                     [&emulator](const EmulatorLogEntry&) {
                         EmulatorOptions once = emulator.options();
                         once.duplicateEvery = 0; // the connect frame's only
                         emulator.setOptions(once);
                     });
    QVERIFY(emulator.start());
    const QString file = writeProgram("N1 G00 X0 Y250\r\nN2 G00 X10 Y250\r\nN3 G00 X20 Y250\r\n"
                                      "N4 M30\r\n");
    QByteArray out;
    QByteArray err;
    QCOMPARE(run({file, "--port", emulator.portPath(), "--raw"}, &out, &err), 0);
    QVERIFY2(out.startsWith(":0520N1 G00 X0 Y250"), out.constData());
    // A line may go twice (the doubled acknowledgement and line 0's own can
    // arrive as one piece, which counts as none), but none is left out.
    const QByteArrayList lines{"N1 G00 X0 Y250", "N2 G00 X10 Y250", "N3 G00 X20 Y250", "N4 M30"};
    QTRY_VERIFY(emulator.acceptedLines().endsWith(lines.last()));
    QByteArrayList distinct;
    for (const QByteArray& line : emulator.acceptedLines()) {
        if (distinct.isEmpty() || distinct.last() != line)
            distinct << line;
    }
    QCOMPARE(distinct, lines);
}

// Each row: a --timeout value and the refusal on standard error.
void TestSerialSend::absurdTimeoutIsRefused_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("beyond 32 bits")
        << "99999999999" << QByteArray("'99999999999' is not a valid integer value");
    QTest::newRow("milliseconds beyond 32 bits")
        << "2147484" << QByteArray("--timeout takes 1 to 86400 seconds, not 2147484");
    QTest::newRow("a day and a second")
        << "86401" << QByteArray("--timeout takes 1 to 86400 seconds, not 86401");
    QTest::newRow("zero") << "0" << QByteArray("--timeout takes 1 to 86400 seconds, not 0");
    QTest::newRow("negative") << "-5" << QByteArray("--timeout takes 1 to 86400 seconds, not -5");
    QTest::newRow("fraction") << "1,5" << QByteArray("'1,5' is not a valid integer value");
}

void TestSerialSend::absurdTimeoutIsRefused() {
    QFETCH(QString, value);
    QFETCH(QByteArray, message);
    const QString file = writeProgram("N1 M30\r\n");
    QByteArray err;
    QCOMPARE(run({file, "--port", "/dev/scara-no-such-port", "--timeout", value}, nullptr, &err),
             2);
    QVERIFY2(err.startsWith("scara-cli send: " + message + "\n"), err.constData());
}

void TestSerialSend::longestTimeoutStillSends() {
    ControllerEmulator emulator;
    QVERIFY(emulator.start());
    const QString file = writeProgram("N1 G00 X0 Y250\r\nN2 M30\r\n");
    QCOMPARE(run({file, "--port", emulator.portPath(), "--raw", "--timeout", "86400"}), 0);
    QCOMPARE(emulator.acceptedLines(), (QByteArrayList{"N1 G00 X0 Y250", "N2 M30"}));
}

QTEST_GUILESS_MAIN(TestSerialSend)
#include "tst_controller_cli_send.moc"
