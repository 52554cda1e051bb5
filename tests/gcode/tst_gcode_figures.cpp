// A program's figures: lines, drawn and travelled length, pen lifts.
#include "gcode/programfigures.h"

#include <QTest>

class TestProgramFigures : public QObject {
    Q_OBJECT
private slots:
    void measure_data();
    void measure();
};

void TestProgramFigures::measure_data() {
    QTest::addColumn<QByteArray>("program");
    QTest::addColumn<qsizetype>("lines");
    QTest::addColumn<double>("drawn");
    QTest::addColumn<double>("travel");
    QTest::addColumn<qsizetype>("lifts");
    QTest::newRow("empty") << QByteArray() << qsizetype(0) << 0.0 << 0.0 << qsizetype(0);
    QTest::newRow("a square, travel from home")
        << QByteArray("N1 G00 X100 Y100\r\nN2 G01 X200 Y100 Z5\r\nN3 G01 X200 Y200\r\n"
                      "N4 G01 X100 Y200\r\nN5 G01 X100 Y100\r\nN6 G00 X500 Y0\r\nN7 M30\r\n")
        << qsizetype(7) << 400.0 << 2 * std::hypot(400.0, 100.0) << qsizetype(1);
    QTest::newRow("modal G and coordinates")
        << QByteArray("G00 X500 Y100\nG01 Y200\nX600\nG00 Y300\nY400\n") << qsizetype(5) << 200.0
        << 300.0 << qsizetype(1);
    QTest::newRow("lines without moves, two lifts")
        << QByteArray("G01 X500 Y10\nM3\nG00 X500 Y20\nG01 X500 Y30\nG00 X500 Y40\n")
        << qsizetype(5) << 20.0 << 20.0 << qsizetype(2);
    QTest::newRow("a bad number ends the figures")
        << QByteArray("G01 X510 Y0\nG01 X1x Y0\nG01 X520 Y0\n") << qsizetype(3) << 10.0 << 0.0
        << qsizetype(0);
    QTest::newRow("G02 keeps the pen, the end block ends the moves")
        << QByteArray("G00 X510 Y0\nG02 X520 Y0\nG01 X530 Y0\nM30\nG01 X600 Y0\n") << qsizetype(5)
        << 10.0 << 20.0 << qsizetype(0);
    QTest::newRow("decimal points and commas") << QByteArray("G01 X500.5 Y0\nG01 X501,5 Y0\n")
                                               << qsizetype(2) << 1.5 << 0.0 << qsizetype(0);
}

void TestProgramFigures::measure() {
    QFETCH(QByteArray, program);
    QFETCH(qsizetype, lines);
    QFETCH(double, drawn);
    QFETCH(double, travel);
    QFETCH(qsizetype, lifts);
    const ProgramFigures figures = MeasureProgram(ProgramText::fromBytes(program));
    QCOMPARE(figures.lines, lines);
    QCOMPARE(figures.drawnLength, drawn);
    QCOMPARE(figures.travelLength, travel);
    QCOMPARE(figures.penLifts, lifts);
}

QTEST_GUILESS_MAIN(TestProgramFigures)
#include "tst_gcode_figures.moc"
