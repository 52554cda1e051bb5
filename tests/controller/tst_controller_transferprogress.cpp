// The transfer's figures: the wire-time model, and the progress and time
// left worked out from the link's reports on a clock the test moves.
#include "controller/programsource.h"
#include "controller/transferprogress.h"

#include <QTest>

using namespace std::chrono_literals;
using Clock = TransferProgress::Clock;

namespace {

QByteArrayList linesOf(int count, int bytes) {
    return QByteArrayList(count, QByteArray(bytes, 'X'));
}

TransferEvent step(TransferStep what, int index, int count = 0) {
    TransferEvent event{what, index};
    event.count = count;
    return event;
}

// Feeds a transfer of `program` from line 0, each line acknowledged
// `perLine` after the one before.
struct Run {
    LineListProgram program;
    TransferProgress progress;
    Clock::time_point now{};

    Run(const QByteArrayList& lines, TransferModel model = {}) : program(lines), progress(model) {
        progress.setProgram(&program);
        progress.handle(step(TransferStep::Started, 0, program.lineCount()), now);
    }
    void acknowledge(int index, Clock::duration after) {
        progress.handle(step(TransferStep::LineSent, index), now);
        now += after;
        progress.handle(step(TransferStep::LineAcknowledged, index), now);
    }
    TransferFigures figures() const { return progress.figures(now); }
};

} // namespace

class TestTransferProgress : public QObject {
    Q_OBJECT
private slots:
    void modelSeconds_data();
    void modelSeconds();
    void loadCountsFromTheFirstLine();
    void modelPaceGivesTheModelTime();
    void slowerLineBlendsInWithoutJumps();
    void timeLeftFollowsTheMeasuredPace_data();
    void timeLeftFollowsTheMeasuredPace();
    void timeLeftCountsDownToZeroNotBelow();
    void stallAfterFiveSilentSeconds();
    void holdStopsTheClockAndTheStall();
    void resendsCountedPerLineAndInAll();
    void endFreezesTheFigures();
};

// Each row: baud, line bytes, lines, expected seconds (turnaround 0).
// A frame is ":05" "20" line CRC(4) CR LF: 11 bytes and the line; the
// acknowledgement 7 bytes; 10 bits a byte.
void TestTransferProgress::modelSeconds_data() {
    QTest::addColumn<int>("baud");
    QTest::addColumn<qint64>("lineBytes");
    QTest::addColumn<qint64>("lines");
    QTest::addColumn<double>("seconds");
    QTest::newRow("one 22-byte line at 19200")
        << 19200 << qint64(22) << qint64(1) << (11 + 22 + 7) * 10 / 19200.0;
    QTest::newRow("1000 lines, 25000 bytes at 9600")
        << 9600 << qint64(25000) << qint64(1000) << ((18 * 1000) + 25000) * 10 / 9600.0;
    QTest::newRow("nothing") << 19200 << qint64(0) << qint64(0) << 0.0;
    QTest::newRow("no speed") << 0 << qint64(10) << qint64(1) << 0.0;
}

void TestTransferProgress::modelSeconds() {
    QFETCH(int, baud);
    QFETCH(qint64, lineBytes);
    QFETCH(qint64, lines);
    QFETCH(double, seconds);
    TransferModel model;
    model.baud = baud;
    model.turnaround = 0us;
    QCOMPARE(model.seconds(lines, lineBytes), seconds);
    model.turnaround = 1000us;
    QCOMPARE(model.seconds(lines, lineBytes), baud > 0 ? seconds + lines * 0.001 : 0.0);
}

void TestTransferProgress::loadCountsFromTheFirstLine() {
    const LineListProgram program({"ab", "cde", "", "fghi"});
    const ProgramLoad all = MeasureLoad(program);
    QCOMPARE(all.lines, 4);
    QCOMPARE(all.lineBytes, 9);
    const ProgramLoad tail = MeasureLoad(program, 2);
    QCOMPARE(tail.lines, 2);
    QCOMPARE(tail.lineBytes, 4);
}

void TestTransferProgress::modelPaceGivesTheModelTime() {
    Run run(linesOf(1000, 20));
    const TransferModel& model = run.progress.model();
    const auto perLine = std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double>(model.lineSeconds(20)));
    QCOMPARE(run.figures().left.count(), qint64(model.seconds(1000, 20000) * 1000));
    for (int i = 0; i < 500; ++i)
        run.acknowledge(i, perLine);
    const TransferFigures figures = run.figures();
    QCOMPARE(figures.acknowledged, 500);
    QCOMPARE(figures.total, 1000);
    const double expected = model.seconds(500, 10000);
    QVERIFY2(qAbs(figures.left.count() / 1000.0 - expected) < 0.01 * expected,
             qPrintable(QString::number(figures.left.count())));
    QVERIFY(qAbs(figures.linesPerSecond - 1 / model.lineSeconds(20)) < 0.5);
}

// The controller turns out to take twice the model's time: the time left
// moves towards twice the model's figure, never by more than a quarter at one
// acknowledgement, and never up between two of them.
void TestTransferProgress::slowerLineBlendsInWithoutJumps() {
    Run run(linesOf(2000, 20));
    const double perLineModel = run.progress.model().lineSeconds(20);
    const auto perLine = std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double>(2 * perLineModel));
    qint64 before = run.figures().left.count();
    for (int i = 0; i < 1500; ++i) {
        run.acknowledge(i, perLine);
        const qint64 left = run.figures().left.count();
        QVERIFY2(left <= before * 1.26 + 1,
                 qPrintable(QStringLiteral("%1 -> %2 at %3").arg(before).arg(left).arg(i)));
        QVERIFY(left >= 0);
        before = left;
    }
    const double truth = 500 * 2 * perLineModel;
    QVERIFY2(qAbs(before / 1000.0 - truth) < 0.1 * truth, qPrintable(QString::number(before)));
}

