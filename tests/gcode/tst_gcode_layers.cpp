// A program's layers: where they begin, what each draws, and the program
// sent with some of them, their pens, feeds, holds and refills; scara-cli's
// layer options, bad values refused.
#include "gcode/gcodeblock.h"
#include "gcode/prepareprogram.h"
#include "gcode/programlayers.h"
#include "support/files.h"
#include "support/toolrun.h"

#include <QTest>

namespace {

ProgramText lines(const QList<QByteArray>& list) {
    return ProgramText::fromLines(list);
}

LayerSettings layer(int number, bool send, std::optional<double> z = {},
                    std::optional<double> feed = {}, bool hold = false, QString message = {}) {
    return LayerSettings{number, send, z, feed, hold, message};
}

// Two pens: 100 drawn with Z1, then 150 with Z2.
const QList<QByteArray> kTwoPens{"N10 G00 X 100 Y 200 Z 10",
                                 "N20 G01 X 150 Y 200 Z 1",
                                 "N30 G01 X 150 Y 250 Z 1",
                                 "N40 G00 X 200 Y 200 Z 10",
                                 "N50 G01 X 250 Y 200 Z 2",
                                 "N60 G01 X 250 Y 300 Z 2",
                                 "N70 M30"};

} // namespace

Q_DECLARE_METATYPE(SendPlan)

class TestLayers : public QObject {
    Q_OBJECT

private slots:
    void marks_data();
    void marks();
    void split_data();
    void split();
    void preparationKeepsMarks();
    void sent_data();
    void sent();
    void cliRefusesBadValues_data();
    void cliRefusesBadValues();
    void estimatePerLayer_data();
    void estimatePerLayer();
};

void TestLayers::marks_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("number"); // 0: no mark
    QTest::newRow("plain") << QByteArray("(warstwa 2)") << 2;
    QTest::newRow("named") << QByteArray("(warstwa 12: czerwony)") << 12;
    QTest::newRow("a word letter makes a block") << QByteArray("(warstwa 2: Szary)") << 0;
    QTest::newRow("upper case") << QByteArray("(WARSTWA 2)") << 0;
    QTest::newRow("no number") << QByteArray("(warstwa )") << 0;
    QTest::newRow("more after it") << QByteArray("(warstwa 2) M00") << 0;
}

void TestLayers::marks() {
    QFETCH(QByteArray, line);
    QFETCH(int, number);
    QCOMPARE(LayerMarkNumber(line).value_or(0), number);
    if (number > 0)
        QVERIFY(FormatBlock(ParseBlock(line)).isEmpty()); // nothing for the controller
}

void TestLayers::split_data() {
    QTest::addColumn<QList<QByteArray>>("program");
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<QList<int>>("firstLines");
    QTest::addColumn<QList<double>>("drawn");
    QTest::newRow("by pen: the travel goes with the new pen")
        << kTwoPens << QList<int>{1, 2} << QList<int>{0, 3} << QList<double>{100, 150};
    QList<QByteArray> marked = kTwoPens;
    marked.insert(3, "(warstwa 7: niebieski)");
    marked.insert(0, "(warstwa 4)");
    marked.insert(0, "N5 M03");
    QTest::newRow("marked: numbers from the marks, the header before them")
        << marked << QList<int>{4, 7} << QList<int>{1, 5} << QList<double>{100, 150};
    QTest::newRow("one pen") << QList<QByteArray>{"N10 G00 X 0 Y 200", "N20 G01 X 30 Y 240 Z 1"}
                             << QList<int>{1} << QList<int>{0} << QList<double>{50};
}

void TestLayers::split() {
    QFETCH(QList<QByteArray>, program);
    QFETCH(QList<int>, numbers);
    QFETCH(QList<int>, firstLines);
    QFETCH(QList<double>, drawn);
    const std::vector<ProgramLayer> layers = SplitLayers(lines(program));
    QCOMPARE(qsizetype(layers.size()), numbers.size());
    for (size_t k = 0; k < layers.size(); ++k) {
        QCOMPARE(layers[k].number, numbers[qsizetype(k)]);
        QCOMPARE(layers[k].firstLine, qsizetype(firstLines[qsizetype(k)]));
        QCOMPARE(layers[k].drawnLength, drawn[qsizetype(k)]);
    }
}

void TestLayers::preparationKeepsMarks() {
    const Result<PreparedProgram> prepared = PrepareProgram(
        lines({"(warstwa 2: czerwony)", "N10 G01 X 1.4 Y 300", "(warstwa 3)", "N20 M30"}), {});
    QVERIFY(prepared.ok());
    QCOMPARE(prepared->lines.toStringList(),
             (QStringList{u"(warstwa 2: czerwony)"_qs, u"N10 G01 X1 Y300 "_qs, u"(warstwa 3)"_qs,
                          u"N20 M30 "_qs}));
}

