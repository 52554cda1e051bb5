// The interpreter: golden traces of its events for the example programs, and
// the rules where the station's readers used to differ.
#include "gcode/programfile.h"
#include "gcode/programwalk.h"
#include "support/testdata.h"

#include <QFile>
#include <QTest>

namespace {

QByteArray number(double value) {
    return QByteArray::number(value, 'g', 15);
}

// One event a line: "line 3", "pen 3 down", "move 3 500 0 -> 100 100 XY up
// [100.0] [100.0]", "stop 4", "end 9 block".
struct TraceSink : ProgramSink {
    void line(qsizetype index, const BlockView&) override {
        trace += "line " + QByteArray::number(index) + '\n';
    }
    void penChanged(qsizetype index, bool down) override {
        trace += "pen " + QByteArray::number(index) + (down ? " down\n" : " up\n");
    }
    void move(const WalkMove& m) override {
        trace += "move " + QByteArray::number(m.line) + ' ' + number(m.fromX) + ' ' +
                 number(m.fromY) + " -> " + number(m.toX) + ' ' + number(m.toY) + ' ' +
                 (m.hasX ? "X" : "") + (m.hasY ? "Y" : "") + (m.penDown ? " down" : " up") + " [" +
                 m.xText.toByteArray() + "] [" + m.yText.toByteArray() + "]\n";
    }
    void stop(qsizetype index) override { trace += "stop " + QByteArray::number(index) + '\n'; }
    void end(qsizetype index, bool endBlock) override {
        trace += "end " + QByteArray::number(index) + (endBlock ? " block\n" : " list\n");
    }
    QByteArray trace;
};

QByteArray walk(const ProgramText& program) {
    TraceSink sink;
    const Result<qsizetype> walked = WalkProgram(program, sink);
    if (!walked)
        sink.trace += "failed " + QByteArray::number(walked.failure().line) + ": " +
                      walked.error().toUtf8() + '\n';
    return sink.trace;
}

} // namespace

class WalkTest : public QObject {
    Q_OBJECT
private slots:
    void goldenTraces_data();
    void goldenTraces();
    void rules_data();
    void rules();
};

void WalkTest::goldenTraces_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("trace");
    QTest::newRow("plotter") << "plotter.nc"
                             << "plotter.trace";
    QTest::newRow("converted") << "converted.nc"
                               << "converted.trace";
    QTest::newRow("controller") << "../../controller/data/program.nc"
                                << "controller.trace";
    QTest::newRow("hpgl worked") << "../../hpgl/data/worked.nc"
                                 << "hpgl-worked.trace";
}

// SCARA_WRITE_TRACES=1 writes the traces anew (read them before committing).
void WalkTest::goldenTraces() {
    QFETCH(QString, program);
    QFETCH(QString, trace);
    const Result<ProgramText> text = ReadProgramFile(testDataPath(program));
    QVERIFY(text.ok());
    const QByteArray actual = walk(*text);
    QFile golden(testDataPath(trace));
    if (qEnvironmentVariableIsSet("SCARA_WRITE_TRACES")) {
        QVERIFY(golden.open(QIODevice::WriteOnly));
        golden.write(actual);
        return;
    }
    QVERIFY(golden.open(QIODevice::ReadOnly));
    QCOMPARE(actual, golden.readAll());
}

void WalkTest::rules_data() {
    QTest::addColumn<QByteArray>("program");
    QTest::addColumn<QByteArray>("trace");
    QTest::newRow("G2 and G3 keep the pen, a bad G changes nothing")
        << QByteArray("G1 X1\nG2 Y2\nG00\nG3 X3\nG1x Y4")
        << QByteArray("line 0\npen 0 down\nmove 0 500 0 -> 1 0 X down [1] []\n"
                      "line 1\nmove 1 1 0 -> 1 2 Y down [] [2]\nline 2\npen 2 up\n"
                      "line 3\nmove 3 1 2 -> 3 2 X up [3] []\n"
                      "line 4\nmove 4 3 2 -> 3 4 Y up [] [4]\nend 5 list\n");
    QTest::newRow("lower case is no word, points and commas both read")
        << QByteArray("g01 x5 y7\nX1.5 Y2,5")
        << QByteArray("line 0\nline 1\nmove 1 500 0 -> 1.5 2.5 XY up [1.5] [2,5]\nend 2 list\n");
    QTest::newRow("a stop, then the end block ends the walk")
        << QByteArray("N1 M00\nN2 X1 Y1 M30\nN3 X2 Y2")
        << QByteArray("line 0\nstop 0\nline 1\nmove 1 500 0 -> 1 1 XY up [1] [1]\nend 1 block\n");
    QTest::newRow("a bad Z fails before anything of its block is taken")
        << QByteArray("G01 X1 Y1\nG00 X2 Z1q")
        << QByteArray("line 0\npen 0 down\nmove 0 500 0 -> 1 1 XY down [1] [1]\nline 1\n"
                      "failed 1: '1q' is not a valid floating point value\n");
}

void WalkTest::rules() {
    QFETCH(QByteArray, program);
    QFETCH(QByteArray, trace);
    QCOMPARE(walk(ProgramText::fromBytes(program)), trace);
}

QTEST_APPLESS_MAIN(WalkTest)
#include "tst_gcode_walk.moc"
