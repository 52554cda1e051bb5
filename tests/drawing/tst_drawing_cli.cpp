// scara-cli fit and outline, and the fitting of import-svg and convert-hpgl:
// what they write passes the path check; bad input writes nothing.
#include "gcode/pathcheck.h"
#include "gcode/programfile.h"
#include "support/files.h"
#include "support/toolrun.h"

#include <QFile>
#include <QTest>

namespace {

const QByteArray kStrokes = "N10 G00 X -40 Y 10 Z 10\r\nN20 G01 X -10 Y 10 Z 1\r\n"
                            "N30 G01 X -10 Y 40\r\nN40 G00 X 30 Y 5 Z 10\r\n"
                            "N50 G01 X 60 Y 35 Z 2\r\nN60 M30\r\n";

// The findings of the path check in a written program.
PathCheckReport checked(const QString& file) {
    const Result<ProgramText> program = ReadProgramFile(file);
    if (!program)
        qFatal("cannot read %s", qPrintable(file));
    return *CheckPath(*program, {});
}

bool penDownElbow(const PathCheckReport& report) {
    for (const PathFinding& f : report.findings()) {
        if (f.kind == PathFindingKind::Elbow && f.penDown)
            return true;
    }
    return false;
}

} // namespace

class DrawingCliTest : public QObject {
    Q_OBJECT

private slots:
    void placedProgramsPassTheCheck_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("oneSide");
        const QString svg = QStringLiteral(SCARA_SOURCE_DIR "/tests/svg/data/inkscape-plain.svg");
        const QString plt = QStringLiteral(SCARA_SOURCE_DIR "/tests/hpgl/data/inkscape-export.plt");
        QTest::newRow("fit") << QStringList{u"fit"_qs, u"@"_qs} << false;
        QTest::newRow("fit one side") << QStringList{u"fit"_qs, u"@"_qs, u"--one-side"_qs} << true;
        QTest::newRow("fit on A4")
            << QStringList{u"fit"_qs, u"@"_qs, u"--paper"_qs, u"A4"_qs} << false;
        QTest::newRow("fit radius") << QStringList{u"fit"_qs, u"@"_qs,        u"--forbidden"_qs,
                                                   u"200"_qs, u"--margin"_qs, u"5"_qs}
                                    << false;
        QTest::newRow("svg") << QStringList{u"import-svg"_qs, svg, u"--fit"_qs} << false;
        QTest::newRow("svg one side")
            << QStringList{u"import-svg"_qs, svg, u"--fit"_qs, u"--one-side"_qs} << true;
        QTest::newRow("hpgl") << QStringList{u"convert-hpgl"_qs, plt, u"--fit"_qs} << false;
        QTest::newRow("hpgl one side")
            << QStringList{u"convert-hpgl"_qs, plt, u"--fit"_qs, u"--one-side"_qs} << true;
        QTest::newRow("hpgl on A5 lying")
            << QStringList{u"convert-hpgl"_qs, plt, u"--fit"_qs, u"--paper"_qs, u"A5-landscape"_qs}
            << false;
    }
    void placedProgramsPassTheCheck() {
        QFETCH(QStringList, args);
        QFETCH(bool, oneSide);
        const QString program = dir_.writeFile(u"in.nc"_qs, kStrokes);
        args.replaceInStrings(u"@"_qs, program);
        const QString out = dir_.path() + u"/out.nc"_qs;
        const ToolRun run = runScaraCli(args << u"-o"_qs << out);
        QVERIFY2(run.exitCode == 0, run.err.constData());
        QVERIFY2(run.err.contains("Dopasowano: skala "), run.err.constData());
        const double radius = args.contains(u"200"_qs) ? 200 : 150;
        const Result<ProgramText> lines = ReadProgramFile(out);
        QVERIFY(lines);
        const PathCheckReport report = *CheckPath(*lines, PathCheckSettings{radius});
        // The converter's default header moves to X 0 Y 0, the base itself:
        // with a fit it goes to the home point instead, and says so.
        if (args.first() == u"convert-hpgl") {
            QVERIFY2(run.err.contains("G00 X 0 Y 0 Z 10"), run.err.constData());
            QVERIFY(readFileBytes(out).contains("G00 X 500 Y 0 Z 10"));
        }
        QCOMPARE(report.count(PathFindingKind::Zone), 0);
        QCOMPARE(report.count(PathFindingKind::Reach), 0);
        if (oneSide)
            QVERIFY(!penDownElbow(report));
        if (args.contains(u"--paper"_qs))
            QVERIFY2(run.err.contains(" mieści się: od X "), run.err.constData());
    }

    void badInputWritesNothing_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("program");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("one point") << QStringList{} << QByteArray("N10 G00 X 5 Y 5 Z 10\r\n") << 1
                                   << QByteArray("nie ma rozmiaru");
        QTest::newRow("margin") << QStringList{u"--margin"_qs, u"300"_qs} << kStrokes << 1
                                << QByteArray("Margines 300");
        QTest::newRow("radius") << QStringList{u"--forbidden"_qs, u"500"_qs} << kStrokes << 1
                                << QByteArray("500");
        QTest::newRow("sheet") << QStringList{u"--paper"_qs, u"A3"_qs} << kStrokes << 1
                               << QByteArray("Arkusz A3");
        QTest::newRow("paper name")
            << QStringList{u"--paper"_qs, u"B7"_qs} << kStrokes << 2 << QByteArray("B7");
        QTest::newRow("margin text")
            << QStringList{u"--margin"_qs, u"ten"_qs} << kStrokes << 2 << QByteArray("'ten'");
    }
    void badInputWritesNothing() {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, program);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, message);
        const QString in = dir_.writeFile(u"bad.nc"_qs, program);
        for (const QString& command : {u"fit"_qs, u"outline"_qs}) {
            const QString out = dir_.path() + u"/bad-out.nc"_qs;
            QFile::remove(out);
            const ToolRun run = runScaraCli(QStringList{command, in, u"-o"_qs, out} + args);
            QCOMPARE(run.exitCode, exitCode);
            QVERIFY2(run.err.contains(message), run.err.constData());
            QVERIFY(!QFile::exists(out));
            QCOMPARE(readFileBytes(in), program);
        }
    }

    void outlineGoesAroundTheDrawing() {
        const QString in = dir_.writeFile(u"in.nc"_qs, kStrokes);
        const QString placed = dir_.path() + u"/placed.nc"_qs;
        QCOMPARE(runScaraCli({u"fit"_qs, in, u"-o"_qs, placed}).exitCode, 0);
        const QString outline = dir_.path() + u"/outline.nc"_qs;
        const ToolRun run =
            runScaraCli({u"outline"_qs, placed, u"--paper"_qs, u"A4"_qs, u"-o"_qs, outline});
        QVERIFY2(run.exitCode == 0, run.err.constData());
        const PathCheckReport report = checked(outline);
        QCOMPARE(report.count(PathFindingKind::Zone) + report.count(PathFindingKind::Reach), 0);
        const QByteArray bytes = readFileBytes(outline);
        QVERIFY(!bytes.contains("G01"));
        QVERIFY(bytes.startsWith("N10 G00 X "));
    }

private:
    TempDir dir_;
};

QTEST_GUILESS_MAIN(DrawingCliTest)
#include "tst_drawing_cli.moc"