void TestLayers::sent_data() {
    QTest::addColumn<QList<QByteArray>>("program");
    QTest::addColumn<SendPlan>("plan");
    QTest::addColumn<QList<QByteArray>>("expected");
    QTest::addColumn<QList<int>>("noticeLines");

    QTest::newRow("marks left out, nothing else")
        << QList<QByteArray>{"(warstwa 1)", "N10 G01 X 1 Y 2", "N20 M30"} << SendPlan{}
        << QList<QByteArray>{"N10 G01 X 1 Y 2", "N20 M30"} << QList<int>{};
    SendPlan second;
    second.layers = {layer(1, false), layer(2, true, 3.0, 800.0, true, u"Załóż pisak 2"_qs)};
    QTest::newRow("the second pen alone, its Z, feed and hold; the end block stays")
        << kTwoPens << second
        << QList<QByteArray>{"M00", "N40 G00 X 200 Y 200 Z 10", "N50 G01 X250 Y200 Z3 F800 ",
                             "N60 G01 X250 Y300 Z3 F800 ", "N70 M30"}
        << QList<int>{0};
    SendPlan held;
    held.layers = {layer(2, true, {}, {}, true)};
    QList<QByteArray> withStop = kTwoPens;
    withStop.insert(3, "N35 M00");
    QTest::newRow("a layer that begins with a hold gets no second one")
        << withStop << held << withStop << QList<int>{};
    // Every 60 drawn, each pen counted from its start: the first pen reaches
    // 60 on its second move and ends there, the second reaches 60 on its
    // second move (50 + 100) and then draws on.
    QList<QByteArray> longer = kTwoPens;
    longer.insert(6, "N65 G01 X 260 Y 300 Z 2");
    SendPlan refill;
    refill.refillEvery = 60;
    QTest::newRow("refill: after the move that reaches 60, before the next move of the pen")
        << longer << refill
        << QList<QByteArray>{"N10 G00 X 100 Y 200 Z 10",
                             "N20 G01 X 150 Y 200 Z 1",
                             "N30 G01 X 150 Y 250 Z 1",
                             "N40 G00 X 200 Y 200 Z 10",
                             "N50 G01 X 250 Y 200 Z 2",
                             "N60 G01 X 250 Y 300 Z 2",
                             "M00",
                             "N65 G01 X 260 Y 300 Z 2",
                             "N70 M30"}
        << QList<int>{6};
}

void TestLayers::sent() {
    QFETCH(QList<QByteArray>, program);
    QFETCH(SendPlan, plan);
    QFETCH(QList<QByteArray>, expected);
    QFETCH(QList<int>, noticeLines);
    const Result<SendProgram> sent = BuildSendProgram(lines(program), plan);
    QVERIFY2(sent.ok(), sent.ok() ? "" : qPrintable(sent.error()));
    QCOMPARE(sent->lines.toLines(), expected);
    QCOMPARE(qsizetype(sent->holdNotices.size()), noticeLines.size());
    for (qsizetype k = 0; k < noticeLines.size(); ++k) {
        QCOMPARE(sent->holdNotices[size_t(k)].first, qsizetype(noticeLines[k]));
        QVERIFY(!sent->holdNotices[size_t(k)].second.isEmpty());
    }
}

void TestLayers::cliRefusesBadValues_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("message");
    QTest::newRow("no such layer") << QStringList{"--layers", "1,3"} << u"warstwy 3"_qs;
    QTest::newRow("refill of 0") << QStringList{"--refill-every", "0"} << u"tuszu"_qs;
    QTest::newRow("refill below 0") << QStringList{"--refill-every", "-2"} << u"tuszu"_qs;
    QTest::newRow("feed of 0") << QStringList{"--layer-feed", "2:0"} << u"Posuw warstwy 2"_qs;
    QTest::newRow("feed below 0") << QStringList{"--layer-feed", "1:-5"} << u"Posuw warstwy 1"_qs;
}

void TestLayers::cliRefusesBadValues() {
    QFETCH(QStringList, options);
    QFETCH(QString, message);
    TempDir dir;
    const QString file = dir.writeFile("two.nc", lines(kTwoPens).toBytes());
    for (const QString& command : {u"prepare"_qs, u"send"_qs}) {
        QStringList args{command, file};
        if (command == u"send")
            args << "--port" << dir.filePath("no-port");
        const ToolRun run = runScaraCli(args + options);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(QString::fromUtf8(run.err).contains(message), run.err.constData());
    }
}

void TestLayers::estimatePerLayer_data() {
    QTest::addColumn<QList<QByteArray>>("program");
    QTest::newRow("by pen") << kTwoPens;
    QTest::newRow("marked, one pen")
        << QList<QByteArray>{"(warstwa 1)", "N10 G00 X 100 Y 200", "N20 G01 X 150 Y 200 Z 1",
                             "(warstwa 2)", "N30 G00 X 200 Y 200", "N40 G01 X 250 Y 200 Z 1"};
}

// The layers' transfer times add up to the whole program's.
void TestLayers::estimatePerLayer() {
    QFETCH(QList<QByteArray>, program);
    TempDir dir;
    const ToolRun run =
        runScaraCli({"estimate", dir.writeFile("two.nc", lines(program).toBytes())});
    QCOMPARE(run.exitCode, 0);
    double whole = 0, layers = 0;
    int count = 0;
    for (const QByteArray& line : run.out.split('\n')) {
        if (line.startsWith("transfer: "))
            whole = line.mid(10).chopped(2).toDouble();
        if (line.startsWith("layer ")) {
            layers += line.mid(line.lastIndexOf("transfer ") + 9).chopped(2).toDouble();
            ++count;
        }
    }
    QCOMPARE(count, 2);
    QVERIFY2(std::abs(layers - whole) <= 0.011, run.out.constData());
}

QTEST_GUILESS_MAIN(TestLayers)
#include "tst_gcode_layers.moc"
