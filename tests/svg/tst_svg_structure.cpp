// SVG structure and painting against geometry known exactly: markers on
// vertices, nested viewports with each preserveAspectRatio, symbols, clip
// paths and masks, transform-origin, percentages and units, ellipse radii,
// paint references, dashes, filled shapes closed, conditional elements,
// text runs, long path data, and what the import counts as not drawn.
#include "svg/svgimport.h"

#include "support/svgshapes.h"

#include <QTest>

using namespace svgtest;

namespace {

constexpr double kTolerance = 0.25;

// A marker drawing a 5-unit stroke along its x axis from its reference point.
QString marker(const QString& id, const QString& attributes) {
    return u"<marker id='"_qs + id + u"' markerWidth='10' markerHeight='10' refX='0' refY='5' "_qs +
           attributes + u"><line x1='0' y1='5' x2='5' y2='5' stroke='black'/></marker>"_qs;
}

QString row(double x1, double y1, double x2, double y2, const QString& more = {}) {
    return QStringLiteral("<line x1='%1' y1='%2' x2='%3' y2='%4' stroke='black' %5/>")
        .arg(x1)
        .arg(y1)
        .arg(x2)
        .arg(y2)
        .arg(more);
}

Shape dashes(double y, std::vector<std::pair<double, double>> spans) {
    Shape shape;
    for (const auto& [from, to] : spans)
        shape.push_back(segment(up(from, y), up(to, y)));
    return shape;
}

} // namespace

class SvgStructureTest : public QObject {
    Q_OBJECT

private slots:
    void geometry_data();
    void geometry();
    void dashesDrawnSolidOnRequest();
    void textRunsKept();
    void shapesKeepWhatLaterPassesNeed();
    void longPathKeptWhole();
    void notDrawnCounted_data();
    void notDrawnCounted();
};

