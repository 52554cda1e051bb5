// The SVG import from document to program: bad documents refused with the
// file named, the drawing placed in the safe area, pens mapped to Z.
#include "svg/svgimport.h"

#include "gcode/prepareprogram.h"
#include "support/files.h"
#include "support/testdata.h"

#include <QFile>
#include <QTest>

class SvgImportTest : public QObject {
    Q_OBJECT

private slots:
    void badDocuments_data();
    void badDocuments();
    void tooLargeFile();
    void percentSignsKeptInMessages_data();
    void percentSignsKeptInMessages();
    void placedInTheSafeArea_data();
    void placedInTheSafeArea();
    void pensAndTravel();
};

void SvgImportTest::badDocuments_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("message");
    const QByteArray head = "<svg xmlns='http://www.w3.org/2000/svg' width='10mm' height='10mm' "
                            "viewBox='0 0 10 10'>";
    const QByteArray line = "<line x1='0' y1='0' x2='5' y2='5' stroke='black'/>";
    QTest::newRow("malformed XML")
        << head + "\n<g>\n<line x1='0'></g></svg>" << u"jest uszkodzony (linia 3)"_qs;
    QTest::newRow("not SVG") << QByteArray("<html><body/></html>") << u"nie jest rysunkiem SVG"_qs;
    QTest::newRow("empty file") << QByteArray() << u"jest uszkodzony"_qs;
    QTest::newRow("missing use target") << head + line + "\n<use href='#nothing'/></svg>"
                                        << u"nieistniejącego elementu \"#nothing\" (linia 2)"_qs;
    QTest::newRow("zero-size view box")
        << "<svg xmlns='http://www.w3.org/2000/svg' width='10mm' height='10mm' "
           "viewBox='0 0 0 10'>" +
               line + "</svg>"
        << u"niewłaściwy viewBox \"0 0 0 10\""_qs;
    QTest::newRow("NaN in the view box")
        << "<svg xmlns='http://www.w3.org/2000/svg' width='10mm' height='10mm' "
           "viewBox='0 0 NaN 10'>" +
               line + "</svg>"
        << u"liczbę spoza zakresu \"0 0 NaN 10\""_qs;
    QTest::newRow("NaN width") << "<svg xmlns='http://www.w3.org/2000/svg' width='NaNmm' "
                                  "height='10mm' viewBox='0 0 10 10'>" +
                                      line + "</svg>"
                               << u"liczbę spoza zakresu \"NaNmm\""_qs;
    QTest::newRow("1e308 scale") << head + "<g transform='scale(1e308)'>" + line + "</g></svg>"
                                 << u"liczbę spoza zakresu \"1e308\" (linia 1)"_qs;
    QTest::newRow("1e308 coordinate")
        << head + "\n<line x1='0' y1='0' x2='1e308' y2='5' stroke='black'/></svg>"
        << u"liczbę spoza zakresu \"1e308\" (linia 2)"_qs;
    QTest::newRow("NaN in a path") << head + "<path d='M 0 0 L NaN 5' stroke='black'/></svg>"
                                   << u"liczbę spoza zakresu \"M 0 0 L NaN 5\""_qs;
    QTest::newRow("coordinates beyond a kilometre")
        << head + "<g transform='scale(1e9)'>" + line + "</g></svg>"
        << u"współrzędne spoza zakresu"_qs;
    QTest::newRow("smaller than a unit")
        << head + "<line x1='0' y1='0' x2='0.1' y2='0.1' stroke='black'/></svg>"
        << u"nie zawiera niczego do narysowania"_qs;
    QByteArray deep = head;
    for (int i = 0; i < 300; ++i)
        deep += "<g>\n";
    QTest::newRow("deep nesting") << deep << u"głębiej niż 200 poziomów (linia 200)"_qs;
    QByteArray entities = "<?xml version='1.0'?>\n<!DOCTYPE svg [<!ENTITY a0 'aaaaaaaaaa'>";
    for (int i = 1; i < 8; ++i)
        entities += "<!ENTITY a" + QByteArray::number(i) + " '" +
                    QByteArray("&a" + QByteArray::number(i - 1) + ";").repeated(10) + "'>";
    QTest::newRow("entities expanded beyond the limit")
        << entities + "]>\n" + head + line + "<desc>&a7;</desc></svg>" << u"jest uszkodzony"_qs;
    QTest::newRow("nothing visible") << head + "<rect width='5' height='5' fill='none'/></svg>"
                                     << u"nie zawiera niczego do narysowania"_qs;
}

void SvgImportTest::badDocuments() {
    QFETCH(QByteArray, data);
    QFETCH(QString, message);
    const Result<SvgImport> imported = ImportSvg(data, u"zły.svg"_qs, {});
    QVERIFY(!imported.ok());
    QVERIFY2(imported.error().contains(u"\"zły.svg\""), qPrintable(imported.error()));
    QVERIFY2(imported.error().contains(message), qPrintable(imported.error()));
}

void SvgImportTest::tooLargeFile() {
    TempDir dir;
    const QString name = dir.writeFile(u"big.svg"_qs, QByteArray());
    QFile file(name);
    QVERIFY(file.resize(qint64(100) << 20)); // sparse: nothing is read
    const Result<SvgImport> imported = ImportSvgFile(name, {});
    QVERIFY(!imported.ok());
    QVERIFY2(imported.error().contains(u"ma ponad 64 MB"), qPrintable(imported.error()));
    QVERIFY(imported.error().contains(name));
}

