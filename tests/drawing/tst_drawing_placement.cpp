// Placing a drawing in the safe half ring: the size against the largest
// upright rectangle found here on its own, shapes that sit closer than their
// box, sheets, and what cannot be placed.
#include "drawing/placement.h"

#include <QRandomGenerator>
#include <QTest>

#include <cmath>
#include <numbers>

Q_DECLARE_METATYPE(SideRule)

namespace {

constexpr double kInner = 160; // R 150 + margin 10
constexpr double kOuter = 490; // reach 500 - margin 10
constexpr double kMargin = 10;

DrawingShape rectangle(double width, double height) {
    return {{{0, 0}, false},
            {{width, 0}, true},
            {{width, height}, true},
            {{0, height}, true},
            {{0, 0}, true}};
}

// The tallest upright rectangle of the aspect (width / height) in the half
// ring: either standing across the Y axis on the inner circle, or with its
// lower corner on the inner circle at an angle, as far round as the side
// rule lets it. Tried over the angle densely; each is a quadratic in the
// height, solved for the far corner on the outer circle.
double tallestRectangle(double aspect, bool oneSide) {
    auto root = [](double a, double b, double c) {
        return (-b + std::sqrt(b * b - 4 * a * c)) / (2 * a);
    };
    const double c = kInner * kInner - kOuter * kOuter;
    double best = 0;
    if (!oneSide) // (w/2)^2 + (inner + h)^2 = outer^2
        best = root(aspect * aspect / 4 + 1, 2 * kInner, c);
    const double lowest = std::asin(kMargin / kInner);
    const double highest = oneSide ? std::acos(kMargin / kInner) : std::numbers::pi / 2;
    for (int i = 0; i <= 100000; ++i) {
        const double angle = lowest + (highest - lowest) * i / 100000;
        const double x = kInner * std::cos(angle), y = kInner * std::sin(angle);
        best = std::max(best, root(aspect * aspect + 1, 2 * (aspect * x + y), c));
    }
    return best;
}

double distanceToBase(PathPoint a, PathPoint b) {
    const double dx = b.x - a.x, dy = b.y - a.y, length = dx * dx + dy * dy;
    const double t = length > 0 ? std::clamp(-(a.x * dx + a.y * dy) / length, 0.0, 1.0) : 0.0;
    return std::hypot(a.x + t * dx, a.y + t * dy);
}

// Every rule of the safe area, on the placed shape.
void verifyInSafeArea(const DrawingShape& shape, const Placement& p, bool oneSide) {
    const double tolerance = 1e-6;
    for (size_t i = 0; i < shape.size(); ++i) {
        const PathPoint q = p.map(shape[i].to);
        QVERIFY2(std::hypot(q.x, q.y) <= kOuter + tolerance, qPrintable(QString::number(q.x)));
        QVERIFY(q.y >= kMargin - tolerance);
        if (oneSide)
            QVERIFY(p.side == PlacedSide::Right ? q.x >= kMargin - tolerance
                                                : q.x <= -kMargin + tolerance);
        QVERIFY(std::hypot(q.x, q.y) >= kInner - tolerance);
        if (i > 0 && shape[i].drawn)
            QVERIFY(distanceToBase(p.map(shape[i - 1].to), q) >= kInner - tolerance);
    }
}

// A band between two half circles around (0, 0), drawn closed.
DrawingShape halfRing(double inner, double outer) {
    DrawingShape shape;
    const int steps = 90;
    for (int i = 0; i <= steps; ++i) {
        const double a = std::numbers::pi * i / steps;
        shape.push_back({{outer * std::cos(a), outer * std::sin(a)}, i > 0});
    }
    for (int i = steps; i >= 0; --i) {
        const double a = std::numbers::pi * i / steps;
        shape.push_back({{inner * std::cos(a), inner * std::sin(a)}, true});
    }
    shape.push_back({{outer, 0}, true});
    return shape;
}

} // namespace

