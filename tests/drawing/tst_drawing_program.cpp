// A program placed in the safe area: every word but X and Y kept, the path
// check clean afterwards, the outline program, and what cannot be placed.
#include "drawing/programplacement.h"
#include "gcode/gcodeblock.h"
#include "gcode/pathcheck.h"
#include "gcode/prepareprogram.h"

#include <QRandomGenerator>
#include <QTest>

Q_DECLARE_METATYPE(SideRule)

namespace {

ProgramText program(const QList<QByteArray>& lines) {
    return ProgramText::fromLines(lines);
}

// Strokes on both sides of the Y axis with travel between them.
ProgramText strokes() {
    return program({"N10 G00 X -40 Y 10 Z 10", "N20 G01 X -10 Y 10 Z 1", "N30 G01 X -10 Y 40",
                    "N40 G00 X 30 Y 5 Z 10", "N50 G01 X 60 Y 35 Z 2", "N60 G00 X -35 Y 35",
                    "N70 G01 X -20 Y 60 Z 1", "N80 M30"});
}

} // namespace

class ProgramPlacementTest : public QObject {
    Q_OBJECT

private slots:
    void keepsEveryWordButXAndY() {
        const ProgramText source =
            program({"N5 G90", "N10 G00 X 0 Y 0 Z 12 F 3000", "N20 G1 Y 50 Z 1,5", "N30 X 50",
                     "N40 G01 X50.5 Y0 Z 1 S 7", "N50 M00", "N60 G00 X 0 Y 0 Z 12", "N70 T 2 M30"});
        const Result<PlacedProgram> placed = PlaceProgram(source, {});
        QVERIFY2(placed, qPrintable(placed ? QString() : placed.error()));
        qsizetype j = 0;
        for (qsizetype i = 0; i < source.lineCount(); ++i, ++j) {
            // Waypoint lines have no N word; the program's own lines follow.
            while (!placed->lines.line(j).startsWith("N"))
                QVERIFY(++j < placed->lines.lineCount());
            GcodeBlock before = ParseBlock(source.line(i).toByteArray());
            GcodeBlock after = ParseBlock(placed->lines.line(j).toByteArray());
            for (GcodeWord w : {GcodeWord::N, GcodeWord::G, GcodeWord::Z, GcodeWord::F,
                                GcodeWord::S, GcodeWord::T, GcodeWord::M})
                QCOMPARE(after.word(w), before.word(w));
            QCOMPARE(after.has(GcodeWord::X), before.has(GcodeWord::X) || i == 1);
            QCOMPARE(after.has(GcodeWord::Y), before.has(GcodeWord::Y) || i == 1);
        }
        QCOMPARE(j, placed->lines.lineCount());
    }

    void placedProgramPassesTheCheck_data() {
        QTest::addColumn<ProgramText>("source");
        QTest::addColumn<SideRule>("sides");
        const ProgramText wide = program(
            {"G00 X 0 Y 0", "G01 X 300 Y 0", "G01 X 300 Y 40", "G01 X 0 Y 40", "G01 X 0 Y 0"});
        const ProgramText tall = program(
            {"G00 X 0 Y 0", "G01 X 20 Y 0", "G01 X 20 Y 90", "G00 X 0 Y 90", "G01 X 0 Y 0"});
        for (SideRule sides : {SideRule::Auto, SideRule::OneSide, SideRule::Across}) {
            const QByteArray name = sides == SideRule::Auto      ? " auto"
                                    : sides == SideRule::OneSide ? " one side"
                                                                 : " across";
            QTest::newRow("strokes" + name) << strokes() << sides;
            QTest::newRow("wide" + name) << wide << sides;
            QTest::newRow("tall" + name) << tall << sides;
        }
    }
    void placedProgramPassesTheCheck() {
        QFETCH(ProgramText, source);
        QFETCH(SideRule, sides);
        PlacementSettings settings;
        settings.sides = sides;
        const Result<PlacedProgram> placed = PlaceProgram(source, settings);
        QVERIFY(placed);
        const Result<PathCheckReport> report = CheckPath(placed->lines, {});
        QVERIFY(report);
        QCOMPARE(report->count(PathFindingKind::Zone), 0);
        QCOMPARE(report->count(PathFindingKind::Reach), 0);
        if (placed->placement.side != PlacedSide::Across) {
            for (const PathFinding& f : report->findings())
                QVERIFY2(!f.penDown, qPrintable(report->text(f)));
        }
        if (sides == SideRule::OneSide)
            QVERIFY(placed->placement.side != PlacedSide::Across);
    }