// A file name or a value from the file that holds "%2" or "%3" is shown as
// it is, the line number in its own place.
void SvgImportTest::percentSignsKeptInMessages_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("message");
    const QByteArray head = "<svg xmlns='http://www.w3.org/2000/svg' width='10mm' height='10mm' "
                            "viewBox='0 0 10 10'>";
    QTest::newRow("value from the file")
        << head + "\n<path d='M %3 0 L NaN %2' stroke='black'/></svg>"
        << u"\"a%2b%3.svg\" ma liczbę spoza zakresu \"M %3 0 L NaN %2\" (linia 2)"_qs;
    QTest::newRow("use target") << head + "\n<use href='#%2%3'/></svg>"
                                << u"\"a%2b%3.svg\": element <use> odwołuje się do "
                                   "nieistniejącego elementu \"#%2%3\" (linia 2)"_qs;
    QByteArray deep = head;
    for (int i = 0; i < 300; ++i)
        deep += "<g>\n";
    QTest::newRow("deep nesting")
        << deep
        << u"\"a%2b%3.svg\" ma elementy zagnieżdżone głębiej niż 200 poziomów "
           "(linia 200)"_qs;
}

void SvgImportTest::percentSignsKeptInMessages() {
    QFETCH(QByteArray, data);
    QFETCH(QString, message);
    const Result<SvgImport> imported = ImportSvg(data, u"a%2b%3.svg"_qs, {});
    QVERIFY(!imported.ok());
    QVERIFY2(imported.error().contains(message), qPrintable(imported.error()));
}

void SvgImportTest::placedInTheSafeArea_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("margin");
    QTest::newRow("plain, margin 10") << testDataPath(u"inkscape-plain.svg"_qs) << 10;
    QTest::newRow("layers, margin 40") << testDataPath(u"inkscape-layers.svg"_qs) << 40;
    QTest::newRow("text, margin 0") << testDataPath(u"inkscape-text.svg"_qs) << 0;
}

void SvgImportTest::placedInTheSafeArea() {
    QFETCH(QString, file);
    QFETCH(int, margin);
    SvgImportSettings settings;
    settings.fit = true;
    settings.placement.margin = margin;
    const Result<SvgImport> imported = ImportSvgFile(file, settings);
    QVERIFY2(imported.ok(), imported.ok() ? "" : qPrintable(imported.error()));
    QVERIFY2(imported->report.join(u'\n').contains(u"Dopasowano: skala "),
             qPrintable(imported->report.join(u'\n')));
    // Every point within the reach less the margin, outside the forbidden
    // circle and the margin, and at least the margin up.
    const Result<DrawingProgram> read = ReadDrawingProgram(imported->program);
    QVERIFY(read.ok());
    double largest = 0;
    for (const ProgramPiece& piece : read->pieces) {
        for (const DrawnPath& path : piece.drawing.paths) {
            for (const PathPoint& p : path.points) {
                QVERIFY(p.x == std::round(p.x) && p.y == std::round(p.y));
                QVERIFY2(std::hypot(p.x, p.y) <= 500 - margin && p.y >= margin &&
                             std::hypot(p.x, p.y) >= 150 + margin,
                         qPrintable(QStringLiteral("%1 %2").arg(p.x).arg(p.y)));
                largest = std::max(largest, std::hypot(p.x, p.y));
            }
        }
    }
    QVERIFY2(largest > 500 - margin - 5, qPrintable(QString::number(largest))); // as large as fits
    // The station prepares it without a reach message.
    const Result<PreparedProgram> prepared = PrepareProgram(imported->program, {});
    QVERIFY(prepared.ok());
    QVERIFY(prepared->endBlockFound);
    const Result<PathCheckReport> path = CheckPath(prepared->lines, {});
    QVERIFY(path.ok());
    QCOMPARE(path->count(PathFindingKind::Reach), qsizetype(0));
    // Nor does any move, drawn or travel, enter the forbidden circle.
    QCOMPARE(path->count(PathFindingKind::Zone), qsizetype(0));
}

void SvgImportTest::pensAndTravel() {
    const QByteArray data =
        "<svg xmlns='http://www.w3.org/2000/svg' width='100mm' height='100mm' "
        "viewBox='0 0 100 100'><line x1='10' y1='90' x2='20' y2='90' stroke='red'/>"
        "<line x1='30' y1='90' x2='40' y2='90' stroke='blue'/></svg>";
    SvgImportSettings settings;
    settings.penHeights = {-3, 7, 0, 0, 0, 0, 0, 0};
    settings.travelHeight = 25;
    settings.holdBetweenPens = true;
    settings.optimize = false;
    const Result<SvgImport> imported = ImportSvg(data, u"p.svg"_qs, settings);
    QVERIFY2(imported.ok(), imported.ok() ? "" : qPrintable(imported.error()));
    QCOMPARE(
        imported->program.toStringList(),
        (QStringList{u"N10 G00 X 10 Y 10 Z 25"_qs, u"N20 G01 X 20 Y 10 Z -3"_qs, u"N30 M00"_qs,
                     u"N40 G00 X 30 Y 10 Z 25"_qs, u"N50 G01 X 40 Y 10 Z 7"_qs, u"N60 M30"_qs}));
}

QTEST_MAIN(SvgImportTest)
#include "tst_svg_import.moc"