class PlacementTest : public QObject {
    Q_OBJECT

private slots:
    void largestRectangle_data() {
        QTest::addColumn<double>("aspect");
        QTest::addColumn<SideRule>("sides");
        for (double aspect : {0.2, 0.3, 0.5, 0.75, 1.0, 1.5, 2.0, 3.0, 4.0, 6.0}) {
            const QByteArray name = QByteArray::number(aspect);
            QTest::newRow(name + " across") << aspect << SideRule::Across;
            QTest::newRow(name + " one side") << aspect << SideRule::OneSide;
        }
    }
    void largestRectangle() {
        QFETCH(double, aspect);
        QFETCH(SideRule, sides);
        const bool oneSide = sides == SideRule::OneSide;
        const DrawingShape shape = rectangle(37 * aspect, 37);
        PlacementSettings settings;
        settings.sides = sides;
        const Result<Placement> placed = PlaceShape(shape, settings);
        QVERIFY2(placed, qPrintable(placed ? QString() : placed.error()));
        verifyInSafeArea(shape, *placed, oneSide);
        if (oneSide)
            QVERIFY(placed->side != PlacedSide::Across);
        // The side reported is where the drawing lies.
        const double left = placed->map({0, 0}).x, right = placed->map({37 * aspect, 0}).x;
        QCOMPARE(placed->side, left > 0    ? PlacedSide::Right
                               : right < 0 ? PlacedSide::Left
                                           : PlacedSide::Across);
        const double height = placed->scale * 37, best = tallestRectangle(aspect, oneSide);
        QVERIFY2(height >= 0.995 * best && height <= best * (1 + 1e-6),
                 qPrintable(QStringLiteral("%1 of %2").arg(height).arg(best)));
    }

    void squareStraddlesTheAxis() {
        const Result<Placement> placed = PlaceShape(rectangle(10, 10), {});
        QVERIFY(placed);
        QCOMPARE(placed->side, PlacedSide::Across);
        QVERIFY2(placed->scale * 10 > 305 && placed->scale * 10 < 305.6,
                 qPrintable(QString::number(placed->scale * 10)));
        QVERIFY(placed->clearance >= kMargin - 1e-6);
    }

    // The default takes one side when the drawing is nearly as large there.
    void autoTakesOneSideWhenNearlyAsLarge_data() {
        QTest::addColumn<double>("aspect");
        for (double aspect : {0.2, 0.5, 1.0, 3.0, 6.0})
            QTest::newRow(QByteArray::number(aspect)) << aspect;
    }
    void autoTakesOneSideWhenNearlyAsLarge() {
        QFETCH(double, aspect);
        const DrawingShape shape = rectangle(aspect, 1);
        PlacementSettings across, oneSide;
        across.sides = SideRule::Across;
        oneSide.sides = SideRule::OneSide;
        const double a = PlaceShape(shape, across)->scale, o = PlaceShape(shape, oneSide)->scale;
        const Result<Placement> chosen = PlaceShape(shape, {});
        QVERIFY(chosen);
        const bool expectOneSide = o >= kOneSideShare * a;
        QCOMPARE(chosen->side != PlacedSide::Across, expectOneSide);
        QCOMPARE(chosen->sideChosen, expectOneSide);
        QCOMPARE(chosen->scale, expectOneSide ? o : a);
    }

    // A band around the base sits around the forbidden circle, far larger
    // than its box could.
    void ringSitsCloserThanItsBox() {
        const DrawingShape ring = halfRing(100, 200);
        PlacementSettings settings;
        settings.sides = SideRule::Across;
        const Result<Placement> placed = PlaceShape(ring, settings);
        QVERIFY(placed);
        verifyInSafeArea(ring, *placed, false);
        const double boxHeight = tallestRectangle(2, false); // the box is 400 x 200
        QVERIFY2(
            placed->scale * 200 > 1.5 * boxHeight,
            qPrintable(QStringLiteral("%1 vs box %2").arg(placed->scale * 200).arg(boxHeight)));
    }

    // An L drawn as two strokes may tuck its inner corner over the circle.
    void lShapeUsesItsPoints() {
        const DrawingShape l{{{0, 100}, false}, {{0, 0}, true}, {{100, 0}, true}};
        PlacementSettings settings;
        settings.sides = SideRule::OneSide;
        const Result<Placement> placed = PlaceShape(l, settings);
        QVERIFY(placed);
        verifyInSafeArea(l, *placed, true);
        QVERIFY(placed->scale * 100 > 1.02 * tallestRectangle(1, true));
    }

