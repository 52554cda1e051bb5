#include "syntheticarm.h"

#include "gcode/gcodeblock.h"
#include "gcode/programwalk.h"
#include "motion/programcorrection.h"

#include <QTest>

#include <cmath>

Q_DECLARE_METATYPE(ArmCalibration)

namespace {

// A line's X and Y words, as the walker reads them (empty: absent).
struct MoveWords {
    QByteArray x, y;
};
MoveWords FindMoveWords(QByteArrayView line) {
    BlockView block;
    block.parseKeepingPoints(line);
    return {block.word(GcodeWord::X).toByteArray(), block.word(GcodeWord::Y).toByteArray()};
}

const CalibrationPattern& pattern() {
    static const CalibrationPattern p = MakeCalibrationPattern();
    return p;
}

double distance(ArmPoint a, ArmPoint b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

} // namespace

class CalibrationTest : public QObject {
    Q_OBJECT

private slots:
    void patternKeepsToTheSafeAreaAndTheRuler();
    void patternProgramDrawsEveryCross();
    void recoversSyntheticArms_data();
    void recoversSyntheticArms();
    void correctedArmsDrawTrue_data();
    void correctedArmsDrawTrue();
    void correctedPointRoundTrips_data();
    void correctedPointRoundTrips();
    void besideTheAxisDrawsTheNearestPoint();
    void correctedProgramRoundTrips();
    void longMovesAreSplit();
    void refusesBadMeasures_data();
    void refusesBadMeasures();
};

void CalibrationTest::patternKeepsToTheSafeAreaAndTheRuler() {
    const CalibrationPattern& p = pattern();
    QVERIFY(p.pairs.size() <= 60);
    QVERIFY(p.pairs.size() >= 30);
    for (const ArmPoint c : p.crosses) {
        const double r = std::hypot(c.x, c.y);
        QVERIFY2(r >= arm::kDefaultForbiddenRadius + 10 && r <= arm::kReach - 10,
                 qPrintable(QString("%1 %2").arg(c.x).arg(c.y)));
        QVERIFY(c.y >= 10);
    }
    for (const CalibrationPair& pair : p.pairs) {
        QVERIFY(pair.first != pair.second);
        QVERIFY(distance(p.crosses[pair.first], p.crosses[pair.second]) <= 500);
    }
}

void CalibrationTest::patternProgramDrawsEveryCross() {
    const ProgramText program = WriteCalibrationPattern(pattern());
    const CalibrationPattern& p = pattern();
    int found = 0;
    for (const ArmPoint c : p.crosses) {
        for (qsizetype i = 0; i < program.lineCount(); ++i) {
            const MoveWords w = FindMoveWords(program.line(i));
            if (!w.x.isEmpty() && !w.y.isEmpty() && *WordNumber(w.x) == c.x - 5 &&
                *WordNumber(w.y) == c.y) {
                ++found;
                break;
            }
        }
    }
    QCOMPARE(found, int(p.crosses.size()));
}

void CalibrationTest::recoversSyntheticArms_data() {
    QTest::addColumn<ArmCalibration>("arm");
    QTest::addColumn<double>("noise");
    QTest::addColumn<double>("linkTolerance");
    QTest::addColumn<double>("gainTolerance");
    QTest::addColumn<double>("offsetTolerance");
    QTest::newRow("nominal, exact") << ArmCalibration{} << 0.0 << 1e-6 << 1e-9 << 1e-6;
    QTest::newRow("long links, exact")
        << ArmCalibration{251.5, 248.7, 1.003, 0.996, 0.5} << 0.0 << 1e-6 << 1e-9 << 1e-6;
    QTest::newRow("long links, 0.2 mm noise")
        << ArmCalibration{251.5, 248.7, 1.003, 0.996, 0.5} << 0.2 << 0.3 << 0.001 << 0.1;
    QTest::newRow("short elbow, 0.2 mm noise")
        << ArmCalibration{249, 252, 0.997, 1.004, -0.8} << 0.2 << 0.3 << 0.001 << 0.1;
}

void CalibrationTest::recoversSyntheticArms() {
    QFETCH(ArmCalibration, arm);
    QFETCH(double, noise);
    QFETCH(double, linkTolerance);
    QFETCH(double, gainTolerance);
    QFETCH(double, offsetTolerance);
    const Result<CalibrationFit> fit = FitCalibration(synthetic::measure(pattern(), arm, noise, 7));
    QVERIFY2(fit.ok(), fit.ok() ? "" : qPrintable(fit.error()));
    const ArmCalibration& c = fit->calibration;
    QVERIFY2(std::fabs(c.link1 - arm.link1) <= linkTolerance, qPrintable(QString::number(c.link1)));
    QVERIFY2(std::fabs(c.link2 - arm.link2) <= linkTolerance, qPrintable(QString::number(c.link2)));
    QVERIFY(std::fabs(c.shoulderGain - arm.shoulderGain) <= gainTolerance);
    QVERIFY(std::fabs(c.elbowGain - arm.elbowGain) <= gainTolerance);
    QVERIFY2(std::fabs(c.elbowOffset - arm.elbowOffset) <= offsetTolerance,
             qPrintable(QString::number(c.elbowOffset)));
    QVERIFY(fit->residualRms <= 2 * noise + 1e-6);
    // The uncertainties tell the error's size.
    if (noise > 0) {
        QVERIFY(std::fabs(c.link1 - arm.link1) <= 4 * fit->uncertainty[0]);
        QVERIFY(std::fabs(c.elbowOffset - arm.elbowOffset) <= 4 * fit->uncertainty[4]);
    }
}

void CalibrationTest::correctedArmsDrawTrue_data() {
    QTest::addColumn<unsigned>("seed");
    QTest::newRow("arm 1") << 1u;
    QTest::newRow("arm 2") << 2u;
    QTest::newRow("arm 3") << 3u;
}

void CalibrationTest::correctedArmsDrawTrue() {
    QFETCH(unsigned, seed);
    const ArmCalibration arm = synthetic::randomArm(seed);
    const Result<CalibrationFit> fit =
        FitCalibration(synthetic::measure(pattern(), arm, 0.2, seed + 100));
    QVERIFY(fit.ok());
    const double uncorrected = synthetic::drawingRms(arm, ArmCalibration{});
    const double corrected = synthetic::drawingRms(arm, fit->calibration, true);
    QVERIFY2(corrected < 0.2, qPrintable(QString::number(corrected)));
    // Without the turn about the base no ruler sees, still within a few
    // tenths.
    QVERIFY(synthetic::drawingRms(arm, fit->calibration) < 0.3);
    QVERIFY(corrected < uncorrected / 4);
}

void CalibrationTest::correctedPointRoundTrips_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::newRow("right") << 300.0 << 200.0;
    QTest::newRow("left") << -250.0 << 320.0;
    QTest::newRow("near the inner circle") << 120.0 << 110.0;
    QTest::newRow("near the reach") << 20.0 << 485.0;
    QTest::newRow("near the Y axis, right") << 10.0 << 300.0;
    QTest::newRow("near the Y axis, left") << -10.0 << 300.0;
    QTest::newRow("low, left") << -470.0 << 12.0;
}

