// scara-cli send against the controller emulator on a pseudo-terminal.
#include "controller/controllerframe.h"
#include "controller/emulator/controlleremulator.h"
#include "support/files.h"
#include "support/portonline.h"
#include "support/toolrun.h"

#include <QFile>
#include <QProcess>
#include <QTest>

#include <csignal>

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
    void fromALineTravelsInFirst();
    void fromOutsideTheProgramIsRefused_data();
    void fromOutsideTheProgramIsRefused();
    void interruptAbortsAfterTheLineInFlight_data();
    void interruptAbortsAfterTheLineInFlight();
    void traceRecordsBothDirections();
    void estimatePrintsTheFigures();
    void programStopWaitsForTheOperator();

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
    // However short the transfer, its last count is said.
    QVERIFY2(err.contains("3/3 (100%)"), err.constData());
}

void TestSerialSend::aMissingPortEndsWithOne() {
    const QString file = writeProgram("N1 M30\r\n");
    QByteArray err;
    QCOMPARE(run({file, "--port", missingPortPath()}, nullptr, &err), 1);
    QVERIFY2(err.startsWith(QStringLiteral("Unable to open com port \"%1\" (os error code: 2)")
                                .arg(missingPortPath())
                                .toLocal8Bit()),
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
    QCOMPARE(run({file, "--port", missingPortPath(), "--timeout", value}, nullptr, &err), 2);
    QVERIFY2(err.startsWith("scara-cli send: " + message + "\n"), err.constData());
}

void TestSerialSend::longestTimeoutStillSends() {
    ControllerEmulator emulator;
    QVERIFY(emulator.start());
    const QString file = writeProgram("N1 G00 X0 Y250\r\nN2 M30\r\n");
    QCOMPARE(run({file, "--port", emulator.portPath(), "--raw", "--timeout", "86400"}), 0);
    QCOMPARE(emulator.acceptedLines(), (QByteArrayList{"N1 G00 X0 Y250", "N2 M30"}));
}

void TestSerialSend::fromALineTravelsInFirst() {
    ControllerEmulator emulator;
    QVERIFY(emulator.start());
    const QString file = writeProgram("N1 G00 X0 Y250\r\nN2 G01 X100 Y250 Z10\r\n"
                                      "N3 G01 X100 Y300 Z10\r\nN4 M30\r\n");
    QCOMPARE(run({file, "--port", emulator.portPath(), "--raw", "--from", "3"}), 0);
    QCOMPARE(emulator.acceptedLines(),
             (QByteArrayList{"G00 X100 Y250", "N3 G01 X100 Y300 Z10", "N4 M30"}));
}

void TestSerialSend::fromOutsideTheProgramIsRefused_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("zero") << "0" << QByteArray("--from counts lines from 1, not 0");
    QTest::newRow("past the end") << "3" << QByteArray("--from 3: the program has 2 lines");
    QTest::newRow("not a number") << "x" << QByteArray("'x' is not a valid integer value");
}

void TestSerialSend::fromOutsideTheProgramIsRefused() {
    QFETCH(QString, from);
    QFETCH(QByteArray, message);
    const QString file = writeProgram("N1 G00 X0 Y250\r\nN2 M30\r\n");
    QByteArray err;
    QCOMPARE(run({file, "--port", missingPortPath(), "--raw", "--from", from}, nullptr, &err), 2);
    QVERIFY2(err.startsWith("scara-cli send: " + message + "\n"), err.constData());
}

// Each row: the signal, and the program's motion (a drawing leaves the pen
// down, so one travel line lifts it; a travel leaves it up).
void TestSerialSend::interruptAbortsAfterTheLineInFlight_data() {
    QTest::addColumn<int>("signal");
    QTest::addColumn<QByteArray>("motion");
    QTest::newRow("SIGINT while drawing") << int(SIGINT) << QByteArray("G01");
    QTest::newRow("SIGTERM while drawing") << int(SIGTERM) << QByteArray("G01");
    QTest::newRow("SIGINT while travelling") << int(SIGINT) << QByteArray("G00");
}

