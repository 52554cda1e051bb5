// The SVG import's geometry against shapes known exactly: every path
// command, the basic shapes, transforms, the view box and units, <use>, what
// is hidden, pens, text, and the documents a vector editor writes.
#include "svg/svgimport.h"

#include "support/svgshapes.h"
#include "support/testdata.h"

#include <QFile>
#include <QTest>

#include <cmath>
#include <functional>
#include <numbers>

using namespace svgtest;

namespace {
constexpr double kTolerance = 0.25;
} // namespace

class SvgGeometryTest : public QObject {
    Q_OBJECT

private slots:
    void shapes_data();
    void shapes();
    void pageAndUnits_data();
    void pageAndUnits();
    void hiddenAndNotDrawn_data();
    void hiddenAndNotDrawn();
    void pensByColour();
    void inkscapeLayersBecomePens();
    void textAsTextAndAsPaths();
    void vectorEditorDrawing();
};

void SvgGeometryTest::shapes_data() {
    QTest::addColumn<QString>("body");
    QTest::addColumn<Shape>("shape");
    const QString s = u" fill=\"none\" stroke=\"black\""_qs;
    QTest::newRow("rect") << "<rect x='10' y='10' width='30' height='20'" + s + "/>"
                          << Shape{polyline(
                                 {up(10, 10), up(40, 10), up(40, 30), up(10, 30), up(10, 10)})};
    QTest::newRow("rect with rounded corners")
        << "<rect x='10' y='10' width='40' height='30' rx='5'" + s + "/>"
        << Shape{segment(up(15, 10), up(45, 10)), ellipse(up(45, 15), 5, 5, 0, 90),
                 segment(up(50, 15), up(50, 35)), ellipse(up(45, 35), 5, 5, 270, 90),
                 segment(up(45, 40), up(15, 40)), ellipse(up(15, 35), 5, 5, 180, 90),
                 segment(up(10, 35), up(10, 15)), ellipse(up(15, 15), 5, 5, 90, 90)};
    QTest::newRow("circle") << "<circle cx='50' cy='50' r='30'" + s + "/>"
                            << Shape{ellipse(up(50, 50), 30, 30)};
    QTest::newRow("ellipse") << "<ellipse cx='50' cy='40' rx='40' ry='10'" + s + "/>"
                             << Shape{ellipse(up(50, 40), 40, 10)};
    QTest::newRow("line") << "<line x1='5' y1='5' x2='95' y2='60' stroke='black'/>"
                          << Shape{segment(up(5, 5), up(95, 60))};
    QTest::newRow("polyline") << "<polyline points='10,10 50,20 10,30'" + s + "/>"
                              << Shape{polyline({up(10, 10), up(50, 20), up(10, 30)})};
    QTest::newRow("polygon") << "<polygon points='10,10 50,20 10,30'" + s + "/>"
                             << Shape{polyline({up(10, 10), up(50, 20), up(10, 30), up(10, 10)})};
    QTest::newRow("path M L H V Z absolute")
        << "<path d='M 10 10 L 30 10 H 50 V 40 Z'" + s + "/>"
        << Shape{polyline({up(10, 10), up(50, 10), up(50, 40), up(10, 10)})};
    QTest::newRow("path m l h v z relative")
        << "<path d='m 10 10 l 20 0 h 20 v 30 z m 5 5 l 10 0'" + s + "/>"
        << Shape{polyline({up(10, 10), up(50, 10), up(50, 40), up(10, 10)}),
                 segment(up(15, 15), up(25, 15))};
    QTest::newRow("path C S absolute")
        << "<path d='M 10 50 C 20 10 40 10 50 50 S 80 90 90 50'" + s + "/>"
        << Shape{cubic(up(10, 50), up(20, 10), up(40, 10), up(50, 50)),
                 cubic(up(50, 50), up(60, 90), up(80, 90), up(90, 50))};
    QTest::newRow("path c s relative")
        << "<path d='m 10 50 c 10 -40 30 -40 40 0 s 30 40 40 0'" + s + "/>"
        << Shape{cubic(up(10, 50), up(20, 10), up(40, 10), up(50, 50)),
                 cubic(up(50, 50), up(60, 90), up(80, 90), up(90, 50))};
    QTest::newRow("path Q T absolute") << "<path d='M 10 50 Q 30 10 50 50 T 90 50'" + s + "/>"
                                       << Shape{quadratic(up(10, 50), up(30, 10), up(50, 50)),
                                                quadratic(up(50, 50), up(70, 90), up(90, 50))};
    QTest::newRow("path q t relative") << "<path d='m 10 50 q 20 -40 40 0 t 40 0'" + s + "/>"
                                       << Shape{quadratic(up(10, 50), up(30, 10), up(50, 50)),
                                                quadratic(up(50, 50), up(70, 90), up(90, 50))};
    QTest::newRow("path A arc absolute") << "<path d='M 10 50 A 40 40 0 0 1 90 50'" + s + "/>"
                                         << Shape{ellipse(up(50, 50), 40, 40, 180, -180)};
    QTest::newRow("path a arc relative, large, elliptical")
        << "<path d='m 20 50 a 30 20 0 1 0 60 0'" + s + "/>"
        << Shape{ellipse(up(50, 50), 30, 20, 180, 180)};
    QTest::newRow("path arc rotated ellipse") << "<path d='M 50 20 A 30 10 90 0 1 50 80'" + s + "/>"
                                              << Shape{ellipse(up(50, 50), 10, 30, 90, -180)};
    QTest::newRow("translate and scale")
        << "<g transform='translate(10 20)'><g transform='scale(2)'>"
           "<line x1='0' y1='0' x2='10' y2='5' stroke='black'/></g></g>"
        << Shape{segment(up(10, 20), up(30, 30))};
    QTest::newRow("rotate about the origin")
        << "<line transform='rotate(90)' x1='10' y1='-10' x2='10' y2='-50' stroke='black'/>"
        << Shape{segment(up(10, 10), up(50, 10))};
    QTest::newRow("rotate about a centre")
        << "<line transform='rotate(90 50 50)' x1='50' y1='50' x2='80' y2='50' "
           "stroke='black'/>"
        << Shape{segment(up(50, 50), up(50, 80))};
    QTest::newRow("skewX") << "<line transform='skewX(45)' x1='0' y1='10' x2='0' y2='20' "
                              "stroke='black'/>"
                           << Shape{segment(up(10, 10), up(20, 20))};
    QTest::newRow("skewY") << "<line transform='skewY(45)' x1='10' y1='0' x2='20' y2='0' "
                              "stroke='black'/>"
                           << Shape{segment(up(10, 10), up(20, 20))};
    QTest::newRow("matrix") << "<line transform='matrix(0 1 -1 0 100 0)' x1='10' y1='20' "
                               "x2='30' y2='20' stroke='black'/>"
                            << Shape{segment(up(80, 10), up(80, 30))};
    QTest::newRow("transform list")
        << "<line transform='translate(50 50) rotate(180) scale(0.5)' x1='0' y1='0' x2='40' "
           "y2='0' stroke='black'/>"
        << Shape{segment(up(50, 50), up(30, 50))};
    QTest::newRow("use of defs with xlink:href and href")
        << "<defs><line id='l' x1='0' y1='0' x2='10' y2='0' stroke='black'/></defs>"
           "<use xlink:href='#l' x='20' y='30'/><use href='#l' transform='translate(50 60)'/>"
        << Shape{segment(up(20, 30), up(30, 30)), segment(up(50, 60), up(60, 60))};
    QTest::newRow("fill only, along the outline")
        << "<rect x='10' y='10' width='10' height='10' fill='blue'/>"
        << Shape{polyline({up(10, 10), up(20, 10), up(20, 20), up(10, 20), up(10, 10)})};
}