void SvgStructureTest::geometry_data() {
    QTest::addColumn<QString>("body");
    QTest::addColumn<QByteArray>("root");
    QTest::addColumn<Shape>("shape");
    QTest::addColumn<int>("lines");
    const QByteArray page = "width='100mm' height='100mm' viewBox='0 0 100 100'";
    const QString line = row(10, 10, 10, 50);
    const QString s = u" fill='none' stroke='black'"_qs;
    // Markers.
    QTest::newRow("marker-end oriented along the line, drawn once")
        << marker(u"m"_qs, u"orient='auto' markerUnits='userSpaceOnUse'"_qs) +
               row(10, 10, 10, 50, u"marker-end='url(#m)'"_qs)
        << page << Shape{segment(up(10, 10), up(10, 50)), segment(up(10, 50), up(10, 55))} << 2;
    QTest::newRow("auto-start-reverse at the start")
        << marker(u"m"_qs, u"orient='auto-start-reverse' markerUnits='userSpaceOnUse'"_qs) +
               row(10, 10, 10, 50, u"marker-start='url(#m)'"_qs)
        << page << Shape{segment(up(10, 10), up(10, 50)), segment(up(10, 10), up(10, 5))} << 2;
    QTest::newRow("markerUnits strokeWidth scales by the stroke")
        << marker(u"m"_qs, u"orient='auto'"_qs) +
               row(10, 10, 10, 50, u"stroke-width='2' marker-end='url(#m)'"_qs)
        << page << Shape{segment(up(10, 10), up(10, 50)), segment(up(10, 50), up(10, 60))} << 2;
    QTest::newRow("marker-mid on the middle vertex, fixed angle, refX")
        << u"<marker id='m' markerWidth='10' markerHeight='10' refX='2' refY='5' orient='0' "
           "markerUnits='userSpaceOnUse'><line x1='0' y1='5' x2='5' y2='5' "
           "stroke='black'/></marker><polyline points='10,10 30,10 30,30' marker-mid='url(#m)'"_qs +
               s + u"/>"_qs
        << page
        << Shape{polyline({up(10, 10), up(30, 10), up(30, 30)}), segment(up(28, 10), up(33, 10))}
        << 2;
    QTest::newRow("marker content clipped to its viewport")
        << u"<marker id='m' markerWidth='10' markerHeight='10' refX='0' refY='5' orient='0' "
           "markerUnits='userSpaceOnUse'><line x1='0' y1='5' x2='20' y2='5' "
           "stroke='black'/></marker>"_qs +
               row(50, 50, 50, 50.001, u"marker-start='url(#m)'"_qs)
        << page << Shape{segment(up(50, 50), up(60, 50))} << 2;
    QTest::newRow("marker viewBox scales its content")
        << u"<marker id='m' viewBox='0 0 20 20' markerWidth='10' markerHeight='10' refX='0' "
           "refY='10' orient='0' markerUnits='userSpaceOnUse'><line x1='0' y1='10' x2='20' "
           "y2='10' stroke='black'/></marker>"_qs +
               row(50, 50, 50, 50.001, u"marker-start='url(#m)'"_qs)
        << page << Shape{segment(up(50, 50), up(60, 50))} << 2;
    // Nested viewports.
    QTest::newRow("nested svg placed and scaled; what follows drawn")
        << u"<svg x='20' y='30' width='40' height='20' viewBox='0 0 4 2'>"_qs + row(0, 0, 4, 2) +
               u"</svg>"_qs + row(0, 90, 10, 90)
        << page << Shape{segment(up(20, 30), up(60, 50)), segment(up(0, 90), up(10, 90))} << 2;
    QTest::newRow("nested svg xMidYMid meet")
        << u"<svg width='40' height='20' viewBox='0 0 10 10'>"_qs + row(0, 0, 10, 10) + u"</svg>"_qs
        << page << Shape{segment(up(10, 0), up(30, 20))} << 1;
    QTest::newRow("nested svg xMinYMin slice, clipped")
        << u"<svg width='40' height='20' viewBox='0 0 10 10' "
           "preserveAspectRatio='xMinYMin slice'>"_qs +
               row(0, 0, 10, 10) + u"</svg>"_qs
        << page << Shape{segment(up(0, 0), up(20, 20))} << 1;
    QTest::newRow("nested svg none")
        << u"<svg width='40' height='20' viewBox='0 0 10 10' preserveAspectRatio='none'>"_qs +
               row(0, 0, 10, 10) + u"</svg>"_qs
        << page << Shape{segment(up(0, 0), up(40, 20))} << 1;
    QTest::newRow("view box not at the origin clips")
        << u"<svg x='10' y='10' width='20' height='20' viewBox='5 5 10 10'>"_qs +
               row(0, 10, 20, 10) + u"</svg>"_qs
        << page << Shape{segment(up(10, 20), up(30, 20))} << 1;
    QTest::newRow("circle centred on the viewport's corner")
        << u"<svg x='50' y='50' width='20' height='20'><circle r='10'"_qs + s + u"/></svg>"_qs
        << page << Shape{ellipse(up(50, 50), 10, 10, 270, 90)} << 1;
    QTest::newRow("the page clips what lies beyond it")
        << row(-50, 50, 150, 50) << page << Shape{segment(up(0, 50), up(100, 50))} << 1;
    QTest::newRow("use of an svg with a size")
        << u"<defs><svg id='v' viewBox='0 0 10 10'>"_qs + row(0, 0, 10, 10) +
               u"</svg></defs><use href='#v' x='10' y='10' width='20' height='20'/>"_qs
        << page << Shape{segment(up(10, 10), up(30, 30))} << 1;
    // Symbols.
    QTest::newRow("symbol in defs drawn where used")
        << u"<defs><symbol id='y' viewBox='0 0 10 10'>"_qs + row(0, 0, 10, 10) +
               u"</symbol></defs><use xlink:href='#y' x='50' y='50' width='10' height='10'/>"_qs
        << page << Shape{segment(up(50, 50), up(60, 60))} << 1;
    QTest::newRow("symbol nobody uses draws nothing")
        << u"<symbol id='y'>"_qs + row(0, 0, 10, 10) + u"</symbol>"_qs + row(0, 90, 10, 90) << page
        << Shape{segment(up(0, 90), up(10, 90))} << 1;
    // Clipping.
    QTest::newRow("clipPath in user space")
        << u"<clipPath id='c'><rect x='20' y='0' width='20' height='100'/></clipPath>"_qs +
               row(0, 50, 100, 50, u"clip-path='url(#c)'"_qs)
        << page << Shape{segment(up(20, 50), up(40, 50))} << 1;
    QTest::newRow("clipPath in the bounding box, on a group")
        << u"<clipPath id='c' clipPathUnits='objectBoundingBox'><rect y='-0.1' width='0.5' "
           "height='1.2'/></clipPath><g clip-path='url(#c)'><rect x='10' y='10' width='40' "
           "height='40'"_qs +
               s + u"/></g>"_qs
        << page << Shape{polyline({up(30, 10), up(10, 10), up(10, 50), up(30, 50)})} << 1;
    QTest::newRow("clipPath circle, quoted url")
        << u"<clipPath id='c'><circle cx='50' cy='50' r='10'/></clipPath>"_qs +
               row(0, 50, 100, 50, u"clip-path=\"url('#c')\""_qs)
        << page << Shape{segment(up(40, 50), up(60, 50))} << 1;
    QTest::newRow("mask taken as its shapes' area")
        << u"<mask id='k'><rect width='50' height='100' fill='white'/></mask>"_qs +
               row(0, 50, 100, 50, u"mask='url(#k)'"_qs)
        << page << Shape{segment(up(0, 50), up(50, 50))} << 1;
    // transform-origin.
    QTest::newRow("transform-origin attribute")
        << row(50, 50, 80, 50, u"transform='rotate(90)' transform-origin='50 50'"_qs) << page
        << Shape{segment(up(50, 50), up(50, 80))} << 1;
    QTest::newRow("transform-origin in style, percentages")
        << row(50, 50, 80, 50, u"transform='rotate(90)' style='transform-origin:50% 50%'"_qs)
        << page << Shape{segment(up(50, 50), up(50, 80))} << 1;
    // Percentages and units.
    QTest::newRow("percentages of width, height and diagonal")
        << u"<line x1='10%' y1='20%' x2='50%' y2='20%' stroke='black'/>"
           "<circle cx='100' cy='50' r='10%'"_qs +
               s + u"/>"_qs
        << QByteArray("width='200mm' height='100mm' viewBox='0 0 200 100'")
        << Shape{segment(up(20, 20), up(100, 20)),
                 ellipse(up(100, 50), 10 * std::sqrt(2.5), 10 * std::sqrt(2.5))}
        << 2;
    QTest::newRow("mm, in and cm at 96 dpi")
        << u"<rect x='10mm' y='10mm' width='1in' height='1cm'"_qs + s + u"/>"_qs
        << QByteArray("width='100mm' height='100mm'")
        << Shape{polyline({up(10, 10), up(35.4, 10), up(35.4, 20), up(10, 20), up(10, 10)})} << 1;
    QTest::newRow("em and ex from the font size")
        << u"<g font-size='10'><rect x='1em' y='1em' width='2em' height='2ex'"_qs + s + u"/></g>"_qs
        << page << Shape{polyline({up(10, 10), up(30, 10), up(30, 20), up(10, 20), up(10, 10)})}
        << 1;
    // Ellipse radii and paint.
    QTest::newRow("ellipse without ry takes rx")
        << u"<ellipse cx='50' cy='50' rx='20'"_qs + s + u"/>"_qs << page
        << Shape{ellipse(up(50, 50), 20, 20)} << 1;
    QTest::newRow("ellipse with rx auto takes ry")
        << u"<ellipse cx='50' cy='50' rx='auto' ry='10'"_qs + s + u"/>"_qs << page
        << Shape{ellipse(up(50, 50), 10, 10)} << 1;
    QTest::newRow("negative radius draws nothing")
        << u"<ellipse cx='50' cy='50' rx='-5' ry='10'"_qs + s + u"/>"_qs + row(0, 90, 10, 90)
        << page << Shape{segment(up(0, 90), up(10, 90))} << 1;
    QTest::newRow("gradient fill with quotes and transform-origin")
        << u"<linearGradient id='g' gradientTransform='rotate(45)' transform-origin='center'>"
           "<stop offset='0' stop-color='red'/></linearGradient>"
           "<rect x='10' y='10' width='10' height='10' fill=\"url('#g')\"/>"_qs
        << page << Shape{polyline({up(10, 10), up(20, 10), up(20, 20), up(10, 20), up(10, 10)})}
        << 1;
    // Dashes.
    QTest::newRow("dashes") << row(0, 10, 100, 10, u"stroke-dasharray='10 10'"_qs) << page
                            << dashes(10, {{0, 10}, {20, 30}, {40, 50}, {60, 70}, {80, 90}}) << 5;
    QTest::newRow("dash offset")
        << row(0, 10, 100, 10, u"stroke-dasharray='10,10' stroke-dashoffset='5'"_qs) << page
        << dashes(10, {{0, 5}, {15, 25}, {35, 45}, {55, 65}, {75, 85}, {95, 100}}) << 6;
    QTest::newRow("odd dash list repeated")
        << row(0, 10, 100, 10, u"stroke-dasharray='10 5 5'"_qs) << page
        << dashes(10,
                  {{0, 10}, {15, 20}, {30, 35}, {40, 50}, {55, 60}, {70, 75}, {80, 90}, {95, 100}})
        << 8;
    QTest::newRow("dashes in the element's units")
        << u"<g transform='scale(2)'>"_qs + row(0, 10, 50, 10, u"stroke-dasharray='5'"_qs) +
               u"</g>"_qs
        << page << dashes(20, {{0, 10}, {20, 30}, {40, 50}, {60, 70}, {80, 90}}) << 5;
    // Filled shapes closed; conditional elements.
    QTest::newRow("filled open path outlined closed")
        << u"<path d='M 10 10 L 50 10 L 50 50' fill='blue'/>"_qs << page
        << Shape{polyline({up(10, 10), up(50, 10), up(50, 50), up(10, 10)})} << 1;
    QTest::newRow("switch draws its first child that applies")
        << u"<switch>"_qs + row(0, 10, 10, 10, u"systemLanguage='xx'"_qs) +
               row(0, 20, 10, 20, u"requiredExtensions='http://example.org/x'"_qs) +
               row(0, 30, 10, 30, u"systemLanguage='en-GB, xx'"_qs) + row(0, 40, 10, 40) +
               u"</switch>"_qs
        << page << Shape{segment(up(0, 30), up(10, 30))} << 1;
    Q_UNUSED(line);
}

