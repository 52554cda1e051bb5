// Plot files as drawing programs write them: normalised to the converter's
// form, fitted into the working area, and converted unchanged.
#include "hpgl/conversionloop.h"
#include "hpgl/hpglnormalizer.h"
#include "hpgl/plotfile.h"
#include "hpgl/plotfitting.h"
#include "support/testdata.h"

#include <QDir>
#include <QTest>

#include <cmath>

namespace {

QString readText(const QString& path) {
    Result<QString> text = readPlotFile(path);
    return text ? *text : QString();
}

// The points of the PU and PD lines of a normalised text.
QList<QPointF> movePoints(const QString& text) {
    QList<QPointF> points;
    for (const QString& line : text.split(u'\n')) {
        if (line.startsWith(u"PU") || line.startsWith(u"PD")) {
            const QStringList xy = line.mid(2).chopped(1).split(u' ');
            points << QPointF(xy[0].toInt(), xy[1].toInt());
        }
    }
    return points;
}

} // namespace

class TestHpglNormalizer : public QObject {
    Q_OBJECT
private slots:
    void fixedLinesKeptSafe_data();
    void fixedLinesKeptSafe();
    void golden_data();
    void golden();
    void droppedAreCounted();
    void deviceControlIsPassedOver_data();
    void deviceControlIsPassedOver();
    void chordsLieOnTheCircle_data();
    void chordsLieOnTheCircle();
    void arcEndsWhereItShould();
    void fitting_data();
    void fitting();
    void fittingNeedsRoom();
    void normalisedTextConverts();
    void malformed_data();
    void malformed();
    void tooManyInstructions();
};

void TestHpglNormalizer::golden_data() {
    QTest::addColumn<QString>("name");
    const QStringList files = QDir(QStringLiteral(SCARA_TEST_DATA))
                                  .entryList({QStringLiteral("norm-*.plt")}, QDir::Files);
    QVERIFY(files.size() >= 5);
    for (const QString& file : files)
        QTest::newRow(qPrintable(file)) << file.chopped(4);
}

void TestHpglNormalizer::golden() {
    QFETCH(QString, name);
    const Result<QString> normalized =
        normalizePlotText(readText(testDataPath(name + ".plt")), NormalizeOptions{});
    QVERIFY2(normalized.ok(), normalized.ok() ? "" : qPrintable(normalized.error()));
    QCOMPARE(*normalized, readText(testDataPath(name + ".expected")));
}

void TestHpglNormalizer::droppedAreCounted() {
    const Result<NormalizedPlot> plot =
        NormalizePlot(readText(testDataPath("norm-text-fills.plt")));
    QVERIFY(plot.ok());
    QCOMPARE(plot->dropped.value("LB"), 2);
    QCOMPARE(plot->dropped.value("SC"), 1);
    QCOMPARE(
        droppedSummary(*plot),
        QString("Pominięte instrukcje: DT (1), EA (1), FT (1), LB (2), PT (1), SC (1), WG (1)"));
    QCOMPARE(droppedSummary(*NormalizePlot(u"PU1,1;")), QString("Nie pominięto żadnej instrukcji"));
}

// Plot files for a real plotter start (and often end) with device-control
// instructions: ESC '.', one character, parameters up to ':'.
void TestHpglNormalizer::deviceControlIsPassedOver_data() {
    QTest::addColumn<QString>("text");
    const QString esc(QChar(0x1b));
    QTest::newRow("handshake settings")
        << esc + ".I81;;17:" + esc + ".N;19:IN;SP1;PU10,20;PD30,40;";
    QTest::newRow("plotter on and off") << esc + ".(IN;SP1;PU10,20;PD30,40;" + esc + ".)";
    QTest::newRow("on with a separator")
        << esc + ".(;" + esc + ".I81;;17:\nIN;SP1;PU10,20;PD30,40;";
    QTest::newRow("Y and Z") << esc + ".YIN;SP1;" + esc + ".@;0:PU10,20;PD30,40;" + esc + ".Z";
    QTest::newRow("letter with a colon") << esc + ".R:IN;SP1;PU10,20;PD30,40;" + esc + ".K:";
    QTest::newRow("printer language switch") << esc + "E" + esc + "%0BIN;SP1;PU10,20;PD30,40;";
}