void CalibrationTest::correctedPointRoundTrips() {
    QFETCH(double, x);
    QFETCH(double, y);
    for (const ArmCalibration& arm : {ArmCalibration{251.5, 248.7, 1.003, 0.996, 0.5},
                                      ArmCalibration{249, 252, 0.997, 1.004, -0.8}}) {
        const std::optional<CorrectedPoint> c = CorrectPoint(arm, {x, y});
        QVERIFY(c);
        const ArmPoint drawn = DrawnPoint(arm, c->commanded);
        QVERIFY2(distance(drawn, {x, y}) < 1e-6,
                 qPrintable(QString::number(distance(drawn, {x, y}))));
        // The elbow bends as the station bends it there.
        if (std::fabs(x) > 5)
            QCOMPARE(c->angles.beta<0, x> 0);
    }
}

void CalibrationTest::besideTheAxisDrawsTheNearestPoint() {
    // The elbow's offset moves what the two bends draw at the Y axis apart:
    // a point between them is drawn by neither.
    const ArmCalibration arm{249, 252, 0.997, 1.004, -0.8};
    const ArmPoint intended{0.5, 300};
    const std::optional<CorrectedPoint> c = CorrectPoint(arm, intended);
    QVERIFY(c);
    QVERIFY(!c->exact);
    QCOMPARE(std::fabs(c->commanded.x), kAxisClearance);
    const ArmPoint drawn = DrawnPoint(arm, c->commanded);
    QVERIFY(distance(drawn, intended) < 5);
    const Result<CorrectedProgram> corrected = CorrectProgram(
        ProgramText::fromLines({"N10 G00 X200 Y300 Z10", "N20 G01 X0,5 Y300 Z1"}), arm);
    QVERIFY(corrected.ok());
    QCOMPARE(corrected->approximate, 1);
    QCOMPARE(corrected->firstApproximateLine, 1);
}