void SvgGeometryTest::shapes() {
    QFETCH(QString, body);
    QFETCH(Shape, shape);
    const Result<SvgGeometry> geometry =
        ReadSvgGeometry(document(body.toUtf8()), u"t.svg"_qs, kTolerance);
    QVERIFY2(geometry.ok(), geometry.ok() ? "" : qPrintable(geometry.error()));
    QVERIFY(!geometry->lines.empty());
    const double distance = hausdorff(geometry->lines, shape);
    QVERIFY2(distance <= kTolerance + 1e-3, qPrintable(QString::number(distance)));
    // Not cut finer than needed: a straight line stays one segment.
    if (body.startsWith("<line") || body.contains("<line id")) {
        for (const SvgLine& line : geometry->lines)
            QCOMPARE(line.points.size(), size_t(2));
    }
}

void SvgGeometryTest::pageAndUnits_data() {
    QTest::addColumn<QByteArray>("root");
    QTest::addColumn<PathPoint>("from");
    QTest::addColumn<PathPoint>("to");
    const PathPoint origin{0, 0};
    QTest::newRow("view box in inches")
        << QByteArray("width='4in' height='2in' viewBox='0 0 400 200'") << PathPoint{0, 50.8}
        << PathPoint{101.6, 0};
    QTest::newRow("centimetres") << QByteArray("width='10cm' height='5cm' viewBox='0 0 10 5'")
                                 << PathPoint{0, 50} << PathPoint{100, 0};
    QTest::newRow("points") << QByteArray("width='72pt' height='72pt' viewBox='0 0 72 72'")
                            << PathPoint{0, 25.4} << PathPoint{25.4, 0};
    QTest::newRow("no view box: CSS pixels")
        << QByteArray("width='96px' height='96'") << PathPoint{0, 25.4} << PathPoint{25.4, 0};
    QTest::newRow("no size: the view box in pixels")
        << QByteArray("viewBox='0 0 96 96'") << PathPoint{0, 25.4} << PathPoint{25.4, 0};
    QTest::newRow("view box moved")
        << QByteArray("width='100mm' height='100mm' viewBox='-10 -10 100 100'") << PathPoint{10, 90}
        << PathPoint{20, 80};
    QTest::newRow("xMidYMid meet") << QByteArray("width='100mm' height='50mm' viewBox='0 0 10 10'")
                                   << PathPoint{25, 50} << PathPoint{75, 0};
    QTest::newRow("xMinYMax meet") << QByteArray("width='100mm' height='50mm' viewBox='0 0 10 10' "
                                                 "preserveAspectRatio='xMinYMax meet'")
                                   << PathPoint{0, 50} << PathPoint{50, 0};
    QTest::newRow("xMaxYMid slice") << QByteArray("width='100mm' height='50mm' viewBox='0 0 10 10' "
                                                  "preserveAspectRatio='xMaxYMid slice'")
                                    << PathPoint{25, 50} << PathPoint{75, 0}; // clipped to the page
    QTest::newRow("none") << QByteArray("width='100mm' height='50mm' viewBox='0 0 10 10' "
                                        "preserveAspectRatio='none'")
                          << PathPoint{0, 50} << PathPoint{100, 0};
    Q_UNUSED(origin);
}

