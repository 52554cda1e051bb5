// The pen pass over small drawings: a filled disc hatched in one stroke, a
// fill that hides and one that does not, text runs placed by their anchor
// and transform, outline text kept as given, missing letters counted, and
// bad spacings refused.
#include "drawing/penpass.h"
#include "drawing/pentexts.h"

#include <QTest>

#include <cmath>
#include <numbers>

Q_DECLARE_METATYPE(PenAnchor)
Q_DECLARE_METATYPE(QTransform)

namespace {

Ring disc(double cx, double cy, double radius, int points = 128) {
    Ring r;
    for (int i = 0; i < points; ++i) {
        const double a = 2 * std::numbers::pi * i / points;
        r.push_back({cx + radius * std::cos(a), cy + radius * std::sin(a)});
    }
    return r;
}

Stroke closed(Ring ring) {
    ring.push_back(ring.front());
    return ring;
}

PenShape filledShape(const Ring& ring, bool filled) {
    PenShape shape;
    shape.strokes = {closed(ring)};
    if (filled)
        shape.fill = FillArea{{ring}, FillRule::NonZero};
    return shape;
}

PenShape textShape(const QString& text, QPointF at, PenAnchor anchor, const QTransform& toPage) {
    PenShape shape;
    shape.strokes = {{{0, 0}, {1, 1}}}; // the outlines an importer would give
    shape.text = PenTextRun{text, at, false, 28, anchor, toPage};
    return shape;
}

double lengthOf(const std::vector<Stroke>& strokes) {
    double length = 0;
    for (const Stroke& s : strokes)
        for (size_t i = 1; i < s.size(); ++i)
            length += std::hypot(s[i].x - s[i - 1].x, s[i].y - s[i - 1].y);
    return length;
}

QRectF inkBounds(const std::vector<Stroke>& strokes) {
    double x0 = INFINITY, y0 = INFINITY, x1 = -INFINITY, y1 = -INFINITY;
    for (const Stroke& s : strokes)
        for (const PathPoint& p : s) {
            x0 = std::min(x0, p.x), x1 = std::max(x1, p.x);
            y0 = std::min(y0, p.y), y1 = std::max(y1, p.y);
        }
    return QRectF(QPointF(x0, y0), QPointF(x1, y1));
}

} // namespace

class TestDrawingPenPass : public QObject {
    Q_OBJECT
private slots:
    void filledDiscHatchedInOneStroke() {
        PenPassOptions options;
        options.hatchSpacing = 2;
        options.outline = false;
        const Result<PenPass> pass = RunPenPass({filledShape(disc(0, 0, 30), true)}, options);
        QVERIFY2(pass, qPrintable(pass ? QString() : pass.error()));
        QCOMPARE(pass->shapes.size(), size_t(1));
        QCOMPARE(pass->shapes[0].strokes.size(), size_t(1));
        QVERIFY(inkBounds(pass->shapes[0].strokes).width() > 55);
        QVERIFY(!pass->report.isEmpty());
    }

    void fillHidesWhatLiesBeneath_data() {
        QTest::addColumn<bool>("filled");
        QTest::addColumn<bool>("hides");
        QTest::newRow("filled") << true << true;
        QTest::newRow("fill none") << false << false;
    }
    void fillHidesWhatLiesBeneath() {
        QFETCH(bool, filled);
        QFETCH(bool, hides);
        const PenShape below = filledShape({{0, 0}, {100, 0}, {100, 60}, {0, 60}}, false);
        PenPassOptions options;
        options.occlude = true;
        const Result<PenPass> pass =
            RunPenPass({below, filledShape(disc(100, 30, 20), filled)}, options);
        QVERIFY(pass);
        const double before = lengthOf(below.strokes);
        const double after = lengthOf(pass->shapes[0].strokes);
        QCOMPARE(after < before - 1, hides);
        QCOMPARE(pass->report.isEmpty(), !hides);
    }

