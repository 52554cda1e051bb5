// Hatch fill over shapes of known area under both fill rules: the ink stays
// inside the fill, the lines cover it, joined lines cut the pen lifts, and
// bad spacings are refused.
#include "drawing/hatchfill.h"
#include "drawing/pentexts.h"

#include <QTest>

#include <cmath>
#include <numbers>

Q_DECLARE_METATYPE(FillArea)

namespace {

Ring rectangle(double x0, double y0, double x1, double y1, bool clockwise = false) {
    Ring r{{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
    if (clockwise)
        std::reverse(r.begin(), r.end());
    return r;
}

Ring disc(double cx, double cy, double radius, int points = 96) {
    Ring r;
    for (int i = 0; i < points; ++i) {
        const double a = 2 * std::numbers::pi * i / points;
        r.push_back({cx + radius * std::cos(a), cy + radius * std::sin(a)});
    }
    return r;
}

double ringArea(const Ring& r) {
    double twice = 0;
    for (size_t i = 0; i < r.size(); ++i) {
        const PathPoint a = r[i], b = r[(i + 1) % r.size()];
        twice += a.x * b.y - b.x * a.y;
    }
    return std::abs(twice) / 2;
}

// A five-pointed star drawn in one self-crossing ring, circumradius 50.
Ring star() {
    Ring r;
    for (int i = 0; i < 5; ++i) {
        const double a = std::numbers::pi / 2 + 4 * std::numbers::pi * i / 5;
        r.push_back({50 * std::cos(a), 50 * std::sin(a)});
    }
    return r;
}
// Its area with the middle pentagon (nonzero) and without it (evenodd).
double starArea(bool withMiddle) {
    const double R = 50,
                 r = R * std::cos(2 * std::numbers::pi / 5) / std::cos(std::numbers::pi / 5);
    const double whole = 5 * R * r * std::sin(std::numbers::pi / 5);
    const double middle = 2.5 * r * r * std::sin(2 * std::numbers::pi / 5);
    return withMiddle ? whole : whole - middle;
}

// A bar on top of five teeth hanging down: 6000 square units.
Ring comb() {
    Ring r{{0, 100}, {0, 0}};
    for (int tooth = 0; tooth < 5; ++tooth) {
        const double x = 20.0 * tooth;
        if (tooth > 0)
            r.insert(r.end(), {{x, 80}, {x, 0}});
        r.insert(r.end(), {{x + 10, 0}, {x + 10, 80}});
    }
    r.push_back({100, 80});
    r.push_back({100, 100});
    return r;
}

// The area's points next to a point: inside, or within `slack` of inside.
bool nearlyInside(const FillArea& area, PathPoint p, double slack) {
    if (FillContains(area, p))
        return true;
    for (double dx : {-slack, slack}) {
        for (double dy : {-slack, slack}) {
            if (FillContains(area, {p.x + dx, p.y + dy}))
                return true;
        }
    }
    return false;
}

} // namespace

class DrawingHatchTest : public QObject {
    Q_OBJECT

private slots:
    void hatchInsideCoversAndJoins_data() {
        QTest::addColumn<FillArea>("area");
        QTest::addColumn<double>("fillArea");
        QTest::addColumn<int>("mostLifts"); // hatch strokes at most
        const FillArea square{{rectangle(0, 0, 100, 100)}, FillRule::NonZero};
        const Ring hole = rectangle(25, 25, 75, 75, true), sameWay = rectangle(25, 25, 75, 75);
        const Ring island = rectangle(40, 40, 60, 60);
        const Ring round = disc(0, 0, 40);
        QTest::newRow("square") << square << 10000.0 << 1;
        QTest::newRow("disc") << FillArea{{round}, FillRule::NonZero} << ringArea(round) << 1;
        QTest::newRow("hole, nonzero")
            << FillArea{{square.rings[0], hole}, FillRule::NonZero} << 7500.0 << 4;
        QTest::newRow("hole wound the same way, nonzero")
            << FillArea{{square.rings[0], sameWay}, FillRule::NonZero} << 10000.0 << 1;
        QTest::newRow("hole, evenodd")
            << FillArea{{square.rings[0], sameWay}, FillRule::EvenOdd} << 7500.0 << 4;
        QTest::newRow("island in the hole, evenodd")
            << FillArea{{square.rings[0], sameWay, island}, FillRule::EvenOdd} << 7900.0 << 5;
        QTest::newRow("island in the hole, nonzero")
            << FillArea{{square.rings[0], hole, island}, FillRule::NonZero} << 7900.0 << 5;
        QTest::newRow("star, nonzero")
            << FillArea{{star()}, FillRule::NonZero} << starArea(true) << 5;
        QTest::newRow("star, evenodd")
            << FillArea{{star()}, FillRule::EvenOdd} << starArea(false) << 7;
        QTest::newRow("comb") << FillArea{{comb()}, FillRule::NonZero} << 6000.0 << 5;
    }
    void hatchInsideCoversAndJoins() {
        QFETCH(FillArea, area);
        QFETCH(double, fillArea);
        QFETCH(int, mostLifts);
        HatchSettings settings;
        settings.spacing = 0.5;
        settings.outline = false;
        const Result<std::vector<Stroke>> hatch = HatchFill(area, settings);
        QVERIFY(hatch);
        double hatched = 0;
        qsizetype lines = 0;
        for (const Stroke& stroke : *hatch) {
            for (size_t i = 0; i < stroke.size(); ++i) {
                const PathPoint p = stroke[i];
                QVERIFY(nearlyInside(area, p, 1e-3));
                if (i == 0)
                    continue;
                const PathPoint q = stroke[i - 1], middle{(p.x + q.x) / 2, (p.y + q.y) / 2};
                QVERIFY2(nearlyInside(area, middle, 1e-3), "a joining move leaves the fill");
                if (p.y == q.y) // a hatch line; the others join two
                    hatched += std::abs(p.x - q.x), ++lines;
            }
        }
        // Every line stands for a band of one spacing: the bands cover the fill.
        QVERIFY2(std::abs(hatched * settings.spacing - fillArea) < 0.01 * fillArea,
                 qPrintable(QStringLiteral("%1 against %2").arg(hatched * 0.5).arg(fillArea)));
        QVERIFY2(
            qsizetype(hatch->size()) <= mostLifts,
            qPrintable(QStringLiteral("%1 strokes for %2 lines").arg(hatch->size()).arg(lines)));
    }

    void anglesAndCrossHatchStayInside_data() {
        QTest::addColumn<double>("angle");
        QTest::addColumn<bool>("cross");
        QTest::newRow("30") << 30.0 << false;
        QTest::newRow("-45 crossed") << -45.0 << true;
        QTest::newRow("90") << 90.0 << false;
    }
    void anglesAndCrossHatchStayInside() {
        QFETCH(double, angle);
        QFETCH(bool, cross);
        const FillArea area{{comb(), rectangle(40, 85, 60, 95, true)}, FillRule::NonZero};
        HatchSettings settings;
        settings.spacing = 2;
        settings.angle = angle;
        settings.cross = cross;
        const Result<std::vector<Stroke>> hatch = HatchFill(area, settings);
        QVERIFY(hatch);
        const double a = angle * std::numbers::pi / 180;
        qsizetype along = 0;
        for (size_t s = 0; s + 2 < hatch->size(); ++s) { // the last two: the outline
            const Stroke& stroke = (*hatch)[s];
            for (size_t i = 1; i < stroke.size(); ++i) {
                const PathPoint p = stroke[i], q = stroke[i - 1];
                QVERIFY(nearlyInside(area, {(p.x + q.x) / 2, (p.y + q.y) / 2}, 1e-3));
                const double across =
                    std::abs(-(p.x - q.x) * std::sin(a) + (p.y - q.y) * std::cos(a));
                along += across < 1e-6 ? 1 : 0;
            }
        }
        QVERIFY(along > 0);
        Ring closed = area.rings[1];
        closed.push_back(closed.front());
        QCOMPARE(hatch->back(), closed);
    }

    void refusals_data() {
        QTest::addColumn<double>("spacing");
        QTest::addColumn<QString>("message");
        QTest::newRow("zero") << 0.0 << pen::badSpacing(u"0"_qs);
        QTest::newRow("negative") << -1.5 << pen::badSpacing(u"-1,5"_qs);
        QTest::newRow("over ten million lines")
            << 1e-6 << pen::tooManyHatchLines(u"0,000001"_qs, u"10000000"_qs);
    }
    void refusals() {
        QFETCH(double, spacing);
        QFETCH(QString, message);
        HatchSettings settings;
        settings.spacing = spacing;
        const Result<std::vector<Stroke>> hatch =
            HatchFill({{rectangle(0, 0, 100, 100)}, FillRule::NonZero}, settings);
        QVERIFY(!hatch);
        QCOMPARE(hatch.error(), message);
    }
};

QTEST_GUILESS_MAIN(DrawingHatchTest)
#include "tst_drawing_hatch.moc"