void SvgGeometryTest::pageAndUnits() {
    QFETCH(QByteArray, root);
    QFETCH(PathPoint, from);
    QFETCH(PathPoint, to);
    // A line across the view box (from its top-left to its bottom-right).
    const QByteArray body =
        root.contains("-10 -10") ? "<line x1='0' y1='0' x2='10' y2='10' stroke='black'/>"
        : root.contains("viewBox='0 0 10 10'")
            ? "<line x1='0' y1='0' x2='10' y2='10' stroke='black'/>"
        : root.contains("400 200") ? "<line x1='0' y1='0' x2='400' y2='200' stroke='black'/>"
        : root.contains("10 5")    ? "<line x1='0' y1='0' x2='10' y2='5' stroke='black'/>"
        : root.contains("72 72")   ? "<line x1='0' y1='0' x2='72' y2='72' stroke='black'/>"
                                   : "<line x1='0' y1='0' x2='96' y2='96' stroke='black'/>";
    const Result<SvgGeometry> geometry = ReadSvgGeometry(document(body, root), u"t.svg"_qs, 0.25);
    QVERIFY2(geometry.ok(), geometry.ok() ? "" : qPrintable(geometry.error()));
    QCOMPARE(geometry->lines.size(), size_t(1));
    const SvgLine& line = geometry->lines.front();
    QCOMPARE(line.points.size(), size_t(2));
    QVERIFY2(std::hypot(line.points[0].x - from.x, line.points[0].y - from.y) < 1e-9 &&
                 std::hypot(line.points[1].x - to.x, line.points[1].y - to.y) < 1e-9,
             qPrintable(QStringLiteral("(%1 %2) (%3 %4)")
                            .arg(line.points[0].x)
                            .arg(line.points[0].y)
                            .arg(line.points[1].x)
                            .arg(line.points[1].y)));
}