    // "H" (symmetric about its advance's middle) of font size 28 at (50,
    // 100), Y down, onto a page by a flip, a half scale and a rotation.
    void textRunLandsByAnchorAndTransform_data() {
        QTest::addColumn<PenAnchor>("anchor");
        QTest::addColumn<double>("degrees");
        QTest::addColumn<double>("advances"); // of the ink's middle from the anchor
        QTest::addColumn<bool>("continued");  // after a first "H" at the same anchor
        QTest::newRow("start") << PenAnchor::Start << 0.0 << 0.5 << false;
        QTest::newRow("middle") << PenAnchor::Middle << 0.0 << 0.0 << false;
        QTest::newRow("end, rotated") << PenAnchor::End << 90.0 << -0.5 << false;
        QTest::newRow("middle, rotated") << PenAnchor::Middle << 30.0 << 0.0 << false;
        QTest::newRow("continued") << PenAnchor::Start << 30.0 << 1.5 << true;
    }
    void textRunLandsByAnchorAndTransform() {
        QFETCH(PenAnchor, anchor);
        QFETCH(double, degrees);
        QFETCH(double, advances);
        QFETCH(bool, continued);
        const StrokeFont font = *LoadStrokeFont(StrokeFontNames().first());
        const double cap = CapitalHeightForFontSize(font.metrics(), 28);
        const StrokeGlyph& h = *font.glyph(U'H');
        const double advance = (h.right - h.left) * cap / font.metrics().capHeight;
        QTransform toPage;
        toPage.translate(200, 150).rotate(degrees).scale(0.5, -0.5);
        const QPointF at(50, 100);
        std::vector<PenShape> shapes{textShape(QStringLiteral("H"), at, anchor, toPage)};
        if (continued) {
            shapes.push_back(textShape(QStringLiteral("H"), {0, 0}, anchor, toPage));
            shapes.back().text->continues = true;
        }
        const Result<PenPass> pass = RunPenPass(shapes, {});
        QVERIFY(pass);
        const QPointF centre = inkBounds(pass->shapes.back().strokes).center();
        const QPointF expected = toPage.map(at + QPointF(advances * advance, -cap / 2));
        QVERIFY2(std::hypot(centre.x() - expected.x(), centre.y() - expected.y()) < 0.05 * cap,
                 qPrintable(QStringLiteral("%1,%2 not %3,%4")
                                .arg(centre.x())
                                .arg(centre.y())
                                .arg(expected.x())
                                .arg(expected.y())));
        if (degrees == 0)
            QCOMPARE(qRound(inkBounds(pass->shapes[0].strokes).height() * 100), qRound(cap * 50));
    }

    void outlineModeKeepsTheGivenStrokes() {
        const PenShape shape = textShape(QStringLiteral("H"), {0, 0}, PenAnchor::Start, {});
        PenPassOptions options;
        options.text = PenTextMode::Outline;
        const Result<PenPass> pass = RunPenPass({shape}, options);
        QVERIFY(pass);
        QCOMPARE(pass->shapes[0].strokes, shape.strokes);
    }

    void missingCharacterCounted() {
        const Result<PenPass> pass =
            RunPenPass({textShape(QStringLiteral("H€ €"), {0, 0}, PenAnchor::Start, {})}, {});
        QVERIFY(pass);
        QVERIFY2(pass->report.join(u'\n').contains(QStringLiteral("(U+20AC) ×2")),
                 qPrintable(pass->report.join(u'\n')));
    }

    void badOptionsRefused_data() {
        QTest::addColumn<double>("spacing");
        QTest::addColumn<QString>("font");
        QTest::addColumn<QString>("message");
        QTest::newRow("zero") << 0.0 << QString() << pen::badSpacing(QStringLiteral("0"));
        QTest::newRow("negative") << -1.0 << QString() << pen::badSpacing(QStringLiteral("-1"));
        QTest::newRow("over ten million lines")
            << 0.1 << QString()
            << pen::tooManyHatchLines(QStringLiteral("0,1"), QStringLiteral("10000000"));
        QTest::newRow("unknown font")
            << 1.0 << QStringLiteral("comic")
            << pen::unknownFont(QStringLiteral("comic"), StrokeFontNames().join(u", "));
    }
    void badOptionsRefused() {
        QFETCH(double, spacing);
        QFETCH(QString, font);
        QFETCH(QString, message);
        PenPassOptions options;
        options.hatchSpacing = spacing;
        options.font = font;
        const Ring square{{0, 0}, {2e6, 0}, {2e6, 2e6}, {0, 2e6}};
        const Result<PenPass> pass = RunPenPass({filledShape(square, true)}, options);
        QVERIFY(!pass);
        QCOMPARE(pass.error(), message);
    }
};

QTEST_GUILESS_MAIN(TestDrawingPenPass)
#include "tst_drawing_penpass.moc"