void CalibrationTest::correctedProgramRoundTrips() {
    const ArmCalibration arm{249.5, 249.8, 1.003, 0.996, 0.5};
    const ProgramText program = ProgramText::fromLines({
        "N10 G00 X200 Y150 Z10",
        "N20 G01 X210.5 Z1 F300",
        "N30 Y170,25",
        "(a comment line)",
        "N40 M00",
        "N50 G01 Y180 X-150 Z1",
        "N60 G00 X500 Y0 Z10",
    });
    const std::vector<ArmPoint> intended{
        {200, 150}, {210.5, 150}, {210.5, 170.25}, {-150, 180}, {500, 0}};
    CorrectionSettings settings;
    settings.decimals = 9;
    settings.tolerance = 1e9; // no splitting here
    const Result<CorrectedProgram> corrected = CorrectProgram(program, arm, settings);
    QVERIFY(corrected.ok());
    const ProgramText& out = corrected->program;
    QCOMPARE(out.lineCount(), program.lineCount());
    // The home point lies beyond the shorter arm's reach: kept as written.
    QCOMPARE(corrected->unreachable, 1);
    QCOMPARE(corrected->firstUnreachableLine, 6);
    QCOMPARE(out.line(3), program.line(3));
    QCOMPARE(out.line(4), program.line(4));
    QCOMPARE(out.line(6), program.line(6));
    std::size_t next = 0;
    double previousBeta = 0;
    for (qsizetype i = 0; i < out.lineCount() - 1; ++i) {
        const MoveWords w = FindMoveWords(out.line(i));
        if (w.x.isEmpty())
            continue;
        QVERIFY(!w.y.isEmpty());
        const ArmPoint commanded{*WordNumber(w.x), *WordNumber(w.y)};
        const JointAngles a = SolveJointAngles(commanded.x, commanded.y, previousBeta);
        previousBeta = a.beta;
        QVERIFY2(distance(RealPen(arm, a), intended[next++]) < 1e-6, out.line(i).data());
        // Every other word stays as it was.
        const GcodeBlock before = ParseBlock(program.line(i));
        const GcodeBlock after = ParseBlock(out.line(i));
        for (GcodeWord word : {GcodeWord::N, GcodeWord::G, GcodeWord::Z, GcodeWord::F})
            QCOMPARE(after.word(word), before.word(word));
    }
    QCOMPARE(next, std::size_t(4));
}