    // Random strokes, margins and radii: the placed program, taken as it is
    // and as the station prepares it (rounded to whole units), passes.
    void randomProgramsPassTheCheck_data() {
        QTest::addColumn<int>("seed");
        for (int seed = 1; seed <= 10; ++seed)
            QTest::newRow(qPrintable(QString::number(seed))) << seed;
    }
    void randomProgramsPassTheCheck() {
        QFETCH(int, seed);
        QRandomGenerator random{quint32(seed)};
        QList<QByteArray> lines;
        for (int i = 0, n = 3 + random.bounded(40); i < n; ++i) {
            const QByteArray g = i == 0 || random.bounded(3) == 0 ? "G00" : "G01";
            lines << g + " X " + QByteArray::number(random.bounded(-200, 200)) + " Y " +
                         QByteArray::number(random.bounded(0, 150));
        }
        PlacementSettings settings;
        settings.margin = random.bounded(25);
        settings.forbiddenRadius = 60 + random.bounded(200);
        settings.sides = random.bounded(2) ? SideRule::OneSide : SideRule::Auto;
        const Result<PlacedProgram> placed = PlaceProgram(program(lines), settings);
        QVERIFY2(placed, qPrintable(placed ? QString() : placed.error()));
        const Result<PreparedProgram> prepared = PrepareProgram(placed->lines, {});
        QVERIFY(prepared);
        for (const ProgramText& text : {placed->lines, prepared->lines}) {
            const Result<PathCheckReport> report =
                CheckPath(text, PathCheckSettings{settings.forbiddenRadius});
            QVERIFY(report);
            QCOMPARE(report->count(PathFindingKind::Zone), 0);
            QCOMPARE(report->count(PathFindingKind::Reach), 0);
        }
    }

    void badInputLeavesTheProgram_data() {
        QTest::addColumn<ProgramText>("source");
        QTest::addColumn<double>("margin");
        QTest::addColumn<double>("radius");
        QTest::addColumn<QString>("paper");
        QTest::addColumn<QString>("error");
        const QString noExtent = QStringLiteral("Rysunek nie ma rozmiaru");
        QTest::newRow("one point")
            << program({"G00 X 5 Y 5", "G01 X 5 Y 5"}) << 10.0 << 150.0 << QString() << noExtent;
        QTest::newRow("nothing drawn")
            << program({"G00 X 5 Y 5", "G00 X 50 Y 5"}) << 10.0 << 150.0 << QString() << noExtent;
        QTest::newRow("no moves") << program({"N10 M30"}) << 10.0 << 150.0 << QString() << noExtent;
        QTest::newRow("margin") << strokes() << 200.0 << 150.0 << QString()
                                << QStringLiteral("Margines 200 nie zostawia miejsca");
        QTest::newRow("radius") << strokes() << 10.0 << 500.0 << QString()
                                << QStringLiteral("Promień obszaru zabronionego 500");
        QTest::newRow("sheet") << strokes() << 10.0 << 150.0 << QStringLiteral("A3")
                               << QStringLiteral("Arkusz A3 nie mieści się");
        QTest::newRow("bad value") << program({"G00 X 5 Y 5", "G01 X 5a Y 50"}) << 10.0 << 150.0
                                   << QString() << QStringLiteral("'5a'");
    }
    void badInputLeavesTheProgram() {
        QFETCH(ProgramText, source);
        QFETCH(double, margin);
        QFETCH(double, radius);
        QFETCH(QString, paper);
        QFETCH(QString, error);
        PlacementSettings settings;
        settings.margin = margin;
        settings.forbiddenRadius = radius;
        if (!paper.isEmpty())
            settings.sheet = *ParseSheet(paper);
        const Result<PlacedProgram> placed = PlaceProgram(source, settings);
        QVERIFY(!placed);
        QVERIFY2(placed.error().contains(error), qPrintable(placed.error()));
    }

    void sheetHoldsTheDrawing() {
        PlacementSettings settings;
        settings.sheet = *ParseSheet(u"A4");
        const Result<PlacedProgram> placed = PlaceProgram(strokes(), settings);
        QVERIFY(placed);
        QVERIFY(placed->placement.sheet);
        const SheetPlace& sheet = *placed->placement.sheet;
        const Result<PathCheckReport> report = CheckPath(placed->lines, {});
        QCOMPARE(report->count(PathFindingKind::Zone) + report->count(PathFindingKind::Reach), 0);
        for (double x : {-40.0, 60.0}) {
            const PathPoint p = placed->placement.map({x, 5});
            QVERIFY(p.x >= sheet.left + 10 - 1e-9 && p.x <= sheet.left + 210 - 10 + 1e-9);
            QVERIFY(p.y >= sheet.bottom + 10 - 1e-9);
        }
    }

    void outlineTravelsAroundTheBox() {
        const Result<PlacedProgram> placed = PlaceProgram(strokes(), {});
        QVERIFY(placed);
        PlacementSettings settings;
        settings.sheet = *ParseSheet(u"A5");
        const Result<ProgramText> outline = OutlineProgram(placed->lines, settings);
        QVERIFY(outline);
        const Result<PathCheckReport> report = CheckPath(*outline, {});
        QCOMPARE(report->count(PathFindingKind::Zone) + report->count(PathFindingKind::Reach), 0);
        const PathPoint low = placed->placement.map({-40, 5});
        const QByteArray corner =
            "G00 X " + QByteArray::number(std::round(low.x * 1000) / 1000).replace('.', ',') +
            " Y ";
        bool foundCorner = false;
        for (qsizetype i = 0; i < outline->lineCount(); ++i) {
            const QByteArrayView line = outline->line(i);
            QVERIFY(line.contains(" G00 ") || line.endsWith(" M30"));
            QVERIFY(!line.contains("G01"));
            foundCorner = foundCorner || line.contains(corner);
        }
        QVERIFY2(foundCorner, corner.constData());
        QCOMPARE(outline->line(outline->lineCount() - 1).toByteArray(),
                 "N" + QByteArray::number(10 * outline->lineCount()) + " M30");
    }
};

QTEST_GUILESS_MAIN(ProgramPlacementTest)
#include "tst_drawing_program.moc"
