// The layer table and the program the transfer sends from it: a layer left
// out, its feed and hold in, the sent lines traced back to the program's,
// a bad feed refused.
#include "app/calibratedprogramsource.h"
#include "app/layertable.h"

#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

namespace {

// Two pens, behind their marks.
const QList<QByteArray> kProgram{"(warstwa 1)",
                                 "N10 G00 X100 Y200 Z10 ",
                                 "N20 G01 X150 Y200 Z1 ",
                                 "(warstwa 2: niebieski)",
                                 "N30 G00 X200 Y200 Z10 ",
                                 "N40 G01 X250 Y200 Z2 ",
                                 "N50 M30 "};

enum Column { Feed = 6, Hold = 7, Sent = 8 };

} // namespace

class TestLayersTable : public QObject {
    Q_OBJECT

private slots:
    void tableMakesThePlan();
    void sourceSendsThePlan();
};

void TestLayersTable::tableMakesThePlan() {
    LayerTable table;
    const ProgramText program = ProgramText::fromLines(kProgram);
    table.showLayers(SplitLayers(program), {0xff00ff00, 0xff000080},
                     [](qint64 lines, qint64) { return double(lines); });
    QTableWidget* cells = table.table();
    QCOMPARE(cells->rowCount(), 2);
    QCOMPARE(cells->item(1, 0)->text(), u"2"_qs);
    QCOMPARE(cells->item(1, Hold)->text(), u"Załóż pisak 2"_qs);
    QSignalSpy refused(&table, &LayerTable::refused);
    cells->item(1, Feed)->setText(u"0"_qs);
    QCOMPARE(refused.count(), 1);
    QVERIFY(cells->item(1, Feed)->text().isEmpty());
    cells->item(1, Feed)->setText(u"600"_qs);
    cells->item(1, Hold)->setCheckState(Qt::Checked);
    cells->item(0, Sent)->setCheckState(Qt::Unchecked);
    const SendPlan plan = table.plan();
    QCOMPARE(plan.layers.size(), size_t(2));
    QVERIFY(!plan.layers[0].send);
    QCOMPARE(plan.layers[1].feed, std::optional<double>(600));
    QVERIFY(plan.layers[1].hold);
    // Remembered and read back the same.
    LayerTable other;
    other.setSettingsText(table.settingsText());
    QCOMPARE(other.settingsText(), table.settingsText());
}

void TestLayersTable::sourceSendsThePlan() {
    ProgramList list;
    list.replace(ProgramText::fromLines(kProgram));
    CalibratedProgramSource source(list);
    QVERIFY(source.programChanged().ok());
    QCOMPARE(source.lineCount(), 5); // the marks never go out
    SendPlan plan;
    LayerSettings first, second;
    first.number = 1, first.send = false;
    second.number = 2, second.feed = 600, second.hold = true;
    second.holdMessage = u"Załóż pisak 2"_qs;
    plan.layers = {first, second};
    QVERIFY(source.setSendPlan(plan).ok());
    QList<QByteArray> sent;
    for (int i = 0; i < source.lineCount(); ++i)
        sent << *source.lineAt(i);
    QCOMPARE(sent, (QList<QByteArray>{"M00", "N30 G00 X200 Y200 Z10 ", "N40 G01 X250 Y200 Z2 F600 ",
                                      "N50 M30 "}));
    QCOMPARE(source.holdNotice(0), u"Załóż pisak 2"_qs);
    QCOMPARE(source.programLineOf(2), 5);
    QCOMPARE(source.sentIndexOf(6), 3);
    plan.layers.push_back({});
    plan.layers.back().number = 9;
    QVERIFY(!source.setSendPlan(plan).ok()); // no layer 9: the old plan stays
    QCOMPARE(source.lineCount(), 4);
}

QTEST_MAIN(TestLayersTable)
#include "tst_app_layers.moc"
