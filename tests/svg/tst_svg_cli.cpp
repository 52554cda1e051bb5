// scara-cli import-svg and optimize as a script runs them.
#include "support/files.h"
#include "support/testdata.h"
#include "support/toolrun.h"

#include <QTest>

class SvgCliTest : public QObject {
    Q_OBJECT

private slots:
    void importWritesTheProgram();
    void badDrawingWritesNothing_data();
    void badDrawingWritesNothing();
    void optimizeReportsFigures();
};

void SvgCliTest::importWritesTheProgram() {
    const ToolRun run =
        runScaraCli({u"import-svg"_qs, testDataPath(u"inkscape-layers.svg"_qs), u"--fit"_qs,
                     u"--margin"_qs, u"20"_qs, u"--pen-heights"_qs, u"1,2,3,4,5,6,7,8"_qs});
    QCOMPARE(run.exitCode, 0);
    const QList<QByteArray> lines = run.out.split('\n');
    QVERIFY(lines.first().startsWith("N10 G00 X "));
    QCOMPARE(lines[lines.size() - 2].trimmed(),
             QByteArray("N") + QByteArray::number(10 * (lines.size() - 1)) + " M30");
    QVERIFY(run.out.contains(" Z 1\r\n") && run.out.contains(" Z 2\r\n"));
    QVERIFY2(run.err.contains("pisaki: 2"), run.err.constData());
}

void SvgCliTest::badDrawingWritesNothing_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("malformed") << QByteArray("<svg xmlns='http://www.w3.org/2000/svg'>\n<g></svg>")
                               << QByteArray("(linia 2)");
    QTest::newRow("missing use target")
        << QByteArray("<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 9 9'><use "
                      "href='#x'/></svg>")
        << QByteArray("\"#x\"");
}

void SvgCliTest::badDrawingWritesNothing() {
    QFETCH(QByteArray, data);
    QFETCH(QByteArray, message);
    TempDir dir;
    const QString svg = dir.writeFile(u"bad.svg"_qs, data);
    const QString out = dir.writeFile(u"old.nc"_qs, "N10 M30\r\n");
    const ToolRun run = runScaraCli({u"import-svg"_qs, svg, u"-o"_qs, out});
    QCOMPARE(run.exitCode, 1);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(run.err.contains("bad.svg") && run.err.contains(message), run.err.constData());
    QCOMPARE(readFileBytes(out), QByteArray("N10 M30\r\n")); // the old file stays
}

void SvgCliTest::optimizeReportsFigures() {
    TempDir dir;
    const QString in = dir.writeFile(
        u"p.nc"_qs, "N10 G00 X 100 Y 100 Z 10\r\nN20 G01 X 120 Y 100 Z 1\r\n"
                    "N30 G00 X 400 Y 10 Z 10\r\nN40 G01 X 410 Y 10 Z 1\r\nN50 M30\r\n");
    const ToolRun run = runScaraCli({u"optimize"_qs, in});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QByteArray("N10 G00 X 410 Y 10 Z 10\r\nN20 G01 X 400 Y 10 Z 1\r\n"
                                 "N30 G00 X 120 Y 100 Z 10\r\nN40 G01 X 100 Y 100 Z 1\r\n"
                                 "N50 M30\r\n"));
    QVERIFY2(run.err.contains("Podniesienia pisaka: 1 -> 1"), run.err.constData());
    const ToolRun bad = runScaraCli({u"optimize"_qs, in, u"--tolerance"_qs, u"-1"_qs});
    QCOMPARE(bad.exitCode, 2);
}

QTEST_GUILESS_MAIN(SvgCliTest)
#include "tst_svg_cli.moc"