    void sheet_data() {
        QTest::addColumn<QString>("paper");
        QTest::addColumn<bool>("fits");
        QTest::newRow("A5") << "A5" << true;
        QTest::newRow("A4") << "A4" << true;
        QTest::newRow("A4 lying") << "A4-landscape" << true;
        QTest::newRow("custom") << "200x150" << true;
        QTest::newRow("A3") << "A3" << false;
        QTest::newRow("A3 lying") << "A3-landscape" << false;
        QTest::newRow("too wide") << "950x100" << false;
    }
    void sheet() {
        QFETCH(QString, paper);
        QFETCH(bool, fits);
        const Result<Sheet> sheet = ParseSheet(paper);
        QVERIFY(sheet);
        PlacementSettings settings;
        settings.sheet = *sheet;
        const DrawingShape shape = rectangle(30, 20);
        const Result<Placement> placed = PlaceShape(shape, settings);
        QCOMPARE(bool(placed), fits);
        if (!fits) {
            QCOMPARE(placed.error(), QStringLiteral("Arkusz %1 nie mieści się w obszarze "
                                                    "roboczym ramienia")
                                         .arg(paper));
            return;
        }
        QVERIFY(placed->sheet);
        const SheetPlace& s = *placed->sheet;
        Placement sheetPlace;
        sheetPlace.offsetX = s.left;
        sheetPlace.offsetY = s.bottom;
        verifyInSafeArea(rectangle(s.sheet.width, s.sheet.height), sheetPlace, false);
        verifyInSafeArea(shape, *placed, false);
        // The drawing fills the sheet less the margin on one axis.
        const PathPoint low = placed->map({0, 0}), high = placed->map({30, 20});
        QVERIFY(low.x >= s.left + kMargin - 1e-9 && low.y >= s.bottom + kMargin - 1e-9);
        QVERIFY(high.x <= s.left + s.sheet.width - kMargin + 1e-9);
        QVERIFY(high.y <= s.bottom + s.sheet.height - kMargin + 1e-9);
        QVERIFY(std::abs(high.x - low.x - (s.sheet.width - 2 * kMargin)) < 1e-9 ||
                std::abs(high.y - low.y - (s.sheet.height - 2 * kMargin)) < 1e-9);
        QVERIFY(
            PlacementReport(*placed).contains(QStringLiteral("arkusz %1 mieści się").arg(paper)));
    }