// A controller slower (or a little faster) than the wire: once a tenth of the
// lines is acknowledged, the time left is within a tenth of what the pace
// measured so far gives for the lines still to go.
void TestTransferProgress::timeLeftFollowsTheMeasuredPace_data() {
    QTest::addColumn<int>("lines");
    QTest::addColumn<double>("linesPerSecond");
    QTest::newRow("373 lines at 2.9 a second") << 373 << 2.9;
    QTest::newRow("1000 lines at 20 a second") << 1000 << 20.0;
    QTest::newRow("200 lines at 0.5 a second") << 200 << 0.5;
    QTest::newRow("1000 lines at the wire's pace") << 1000 << 0.0;
}

void TestTransferProgress::timeLeftFollowsTheMeasuredPace() {
    QFETCH(int, lines);
    QFETCH(double, linesPerSecond);
    Run run(linesOf(lines, 24));
    const double seconds =
        linesPerSecond > 0 ? 1 / linesPerSecond : 0.9 * run.progress.model().lineSeconds(24);
    const auto perLine =
        std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
    for (int i = 0; i < lines; ++i) {
        run.acknowledge(i, perLine);
        if (i + 1 < lines / 10)
            continue;
        const double truth = (lines - i - 1) * seconds;
        const double left = run.figures().left.count() / 1000.0;
        QVERIFY2(qAbs(left - truth) <= 0.1 * truth + 0.002,
                 qPrintable(QStringLiteral("%1 s left, %2 s to go after line %3")
                                .arg(left)
                                .arg(truth)
                                .arg(i + 1)));
    }
}

void TestTransferProgress::timeLeftCountsDownToZeroNotBelow() {
    Run run(linesOf(10, 20));
    const qint64 start = run.figures().left.count();
    run.now += 100ms;
    QCOMPARE(run.figures().left.count(), start - 100);
    run.now += 1h;
    QCOMPARE(run.figures().left.count(), 0);
}

void TestTransferProgress::stallAfterFiveSilentSeconds() {
    Run run(linesOf(10, 20));
    run.acknowledge(0, 20ms);
    run.progress.handle(step(TransferStep::LineSent, 1), run.now);
    run.now += 4999ms;
    QVERIFY(!run.figures().stalled);
    run.now += 1ms;
    QVERIFY(run.figures().stalled);
    QCOMPARE(run.figures().silent, 5000ms);
    QCOMPARE(run.figures().current, 1);
    run.progress.handle(step(TransferStep::LineAcknowledged, 1), run.now);
    QVERIFY(!run.figures().stalled); // gone as soon as the line is acknowledged
}

void TestTransferProgress::holdStopsTheClockAndTheStall() {
    Run run(linesOf(10, 20));
    run.acknowledge(0, 20ms);
    TransferEvent held = step(TransferStep::Held, 1);
    held.hold = TransferHold::PenUp;
    run.progress.handle(held, run.now);
    const TransferFigures atHold = run.figures();
    run.now += 1min;
    const TransferFigures later = run.figures();
    QVERIFY(later.held);
    QVERIFY(!later.stalled);
    QCOMPARE(later.left, atHold.left);
    QCOMPARE(later.linesPerSecond, atHold.linesPerSecond);
    QCOMPARE(later.elapsed, atHold.elapsed + 1min);
    run.progress.handle(step(TransferStep::Resumed, 1), run.now);
    run.now += 10ms;
    QCOMPARE(run.figures().left, atHold.left - 10ms);
}

void TestTransferProgress::resendsCountedPerLineAndInAll() {
    Run run(linesOf(10, 20));
    run.progress.handle(step(TransferStep::LineSent, 0), run.now);
    run.progress.handle(step(TransferStep::LineResent, 0), run.now);
    run.progress.handle(step(TransferStep::LineResent, 0), run.now);
    QCOMPARE(run.figures().resendsOfLine, 2);
    run.progress.handle(step(TransferStep::LineAcknowledged, 0), run.now);
    run.progress.handle(step(TransferStep::LineSent, 1), run.now);
    run.progress.handle(step(TransferStep::LineResent, 1), run.now);
    QCOMPARE(run.figures().resendsOfLine, 1);
    QCOMPARE(run.figures().resends, 3);
}

void TestTransferProgress::endFreezesTheFigures() {
    Run run(linesOf(3, 20));
    run.acknowledge(0, 100ms);
    run.progress.handle(step(TransferStep::Aborted, 1), run.now);
    const TransferFigures ended = run.figures();
    QVERIFY(!ended.active);
    QCOMPARE(ended.ended, std::optional<TransferStep>(TransferStep::Aborted));
    QCOMPARE(ended.left, 0ms);
    run.now += 1h;
    QCOMPARE(run.figures().elapsed, ended.elapsed);
    QVERIFY(!run.figures().stalled);
}

QTEST_GUILESS_MAIN(TestTransferProgress)
#include "tst_controller_transferprogress.moc"
