// The program transfer on its own, fed as the link state feeds it: where the
// operator's requests and a lost link meet the line in flight and the pen.
#include "controller/programsource.h"
#include "controller/programtransfer.h"

#include <QTest>

namespace {

const QByteArrayList kProgram{"N1 G00 X0 Y250 ", "N2 G01 X10 Y250 ", "N3 G01 X20 Y250 ",
                              "N4 G00 X0 Y300 ", "N5 G01 X5 Y300 "};

// What the transfer reported, one word a step: "sent 1", "travel sent 2".
QStringList stepsOf(const LinkActions& actions) {
    QStringList steps;
    for (const LinkAction& action : actions) {
        if (action.kind != LinkAction::Kind::Transfer)
            continue;
        const TransferEvent& e = action.transfer;
        static const char* const kNames[] = {"started", "sent",    "resent",   "ack",
                                             "held",    "resumed", "finished", "aborted"};
        steps << QStringLiteral("%1%2 %3")
                     .arg(e.travel ? QStringLiteral("travel ") : QString())
                     .arg(QLatin1String(kNames[int(e.step)]))
                     .arg(e.index);
    }
    return steps;
}

} // namespace

class TestProgramTransfer : public QObject {
    Q_OBJECT
private slots:
    void requestsMeetTheLineInFlight_data();
    void requestsMeetTheLineInFlight();
};

void TestProgramTransfer::requestsMeetTheLineInFlight_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("events"); // a: acknowledgement, h: hold at pen up, n: hold now,
                                         // x: abort, l: link lost, r: resume
    QTest::addColumn<QStringList>("steps");
    QTest::newRow("from line 3: travel in first")
        << 2 << "aa"
        << QStringList{"started 2", "travel sent 2", "travel ack 2", "sent 2", "ack 2", "sent 3"};
    QTest::newRow("abort with the pen down: lifted, then ended")
        << 0 << "axaa" << QStringList{"started 0", "sent 0",        "ack 0",        "sent 1",
                                      "ack 1",     "travel sent 2", "travel ack 2", "aborted 2"};
    QTest::newRow("hold at pen up waits for the next travel")
        << 1 << "ahaaa"
        << QStringList{"started 1", "travel sent 1", "travel ack 1", "sent 1", "ack 1",
                       "sent 2",    "ack 2",         "sent 3",       "ack 3",  "held 4"};
    QTest::newRow("hold now lifts the pen at once after the line")
        << 1 << "anaa" << QStringList{"started 1", "travel sent 1", "travel ack 1", "sent 1",
                                      "ack 1",     "travel sent 2", "travel ack 2", "held 2"};
    QTest::newRow("a lost link holds at the line in flight; resume sends it again")
        << 0 << "alr"
        << QStringList{"started 0", "sent 0", "ack 0", "sent 1", "held 1", "resumed 1", "sent 1"};
}

void TestProgramTransfer::requestsMeetTheLineInFlight() {
    QFETCH(int, from);
    QFETCH(QString, events);
    QFETCH(QStringList, steps);
    const LineListProgram program(kProgram);
    ProgramTransfer transfer;
    transfer.setProgram(&program);
    LinkContext link;
    link.portOpen = link.connected = true;
    LinkActions actions;
    transfer.begin(from, actions);
    transfer.go(TransferStart::AtOnce, link, actions);
    for (const QChar event : events) {
        switch (event.toLatin1()) {
        case 'a':
            transfer.acknowledged(link, actions);
            break;
        case 'h':
            transfer.hold(ProgramTransfer::Hold::AtPenUp, link, actions);
            break;
        case 'n':
            transfer.hold(ProgramTransfer::Hold::Now, link, actions);
            break;
        case 'x':
            transfer.abort(link, actions);
            break;
        case 'l':
            link.portOpen = false;
            transfer.linkLost(link, actions);
            link.portOpen = true;
            break;
        case 'r':
            transfer.resume(link, actions);
            break;
        }
    }
    QCOMPARE(stepsOf(actions), steps);
}

QTEST_GUILESS_MAIN(TestProgramTransfer)
#include "tst_controller_programtransfer.moc"
