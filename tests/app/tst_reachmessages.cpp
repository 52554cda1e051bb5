// The reach messages listed for the operator are exactly the reach lines of
// the preparation's check report, in order, up to the limit.
#include "app/reachmessages.h"

#include <QTest>

class TestReachMessages : public QObject {
    Q_OBJECT
private slots:
    void sameAsTheCheckReport_data();
    void sameAsTheCheckReport();
    void stopsAtTheLimit();
};

void TestReachMessages::sameAsTheCheckReport_data() {
    QTest::addColumn<QByteArray>("program");
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("dy");
    QTest::newRow("edge of the reach")
        << QByteArray("N1 X300 Y400\nN2 X300 Y401\nN3 M30") << 0 << 0;
    QTest::newRow("repeated point is dropped but checked")
        << QByteArray("N1 X-400 Y400\nN2 X-400 Y400 Z3\nN3 X1 Y1\nN4 M30") << 0 << 0;
    QTest::newRow("only X or only Y is not checked")
        << QByteArray("N1 X900\nN2 Y900\nN3 X600 Y10\nN4 M30") << 0 << 0;
    QTest::newRow("nothing after the end block")
        << QByteArray("N1 X600 Y0\nN2 M30\nN3 X700 Y0") << 0 << 0;
    QTest::newRow("end block with a move") << QByteArray("N1 X600 Y0 M30\nN3 X700 Y0") << 0 << 0;
    QTest::newRow("no end block") << QByteArray("\nN1 G01 X600 Y0\n\nN2 X800 Y1") << 0 << 0;
    QTest::newRow("rounded and shifted")
        << QByteArray("N1 X299.6 Y400.4\nN2 X290 Y400\nN3 M30") << 10 << -1;
    QTest::newRow("empty N and words run together")
        << QByteArray("X600 Y1\nNX700 Y2\nN7 X800 Y3\nM30") << 0 << 0;
}

void TestReachMessages::sameAsTheCheckReport() {
    QFETCH(QByteArray, program);
    QFETCH(int, dx);
    QFETCH(int, dy);
    PrepareSettings settings;
    settings.shift = {dx, dy};
    const ProgramText source = ProgramText::fromBytes(program);
    const Result<PreparedProgram> prepared = PrepareProgram(source, settings);
    QVERIFY2(prepared, qPrintable(prepared.ok() ? QString() : prepared.error()));
    QStringList expected;
    prepared->checkReport.forEachLine([&expected](const QString& line) {
        if (line.endsWith(u':'))
            expected << line;
    });
    QCOMPARE(qsizetype(expected.size()), prepared->checkReport.outOfReachCount());
    QCOMPARE(ListReachMessages(source, *prepared, 1000), expected);
}

void TestReachMessages::stopsAtTheLimit() {
    QByteArray program;
    for (int i = 0; i < 50; ++i)
        program += "N" + QByteArray::number(i) + " X" + QByteArray::number(600 + i) + " Y0\n";
    const ProgramText source = ProgramText::fromBytes(program + "M30");
    const Result<PreparedProgram> prepared = PrepareProgram(source, PrepareSettings{});
    const QStringList listed = ListReachMessages(source, *prepared, 3);
    QCOMPARE(listed, (QStringList{"W bloku 0 nastapiło przekroczenie zasięgu manipulatora:",
                                  "W bloku 1 nastapiło przekroczenie zasięgu manipulatora:",
                                  "W bloku 2 nastapiło przekroczenie zasięgu manipulatora:"}));
    QCOMPARE(prepared->checkReport.outOfReachCount(), qsizetype(50));
}

QTEST_GUILESS_MAIN(TestReachMessages)
#include "tst_reachmessages.moc"
