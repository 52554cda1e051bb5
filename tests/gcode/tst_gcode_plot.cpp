// The trajectory plot: colours, move drawing, simulation points and their log
// line, saving the picture, and the shipped default background.
#include "gcode/plotbackground.h"
#include "gcode/plotsurface.h"
#include "support/files.h"
#include "support/filesizelimit.h"

#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

#include <climits>
#include <cmath>

namespace {

constexpr QRgb kWhite = 0xffffffff;
constexpr QRgb kPen = 0xff123456;

int countPixels(const QImage& image, QRgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == colour;
    return count;
}

QString backgroundPath() {
    return QStringLiteral(SCARA_SOURCE_DIR "/resources/default-background.bmp");
}

} // namespace

Q_DECLARE_METATYPE(PlotMove)

class TestPlotSurface : public QObject {
    Q_OBJECT

private slots:
    void moveColour_data();
    void moveColour();
    void changedColourAppliesToLaterMoves();
    void moveFromHomeToTopMiddle();
    void movesOutsideThePictureDoNotShow_data();
    void movesOutsideThePictureDoNotShow();
    void farOffMovesCrossingThePicture_data();
    void farOffMovesCrossingThePicture();
    void interpolationPixel_data();
    void interpolationPixel();
    void interpolationPoint();
    void interpolationLogLine_data();
    void interpolationLogLine();
    void backgroundDrawnUnscaledAtTopLeft();
    void savesBitmapAndPng();
    void failedSaveKeepsTheOldPicture();
    void defaultBackgroundMatchesShippedFile();
    void composedDefaultWhenTheFileIsMissing();
    void composedPictureLiesOverTheDefault();
    void composedPictureLargerThanTheDefaultIsCut();
    void composedTransparentPartsShowTheDefault();
    void composedDefaultWhenTheFileIsUnreadable_data();
    void composedDefaultWhenTheFileIsUnreadable();
    void composedDefaultIsDrawnWhenNoneIsGiven();
};

void TestPlotSurface::moveColour_data() {
    QTest::addColumn<QByteArray>("g");
    QTest::addColumn<QByteArray>("z");
    QTest::addColumn<int>("column");
    QTest::addColumn<QColor>("colour");
    const int t = int(PlotColumn::Trajectory);
    const int i = int(PlotColumn::Interpolation);
    QTest::newRow("G00 any Z") << QByteArray("00") << QByteArray("abc") << t
                               << QColor(255, 255, 255);
    QTest::newRow("G0 no Z") << QByteArray("0") << QByteArray() << t << QColor(255, 255, 255);
    QTest::newRow("G01 Z0") << QByteArray("01") << QByteArray("0") << t << QColor(0, 0, 255);
    QTest::newRow("G1 Z1") << QByteArray("1") << QByteArray("1") << t << QColor(0, 255, 0);
    QTest::newRow("Z2") << QByteArray("01") << QByteArray("2") << t << QColor(0, 0, 128);
    QTest::newRow("Z3") << QByteArray("01") << QByteArray("3") << t << QColor(128, 0, 0);
    QTest::newRow("Z4") << QByteArray("01") << QByteArray("4") << t << QColor(255, 0, 255);
    QTest::newRow("Z5") << QByteArray("01") << QByteArray("5") << t << QColor(0, 255, 255);
    QTest::newRow("Z6") << QByteArray("1") << QByteArray("6") << t << QColor(255, 251, 240);
    QTest::newRow("interp G00") << QByteArray("0") << QByteArray("3") << i << QColor(128, 128, 0);
    QTest::newRow("interp Z0") << QByteArray("1") << QByteArray("0") << i << QColor(128, 0, 128);
    QTest::newRow("interp Z1") << QByteArray("1") << QByteArray("1") << i << QColor(192, 192, 192);
    QTest::newRow("interp Z2") << QByteArray("1") << QByteArray("2") << i << QColor(255, 255, 0);
    QTest::newRow("interp Z3") << QByteArray("1") << QByteArray("3") << i << QColor(166, 202, 240);
    QTest::newRow("interp Z4") << QByteArray("1") << QByteArray("4") << i << QColor(192, 220, 192);
    QTest::newRow("interp Z5") << QByteArray("1") << QByteArray("5") << i << QColor(128, 0, 0);
    QTest::newRow("interp Z6") << QByteArray("1") << QByteArray("6") << i << QColor(255, 0, 255);
    const QColor unmatched = QColor::fromRgb(kUnmatchedMoveColour);
    QTest::newRow("Z with leading zero") << QByteArray("01") << QByteArray("00") << t << unmatched;
    QTest::newRow("Z with sign") << QByteArray("01") << QByteArray("+1") << t << unmatched;
    QTest::newRow("Z7") << QByteArray("01") << QByteArray("7") << t << unmatched;
    QTest::newRow("Z-1") << QByteArray("01") << QByteArray("-1") << i << unmatched;
    QTest::newRow("working move without Z") << QByteArray("01") << QByteArray() << t << unmatched;
    QTest::newRow("G001") << QByteArray("001") << QByteArray("1") << t << unmatched;
    QTest::newRow("G02") << QByteArray("02") << QByteArray("1") << t << unmatched;
    QTest::newRow("no G") << QByteArray() << QByteArray("1") << t << unmatched;
}