void TestHpglNormalizer::deviceControlIsPassedOver() {
    QFETCH(QString, text);
    const Result<QString> normalized = normalizePlotText(text, NormalizeOptions{});
    QVERIFY2(normalized.ok(), normalized.ok() ? "" : qPrintable(normalized.error()));
    QCOMPARE(*normalized, QString("IN;\nSP1;\nPU10 20;\nPD30 40;\nSP0;"));
}

void TestHpglNormalizer::chordsLieOnTheCircle_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("chord");
    QTest::addColumn<int>("chords");
    QTest::newRow("default 5 degrees") << "PA300,-40;CI120;" << 5.0 << 72;
    QTest::newRow("own chord angle") << "pa300,-40;ci 120,30;" << 5.0 << 12;
    QTest::newRow("setting") << "PA300,-40;CI-120;" << 10.0 << 36;
    QTest::newRow("chord below the least") << "PA300,-40;CI120,0;" << 5.0 << 720;
}

void TestHpglNormalizer::chordsLieOnTheCircle() {
    QFETCH(QString, text);
    QFETCH(double, chord);
    QFETCH(int, chords);
    const Result<NormalizedPlot> plot = NormalizePlot(text, NormalizerSettings{chord});
    QVERIFY(plot.ok());
    const std::vector<PlotOp>& ops = plot->ops;
    // PA, PU to the start, the chords, PU back to the centre, SP0.
    QCOMPARE(int(ops.size()), chords + 4);
    QCOMPARE(ops[1].kind, PlotOp::Kind::PenUp);
    for (int k = 2; k < chords + 2; ++k) {
        QCOMPARE(ops[k].kind, PlotOp::Kind::PenDown);
        QVERIFY(std::abs(std::hypot(ops[k].x - 300, ops[k].y + 40) - 120) < 1e-9);
    }
    QCOMPARE(ops[chords + 1].x, ops[1].x); // closed
    QCOMPARE(ops[chords + 1].y, ops[1].y);
    QCOMPARE(ops[chords + 2].kind, PlotOp::Kind::PenUp);
    QCOMPARE(ops[chords + 2].x, 300.0);
}

void TestHpglNormalizer::arcEndsWhereItShould() {
    // A quarter turn counter-clockwise from (200, 0) round (100, 0), then a
    // relative half turn clockwise round the point 50 above.
    const Result<NormalizedPlot> plot = NormalizePlot(u"PU200,0;PD;AA100,0,90;AR0,50,-180,45;");
    QVERIFY(plot.ok());
    const std::vector<PlotOp>& ops = plot->ops;
    QCOMPARE(int(ops.size()), 1 + 18 + 4 + 1);
    QVERIFY(std::abs(ops[18].x - 100) < 1e-9 && std::abs(ops[18].y - 100) < 1e-9);
    for (int k = 19; k < 23; ++k)
        QVERIFY(std::abs(std::hypot(ops[k].x - 100, ops[k].y - 150) - 50) < 1e-9);
    QVERIFY(std::abs(ops[22].x - 100) < 1e-9 && std::abs(ops[22].y - 200) < 1e-9);
    QVERIFY(ops[20].x < 100); // clockwise from the bottom of the circle goes left
}

void TestHpglNormalizer::fitting_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("margin");
    QTest::newRow("single-line export") << readText(testDataPath("norm-singleline.plt")) << 10;
    QTest::newRow("vector editor's export") << readText(testDataPath("inkscape-export.plt")) << 10;
    QTest::newRow("tall") << "PU0,0;PD10,0,10,4000,0,4000;" << 10;
    QTest::newRow("wide, negative") << "PU-90000,-5;PD90000,-5,90000,5;" << 25;
    QTest::newRow("small circle grows") << "PA3,3;CI1;" << 0;
    QTest::newRow("lopsided") << "PU0,0;PD1000,0,0,300,0,0;CI40;" << 10;
    // Squares of these overflow a double: the fit must not.
    const QString far = "3" + QString(200, '0');
    QTest::newRow("beyond 1e154") << QString("PU0,0;PD%1,0,%1,%1,0,%1;PU-%1,5;").arg(far) << 10;
}

