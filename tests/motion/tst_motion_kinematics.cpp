#include "motion/jointstepper.h"
#include "motion/kinematics.h"
#include "motion/viewpose.h"

#include <QTest>

#include <cmath>
#include <numbers>

namespace {

// The pen position of a pose, by the forward relation.
QPointF forward(const JointAngles& a) {
    const double rad = std::numbers::pi / 180.0;
    const double l = arm::kLinkLength;
    return {l * std::cos(a.alfa * rad) + l * std::cos((a.alfa + a.beta) * rad),
            l * std::sin(a.alfa * rad) + l * std::sin((a.alfa + a.beta) * rad)};
}

} // namespace

class KinematicsTest : public QObject {
    Q_OBJECT

private slots:
    void solvesWorkedExamples_data();
    void solvesWorkedExamples();
    void axisPointsTakeTheOppositeBend();
    void straightUpIsNotADivisionByZero();
    void roundTripsThroughTheForwardRelation();
    void beyondTheReachCarriesTheCosineAsRadians();
    void belowTheAxisFoldsThroughTheBase();

    void stepsWorkedExamples_data();
    void stepsWorkedExamples();
    void stepsInTheOppositeDirection();
    void writesViewAnglesAtEverySubStep();
};

void KinematicsTest::solvesWorkedExamples_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("alfa");
    QTest::addColumn<double>("beta");
    QTest::addColumn<double>("tolerance");
    QTest::newRow("home") << 500.0 << 0.0 << 0.0 << 0.0 << 1e-9;
    QTest::newRow("right square") << 250.0 << 250.0 << 90.0 << -90.0 << 1e-9;
    QTest::newRow("left square") << -250.0 << 250.0 << 90.0 << 90.0 << 1e-9;
    QTest::newRow("right") << 300.0 << 200.0 << 77.5438 << -87.7076 << 1e-4;
    QTest::newRow("left mirror") << -300.0 << 200.0 << 102.4562 << 87.7076 << 1e-4;
    QTest::newRow("elbow across the axis") << 100.0 << 100.0 << 118.5701 << -147.1401 << 1e-4;
    QTest::newRow("far side folds home") << -500.0 << 0.0 << 0.0 << 0.0 << 1e-9;
    QTest::newRow("base") << 0.0 << 0.0 << 0.0 << 180.0 << 1e-9;
}

void KinematicsTest::solvesWorkedExamples() {
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(double, alfa);
    QFETCH(double, beta);
    QFETCH(double, tolerance);
    const JointAngles a = SolveJointAngles(x, y, 0.0);
    QVERIFY2(std::fabs(a.alfa - alfa) < tolerance, qPrintable(QString::number(a.alfa, 'g', 17)));
    QVERIFY2(std::fabs(a.beta - beta) < tolerance, qPrintable(QString::number(a.beta, 'g', 17)));
}

void KinematicsTest::axisPointsTakeTheOppositeBend() {
    const JointAngles afterRight = SolveJointAngles(0.0, 250.0, -10.0);
    QVERIFY(std::fabs(afterRight.beta - 120.0) < 1e-9);
    QVERIFY(std::fabs(afterRight.alfa - 30.0) < 1e-9);
    const JointAngles afterLeft = SolveJointAngles(0.0, 250.0, 10.0);
    QVERIFY(std::fabs(afterLeft.beta + 120.0) < 1e-9);
    QVERIFY(std::fabs(afterLeft.alfa - 150.0) < 1e-9);
    for (const JointAngles& a : {afterRight, afterLeft}) {
        const QPointF pen = forward(a);
        QVERIFY(std::fabs(pen.x()) < 1e-9 && std::fabs(pen.y() - 250.0) < 1e-9);
    }
    // The base flips the same way.
    QCOMPARE(SolveJointAngles(0.0, 0.0, 5.0).beta, -180.0);
    QCOMPARE(SolveJointAngles(0.0, 0.0, -5.0).beta, 180.0);
}

void KinematicsTest::straightUpIsNotADivisionByZero() {
    const JointAngles a = SolveJointAngles(0.0, 500.0, 0.0);
    QCOMPARE(a.alfa, 89.99999999999997);
    QCOMPARE(a.beta, 0.0);
}

