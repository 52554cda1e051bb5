// The reach messages listed for the operator: the out-of-reach blocks of a
// preparation, in program order, up to a limit, and exactly the reach lines
// of the full check report.
#include "gcode/prepareprogram.h"

#include <QTest>

class TestGcodeReach : public QObject {
    Q_OBJECT
private slots:
    void sameAsTheCheckReport_data();
    void sameAsTheCheckReport();
    void stopsAtTheLimit();
    void noneWithoutTheReachCheck();
};

void TestGcodeReach::sameAsTheCheckReport_data() {
    QTest::addColumn<QByteArray>("program");
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("dy");
    // The N texts of the blocks beyond the reach.
    QTest::addColumn<QStringList>("blocks");
    QTest::newRow("edge of the reach")
        << QByteArray("N1 X300 Y400\nN2 X300 Y401\nN3 M30") << 0 << 0 << QStringList{"2"};
    QTest::newRow("repeated point is dropped but checked")
        << QByteArray("N1 X-400 Y400\nN2 X-400 Y400 Z3\nN3 X1 Y1\nN4 M30") << 0 << 0
        << QStringList{"1", "2"};
    QTest::newRow("only X or only Y is not checked")
        << QByteArray("N1 X900\nN2 Y900\nN3 X600 Y10\nN4 M30") << 0 << 0 << QStringList{"3"};
    QTest::newRow("nothing after the end block")
        << QByteArray("N1 X600 Y0\nN2 M30\nN3 X700 Y0") << 0 << 0 << QStringList{"1"};
    QTest::newRow("end block with a move")
        << QByteArray("N1 X600 Y0 M30\nN3 X700 Y0") << 0 << 0 << QStringList{"1"};
    QTest::newRow("no end block") << QByteArray("\nN1 G01 X600 Y0\n\nN2 X800 Y1") << 0 << 0
                                  << QStringList{"1", "2"};
    // 300, 400 shifted to 310, 399 is beyond; 290, 400 shifted to 300, 399 is not.
    QTest::newRow("rounded and shifted")
        << QByteArray("N1 X299.6 Y400.4\nN2 X290 Y400\nN3 M30") << 10 << -1 << QStringList{"1"};
    // "NX700": the N text runs to the space, X700 included.
    QTest::newRow("empty N and words run together")
        << QByteArray("X600 Y1\nNX700 Y2\nN7 X800 Y3\nM30") << 0 << 0
        << QStringList{"", "X700", "7"};
}

void TestGcodeReach::sameAsTheCheckReport() {
    QFETCH(QByteArray, program);
    QFETCH(int, dx);
    QFETCH(int, dy);
    QFETCH(QStringList, blocks);
    PrepareSettings settings;
    settings.shift = {dx, dy};
    const ProgramText source = ProgramText::fromBytes(program);
    const Result<PreparedProgram> prepared = PrepareProgram(source, settings);
    QVERIFY2(prepared, qPrintable(prepared.ok() ? QString() : prepared.error()));
    QStringList expected;
    for (const QString& n : blocks)
        expected
            << QStringLiteral("W bloku %1 nastapiło przekroczenie zasięgu manipulatora:").arg(n);
    QStringList inReport;
    prepared->checkReport.forEachLine([&inReport](const QString& line) {
        if (line.endsWith(u':'))
            inReport << line;
    });
    QCOMPARE(inReport, expected);
    QCOMPARE(prepared->checkReport.outOfReachCount(), qsizetype(expected.size()));
    QCOMPARE(prepared->checkReport.reachMessages(1000), expected);
}

void TestGcodeReach::stopsAtTheLimit() {
    QByteArray program;
    for (int i = 0; i < 50; ++i)
        program += "N" + QByteArray::number(i) + " X" + QByteArray::number(600 + i) + " Y0\n";
    const ProgramText source = ProgramText::fromBytes(program + "M30");
    const Result<PreparedProgram> prepared = PrepareProgram(source, PrepareSettings{});
    const QStringList listed = prepared->checkReport.reachMessages(3);
    QCOMPARE(listed, (QStringList{"W bloku 0 nastapiło przekroczenie zasięgu manipulatora:",
                                  "W bloku 1 nastapiło przekroczenie zasięgu manipulatora:",
                                  "W bloku 2 nastapiło przekroczenie zasięgu manipulatora:"}));
    QCOMPARE(prepared->checkReport.outOfReachCount(), qsizetype(50));
    QCOMPARE(prepared->checkReport.reachMessages(0), QStringList());
}

void TestGcodeReach::noneWithoutTheReachCheck() {
    PrepareSettings settings;
    settings.CheckReach = false;
    const Result<PreparedProgram> prepared =
        PrepareProgram(ProgramText::fromBytes("N1 X600 Y0\nN2 M30"), settings);
    QVERIFY(prepared);
    QCOMPARE(prepared->checkReport.outOfReachCount(), qsizetype(0));
    QCOMPARE(prepared->checkReport.reachMessages(1000), QStringList());
}

QTEST_GUILESS_MAIN(TestGcodeReach)
#include "tst_gcode_reach.moc"