void SvgStructureTest::geometry() {
    QFETCH(QString, body);
    QFETCH(QByteArray, root);
    QFETCH(Shape, shape);
    QFETCH(int, lines);
    const Result<SvgGeometry> geometry =
        ReadSvgGeometry(document(body.toUtf8(), root), u"t.svg"_qs, kTolerance);
    QVERIFY2(geometry.ok(), geometry.ok() ? "" : qPrintable(geometry.error()));
    QCOMPARE(int(geometry->lines.size()), lines);
    const double distance = hausdorff(geometry->lines, shape);
    QVERIFY2(distance <= kTolerance + 1e-3, qPrintable(QString::number(distance)));
}

void SvgStructureTest::dashesDrawnSolidOnRequest() {
    SvgReadOptions options;
    options.dashes = false;
    const Result<SvgGeometry> geometry =
        ReadSvgGeometry(document(row(0, 10, 100, 10, u"stroke-dasharray='10 10'"_qs).toUtf8()),
                        u"t.svg"_qs, options);
    QVERIFY(geometry.ok());
    QCOMPARE(geometry->lines.size(), size_t(1));
    QVERIFY(hausdorff(geometry->lines, {segment(up(0, 10), up(100, 10))}) < 1e-9);
}

// The runs a later pass lays out again: hidden spans left out, positions in
// user units, the transform to the page's millimetres.
void SvgStructureTest::textRunsKept() {
    const QByteArray body =
        "<text x='10' y='50' font-size='8' text-anchor='middle' font-family='DejaVu Sans'>A"
        "<tspan display='none'>B</tspan><tspan visibility='hidden'>C</tspan>"
        "<tspan x='30' dy='5'>D</tspan></text>";
    const Result<SvgGeometry> geometry = ReadSvgGeometry(document(body), u"t.svg"_qs, kTolerance);
    QVERIFY2(geometry.ok(), geometry.ok() ? "" : qPrintable(geometry.error()));
    QStringList texts;
    for (const SvgShape& shape : geometry->shapes) {
        QVERIFY(shape.text.has_value());
        texts << shape.text->text;
        QCOMPARE(shape.text->fontSize, 8.0);
        QCOMPARE(shape.text->anchor, SvgAnchor::Middle);
        QCOMPARE(shape.text->family, u"DejaVu Sans"_qs);
        QVERIFY(shape.lineCount > 0); // its outline drawn
    }
    QCOMPARE(texts, (QStringList{u"A"_qs, u"D"_qs}));
    const SvgTextRun& d = *geometry->shapes[1].text;
    QCOMPARE(d.at, QPointF(30, 55));
    QCOMPARE(d.toPage.map(d.at), QPointF(30, 45)); // millimetres, Y up
}