void TestHpglNormalizer::fitting() {
    QFETCH(QString, text);
    QFETCH(int, margin);
    Result<NormalizedPlot> plot = NormalizePlot(text);
    QVERIFY(plot.ok());
    const NormalizedPlot before = *plot;
    PlacementSettings settings;
    settings.margin = margin;
    const Result<Placement> fit = FitToWorkingArea(plot.value(), settings);
    QVERIFY(fit.ok());
    const Result<QString> formatted = FormatNormalizedPlot(*plot);
    QVERIFY(formatted.ok());
    const QList<QPointF> points = movePoints(*formatted);
    QVERIFY(!points.isEmpty());
    double farthest = 0;
    for (const QPointF& p : points) {
        const double reach = std::hypot(p.x(), p.y());
        QVERIFY2(reach <= 500 - margin, qPrintable(QString("%1 %2").arg(p.x()).arg(p.y())));
        QVERIFY(p.y() >= margin);
        farthest = std::max(farthest, reach);
    }
    // One factor for both axes: every point is the same map of its original
    // (the waypoints of travel routed around the base aside).
    size_t placed = 0;
    for (size_t i = 0; i < before.ops.size(); ++i, ++placed) {
        if (before.ops[i].kind != PlotOp::Kind::PenUp &&
            before.ops[i].kind != PlotOp::Kind::PenDown)
            continue;
        while (plot->ops[placed].x != fit->scale * before.ops[i].x + fit->offsetX ||
               plot->ops[placed].y != fit->scale * before.ops[i].y + fit->offsetY) {
            QCOMPARE(plot->ops[placed].kind, PlotOp::Kind::PenUp);
            QVERIFY(++placed < plot->ops.size());
        }
    }
    // As large as fits: the drawing reaches the edge (a single point aside).
    if (points.size() > 1)
        QVERIFY2(farthest > 500 - margin - 3, qPrintable(QString::number(farthest)));
}

void TestHpglNormalizer::fittingNeedsRoom() {
    Result<NormalizedPlot> plot = NormalizePlot(u"PU0,0;PD10,10;");
    QVERIFY(plot.ok());
    PlacementSettings settings;
    settings.margin = 260;
    QCOMPARE(FitToWorkingArea(plot.value(), settings).error(),
             QString("Margines 260 nie zostawia miejsca na rysunek w obszarze roboczym"));
    settings.margin = -1;
    QVERIFY(!FitToWorkingArea(plot.value(), settings).ok());
    // A plot without extent is not fitted, and stays as it was.
    Result<NormalizedPlot> point = NormalizePlot(u"PU70000,70000;");
    QVERIFY(point.ok());
    const Result<Placement> fit = FitToWorkingArea(point.value(), {});
    QVERIFY(!fit.ok());
    QVERIFY(fit.error().startsWith(QString("Rysunek nie ma rozmiaru")));
    const auto up = std::find_if(point->ops.begin(), point->ops.end(),
                                 [](const PlotOp& op) { return op.kind == PlotOp::Kind::PenUp; });
    QVERIFY(up != point->ops.end());
    QCOMPARE(up->x, 70000.0);
}

void TestHpglNormalizer::normalisedTextConverts() {
    NormalizeOptions options;
    options.fit = true;
    const Result<QString> text =
        normalizePlotText(readText(testDataPath("norm-singleline.plt")), options);
    QVERIFY(text.ok());
    QVERIFY(CheckPlotFile(*text).has_value());
    ConverterState state;
    ConverterProgress progress;
    ConversionLoop loop(*text, state, ConverterSettings{}, progress);
    QCOMPARE(loop.runToEnd(), ConversionLoop::Outcome::Finished);
    const QStringList lines = loop.takeOutput().toStringList();
    QCOMPARE(lines.size(), 2 + movePoints(*text).size() + 1); // header, moves, footer
    QCOMPARE(lines.last(), QString("N%1 M30").arg(10 * lines.size()));
    QVERIFY(loop.remainingText().isEmpty());
}

