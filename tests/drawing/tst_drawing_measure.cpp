// A drawing measured and checked from its strokes gives what its written
// program gives.
#include "drawing/drawingprogram.h"

#include <QTest>

Q_DECLARE_METATYPE(Drawing)

class DrawingMeasureTest : public QObject {
    Q_OBJECT
private slots:
    void asItsProgram_data();
    void asItsProgram();
};

void DrawingMeasureTest::asItsProgram_data() {
    QTest::addColumn<Drawing>("drawing");
    QTest::addColumn<bool>("hold");
    QTest::newRow("empty") << Drawing{} << false;
    // Thirds are written with 15 digits: the figures are of the written values.
    Drawing thirds;
    thirds.paths.push_back(DrawnPath({{100.0 / 3, 200}, {400.0 / 3, 700.0 / 3}, {-50, 250}}, 5));
    thirds.paths.push_back(DrawnPath({{-50, 250}, {-50, 250}, {-100, 300}}, 5));
    QTest::newRow("thirds, across the axis, a repeated point") << thirds << false;
    Drawing pens;
    pens.travelZ = 50;
    pens.paths.push_back(DrawnPath({{300, 100}, {310, 100}}, 1));
    pens.paths.push_back(DrawnPath({{300, 200}, {310, 200}}, 3));
    pens.paths.back().approach = {{400, 150}, {350, 180}};
    pens.paths.push_back(DrawnPath({{120, 0}, {0, 200}}, 3));
    QTest::newRow("two pens with a hold, an approach, the forbidden circle") << pens << true;
}

void DrawingMeasureTest::asItsProgram() {
    QFETCH(Drawing, drawing);
    QFETCH(bool, hold);
    const LineNumbering numbering{100, 5};
    const ProgramText program = WriteDrawingProgram(drawing, numbering, hold);
    const DrawingFigures written = MeasureProgramMoves(program);
    const DrawingFigures measured = MeasureDrawing(drawing, numbering, hold);
    QCOMPARE(measured.lines, written.lines);
    QCOMPARE(measured.bytes, written.bytes);
    QCOMPARE(measured.drawnLength, written.drawnLength);
    QCOMPARE(measured.penUpLength, written.penUpLength);
    QCOMPARE(measured.penLifts, written.penLifts);
    QCOMPARE(measured.elbowCrossings, written.elbowCrossings);

    const std::vector<PathFinding> checked = CheckDrawingPath(drawing, {}, numbering, hold);
    const std::vector<PathFinding> expected = CheckPath(program, {})->findings();
    QCOMPARE(checked.size(), expected.size());
    for (std::size_t i = 0; i < checked.size(); ++i) {
        QCOMPARE(checked[i].kind, expected[i].kind);
        QCOMPARE(checked[i].line, expected[i].line);
        QCOMPARE(checked[i].penDown, expected[i].penDown);
        QCOMPARE(checked[i].distance, expected[i].distance);
    }
}

QTEST_GUILESS_MAIN(DrawingMeasureTest)
#include "tst_drawing_measure.moc"