void TestPlotSurface::moveColour() {
    QFETCH(QByteArray, g);
    QFETCH(QByteArray, z);
    QFETCH(int, column);
    QFETCH(QColor, colour);
    QCOMPARE(QColor::fromRgb(MoveColour(g, z, PlotColumn(column), PlotColours::defaults())),
             colour);
}

void TestPlotSurface::changedColourAppliesToLaterMoves() {
    PlotColours colours = PlotColours::defaults();
    PlotSurface surface;
    surface.drawMoves({{-500, 100, 499, 100, PlotRow::Z1}}, colours);
    colours.setColour(PlotColumn::Trajectory, PlotRow::Z1, kPen);
    QCOMPARE(surface.pixel(10, 400), qRgb(0, 255, 0));
    surface.drawMoves({{-500, 200, 499, 200, PlotRow::Z1}}, colours);
    QCOMPARE(surface.pixel(10, 400), qRgb(0, 255, 0));
    QCOMPARE(surface.pixel(10, 300), kPen);
}

// From the start position (500, 0), the bottom right corner, to (0, 500), the
// middle of the top edge.
void TestPlotSurface::moveFromHomeToTopMiddle() {
    PlotSurface surface;
    surface.drawMove({500, 0, 0, 500, PlotRow::G00}, kPen);
    const QImage image = surface.image();
    QCOMPARE(image.pixel(500, 0), kPen);
    QCOMPARE(image.pixel(750, 250), kPen);
    QCOMPARE(image.pixel(999, 499), kPen);
    QCOMPARE(image.pixel(750, 251), kWhite);
    QCOMPARE(countPixels(image, kPen), 500); // one per column 500..999
}

void TestPlotSurface::movesOutsideThePictureDoNotShow_data() {
    QTest::addColumn<PlotMove>("move");
    QTest::newRow("negative Y") << PlotMove{0, -10, 10, -20, PlotRow::Z1};
    QTest::newRow("beyond right") << PlotMove{501, 10, 900, 300, PlotRow::Z1};
    QTest::newRow("beyond left") << PlotMove{-501, 10, -5000, 300, PlotRow::Z1};
    QTest::newRow("above") << PlotMove{-10, 501, 300, 5000, PlotRow::Z1};
    QTest::newRow("extremes outside") << PlotMove{INT_MIN, INT_MIN, INT_MAX, INT_MIN, PlotRow::Z1};
    QTest::newRow("single point outside") << PlotMove{600, 600, 600, 600, PlotRow::Z1};
}

void TestPlotSurface::movesOutsideThePictureDoNotShow() {
    QFETCH(PlotMove, move);
    PlotSurface surface;
    surface.drawMove(move, kPen);
    QCOMPARE(countPixels(surface.image(), kPen), 0);
}