void TestSerialSend::interruptAbortsAfterTheLineInFlight() {
    QFETCH(int, signal);
    QFETCH(QByteArray, motion);
    ControllerEmulator emulator({.latency = std::chrono::milliseconds(20)});
    QVERIFY(emulator.start());
    QByteArray program;
    QByteArrayList lines;
    for (int i = 1; i <= 500; ++i) {
        lines << "N" + QByteArray::number(i) + " " + motion + " X" + QByteArray::number(i) +
                     " Y300";
        program += lines.last() + "\r\n";
    }
    const QString file = writeProgram(program);
    QProcess cli;
    cli.start(scaraCliPath(), {"send", file, "--port", emulator.portPath(), "--raw"});
    QVERIFY(cli.waitForStarted());
    QTRY_VERIFY(emulator.acceptedLines().size() >= 5);
    ::kill(pid_t(cli.processId()), signal);
    QTRY_COMPARE_WITH_TIMEOUT(cli.state(), QProcess::NotRunning, 10000);
    QCOMPARE(cli.exitStatus(), QProcess::NormalExit);
    QCOMPARE(cli.exitCode(), 3);
    const QByteArrayList err = cli.readAllStandardError().trimmed().split('\n');
    const QByteArray prefix = QStringLiteral("Wysyłanie programu przerwane w linii ").toLocal8Bit();
    QVERIFY2(err.last().startsWith(prefix), err.last().constData());
    const int reached = err.last().mid(prefix.size()).toInt();
    QVERIFY(reached > 5 && reached < 500);
    QByteArrayList expected = lines.mid(0, reached - 1);
    if (motion == "G01")
        expected << "G00 X" + QByteArray::number(reached - 1) + " Y300";
    QCOMPARE(emulator.acceptedLines(), expected);
}

void TestSerialSend::traceRecordsBothDirections() {
    ControllerEmulator emulator;
    QVERIFY(emulator.start());
    const QString file = writeProgram("N1 G00 X0 Y250\r\nN2 M30\r\n");
    const QString trace = dir_.filePath("trace.txt");
    QCOMPARE(run({file, "--port", emulator.portPath(), "--raw", "--trace", trace}), 0);
    QFile text(trace);
    QVERIFY(text.open(QIODevice::ReadOnly));
    const QByteArrayList records = text.readAll().trimmed().split('\n');
    QByteArrayList shown;
    for (const QByteArray& record : records) {
        // "00000012.345 > bytes": a time stamp in milliseconds, a direction.
        QVERIFY2(record.size() > 15 && record.at(8) == '.' && record.at(12) == ' ',
                 record.constData());
        shown << record.mid(13);
    }
    QCOMPARE(shown.first(), QByteArray("> :05210021ae4\\r\\n"));
    QVERIFY(shown.contains("< :0505\\r\\n"));
    QVERIFY(shown.contains("> :0520N1 G00 X0 Y250" + BlockFrame("05", "N1 G00 X0 Y250").right(4)));
    QVERIFY(shown.contains("> \\r\\n"));
}

void TestSerialSend::estimatePrintsTheFigures() {
    const QString file = writeProgram("N1 G00 X100 Y0\r\nN2 G01 X100 Y100 Z5\r\n"
                                      "N3 G00 X500 Y0\r\nN4 M30\r\n");
    const ToolRun cli = runScaraCli({"estimate", file, "--raw", "--baud", "9600"});
    QCOMPARE(cli.exitCode, 0);
    // 4 frames of 11 bytes and their acknowledgements, and the lines' 53
    // bytes, at 10 bits a byte; 0.8 ms a line.
    const double seconds = ((11 + 7) * 4 + 53) * 10 / 9600.0 + 4 * 0.0008;
    const QByteArray expected = "lines: 4\ndrawn: 100.0\ntravel: " +
                                QByteArray::number(400 + std::hypot(400.0, 100.0), 'f', 1) +
                                "\npen lifts: 1\ntransfer: " + QByteArray::number(seconds, 'f', 2) +
                                " s\n";
    QCOMPARE(cli.out, expected);
}

// A change of pen: the transfer holds, lifted, asks, and goes on when
// standard input gives a line (here: when it ends).
void TestSerialSend::programStopWaitsForTheOperator() {
    ControllerEmulator emulator;
    QVERIFY(emulator.start());
    const QString file = writeProgram("N1 G01 X0 Y250 Z5\r\nN2 M00\r\nN3 G01 X10 Y250 Z7\r\n"
                                      "N4 M30\r\n");
    QProcess cli;
    cli.start(scaraCliPath(), {"send", file, "--port", emulator.portPath(), "--raw"});
    QVERIFY(cli.waitForStarted());
    QByteArray err;
    const QByteArray prompt = QStringLiteral("Zmiana pisaka przed linią 2").toLocal8Bit();
    QTRY_VERIFY((err += cli.readAllStandardError()).contains(prompt));
    QCOMPARE(emulator.acceptedLines(), (QByteArrayList{"N1 G01 X0 Y250 Z5", "G00 X0 Y250"}));
    cli.closeWriteChannel();
    QTRY_COMPARE(cli.state(), QProcess::NotRunning);
    QCOMPARE(cli.exitCode(), 0);
    QCOMPARE(emulator.acceptedLines(), (QByteArrayList{"N1 G01 X0 Y250 Z5", "G00 X0 Y250", "N2 M00",
                                                       "N3 G01 X10 Y250 Z7", "N4 M30"}));
}

QTEST_GUILESS_MAIN(TestSerialSend)
#include "tst_controller_cli_send.moc"