void SvgGeometryTest::hiddenAndNotDrawn_data() {
    QTest::addColumn<QString>("body");
    QTest::addColumn<int>("lines");
    QTest::addColumn<QString>("note");
    const QString line = u"<line x1='0' y1='0' x2='10' y2='0' stroke='black'/>"_qs;
    QTest::newRow("display none in style")
        << "<line x1='0' y1='0' x2='10' y2='0' stroke='black' style='display:none'/>" + line << 1
        << QString();
    QTest::newRow("display none on a group")
        << "<g display='none'>" + line + line + "</g>" + line << 1 << QString();
    QTest::newRow("defs alone draw nothing")
        << "<defs>" + line + "</defs>" + line << 1 << QString();
    QTest::newRow("neither stroke nor fill")
        << "<rect width='5' height='5' fill='none' stroke='none'/>" + line << 1 << QString();
    QTest::newRow("image counted")
        << "<image x='0' y='0' width='10' height='10' href='data:image/png;base64,"
           "iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR42mNk+"
           "M9QDwADhgGAWjR9awAAAABJRU5ErkJggg=='/>" +
               line
        << 1 << u"Nie narysowano: obraz × 1"_qs;
    QTest::newRow("unknown elements counted")
        << "<blob/>\n<blob/>" + line << 1
        << u"Nie narysowano: nieznany element <blob> (pierwszy w linii 1) × 2"_qs;
    QTest::newRow("long fractions are numbers like others")
        << u"<line x1='0.30000000000000004441' y1='0' x2='10' y2='0' stroke='black'/>"_qs << 1
        << QString();
}

void SvgGeometryTest::hiddenAndNotDrawn() {
    QFETCH(QString, body);
    QFETCH(int, lines);
    QFETCH(QString, note);
    const Result<SvgGeometry> geometry =
        ReadSvgGeometry(document(body.toUtf8()), u"t.svg"_qs, 0.25);
    QVERIFY2(geometry.ok(), geometry.ok() ? "" : qPrintable(geometry.error()));
    QCOMPARE(int(geometry->lines.size()), lines);
    if (!note.isEmpty()) {
        const QString notes = geometry->notes.join(u'\n');
        QVERIFY2(notes.contains(note), qPrintable(notes));
    }
}

void SvgGeometryTest::pensByColour() {
    const QByteArray body = "<line x1='0' y1='0' x2='10' y2='0' stroke='red'/>"
                            "<line x1='0' y1='5' x2='10' y2='5' stroke='#0000ff'/>"
                            "<line x1='0' y1='9' x2='10' y2='9' stroke='rgb(255,0,0)'/>"
                            "<rect width='3' height='3' fill='blue'/>";
    const Result<SvgGeometry> geometry = ReadSvgGeometry(document(body), u"t.svg"_qs, 0.25);
    QVERIFY(geometry.ok());
    QCOMPARE(geometry->pens, 2);
    std::vector<int> pens;
    for (const SvgLine& line : geometry->lines)
        pens.push_back(line.pen);
    QCOMPARE(pens, (std::vector<int>{1, 2, 1, 2}));
}

