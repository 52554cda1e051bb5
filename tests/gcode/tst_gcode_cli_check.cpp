// scara-cli check, run as a user runs it.
#include "support/files.h"
#include "support/toolrun.h"

#include <QTest>

class TestCheckCli : public QObject {
    Q_OBJECT

private slots:
    void listsTheFindings_data();
    void listsTheFindings();
    void errorsAreStatusOne();
};

void TestCheckCli::listsTheFindings_data() {
    QTest::addColumn<QByteArray>("program");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("clean") << QByteArray("N10 G00 X400 Y200\r\nN20 M30\r\n") << QStringList{} << 0
                           << QByteArray();
    // Prepared with the defaults: X1,6 is rounded to 2 before the check.
    QTest::newRow("prepared")
        << QByteArray("N10 G00 X200 Y200\r\nN20 G01 X-200 Y-200\r\nN25 G00 X-200 Y400\r\n"
                      "N30 X1,6 Y400\r\n")
        << QStringList{} << 3
        << QByteArray("N20\tzone\tW bloku 20 ruch wchodzi w obszar zabroniony (odleg\xc5\x82o\xc5"
                      "\x9b\xc4\x87 od podstawy 0)\n"
                      "N20\telbow\tW bloku 20 ruch przecina o\xc5\x9b Y z opuszczonym pisakiem: "
                      "\xc5\x82okie\xc4\x87 przerzuca si\xc4\x99\n"
                      "N30\telbow\tW bloku 30 ruch przecina o\xc5\x9b Y: \xc5\x82okie\xc4\x87 "
                      "przerzuca si\xc4\x99\n");
    QTest::newRow("raw keeps the decimals")
        << QByteArray("N10 G00 X200 Y200\r\nN30 G00 X1,6 Y400\r\n") << QStringList{"--raw"} << 0
        << QByteArray();
    QTest::newRow("a wider zone") << QByteArray("N10 G00 X300 Y200\r\nN20 X300 Y-200\r\n")
                                  << QStringList{"--forbidden", "301"} << 3
                                  << QByteArray("N20\tzone\tW bloku 20 ruch wchodzi w obszar "
                                                "zabroniony (odleg\xc5\x82o\xc5\x9b\xc4\x87 od "
                                                "podstawy 300)\n");
}

void TestCheckCli::listsTheFindings() {
    QFETCH(QByteArray, program);
    QFETCH(QStringList, options);
    QFETCH(int, status);
    QFETCH(QByteArray, expected);
    TempDir dir;
    const QString path = dir.writeFile("program.nc", program);
    QVERIFY(!path.isEmpty());
    const ToolRun run = runScaraCli(QStringList{"check", path} + options);
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(run.out, expected);
    QCOMPARE(run.exitCode, status);
}

void TestCheckCli::errorsAreStatusOne() {
    TempDir dir;
    const QString bad = dir.writeFile("bad.nc", "N10 G00 X1a Y0\r\n");
    const ToolRun badRun = runScaraCli({"check", bad, "--raw"});
    QCOMPARE(badRun.exitCode, 1);
    QCOMPARE(badRun.err, QByteArray("'1a' is not a valid floating point value\n"));
    QVERIFY(badRun.out.isEmpty());

    const ToolRun missing = runScaraCli({"check", dir.filePath("missing.nc")});
    QCOMPARE(missing.exitCode, 1);

    const QString good = dir.writeFile("good.nc", "N10 G00 X400 Y200\r\n");
    for (const char* radius : {"0", "-5", "zielony"}) {
        const ToolRun run = runScaraCli({"check", good, "--forbidden", radius});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(!run.err.isEmpty());
    }
}

QTEST_GUILESS_MAIN(TestCheckCli)
#include "tst_gcode_cli_check.moc"