void TestPlotSurface::farOffMovesCrossingThePicture_data() {
    QTest::addColumn<PlotMove>("move");
    QTest::addColumn<QPoint>("inside");
    QTest::addColumn<int>("pixels");
    QTest::newRow("long diagonal")
        << PlotMove{-100000, 100000, 100000, -100000, PlotRow::Z1} << QPoint(250, 250) << 500;
    QTest::newRow("corner to corner of the range")
        << PlotMove{INT_MIN, INT_MIN, INT_MAX, INT_MAX, PlotRow::Z1} << QPoint(700, 300) << 499;
    QTest::newRow("steep") << PlotMove{0, -1000000, 1, 1000000, PlotRow::Z1} << QPoint(501, 10)
                           << 500;
    QTest::newRow("horizontal") << PlotMove{INT_MIN, 250, INT_MAX, 250, PlotRow::Z1}
                                << QPoint(0, 250) << 1000;
}

void TestPlotSurface::farOffMovesCrossingThePicture() {
    QFETCH(PlotMove, move);
    QFETCH(QPoint, inside);
    QFETCH(int, pixels);
    PlotSurface surface;
    surface.drawMove(move, kPen);
    const QImage image = surface.image();
    QCOMPARE(image.pixel(inside), kPen);
    QCOMPARE(countPixels(image, kPen), pixels);
}

void TestPlotSurface::interpolationPixel_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<QPoint>("pixel");
    QTest::newRow("base") << 0.0 << 0.0 << QPoint(500, 500);
    QTest::newRow("halves to even") << 1.5 << 0.5 << QPoint(502, 500);
    QTest::newRow("other halves") << -0.5 << 10.5 << QPoint(500, 490);
    QTest::newRow("plain rounding") << 12.4 << 299.6 << QPoint(512, 200);
    QTest::newRow("far off") << 1e300 << -1e300 << QPoint(1000000000, 1000000000);
    QTest::newRow("not a number") << std::nan("") << 0.0 << QPoint(1000000000, 500);
}

void TestPlotSurface::interpolationPixel() {
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(QPoint, pixel);
    QCOMPARE(InterpolationPixel(x, y), pixel);
}

void TestPlotSurface::interpolationPoint() {
    const PlotColours colours = PlotColours::defaults();
    PlotSurface surface;
    surface.plotInterpolationPoint(10.5, 100.0, 1, 2, colours);
    QCOMPARE(surface.pixel(510, 400), qRgb(255, 255, 0));
    surface.plotInterpolationPoint(-10.0, 100.0, 0, 40, colours);
    QCOMPARE(surface.pixel(490, 400), qRgb(128, 128, 0));
    surface.plotInterpolationPoint(20.0, 100.0, 1, -1, colours);
    QCOMPARE(surface.pixel(520, 400), kUnmatchedMoveColour);
    surface.plotInterpolationPoint(0.0, -5.0, 1, 1, colours); // below the picture
    surface.plotInterpolationPoint(1e300, 1e300, 1, 1, colours);
    QCOMPARE(countPixels(surface.image(), kWhite), 1000 * 500 - 3);
}

void TestPlotSurface::interpolationLogLine_data() {
    QTest::addColumn<QByteArray>("n");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<int>("z");
    QTest::addColumn<QString>("line");
    QTest::newRow("typical") << QByteArray("10") << 12.5 << 300.0 << 1 << "N10 X:12,5 Y:300 Z:1";
    QTest::newRow("no N") << QByteArray() << 0.1 + 0.2 << -3.0 << 0 << "N X:0,3 Y:-3 Z:0";
    QTest::newRow("Polish N") << QByteArray("\xb3") << 1e-7 << 0.0 << -5
                              << "Nł X:0,0000001 Y:0 Z:-5";
}

void TestPlotSurface::interpolationLogLine() {
    QFETCH(QByteArray, n);
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(int, z);
    QFETCH(QString, line);
    QCOMPARE(InterpolationLogLine(n, x, y, z), line);
}

void TestPlotSurface::backgroundDrawnUnscaledAtTopLeft() {
    PlotSurface surface;
    QImage small(100, 50, QImage::Format_RGB32);
    small.fill(kPen);
    surface.paintBackground(small);
    QCOMPARE(surface.pixel(99, 49), kPen);
    QCOMPARE(surface.pixel(100, 49), kWhite);
    QCOMPARE(surface.pixel(99, 50), kWhite);
    QImage large(2000, 1000, QImage::Format_RGB32);
    large.fill(0xff00ff00);
    large.setPixel(999, 499, 0xff0000ff);
    surface.paintBackground(large);
    QCOMPARE(surface.pixel(0, 0), 0xff00ff00);
    QCOMPARE(surface.pixel(999, 499), 0xff0000ff);
}

