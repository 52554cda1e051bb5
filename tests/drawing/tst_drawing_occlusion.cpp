// Hidden lines: a rectangle and a disc painted one over the other; what the
// upper one's fill covers of the lower one's strokes is gone, nothing else.
#include "drawing/hatchfill.h"
#include "drawing/occlusion.h"

#include <QTest>

#include <cmath>
#include <numbers>

namespace {

constexpr PathPoint kCentre{100, 30};
constexpr double kRadius = 20;

Ring rectangleRing() {
    return {{0, 0}, {100, 0}, {100, 60}, {0, 60}};
}
Ring discRing() {
    Ring r;
    for (int i = 0; i < 256; ++i) {
        const double a = 2 * std::numbers::pi * i / 256;
        r.push_back({kCentre.x + kRadius * std::cos(a), kCentre.y + kRadius * std::sin(a)});
    }
    return r;
}

// The shape's outline (and, with a spacing, its hatching) and its fill.
PaintedShape painted(const Ring& ring, bool filled, double hatch = 0) {
    const FillArea area{{ring}, FillRule::NonZero};
    HatchSettings settings;
    settings.spacing = hatch > 0 ? hatch : 1;
    std::vector<Stroke> strokes;
    if (hatch > 0) {
        strokes = *HatchFill(area, settings);
    } else {
        strokes = {ring};
        strokes[0].push_back(ring.front());
    }
    return {strokes, filled ? std::optional<FillArea>(area) : std::nullopt};
}

double length(const std::vector<Stroke>& strokes) {
    double sum = 0;
    for (const Stroke& s : strokes) {
        for (size_t i = 1; i < s.size(); ++i)
            sum += std::hypot(s[i].x - s[i - 1].x, s[i].y - s[i - 1].y);
    }
    return sum;
}

bool anyInside(const std::vector<Stroke>& strokes, const FillArea& area) {
    for (const Stroke& s : strokes) {
        for (size_t i = 1; i < s.size(); ++i) {
            for (double t : {0.25, 0.5, 0.75}) {
                const PathPoint p{s[i - 1].x + t * (s[i].x - s[i - 1].x),
                                  s[i - 1].y + t * (s[i].y - s[i - 1].y)};
                if (std::hypot(p.x - kCentre.x, p.y - kCentre.y) < kRadius - 0.01 &&
                    FillContains(area, p))
                    return true;
            }
        }
    }
    return false;
}

} // namespace

class DrawingOcclusionTest : public QObject {
    Q_OBJECT

private slots:
    void discOverRectangle_data() {
        QTest::addColumn<bool>("discFilled");
        QTest::addColumn<double>("hatch");         // of the rectangle; 0: outline only
        QTest::addColumn<double>("hiddenOutline"); // of the rectangle's strokes
        QTest::newRow("filled disc hides the edge") << true << 0.0 << 40.0;
        QTest::newRow("unfilled disc hides nothing") << false << 0.0 << 0.0;
        // Hatching at 2 units, 0,5 to 59,5 high: its lines under the half
        // disc (area 200 pi) are 100 pi long, and the joins there.
        QTest::newRow("filled disc hides the hatching") << true << 2.0 << -1.0;
    }
    void discOverRectangle() {
        QFETCH(bool, discFilled);
        QFETCH(double, hatch);
        QFETCH(double, hiddenOutline);
        const PaintedShape rectangle = painted(rectangleRing(), true, hatch);
        const PaintedShape disc = painted(discRing(), discFilled);
        const Result<std::vector<std::vector<Stroke>>> seen = HideOccluded({rectangle, disc});
        QVERIFY(seen);
        QCOMPARE(seen->size(), size_t(2));
        QCOMPARE((*seen)[1], disc.strokes); // the top shape is drawn whole
        const double hidden = length(rectangle.strokes) - length((*seen)[0]);
        if (hiddenOutline >= 0)
            QVERIFY2(std::abs(hidden - hiddenOutline) < 0.01, qPrintable(QString::number(hidden)));
        else
            QVERIFY2(hidden > 100 * std::numbers::pi * 0.98, qPrintable(QString::number(hidden)));
        if (discFilled)
            QVERIFY(!anyInside((*seen)[0], FillArea{{discRing()}, FillRule::NonZero}));
    }

    void rectangleOverDisc() {
        // Painted the other way round, the rectangle hides the disc's left half.
        const PaintedShape disc = painted(discRing(), true);
        const PaintedShape rectangle = painted(rectangleRing(), true);
        const Result<std::vector<std::vector<Stroke>>> seen = HideOccluded({disc, rectangle});
        QVERIFY(seen);
        QCOMPARE((*seen)[1], rectangle.strokes);
        QVERIFY(std::abs(length((*seen)[0]) - length(disc.strokes) / 2) < 0.01);
        for (const Stroke& s : (*seen)[0]) {
            for (const PathPoint& p : s)
                QVERIFY(p.x >= 100 - 1e-4);
        }
    }
};

QTEST_GUILESS_MAIN(DrawingOcclusionTest)
#include "tst_drawing_occlusion.moc"
