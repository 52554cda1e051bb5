// The path check: moves beyond the reach, through the forbidden zone around
// the base, and across the Y axis where the elbow turns over.
#include "base/numberformat.h"
#include "gcode/pathcheck.h"
#include "gcode/prepareprogram.h"
#include "gcode/programwalk.h"

#include <QTest>

#include <bit>
#include <cmath>

namespace {

ProgramText lines(const QList<QByteArray>& program) {
    return ProgramText::fromLines(program);
}

// "kind@line" for every finding, in order.
QStringList summary(const PathCheckReport& report) {
    QStringList out;
    for (const PathFinding& f : report.findings())
        out << PathFindingKindWord(f.kind) + QLatin1Char('@') + QString::number(f.line);
    return out;
}

} // namespace

class PathCheckTest : public QObject {
    Q_OBJECT
private slots:
    void movesAgainstTheZoneAndTheAxis_data();
    void movesAgainstTheZoneAndTheAxis();
    void carriesTheOtherCoordinateAndTheMode();
    void reportsInTheStationsWords();
    void badNumbersEndTheCheck();
    void theRadiusIsASetting();
    void thePreparationChecksTheSameMoves_data();
    void thePreparationChecksTheSameMoves();
    void wordNumbersAsTheStationReadsThem_data();
    void wordNumbersAsTheStationReadsThem();
};

void PathCheckTest::movesAgainstTheZoneAndTheAxis_data() {
    QTest::addColumn<QList<QByteArray>>("program");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<double>("distance"); // of the first zone finding, or -1

    // Every program starts at the home point (500, 0).
    QTest::newRow("far from the base")
        << QList<QByteArray>{"N10 G00 X400 Y200"} << QStringList{} << -1.0;
    QTest::newRow("tangent to the circle passes")
        << QList<QByteArray>{"N10 G00 X150 Y300", "N20 X150 Y-300"} << QStringList{} << -1.0;
    QTest::newRow("just inside the circle")
        << QList<QByteArray>{"N10 G00 X149 Y300", "N20 X149 Y-300"} << QStringList{"zone@1"}
        << 149.0;
    QTest::newRow("through the base")
        << QList<QByteArray>{"N10 G00 X200 Y200", "N20 G01 X-200 Y-200"}
        << QStringList{"zone@1", "elbow@1"} << 0.0;
    QTest::newRow("along the Y axis") << QList<QByteArray>{"N10 G00 X0 Y400", "N20 X0 Y300"}
                                      << QStringList{"elbow@0", "elbow@1"} << -1.0;
    QTest::newRow("ending exactly on the axis")
        << QList<QByteArray>{"N10 G00 X0 Y300"} << QStringList{"elbow@0"} << -1.0;
    QTest::newRow("both ends inside the zone")
        << QList<QByteArray>{"N10 G00 X100 Y0", "N20 X50 Y50"} << QStringList{"zone@0", "zone@1"}
        << 100.0;
    QTest::newRow("beyond the reach, also crossing")
        << QList<QByteArray>{"N10 G00 X-400 Y400"} << QStringList{"reach@0", "elbow@0"} << -1.0;
    QTest::newRow("exactly on the reach passes")
        << QList<QByteArray>{"N10 G00 X300 Y400"} << QStringList{} << -1.0;
    QTest::newRow("lines without a move are skipped")
        << QList<QByteArray>{"N10 M03", "", "N30 G00 X100 Y0"} << QStringList{"zone@2"} << 100.0;
}

void PathCheckTest::movesAgainstTheZoneAndTheAxis() {
    QFETCH(QList<QByteArray>, program);
    QFETCH(QStringList, expected);
    QFETCH(double, distance);
    const Result<PathCheckReport> report = CheckPath(lines(program), PathCheckSettings{});
    QVERIFY2(report.ok(), qPrintable(report.ok() ? QString() : report.error()));
    QCOMPARE(summary(*report), expected);
    if (distance >= 0.0) {
        for (const PathFinding& f : report->findings()) {
            if (f.kind == PathFindingKind::Zone) {
                QCOMPARE(f.distance, distance);
                break;
            }
        }
    }
}

void PathCheckTest::carriesTheOtherCoordinateAndTheMode() {
    // X alone keeps Y, Y alone keeps X; G01 stays until G00.
    const Result<PathCheckReport> report = CheckPath(
        lines({"N10 G01 X300 Y300", "N20 X-300", "N30 Y-300", "N40 G00 X300", "N50 X-300 Y-100"}),
        PathCheckSettings{});
    QVERIFY(report.ok());
    QCOMPARE(summary(*report), QStringList({"elbow@1", "elbow@3", "elbow@4"}));
    const std::vector<PathFinding>& f = report->findings();
    QCOMPARE(f[0].fromY, 300.0);
    QCOMPARE(f[0].toY, 300.0);
    QVERIFY(f[0].penDown);
    QCOMPARE(f[1].fromX, -300.0);
    QCOMPARE(f[1].fromY, -300.0);
    QVERIFY(!f[1].penDown);
    QVERIFY(!f[2].penDown);
}