void CalibrationTest::longMovesAreSplit() {
    const ArmCalibration arm{251.5, 248.7, 1.003, 0.996, 0.5};
    const ProgramText program = ProgramText::fromLines({
        "N10 G00 X-300 Y300 Z10",
        "N20 G01 X-50 Y450 Z1",
        "N30 G01 X-400 Y60 Z1",
    });
    const Result<CorrectedProgram> corrected = CorrectProgram(program, arm);
    QVERIFY(corrected.ok());
    QVERIFY(corrected->addedLines > 4);
    const ProgramText& out = corrected->program;
    QCOMPARE(out.lineCount(), program.lineCount() + corrected->addedLines);
    QVERIFY(out.line(out.lineCount() - 1).startsWith("N30 G01 X"));
    // Where the real arm draws every step of the even joint turns, against
    // the straight lines.
    JointAngles from;
    bool started = false;
    double worst = 0;
    for (qsizetype i = 0; i < out.lineCount(); ++i) {
        const MoveWords w = FindMoveWords(out.line(i));
        const JointAngles to = SolveJointAngles(*WordNumber(w.x), *WordNumber(w.y), 1);
        if (started) {
            for (int s = 1; s < 16; ++s) {
                const double t = s / 16.0;
                const ArmPoint p = RealPen(arm, {from.alfa + t * (to.alfa - from.alfa),
                                                 from.beta + t * (to.beta - from.beta)});
                // The intended lines are x = -300 + ... : the distance to
                // either straight line.
                const auto line = [&p](ArmPoint a, ArmPoint b) {
                    const double dx = b.x - a.x, dy = b.y - a.y;
                    return std::fabs((p.x - a.x) * dy - (p.y - a.y) * dx) / std::hypot(dx, dy);
                };
                worst = std::max(
                    worst, std::min(line({-300, 300}, {-50, 450}), line({-50, 450}, {-400, 60})));
            }
        }
        from = to;
        started = true;
    }
    QVERIFY2(worst <= 0.1 + 1e-3, qPrintable(QString::number(worst)));
}

void CalibrationTest::refusesBadMeasures_data() {
    QTest::addColumn<int>("keep");
    QTest::addColumn<int>("mistyped");
    QTest::addColumn<double>("scale");
    QTest::addColumn<bool>("samePair");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("line");
    QTest::newRow("too few") << 5 << -1 << 1.0 << false
                             << "Pomiarów jest 5, a dopasowanie potrzebuje co najmniej 6." << -1;
    QTest::newRow("one pair over and over")
        << 10 << -1 << 1.0 << true << "Pomiary nie wyznaczają wartości ramienia" << -1;
    QTest::newRow("a mistyped distance")
        << 60 << 17 << 1.0 << false << "Wiersz 18: pomiar odbiega od pozostałych o" << 17;
    QTest::newRow("an arm too short for the pattern")
        << 60 << -1 << 0.8 << false << "Z dopasowanymi wartościami ramię nie sięga krzyżyka" << -2;
}

void CalibrationTest::refusesBadMeasures() {
    QFETCH(int, keep);
    QFETCH(int, mistyped);
    QFETCH(double, scale);
    QFETCH(bool, samePair);
    QFETCH(QString, message);
    QFETCH(int, line);
    std::vector<CalibrationMeasure> m = synthetic::measure(pattern(), ArmCalibration{}, 0.1, 3);
    m.resize(std::size_t(keep));
    for (CalibrationMeasure& measure : m) {
        if (samePair)
            measure = {m[0].first, m[0].second, m[0].distance, measure.line};
        measure.distance *= scale;
    }
    if (mistyped >= 0)
        m[std::size_t(mistyped)].distance += 10;
    const Result<CalibrationFit> fit = FitCalibration(m);
    QVERIFY(!fit.ok());
    QVERIFY2(fit.error().startsWith(message), qPrintable(fit.error()));
    if (line != -2)
        QCOMPARE(fit.failure().line, qsizetype(line));
}

QTEST_APPLESS_MAIN(CalibrationTest)
#include "tst_motion_calibration.moc"