void TestPlotSurface::savesBitmapAndPng() {
    PlotSurface surface;
    surface.drawMove({-500, 0, 499, 499, PlotRow::Z0}, kPen);
    TempDir dir;
    QVERIFY(dir.isValid());
    for (const char* name : {"plot.bmp", "plot.PNG", "plot"}) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QVERIFY(surface.save(path).ok());
        const QImage back(path);
        QCOMPARE(back.size(), QSize(1000, 500));
        QCOMPARE(back.convertToFormat(QImage::Format_RGB32), surface.image());
    }
    QFile bmp(dir.filePath("plot.bmp"));
    QVERIFY(bmp.open(QIODevice::ReadOnly));
    QCOMPARE(bmp.read(2), QByteArray("BM"));
    QCOMPARE(QImageReader(dir.filePath("plot")).format(), QByteArray("bmp"));
}

void TestPlotSurface::failedSaveKeepsTheOldPicture() {
    TempDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("plot.bmp");
    PlotSurface surface;
    QVERIFY(surface.save(path).ok());
    const QByteArray old = readFileBytes(path);
    QVERIFY(old.startsWith("BM"));
    surface.clear(kPen);
    Status status;
    {
        FileSizeLimit limit(100000);
        QVERIFY(limit.active());
        status = surface.save(path);
    }
    QVERIFY(!status.ok());
    QVERIFY2(status.error().startsWith(QStringLiteral("Cannot create file \"%1\". ").arg(path)),
             qPrintable(status.error()));
    QCOMPARE(readFileBytes(path), old);
}

// The shipped resources/default-background.bmp is MakeDefaultBackground()
// written as a 24-bit bitmap. Run with SCARA_WRITE_BACKGROUND=1 to write it
// again after changing the drawing.
void TestPlotSurface::defaultBackgroundMatchesShippedFile() {
    const QImage drawn = MakeDefaultBackground();
    QCOMPARE(drawn.size(), QSize(1000, 500));
    if (qEnvironmentVariableIsSet("SCARA_WRITE_BACKGROUND"))
        QVERIFY(drawn.convertToFormat(QImage::Format_RGB888).save(backgroundPath(), "BMP"));
    const Result<QImage> shipped = ReadBackgroundFile(backgroundPath());
    QVERIFY2(shipped.ok(), qPrintable(shipped.ok() ? QString() : shipped.error()));
    QCOMPARE(shipped->depth(), 32); // Qt reads 24-bit bitmaps as 32-bit RGB
    QCOMPARE(shipped->convertToFormat(QImage::Format_RGB32), drawn);
    QFile file(backgroundPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray header = file.read(30);
    QCOMPARE(header.left(2), QByteArray("BM"));
    QCOMPARE(int(uchar(header[28])), 24); // bits per pixel
    // The base and the reach circle are drawn, every default colour shows.
    QVERIFY(drawn.pixel(500, 499) != drawn.pixel(300, 300));
    QVERIFY(drawn.pixel(500, 0) != drawn.pixel(501, 1));
    const PlotColours colours = PlotColours::defaults();
    for (QRgb c : colours.trajectory)
        QVERIFY(c != drawn.pixel(300, 300));
}

namespace {

// A default picture as the resource gives it: 24-bit, a gradient so that
// every pixel's origin shows.
QImage gradientDefault() {
    QImage image(PlotSurface::kWidth, PlotSurface::kHeight, QImage::Format_RGB888);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, 7));
    return image;
}

QString saved(const QTemporaryDir& dir, const QImage& picture, const char* name) {
    const QString path = dir.filePath(QString::fromLatin1(name));
    return picture.save(path) ? path : QString();
}

QString written(const QTemporaryDir& dir, const QByteArray& bytes, const char* name) {
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? path : QString();
}

} // namespace

