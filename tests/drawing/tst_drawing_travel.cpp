// Pen-up travel routed around the forbidden circle, from the home point and
// between strokes, checked by the path check.
#include "drawing/drawingprogram.h"
#include "drawing/travelroute.h"
#include "gcode/pathcheck.h"

#include <QTest>

#include <cmath>
#include <numbers>

namespace {

double distanceToBase(PathPoint a, PathPoint b) {
    const double dx = b.x - a.x, dy = b.y - a.y, length = dx * dx + dy * dy;
    const double t = length > 0 ? std::clamp(-(a.x * dx + a.y * dy) / length, 0.0, 1.0) : 0.0;
    return std::hypot(a.x + t * dx, a.y + t * dy);
}

} // namespace

class TravelTest : public QObject {
    Q_OBJECT

private slots:
    void waypoints_data() {
        QTest::addColumn<double>("fromX");
        QTest::addColumn<double>("fromY");
        QTest::addColumn<double>("toX");
        QTest::addColumn<double>("toY");
        QTest::addColumn<double>("margin");
        QTest::addColumn<bool>("around");
        QTest::newRow("home to the left") << 500.0 << 0.0 << -300.0 << 50.0 << 10.0 << true;
        QTest::newRow("home to the right") << 500.0 << 0.0 << 200.0 << 300.0 << 10.0 << false;
        QTest::newRow("left to right low") << -200.0 << 10.0 << 200.0 << 10.0 << 10.0 << true;
        QTest::newRow("right to left low") << 200.0 << 10.0 << -200.0 << 10.0 << 10.0 << true;
        QTest::newRow("on the circle across") << -160.0 << 10.0 << 160.0 << 10.0 << 10.0 << true;
        QTest::newRow("above the circle") << -200.0 << 300.0 << 200.0 << 300.0 << 10.0 << false;
        QTest::newRow("just past the top") << -100.0 << 165.0 << 100.0 << 165.0 << 10.0 << false;
        QTest::newRow("grazing the top") << -100.0 << 155.0 << 100.0 << 155.0 << 10.0 << true;
        QTest::newRow("no margin") << -200.0 << 10.0 << 200.0 << 10.0 << 0.0 << true;
        QTest::newRow("wide margin") << -300.0 << 40.0 << 300.0 << 40.0 << 40.0 << true;
    }
    void waypoints() {
        QFETCH(double, fromX);
        QFETCH(double, fromY);
        QFETCH(double, toX);
        QFETCH(double, toY);
        QFETCH(double, margin);
        QFETCH(bool, around);
        PlacementSettings settings;
        settings.margin = margin;
        const TravelRoute route(settings);
        const PathPoint from{fromX, fromY}, to{toX, toY};
        const std::vector<PathPoint> points = route.waypoints(from, to);
        QCOMPARE(!points.empty(), around);
        QVERIFY(route.radius() >= 150 + margin);
        PathPoint at = from;
        std::vector<PathPoint> all = points;
        all.push_back(to);
        for (const PathPoint& p : all) {
            QVERIFY2(distanceToBase(at, p) > 150.5,
                     qPrintable(QStringLiteral("%1 %2").arg(p.x).arg(p.y)));
            if (&p != &all.back()) {
                QVERIFY(std::abs(std::hypot(p.x, p.y) - route.radius()) < 1e-9);
                QVERIFY(p.y > 0); // over the top, never below the X axis
            }
            at = p;
        }
        for (size_t i = 1; i < points.size(); ++i) {
            const double a = std::atan2(points[i - 1].y, points[i - 1].x);
            const double b = std::atan2(points[i].y, points[i].x);
            QVERIFY(std::abs(a - b) <= 20 * std::numbers::pi / 180 + 1e-9);
        }
    }

    // A drawing whose strokes lie on both sides of the circle, routed and
    // written: the path check finds no move that enters the circle.
    void routedProgramStaysOutOfTheCircle() {
        Drawing drawing;
        drawing.paths = {DrawnPath{{{-300, 20}, {-200, 20}}, 1},
                         DrawnPath{{{200, 20}, {300, 20}}, 1},
                         DrawnPath{{{-250, 15}, {-170, 60}}, 1}};
        const ProgramText unrouted = WriteDrawingProgram(drawing);
        QVERIFY(CheckPath(unrouted, {})->count(PathFindingKind::Zone) > 0);
        RouteTravel(drawing, kDrawingHome, {});
        QVERIFY(!drawing.paths[0].approach.empty()); // from the home point
        QVERIFY(!drawing.paths[1].approach.empty());
        QVERIFY(!drawing.paths[2].approach.empty());
        const ProgramText routed = WriteDrawingProgram(drawing);
        const Result<PathCheckReport> report = CheckPath(routed, {});
        QVERIFY(report);
        QCOMPARE(report->count(PathFindingKind::Zone), 0);
        QCOMPARE(report->count(PathFindingKind::Reach), 0);
        // The drawn lines are the same.
        qsizetype drawn = 0;
        for (qsizetype i = 0; i < routed.lineCount(); ++i)
            drawn += routed.line(i).contains("G01");
        QCOMPARE(drawn, 3);
    }
};

QTEST_GUILESS_MAIN(TravelTest)
#include "tst_drawing_travel.moc"
