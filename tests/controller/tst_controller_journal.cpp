// The transfer journal: written as a transfer runs, read back, damaged files
// set aside, and the keeper that follows the link's transfer steps.
#include "controller/framechecksum.h"
#include "controller/journalkeeper.h"
#include "controller/planresume.h"
#include "controller/programsource.h"
#include "controller/transferjournal.h"
#include "support/files.h"
#include "support/filesizelimit.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>

namespace {

const QByteArrayList kLines{"N1 G00 X10 Y300 ", "N2 G01 X20 Y310 ", "N3 G01 X30 ",
                            "N4 G00 Y320 ",     "N5 G01 X40 Y330 ", "N6 M30 "};

JournalProgram programOf(const LineListProgram& program) {
    return {QStringLiteral("/rysunki/kwiat.nc"), ProgramHash(program), program.lineCount()};
}

// The point after lines [0, to).
PenPoint pointAfter(int to) {
    PenPoint point;
    for (int i = 0; i < to; ++i)
        point.follow(kLines[i]);
    return point;
}

} // namespace

class TestTransferJournal : public QObject {
    Q_OBJECT
private slots:
    void init();
    void readsBackWhatWasWritten_data();
    void readsBackWhatWasWritten();
    void damagedTailIsIgnored_data();
    void damagedTailIsIgnored();
    void unusableJournalIsRefusedAndSetAside_data();
    void unusableJournalIsRefusedAndSetAside();
    void failedBeginKeepsTheOldJournal();
    void hashTellsProgramsApart_data();
    void hashTellsProgramsApart();
    void keeperFollowsTheTransfer_data();
    void keeperFollowsTheTransfer();
    void pendingRecordsReachTheDiskWithinTheInterval();
    void secondKeeperCannotTakeTheJournal();
    void planDecidesHowToGoOn_data();
    void planDecidesHowToGoOn();

private:
    QString path() const { return dir_.filePath(QStringLiteral("dziennik.txt")); }
    // A journal of kLines acknowledged up to and including `last`.
    QByteArray journalUpTo(int last) {
        const LineListProgram program(kLines);
        {
            TransferJournal journal;
            if (!journal.begin(path(), programOf(program), 0, {}))
                return {};
            for (int i = 0; i <= last; ++i)
                journal.recordAcknowledged(i, pointAfter(i + 1), TransferJournal::Clock::now());
        }
        return readFileBytes(path());
    }

    TempDir dir_;
};

void TestTransferJournal::init() {
    QVERIFY(dir_.isValid());
    QDir(dir_.path()).removeRecursively();
    QVERIFY(QDir().mkpath(dir_.path()));
}

void TestTransferJournal::readsBackWhatWasWritten_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("acknowledged"); // lines acknowledged after `from`
    QTest::newRow("started, nothing acknowledged") << 0 << 0;
    QTest::newRow("three lines") << 0 << 3;
    QTest::newRow("all but the last") << 0 << 5;
    QTest::newRow("from line 3, nothing yet") << 3 << 0;
    QTest::newRow("from line 3, one more") << 3 << 1;
}

void TestTransferJournal::readsBackWhatWasWritten() {
    QFETCH(int, from);
    QFETCH(int, acknowledged);
    const LineListProgram program(kLines);
    TransferJournal journal;
    QVERIFY(journal.begin(path(), programOf(program), from, pointAfter(from)));
    for (int i = from; i < from + acknowledged; ++i)
        QVERIFY(journal.recordAcknowledged(i, pointAfter(i + 1), TransferJournal::Clock::now()));
    // Read while the writer still has it open, as after a kill.
    const Result<JournalState> state = ReadJournal(path());
    QVERIFY2(state, qPrintable(state ? QString() : state.error()));
    QCOMPARE(state->program, programOf(program));
    QCOMPARE(state->lastAcknowledged, from + acknowledged - 1);
    QCOMPARE(state->nextLine(), from + acknowledged);
    QCOMPARE(state->point, pointAfter(from + acknowledged));
    QVERIFY(!state->damagedTail);
}

// A journal line with its check, as the station writes one.
QByteArray withCheck(const QByteArray& body) {
    return body + ' ' + checksumDigits(FrameChecksum(body)) + '\n';
}