void PathCheckTest::reportsInTheStationsWords() {
    const Result<PathCheckReport> report = CheckPath(
        lines({"N10 G01 X-400 Y400", "N20 G00 X-300 Y100", "N30 X149,5 Y300", "N40 X149,5 Y-300"}),
        PathCheckSettings{});
    QVERIFY(report.ok());
    QCOMPARE(report->texts(10),
             QStringList({"W bloku 10 nastapiło przekroczenie zasięgu manipulatora:",
                          "W bloku 10 ruch przecina oś Y z opuszczonym pisakiem: łokieć "
                          "przerzuca się",
                          "W bloku 30 ruch przecina oś Y: łokieć przerzuca się",
                          "W bloku 40 ruch wchodzi w obszar zabroniony (odległość od podstawy "
                          "149,5)"}));
    QCOMPARE(report->texts(2).size(), 2);
    QCOMPARE(report->blockWord(report->findings().front()), QByteArray("N10"));
    QCOMPARE(report->count(PathFindingKind::Elbow), 2);
    QCOMPARE(report->count(PathFindingKind::Zone), 1);
    QCOMPARE(report->count(), 4);
}

void PathCheckTest::badNumbersEndTheCheck() {
    const Result<PathCheckReport> report =
        CheckPath(lines({"N10 G00 X100 Y100", "N20 X1a2 Y0"}), PathCheckSettings{});
    QVERIFY(!report.ok());
    QCOMPARE(report.error(), QStringLiteral("'1a2' is not a valid floating point value"));
}

void PathCheckTest::theRadiusIsASetting() {
    const ProgramText program = lines({"N10 G00 X300 Y200", "N20 X300 Y-200"});
    QCOMPARE(CheckPath(program, PathCheckSettings{})->count(), 0);
    QCOMPARE(CheckPath(program, PathCheckSettings{301.0})->count(), 1);
    QCOMPARE(CheckPath(program, PathCheckSettings{300.0})->count(), 0);
}

void PathCheckTest::thePreparationChecksTheSameMoves_data() {
    QTest::addColumn<QList<QByteArray>>("program");
    QTest::addColumn<QStringList>("expected"); // over the prepared lines
    QTest::newRow("rounded, repeats dropped, mode carried")
        << QList<QByteArray>{"N10 G01 X149,6 Y300",
                             "N20 X149,6 Y300",
                             "N30 X150 Y-300",
                             "N40 G00 X-10,2",
                             "N50 Y-400",
                             "N60 G02 X5 Y5",
                             "N70 M30"}
        << QStringList{"elbow@2", "zone@4", "elbow@4"};
    QTest::newRow("a bad G is the simulation's to report")
        << QList<QByteArray>{"N10 G0A X0 Y300"} << QStringList{"elbow@0"};
}

// The pass checks as it goes what CheckPath finds in its output.
void PathCheckTest::thePreparationChecksTheSameMoves() {
    QFETCH(QList<QByteArray>, program);
    QFETCH(QStringList, expected);
    PrepareSettings settings;
    settings.pathCheck = PathCheckSettings{};
    const Result<PreparedProgram> prepared = PrepareProgram(lines(program), settings);
    QVERIFY(prepared.ok());
    QCOMPARE(summary(prepared->pathCheck), expected);
    QVERIFY(PrepareProgram(lines(program), PrepareSettings{})->pathCheck.isEmpty());
    const Result<PathCheckReport> again = CheckPath(prepared->lines, PathCheckSettings{});
    if (again.ok()) {
        QCOMPARE(summary(*again), expected);
        for (std::size_t i = 0; i < again->findings().size(); ++i) {
            QCOMPARE(again->findings()[i].penDown, prepared->pathCheck.findings()[i].penDown);
            QCOMPARE(again->text(again->findings()[i]),
                     prepared->pathCheck.text(prepared->pathCheck.findings()[i]));
        }
    }
}

// The quick reading of move words gives what the station's number reader
// gives, to the last bit, and hands everything else to it.
void PathCheckTest::wordNumbersAsTheStationReadsThem_data() {
    QTest::addColumn<QByteArray>("text");
    for (const char* text : {"12",
                             "-3",
                             "0",
                             "-0",
                             "0,5",
                             "12.25",
                             "-0.001",
                             "0.1",
                             "2.675",
                             "123456789012345",
                             "12345678901234,5",
                             "1234567890123456",
                             "0,1234567890123",
                             "9007199254740993",
                             ",5",
                             "5,",
                             "-,5",
                             "1,2,3",
                             "1e3",
                             "-",
                             ",",
                             "1-2",
                             "+5",
                             "00012,500"})
        QTest::newRow(text) << QByteArray(text);
}

void PathCheckTest::wordNumbersAsTheStationReadsThem() {
    QFETCH(QByteArray, text);
    const Result<double> quick = WordNumber(text);
    const Result<double> station = ParseWordReal(text);
    QCOMPARE(bool(quick), bool(station));
    if (quick)
        QCOMPARE(std::bit_cast<quint64>(*quick + 0.0), std::bit_cast<quint64>(*station + 0.0));
    else
        QCOMPARE(quick.error(), station.error());
}

QTEST_APPLESS_MAIN(PathCheckTest)
#include "tst_gcode_pathcheck.moc"