void SvgStructureTest::shapesKeepWhatLaterPassesNeed() {
    const QByteArray body = "<path d='M 10 10 h 40 v 40 h -40 z M 20 20 h 10 v 10 h -10 z' "
                            "fill='red' fill-rule='evenodd' stroke='none'/>"
                            "<polyline points='0,0 10,10' fill='none' stroke='blue'/>";
    const Result<SvgGeometry> geometry = ReadSvgGeometry(document(body), u"t.svg"_qs, kTolerance);
    QVERIFY(geometry.ok());
    QCOMPARE(geometry->shapes.size(), size_t(2));
    const SvgShape& hole = geometry->shapes[0];
    QVERIFY(hole.filled && !hole.stroked);
    QCOMPARE(hole.fillRule, Qt::OddEvenFill);
    QCOMPARE(hole.outline.size(), size_t(2));
    QVERIFY(hole.outline[0].closed && hole.outline[1].closed);
    QCOMPARE(hole.colour, qRgb(255, 0, 0));
    const SvgShape& open = geometry->shapes[1];
    QVERIFY(!open.filled && open.stroked && !open.outline[0].closed);
    QCOMPARE(open.pen, 2);
    QCOMPARE(open.firstLine, size_t(2));
    QCOMPARE(open.lineCount, size_t(1));
}