void KinematicsTest::roundTripsThroughTheForwardRelation() {
    int checked = 0;
    for (int x = -500; x <= 500; x += 7) {
        for (int y = 0; y <= 500; y += 7) {
            if (x * x + y * y > 250000 || (x == 0 && y == 0) || (x == -500 && y == 0))
                continue;
            for (double previousBeta : {-1.0, 0.0, 1.0}) {
                const QPointF pen = forward(SolveJointAngles(x, y, previousBeta));
                QVERIFY2(std::fabs(pen.x() - x) < 1e-6 && std::fabs(pen.y() - y) < 1e-6,
                         qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
                ++checked;
            }
        }
    }
    QVERIFY(checked > 1000);
}

void KinematicsTest::beyondTheReachCarriesTheCosineAsRadians() {
    // (600, 0): q = (360000 - 125000) / 125000 = 1.88, carried on as radians.
    const JointAngles a = SolveJointAngles(600.0, 0.0, 0.0);
    QVERIFY(std::fabs(a.beta + 1.88 * 180.0 / std::numbers::pi) < 1e-9);
    const QPointF pen = forward(a);
    QVERIFY(std::hypot(pen.x(), pen.y()) < 500.0);
}

void KinematicsTest::belowTheAxisFoldsThroughTheBase() {
    // The true shoulder angle of (200, -300) is negative: the pen lands at
    // the point reflected through the base.
    const JointAngles a = SolveJointAngles(200.0, -300.0, 0.0);
    QVERIFY(a.alfa >= 0.0 && a.alfa < 180.0);
    const QPointF pen = forward(a);
    QVERIFY(std::fabs(pen.x() + 200.0) < 1e-6 && std::fabs(pen.y() - 300.0) < 1e-6);
}

void KinematicsTest::stepsWorkedExamples_data() {
    QTest::addColumn<double>("fromAlfa");
    QTest::addColumn<double>("fromBeta");
    QTest::addColumn<double>("toAlfa");
    QTest::addColumn<double>("toBeta");
    QTest::addColumn<qint64>("alfaSteps");
    QTest::addColumn<qint64>("betaSteps");
    QTest::addColumn<double>("endAlfa");
    QTest::addColumn<double>("endBeta");
    QTest::newRow("alfa to the band of 10.2")
        << 10.0 << 0.0 << 10.2 << 0.0 << qint64(214) << qint64(0) << 10.1505 << 0.0;
    QTest::newRow("band of 10.1 entered at 10.05")
        << 10.0 << 0.0 << 10.149 << 0.0 << qint64(72) << qint64(0) << 10.0506 << 0.0;
    QTest::newRow("102.5 rounds to even")
        << 10.0 << 0.0 << 10.25 << 0.0 << qint64(214) << qint64(0) << 10.1505 << 0.0;
    QTest::newRow("alfa leads, beta in proportion")
        << 10.0 << 0.0 << 20.0 << -5.0 << qint64(14152) << qint64(7076) << 19.9506 << -4.9753;
    QTest::newRow("alfa change below the quantum")
        << 0.0 << 0.0 << 0.005 << 30.0 << qint64(0) << qint64(0) << 0.0 << 0.0;
    QTest::newRow("beta leads") << 10.02 << 0.0 << 10.04 << 5.0 << qint64(28) << qint64(7041)
                                << 10.0397 << 4.9507;
    QTest::newRow("same band, no motion")
        << 10.0 << 0.0 << 10.04 << 0.0 << qint64(0) << qint64(0) << 10.0 << 0.0;
}

void KinematicsTest::stepsWorkedExamples() {
    QFETCH(double, fromAlfa);
    QFETCH(double, fromBeta);
    QFETCH(double, toAlfa);
    QFETCH(double, toBeta);
    QFETCH(qint64, alfaSteps);
    QFETCH(qint64, betaSteps);
    QFETCH(double, endAlfa);
    QFETCH(double, endBeta);
    ViewPose view;
    const JointStepRun run = StepJoints({fromAlfa, fromBeta}, toAlfa, toBeta, view);
    QCOMPARE(run.alfaSubSteps, alfaSteps);
    QCOMPARE(run.betaSubSteps, betaSteps);
    QVERIFY2(std::fabs(run.current.alfa - endAlfa) < 1e-4,
             qPrintable(QString::number(run.current.alfa, 'g', 17)));
    QVERIFY2(std::fabs(run.current.beta - endBeta) < 1e-4,
             qPrintable(QString::number(run.current.beta, 'g', 17)));
}

void KinematicsTest::stepsInTheOppositeDirection() {
    ViewPose view;
    const JointStepRun run = StepJoints({20.0, -5.0}, 10.0, 0.0, view);
    QCOMPARE(run.alfaSubSteps, qint64(14152));
    QCOMPARE(run.betaSubSteps, qint64(7076));
    QVERIFY(std::fabs(run.current.alfa - 10.05) < 1e-3);
    QVERIFY(run.current.beta < 0.0 && run.current.beta > -0.1);
}

void KinematicsTest::writesViewAnglesAtEverySubStep() {
    ViewPose view;
    const JointStepRun run = StepJoints({10.0, 0.0}, 20.0, -5.0, view);
    QCOMPARE(view.Arm1Angle.load(), static_cast<float>(run.current.alfa - 90.0));
    QCOMPARE(view.Arm2Angle.load(), static_cast<float>(run.current.beta));
    // Nothing moves, nothing is written.
    ViewPose still;
    StepJoints({0.0, 0.0}, 0.005, 30.0, still);
    QCOMPARE(still.Arm1Angle.load(), -90.0f);
    QCOMPARE(still.Arm2Angle.load(), 0.0f);
}

QTEST_GUILESS_MAIN(KinematicsTest)
#include "tst_motion_kinematics.moc"