    void paperNames_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::newRow("A4") << "A4" << 210.0 << 297.0;
        QTest::newRow("a5 lying") << "a5-landscape" << 210.0 << 148.0;
        QTest::newRow("A3") << "A3" << 297.0 << 420.0;
        QTest::newRow("comma") << "100,5x80" << 100.5 << 80.0;
        QTest::newRow("point") << "100.5x80" << 100.5 << 80.0;
        QTest::newRow("B5") << "B5" << 0.0 << 0.0;
        QTest::newRow("zero") << "0x80" << 0.0 << 0.0;
        QTest::newRow("one number") << "210" << 0.0 << 0.0;
        QTest::newRow("empty") << "" << 0.0 << 0.0;
    }
    void paperNames() {
        QFETCH(QString, text);
        QFETCH(double, width);
        QFETCH(double, height);
        const Result<Sheet> sheet = ParseSheet(text);
        QCOMPARE(bool(sheet), width > 0);
        if (sheet) {
            QCOMPARE(sheet->width, width);
            QCOMPARE(sheet->height, height);
        } else {
            QVERIFY(sheet.error().contains(QStringLiteral("Nieznany arkusz")));
        }
    }

    void badInput_data() {
        QTest::addColumn<int>("shape");
        QTest::addColumn<double>("margin");
        QTest::addColumn<double>("radius");
        QTest::addColumn<QString>("error");
        const QString noExtent = QStringLiteral("Rysunek nie ma rozmiaru");
        QTest::newRow("one point") << 1 << 10.0 << 150.0 << noExtent;
        QTest::newRow("travel only") << 2 << 10.0 << 150.0 << noExtent;
        QTest::newRow("nothing") << 3 << 10.0 << 150.0 << noExtent;
        QTest::newRow("margin") << 0 << 175.0 << 150.0 << QStringLiteral("Margines 175");
        QTest::newRow("negative margin") << 0 << -1.0 << 150.0 << QStringLiteral("Margines -1");
        QTest::newRow("radius at reach") << 0 << 10.0 << 500.0 << QStringLiteral("Promień");
        QTest::newRow("radius beyond") << 0 << 10.0 << 600.0 << QStringLiteral("Promień");
        QTest::newRow("radius zero") << 0 << 10.0 << 0.0 << QStringLiteral("Promień");
    }
    void badInput() {
        QFETCH(int, shape);
        QFETCH(double, margin);
        QFETCH(double, radius);
        QFETCH(QString, error);
        const DrawingShape shapes[] = {
            rectangle(10, 10), {{{5, 5}, false}}, {{{5, 5}, false}, {{50, 5}, false}}, {}};
        PlacementSettings settings;
        settings.margin = margin;
        settings.forbiddenRadius = radius;
        const Result<Placement> placed = PlaceShape(shapes[shape], settings);
        QVERIFY(!placed);
        QVERIFY2(placed.error().startsWith(error), qPrintable(placed.error()));
    }

    // Strokes of any shape, in every mode: whatever the search finds keeps
    // every rule, drawn lines and travel points alike.
    void randomDrawingsKeepTheRules_data() {
        QTest::addColumn<int>("seed");
        QTest::addColumn<SideRule>("sides");
        for (int seed = 1; seed <= 12; ++seed) {
            for (SideRule sides : {SideRule::Auto, SideRule::OneSide, SideRule::Across})
                QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(seed).arg(int(sides))))
                    << seed << sides;
        }
    }
    void randomDrawingsKeepTheRules() {
        QFETCH(int, seed);
        QFETCH(SideRule, sides);
        QRandomGenerator random{quint32(seed)};
        DrawingShape shape;
        const double width = 1 + random.bounded(300.0), height = 1 + random.bounded(300.0);
        for (int i = 0, n = 2 + random.bounded(60); i < n; ++i)
            shape.push_back(
                {{random.bounded(width), random.bounded(height)}, i > 0 && random.bounded(4) != 0});
        shape.push_back({{0, 0}, true});
        PlacementSettings settings;
        settings.sides = sides;
        settings.margin = random.bounded(30.0);
        settings.forbiddenRadius = 50 + random.bounded(200.0);
        const Result<Placement> placed = PlaceShape(shape, settings);
        QVERIFY2(placed, qPrintable(placed ? QString() : placed.error()));
        const double tolerance = 1e-6, inner = settings.forbiddenRadius + settings.margin;
        for (size_t i = 0; i < shape.size(); ++i) {
            const PathPoint q = placed->map(shape[i].to);
            QVERIFY(std::hypot(q.x, q.y) <= 500 - settings.margin + tolerance);
            QVERIFY(std::hypot(q.x, q.y) >= inner - tolerance);
            QVERIFY(q.y >= settings.margin - tolerance);
            if (placed->side == PlacedSide::Right)
                QVERIFY(q.x >= settings.margin - tolerance);
            if (placed->side == PlacedSide::Left)
                QVERIFY(q.x <= -settings.margin + tolerance);
            if (i > 0 && shape[i].drawn)
                QVERIFY(distanceToBase(placed->map(shape[i - 1].to), q) >= inner - tolerance);
        }
        QVERIFY(placed->clearance >= settings.margin - tolerance);
    }

    void report() {
        Placement p;
        p.scale = 1.8372;
        p.side = PlacedSide::Right;
        p.clearance = 10.04;
        QCOMPARE(PlacementReport(p),
                 QStringLiteral("Dopasowano: skala 1,84, po prawej stronie osi Y, najmniejsza "
                                "odległość od obszaru zabronionego 10"));
    }
};

QTEST_GUILESS_MAIN(PlacementTest)
#include "tst_drawing_placement.moc"