void TestPlotSurface::composedDefaultWhenTheFileIsMissing() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const ComposedBackground composed =
        ComposeBackground(dir.filePath(QStringLiteral("wzorzec.bmp")), gradientDefault());
    QCOMPARE(composed.image.format(), QImage::Format_RGB32);
    QCOMPARE(composed.image, gradientDefault().convertToFormat(QImage::Format_RGB32));
    QCOMPARE(
        composed.note,
        QStringLiteral("Brak pliku wzorzec.bmp w katalogu roboczym, wyświetlono tło domyślne"));
}

void TestPlotSurface::composedPictureLiesOverTheDefault() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QImage small(100, 50, QImage::Format_RGB32);
    small.fill(kPen);
    const QString path = saved(dir, small, "wzorzec.bmp");
    QVERIFY(!path.isEmpty());
    const ComposedBackground composed = ComposeBackground(path, gradientDefault());
    QCOMPARE(composed.note, QString());
    QCOMPARE(composed.image.format(), QImage::Format_RGB32);
    QCOMPARE(composed.image.size(), QSize(PlotSurface::kWidth, PlotSurface::kHeight));
    QCOMPARE(countPixels(composed.image, kPen), 100 * 50);
    QCOMPARE(composed.image.pixel(99, 49), kPen);
    QCOMPARE(composed.image.pixel(100, 49), qRgb(100, 49, 7));
    QCOMPARE(composed.image.pixel(99, 50), qRgb(99, 50, 7));
    QCOMPARE(composed.image.pixel(999, 499), qRgb(999 % 256, 499 % 256, 7));
}

void TestPlotSurface::composedPictureLargerThanTheDefaultIsCut() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QImage large(1200, 700, QImage::Format_RGB32);
    large.fill(kPen);
    large.setPixel(999, 499, kWhite);
    const QString path = saved(dir, large, "large.png");
    QVERIFY(!path.isEmpty());
    const ComposedBackground composed = ComposeBackground(path, gradientDefault());
    QCOMPARE(composed.note, QString());
    QCOMPARE(composed.image.size(), QSize(PlotSurface::kWidth, PlotSurface::kHeight));
    QCOMPARE(composed.image.pixel(0, 0), kPen);
    QCOMPARE(composed.image.pixel(999, 499), kWhite);
    QCOMPARE(countPixels(composed.image, kPen), 1000 * 500 - 1);
}

void TestPlotSurface::composedTransparentPartsShowTheDefault() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QImage picture(20, 10, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    picture.setPixel(5, 5, kPen);
    const QString path = saved(dir, picture, "holes.png");
    QVERIFY(!path.isEmpty());
    const ComposedBackground composed = ComposeBackground(path, gradientDefault());
    QCOMPARE(composed.image.format(), QImage::Format_RGB32);
    QCOMPARE(composed.image.pixel(5, 5), kPen);
    QCOMPARE(composed.image.pixel(4, 5), qRgb(4, 5, 7));
}

void TestPlotSurface::composedDefaultWhenTheFileIsUnreadable_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("not a picture") << QByteArray("not a picture");
    QTest::newRow("empty file") << QByteArray("");
    QTest::newRow("cut bitmap") << QByteArray("BM\x36\x10\x0e\x00");
}

void TestPlotSurface::composedDefaultWhenTheFileIsUnreadable() {
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    const QString path = written(dir, content, "wzorzec.bmp");
    QVERIFY(!path.isEmpty());
    const ComposedBackground composed = ComposeBackground(path, gradientDefault());
    QCOMPARE(composed.image, gradientDefault().convertToFormat(QImage::Format_RGB32));
    QVERIFY2(composed.note.startsWith(QStringLiteral("Cannot open file \"%1\". ").arg(path)),
             qPrintable(composed.note));
    QVERIFY2(composed.note.endsWith(QStringLiteral(" Wyświetlono tło domyślne.")),
             qPrintable(composed.note));
}

void TestPlotSurface::composedDefaultIsDrawnWhenNoneIsGiven() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString missing = dir.filePath(QStringLiteral("wzorzec.bmp"));
    QCOMPARE(ComposeBackground(missing).image, MakeDefaultBackground());
    QCOMPARE(ComposeBackground(missing, QImage()).image, MakeDefaultBackground());
}

QTEST_GUILESS_MAIN(TestPlotSurface)
#include "tst_gcode_plot.moc"