void TestTransferJournal::damagedTailIsIgnored_data() {
    QTest::addColumn<QByteArray>("tail");
    QTest::addColumn<int>("lastAcknowledged");
    const QByteArray whole = journalUpTo(3);
    const QByteArray upToTwo = journalUpTo(2);
    const QByteArray lastRecord = whole.mid(upToTwo.size());
    QTest::newRow("record cut short") << lastRecord.left(lastRecord.size() - 3) << 2;
    QTest::newRow("record without its LF") << lastRecord.chopped(1) << 2;
    QByteArray flipped = lastRecord;
    flipped[2] = flipped[2] == '3' ? '4' : '3';
    QTest::newRow("record with a wrong line") << flipped << 2;
    QTest::newRow("zeros after a power cut") << QByteArray(40, '\0') << 2;
    QTest::newRow("good record, then garbage") << lastRecord + "A 4 X Y 1 ZZZZ\n" + lastRecord << 3;
    QTest::newRow("line past the program") << QByteArray("A 99 1 2 0 0000\n") << 2;
    // Whole and checked records that cannot be the station's own.
    QTest::newRow("a line skipped") << withCheck("A 4 1 2 0") << 2;
    QTest::newRow("the same line again") << withCheck("A 2 1 2 0") << 2;
    QTest::newRow("a line back") << withCheck("A 1 1 2 0") << 2;
    QTest::newRow("a negative line") << withCheck("A -3 1 2 0") << 2;
    QTest::newRow("x not a number") << withCheck("A 3 nan 2 0") << 2;
    QTest::newRow("y infinite") << withCheck("A 3 1 inf 0") << 2;
    QTest::newRow("x far beyond any drawing") << withCheck("A 3 1e308 2 0") << 2;
    QTest::newRow("a pen state never written") << withCheck("A 3 1 2 2") << 2;
    QTest::newRow("an abort not after the last line") << withCheck("P 7") << 2;
    QTest::newRow("a record after the abort") << withCheck("P 3") + lastRecord << 2;
}

void TestTransferJournal::damagedTailIsIgnored() {
    QFETCH(QByteArray, tail);
    QFETCH(int, lastAcknowledged);
    const QByteArray upToTwo = journalUpTo(2);
    QVERIFY(writeFileBytes(path(), upToTwo + tail));
    const Result<JournalState> state = ReadJournal(path());
    QVERIFY2(state, qPrintable(state ? QString() : state.error()));
    QCOMPARE(state->lastAcknowledged, lastAcknowledged);
    QCOMPARE(state->point, pointAfter(lastAcknowledged + 1));
    QVERIFY(state->damagedTail);
}

void TestTransferJournal::unusableJournalIsRefusedAndSetAside_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("says");
    const QByteArray good = journalUpTo(1);
    const qsizetype headerEnd = good.indexOf("\nA ") + 1;
    QTest::newRow("empty") << QByteArray() << "jest niepełny";
    QTest::newRow("first word cut") << good.left(5) << "jest niepełny";
    QTest::newRow("header cut in its third line")
        << good.left(good.indexOf("hash") + 10) << "jest niepełny";
    QTest::newRow("header without its last line")
        << good.left(good.indexOf("lines")) << "jest niepełny";
    QTest::newRow("another file") << QByteArray("N1 G00 X0 Y0\r\n") << "jest uszkodzony";
    QTest::newRow("binary") << QByteArray("\x7f"
                                          "ELF\x02\x01\x01\0\0\0",
                                          10)
                            << "jest uszkodzony";
    QByteArray badHash = good;
    badHash[badHash.indexOf("hash ") + 6] = 'z';
    QTest::newRow("header line damaged") << badHash << "jest uszkodzony";
    QByteArray newer = good;
    newer.replace("SCARA-DZIENNIK 1", "SCARA-DZIENNIK 7");
    QTest::newRow("another version") << newer << "pochodzi z innej wersji programu (wersja 7)";
    QTest::newRow("header only, lines 0")
        << good.left(headerEnd).replace("lines 6", "lines 0") << "jest uszkodzony";
}