// Path data is not cut: a square after 100,000 tiny commands is drawn.
void SvgStructureTest::longPathKeptWhole() {
    QByteArray d = "M 1 1";
    for (int i = 0; i < 100000; ++i)
        d += i % 2 ? " l 0.0001 0" : " l -0.0001 0";
    d += " M 60 60 h 20 v 20 h -20 z";
    const Result<SvgGeometry> geometry = ReadSvgGeometry(
        document("<path d='" + d + "' fill='none' stroke='black'/>"), u"t.svg"_qs, kTolerance);
    QVERIFY2(geometry.ok(), geometry.ok() ? "" : qPrintable(geometry.error()));
    QCOMPARE(geometry->lines.size(), size_t(2));
    QCOMPARE(geometry->lines[0].points.size(), size_t(100001));
    QVERIFY(hausdorff({geometry->lines[1]}, {polyline({up(60, 60), up(80, 60), up(80, 80),
                                                       up(60, 80), up(60, 60)})}) < 1e-9);
}

void SvgStructureTest::notDrawnCounted_data() {
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("note");
    const QString line = row(0, 90, 10, 90);
    QTest::newRow("missing clip path")
        << line + u"\n"_qs + row(0, 0, 10, 0, u"clip-path='url(#none)'"_qs)
        << u"Nie narysowano: odwołanie w clip-path do brakującego elementu (pierwszy raz w "
           "linii 2) × 1"_qs;
    QTest::newRow("reference to another file")
        << line + u"\n\n"_qs + row(0, 0, 10, 0, u"marker-end='url(other.svg#m)'"_qs)
        << u"Nie narysowano: odwołanie do innego pliku (pierwszy raz w linii 3) × 1"_qs;
    QTest::newRow("use in a cycle")
        << line + u"\n<g id='a'>\n<use href='#a'/></g>"_qs
        << u"Nie narysowano: odwołanie zapętlone (pierwszy raz w linii 3) × 1"_qs;
    QTest::newRow("negative radius")
        << line + u"\n<circle r='-1' stroke='black'/><circle r='-2' stroke='black'/>"_qs
        << u"Nie narysowano: kształt o ujemnym rozmiarze (pierwszy raz w linii 2) × 2"_qs;
    QTest::newRow("path data drawn up to its error")
        << line + u"\n<path d='M 0 0 L 10 10 L 20 x' stroke='black'/>"_qs
        << u"Nie narysowano: niezrozumiała wartość d (narysowano do błędu) (pierwszy raz w "
           "linii 2) × 1"_qs;
    QTest::newRow("path data without a move first")
        << line + u"\n<path d='L 10 10' stroke='black'/><path d='M 5' stroke='black'/>"
                  "<path d='M 6.E3,7 H 9' stroke='black'/><path d='M 6,7.h 9' stroke='black'/>"
                  "<path d='M 6,7e 9' stroke='black'/>"_qs
        << u"Nie narysowano: niezrozumiała wartość d (narysowano do błędu) (pierwszy raz w "
           "linii 2) × 5"_qs;
    QTest::newRow("empty path data, no error")
        << line + u"\n<path d=' ' stroke='black'/>"_qs << QString();
}

void SvgStructureTest::notDrawnCounted() {
    QFETCH(QString, body);
    QFETCH(QString, note);
    const Result<SvgGeometry> geometry =
        ReadSvgGeometry(document(body.toUtf8()), u"t.svg"_qs, kTolerance);
    QVERIFY2(geometry.ok(), geometry.ok() ? "" : qPrintable(geometry.error()));
    const QString notes = geometry->notes.join(u'\n');
    if (note.isEmpty())
        QVERIFY2(!notes.contains(u"Nie narysowano"_qs), qPrintable(notes));
    else
        QVERIFY2(notes.contains(note), qPrintable(notes));
}

QTEST_MAIN(SvgStructureTest)
#include "tst_svg_structure.moc"