void TestHpglNormalizer::malformed_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("error");
    QTest::newRow("odd pair") << "IN;\nPU10,20,30;"
                              << "Niewłaściwa liczba parametrów w instrukcji PU (linia 2)";
    QTest::newRow("bad number") << "PD1,#;"
                                << "Błędna liczba '#' w instrukcji PD (linia 1)";
    QTest::newRow("number run into junk") << "PD1,2#4;"
                                          << "Błędna liczba '2#4' w instrukcji PD (linia 1)";
    QTest::newRow("lone sign") << "PA-,5;"
                               << "Błędna liczba '-' w instrukcji PA (linia 1)";
    QTest::newRow("circle without radius")
        << "CI;"
        << "Niewłaściwa liczba parametrów w instrukcji CI (linia 1)";
    QTest::newRow("short arc") << "aa1,2;"
                               << "Niewłaściwa liczba parametrów w instrukcji AA (linia 1)";
    QTest::newRow("half a pen") << "SP1.5;"
                                << "Niewłaściwa liczba parametrów w instrukcji SP (linia 1)";
    QTest::newRow("garbage") << "IN;\n\n\x01\x02"
                             << "Niezrozumiały znak '\x01\x02' w pliku HPGL (linia 3)";
    QTest::newRow("single letter") << "PU1,1;X"
                                   << "Niezrozumiały znak 'X' w pliku HPGL (linia 1)";
    QTest::newRow("beyond 32 bits") << "PU3000000000,0;"
                                    << "Współrzędna 3000000000 przekracza zakres liczb całkowitych";
    QTest::newRow("beyond 1e154, not fitted")
        << "PU3" + QString(200, '0') + ",0;"
        << "Współrzędna 3e+200 przekracza zakres liczb całkowitych";
    QTest::newRow("endless digits")
        << "PU" + QString(400, '9') + ",0;"
        << "Błędna liczba '99999999999999999999' w instrukcji PU (linia 1)";
}

void TestHpglNormalizer::tooManyInstructions() {
    NormalizerSettings settings;
    settings.mostInstructions = 1000;
    const QString circles = QString("CI1;").repeated(20);
    const Result<NormalizedPlot> plot = NormalizePlot(circles, settings);
    QCOMPARE(plot.error(), QString("Rysunek ma ponad 1000 instrukcji; podziel plik na mniejsze"));
    QVERIFY(NormalizePlot(QString("CI1;").repeated(10), settings).ok());
}

void TestHpglNormalizer::malformed() {
    QFETCH(QString, text);
    QFETCH(QString, error);
    const Result<QString> normalized = normalizePlotText(text, NormalizeOptions{});
    QVERIFY(!normalized.ok());
    QCOMPARE(normalized.error(), error);
}

// The converter's header and footer with a fit: a move into the circle
// around the base or beyond the reach goes home, every other word stays.
void TestHpglNormalizer::fixedLinesKeptSafe_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("kept");
    QTest::addColumn<int>("changed");
    QTest::newRow("the default header") << QStringList{"M03 T0", "G00 X 0 Y 0 Z 10"}
                                        << QStringList{"M03 T0", "G00 X 500 Y 0 Z 10"} << 1;
    QTest::newRow("a safe move stays") << QStringList{"G00 X 300 Y 200 Z 10", "M30"}
                                       << QStringList{"G00 X 300 Y 200 Z 10", "M30"} << 0;
    QTest::newRow("beyond the reach, words glued")
        << QStringList{"G00X600Y0,5"} << QStringList{"G00X500Y0"} << 1;
    QTest::newRow("one word, the other carried over")
        << QStringList{"G00 X 300", "G00 Y 100", "G00 X 0"}
        << QStringList{"G00 X 300", "G00 Y 100", "G00 X 500 Y 0"} << 1;
    QTest::newRow("Y before X") << QStringList{"G00 Y 1 X 1 F5"} << QStringList{"G00 Y 0 X 500 F5"}
                                << 1;
}

void TestHpglNormalizer::fixedLinesKeptSafe() {
    QFETCH(QStringList, lines);
    QFETCH(QStringList, kept);
    QFETCH(int, changed);
    QCOMPARE(KeepFixedLinesSafe(lines, 150).size(), changed);
    QCOMPARE(lines, kept);
}

QTEST_APPLESS_MAIN(TestHpglNormalizer)
#include "tst_hpgl_normalizer.moc"