void TestTransferJournal::unusableJournalIsRefusedAndSetAside() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, says);
    QVERIFY(writeFileBytes(path(), bytes));
    const Result<JournalState> state = ReadJournal(path());
    QVERIFY(!state);
    QVERIFY2(state.error().contains(says), qPrintable(state.error()));
    QVERIFY2(state.error().contains(QDir::toNativeSeparators(path())), qPrintable(state.error()));
    const Result<QString> aside = SetJournalAside(path());
    QVERIFY(aside);
    QVERIFY(!QFile::exists(path()));
    QCOMPARE(readFileBytes(*aside), bytes);
    QVERIFY(!ReadJournal(path()));
}

void TestTransferJournal::failedBeginKeepsTheOldJournal() {
    const QByteArray old = journalUpTo(2);
    const LineListProgram program(kLines);
    TransferJournal journal;
    {
        // The new header cannot be written whole: the old journal stays.
        FileSizeLimit limit(64);
        QVERIFY(limit.active());
        const Status begun = journal.begin(path(), programOf(program), 4, pointAfter(4));
        QVERIFY(!begun);
        QVERIFY2(begun.error().startsWith("Nie można zapisać dziennika wysyłania"),
                 qPrintable(begun.error()));
    }
    QVERIFY(!journal.isOpen());
    QCOMPARE(readFileBytes(path()), old);
    QCOMPARE(QDir(dir_.path()).entryList(QDir::Files), QStringList{"dziennik.txt"});
}

void TestTransferJournal::hashTellsProgramsApart_data() {
    QTest::addColumn<QByteArrayList>("other");
    QByteArrayList changed = kLines;
    changed[2] = "N3 G01 X31 ";
    QTest::newRow("a line changed") << changed;
    QTest::newRow("a line fewer") << kLines.mid(0, 5);
    QByteArrayList joined = kLines.mid(2);
    joined.prepend(kLines[0] + kLines[1]);
    QTest::newRow("two lines joined") << joined;
    QByteArrayList blank = kLines;
    blank[5] = "N6 M30";
    QTest::newRow("the final blank gone") << blank;
}

void TestTransferJournal::hashTellsProgramsApart() {
    QFETCH(QByteArrayList, other);
    const QByteArray hash = ProgramHash(LineListProgram(kLines));
    QCOMPARE(ProgramHash(LineListProgram(kLines)), hash);
    QVERIFY(ProgramHash(LineListProgram(other)) != hash);
}

void TestTransferJournal::keeperFollowsTheTransfer_data() {
    QTest::addColumn<QList<TransferEvent>>("events");
    QTest::addColumn<bool>("kept");
    QTest::addColumn<int>("lastAcknowledged");
    using S = TransferStep;
    const TransferEvent travel{S::LineAcknowledged, 2, 0, true};
    QTest::newRow("finished: removed")
        << QList<TransferEvent>{{S::Started, 0, 6},       {S::LineAcknowledged, 0},
                                {S::LineAcknowledged, 1}, {S::LineAcknowledged, 2},
                                {S::LineAcknowledged, 3}, {S::LineAcknowledged, 4},
                                {S::LineAcknowledged, 5}, {S::Finished, 6}}
        << false << -1;
    QTest::newRow("held at a lost link")
        << QList<TransferEvent>{{S::Started, 0, 6},
                                {S::LineAcknowledged, 0},
                                {S::LineAcknowledged, 1},
                                {S::Held, 2, 0, false, TransferHold::LinkLost}}
        << true << 1;
    QTest::newRow("aborted, the lift is no program line")
        << QList<TransferEvent>{{S::Started, 0, 6},
                                {S::LineAcknowledged, 0},
                                {S::LineAcknowledged, 1},
                                travel,
                                {S::Aborted, 2}}
        << true << 1;
    QTest::newRow("from line 2 with its travel in")
        << QList<TransferEvent>{{S::Started, 2, 6}, travel, {S::LineAcknowledged, 2}} << true << 2;
    QTest::newRow("from line 4, killed before its acknowledgement")
        << QList<TransferEvent>{{S::Started, 4, 6}} << true << 3;
}

