// scara-cli import-svg's pen options as a script gives them: good ones
// import, faulty ones stop the import with status 1, a message that names
// the fault and nothing written.
#include "support/files.h"
#include "support/testdata.h"
#include "support/toolrun.h"

#include <QTest>

class SvgPenOptionsTest : public QObject {
    Q_OBJECT

private slots:
    void goodOptionsImport() {
        const ToolRun run = runScaraCli({u"import-svg"_qs, testDataPath(u"inkscape-plain.svg"_qs),
                                         u"--hatch"_qs, u"0.5"_qs, u"--hatch-angle"_qs, u"-30"_qs,
                                         u"--cross-hatch"_qs, u"--no-outline"_qs, u"--occlude"_qs,
                                         u"--text"_qs, u"outline"_qs, u"--font"_qs, u"rowmans"_qs});
        QVERIFY2(run.exitCode == 0, run.err.constData());
        QVERIFY(run.out.endsWith(" M30\r\n"));
    }

    void faultyOptionsWriteNothing_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("zero spacing") << QStringList{u"--hatch"_qs, u"0"_qs} << QByteArray(" 0 ");
        QTest::newRow("negative spacing")
            << QStringList{u"--hatch"_qs, u"-2,5"_qs} << QByteArray("-2,5");
        QTest::newRow("spacing no number")
            << QStringList{u"--hatch"_qs, u"thin"_qs} << QByteArray("'thin'");
        QTest::newRow("angle no number")
            << QStringList{u"--hatch-angle"_qs, u"steep"_qs} << QByteArray("'steep'");
        QTest::newRow("unknown font")
            << QStringList{u"--font"_qs, u"gothic"_qs}
            << QByteArray("\"gothic\"; stacja ma: futural, rowmans, scripts");
        QTest::newRow("unknown text mode")
            << QStringList{u"--text"_qs, u"fancy"_qs} << QByteArray("'fancy'");
        QTest::newRow("no value") << QStringList{u"--hatch"_qs} << QByteArray("--hatch");
    }
    void faultyOptionsWriteNothing() {
        QFETCH(QStringList, options);
        QFETCH(QByteArray, message);
        TempDir dir;
        const QString out = dir.writeFile(u"old.nc"_qs, "N10 M30\r\n");
        const ToolRun run = runScaraCli(
            QStringList{u"import-svg"_qs, testDataPath(u"inkscape-plain.svg"_qs), u"-o"_qs, out} +
            options);
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.out.isEmpty());
        QVERIFY2(run.err.contains(message), run.err.constData());
        QCOMPARE(readFileBytes(out), QByteArray("N10 M30\r\n"));
    }
};

QTEST_GUILESS_MAIN(SvgPenOptionsTest)
#include "tst_svg_penoptions.moc"