void SvgGeometryTest::inkscapeLayersBecomePens() {
    QFile file(testDataPath(u"inkscape-layers.svg"_qs));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const Result<SvgGeometry> geometry = ReadSvgGeometry(file.readAll(), u"l.svg"_qs, 0.25);
    QVERIFY2(geometry.ok(), geometry.ok() ? "" : qPrintable(geometry.error()));
    // The hidden third layer draws nothing.
    QCOMPARE(geometry->lines.size(), size_t(2));
    QCOMPARE(geometry->lines[0].pen, 1);
    QCOMPARE(geometry->lines[1].pen, 2);
    QVERIFY(hausdorff({geometry->lines[0]},
                      {polyline({{10, 70}, {40, 70}, {40, 50}, {10, 50}, {10, 70}})}) < 1e-9);
    QVERIFY(hausdorff({geometry->lines[1]}, {segment({50, 40}, {70, 40})}) < 1e-9);
}

void SvgGeometryTest::textAsTextAndAsPaths() {
    // The same letter as text (drawn with the font's outline) and as the
    // vector editor's paths: both near the letter's box.
    for (const QString& name : {u"inkscape-text.svg"_qs, u"inkscape-text-paths.svg"_qs}) {
        QFile file(testDataPath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const Result<SvgGeometry> geometry = ReadSvgGeometry(file.readAll(), name, 0.05);
        QVERIFY2(geometry.ok(), geometry.ok() ? "" : qPrintable(geometry.error()));
        QVERIFY2(!geometry->lines.empty(), qPrintable(name));
        double minX = INFINITY, maxX = -INFINITY, minY = INFINITY, maxY = -INFINITY;
        for (const SvgLine& line : geometry->lines) {
            for (const PathPoint& p : line.points) {
                minX = std::min(minX, p.x), maxX = std::max(maxX, p.x);
                minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
            }
        }
        // "L" of a 10 px DejaVu Sans on the baseline at (5, 15): about 5 to
        // 11 across and 5 to 12.3 up from the page's bottom (20 - 15).
        QVERIFY2(minX > 5.5 && minX < 7 && maxX > 10 && maxX < 11.5,
                 qPrintable(QStringLiteral("%1 %2 %3").arg(name).arg(minX).arg(maxX)));
        QVERIFY2(std::abs(minY - 5) < 0.3 && maxY > 11.5 && maxY < 13,
                 qPrintable(QStringLiteral("%1 %2 %3").arg(name).arg(minY).arg(maxY)));
        if (name == u"inkscape-text.svg")
            QVERIFY2(geometry->notes.join(u'\n').contains(u"Tekst narysowany konturami: 1"),
                     qPrintable(geometry->notes.join(u'|')));
    }
}

void SvgGeometryTest::vectorEditorDrawing() {
    for (const QString& path :
         {testDataPath(u"inkscape-plain.svg"_qs),
          QStringLiteral(SCARA_SOURCE_DIR "/tests/hpgl/data/inkscape-drawing.svg")}) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const Result<SvgGeometry> geometry = ReadSvgGeometry(file.readAll(), path, 0.25);
        QVERIFY2(geometry.ok(), geometry.ok() ? "" : qPrintable(geometry.error()));
        if (path.endsWith(u"inkscape-plain.svg")) {
            QCOMPARE(geometry->lines.size(), size_t(3));
            QCOMPARE(geometry->pens, 2);
            QVERIFY(hausdorff({geometry->lines[0]},
                              {polyline({{10, 70}, {50, 70}, {50, 50}, {10, 50}, {10, 70}})}) <
                    1e-9);
            QVERIFY(hausdorff({geometry->lines[1]},
                              {cubic({60, 50}, {70, 70}, {80, 70}, {90, 50})}) <= 0.25 + 1e-3);
            QVERIFY(hausdorff({geometry->lines[2]}, {ellipse({30, 25}, 15, 15)}) <= 0.25 + 1e-3);
        } else {
            QVERIFY(geometry->lines.size() > 5); // the star, the circle, the letters
        }
    }
}

QTEST_MAIN(SvgGeometryTest)
#include "tst_svg_geometry.moc"