void TestTransferJournal::keeperFollowsTheTransfer() {
    QFETCH(QList<TransferEvent>, events);
    QFETCH(bool, kept);
    QFETCH(int, lastAcknowledged);
    const LineListProgram program(kLines);
    JournalKeeper keeper;
    QSignalSpy failures(&keeper, &JournalKeeper::failed);
    keeper.setPath(path());
    keeper.setProgram(&program, QStringLiteral("/rysunki/kwiat.nc"));
    for (const TransferEvent& event : events)
        keeper.handle(event);
    QCOMPARE(failures.count(), 0);
    QCOMPARE(QFile::exists(path()), kept);
    if (!kept)
        return;
    const Result<JournalState> state = ReadJournal(path());
    QVERIFY2(state, qPrintable(state ? QString() : state.error()));
    QCOMPARE(state->program, programOf(program));
    QCOMPARE(state->lastAcknowledged, lastAcknowledged);
    QCOMPARE(state->point, pointAfter(lastAcknowledged + 1));
    if (events.last().step == TransferStep::Held || events.last().step == TransferStep::Aborted)
        QVERIFY(!keeper.journal().syncPending());
}

void TestTransferJournal::pendingRecordsReachTheDiskWithinTheInterval() {
    const LineListProgram program(kLines);
    JournalKeeper keeper;
    keeper.setPath(path());
    keeper.setProgram(&program, QStringLiteral("a.nc"));
    keeper.handle({TransferStep::Started, 0, 6});
    keeper.handle({TransferStep::LineAcknowledged, 0});
    keeper.handle({TransferStep::LineAcknowledged, 1});
    // Written at once, synced when the interval after the start is over,
    // even though no further line comes.
    QCOMPARE(ReadJournal(path())->lastAcknowledged, 1);
    QVERIFY(keeper.journal().syncPending());
    QTRY_VERIFY_WITH_TIMEOUT(!keeper.journal().syncPending(), 5000);
}

void TestTransferJournal::secondKeeperCannotTakeTheJournal() {
    const LineListProgram program(kLines);
    JournalKeeper first;
    first.setPath(path());
    first.setProgram(&program, QStringLiteral("a.nc"));
    QVERIFY(first.lock());
    JournalKeeper second;
    QSignalSpy failures(&second, &JournalKeeper::failed);
    second.setPath(path());
    second.setProgram(&program, QStringLiteral("a.nc"));
    const Status locked = second.lock();
    QVERIFY(!locked);
    QVERIFY2(locked.error().contains("jest używany przez inny proces"), qPrintable(locked.error()));
    second.handle({TransferStep::Started, 0, 6});
    QCOMPARE(failures.count(), 1);
    QVERIFY(!QFile::exists(path()));
    first.unlock();
    QVERIFY(second.lock());
}

void TestTransferJournal::planDecidesHowToGoOn_data() {
    QTest::addColumn<int>("last");            // acknowledged up to; -2: no journal
    QTest::addColumn<QByteArrayList>("sent"); // the program that would be sent now
    QTest::addColumn<ResumePlan::Verdict>("verdict");
    QTest::addColumn<int>("next");
    using V = ResumePlan::Verdict;
    QByteArrayList changed = kLines;
    changed[2] = "N3 G01 X31 ";
    QTest::newRow("no journal") << -2 << kLines << V::Unreadable << 0;
    QTest::newRow("before the first line") << -1 << kLines << V::GoOn << 0;
    QTest::newRow("in the middle") << 2 << kLines << V::GoOn << 3;
    QTest::newRow("one line left") << 4 << kLines << V::GoOn << 5;
    QTest::newRow("all acknowledged") << 5 << kLines << V::Finished << 0;
    QTest::newRow("one line more") << 2 << (kLines + QByteArrayList{"N7 "}) << V::OtherProgram << 0;
    QTest::newRow("one line changed") << 2 << changed << V::OtherProgram << 0;
}

void TestTransferJournal::planDecidesHowToGoOn() {
    QFETCH(int, last);
    QFETCH(QByteArrayList, sent);
    QFETCH(ResumePlan::Verdict, verdict);
    QFETCH(int, next);
    if (last >= -1)
        QVERIFY(!journalUpTo(last).isEmpty());
    const ResumePlan plan = PlanResume(path(), ReadJournal(path()), LineListProgram(sent));
    QCOMPARE(plan.verdict, verdict);
    QCOMPARE(plan.next, next);
    QCOMPARE(plan.problem.isEmpty(),
             verdict == ResumePlan::Verdict::GoOn || verdict == ResumePlan::Verdict::Finished);
}

QTEST_GUILESS_MAIN(TestTransferJournal)
#include "tst_controller_journal.moc"
