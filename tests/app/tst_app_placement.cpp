// "Dopasuj do obszaru roboczego", "Po jednej stronie osi Y" and "Obrysuj
// rysunek" on the main window.
#include "app/mainwindow.h"
#include "app/placementcommands.h"
#include "app/programcommands.h"
#include "app/station.h"
#include "base/numberformat.h"
#include "gcode/gcodeblock.h"
#include "gcode/pathcheck.h"
#include "gcode/programfile.h"
#include "gcode/programmemo.h"
#include "support/files.h"
#include "support/stationdoubles.h"

#include <QAction>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

class TestPlacementCommands : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void fitFromTheMenuIsUndone();
    void fitKeepsOutOfTheControllersRadius();
    void oneSideChoice();
    void badProgramStaysAsItIs();
    void refusedWhileSending();
    void outlineIsSaved();
    void sheetIsDrawnAndHoldsTheDrawing();

private:
    template <typename T> T* child(const char* name) {
        T* found = station_->mainWindow().findChild<T*>(QString::fromLatin1(name));
        if (found == nullptr)
            qFatal("no %s", name);
        return found;
    }
    ProgramMemo* memo() { return child<ProgramMemo>("Memo1"); }
    QString reportText() { return child<QPlainTextEdit>("CheckReportMemo")->toPlainText(); }
    void openStrokes() {
        const QString file = dir_.writeFile(
            u"strokes.nc"_qs,
            "N10 G00 X -40 Y 10 Z 10\r\nN20 G01 X -10 Y 10 Z 1\r\nN30 G01 X -10 Y 40\r\n"
            "N40 G00 X 30 Y 5 Z 10\r\nN50 G01 X 60 Y 35 Z 2\r\nN60 M30\r\n");
        QVERIFY(station_->mainWindow().programCommands()->openProgramFile(file));
    }
    // The path check of the program in the memo.
    PathCheckReport check(double radius = 150) {
        return *CheckPath(memo()->program(), PathCheckSettings{radius});
    }

    std::unique_ptr<Station> station_;
    WindowRecorder recorder_;
    TempDir dir_;
};

void TestPlacementCommands::init() {
    recorder_ = {};
    station_ = std::make_unique<Station>();
    recorder_.attach(station_->mainWindow());
}

void TestPlacementCommands::cleanup() {
    station_.reset();
}

void TestPlacementCommands::fitFromTheMenuIsUndone() {
    openStrokes();
    const QString before = memo()->program().toUnicode();
    QVERIFY(check().count(PathFindingKind::Zone) > 0);
    child<QAction>("Dopasujdoobszaruroboczego1")->trigger();
    QVERIFY2(recorder_.errors.isEmpty(), qPrintable(recorder_.errors.join(u'\n')));
    QVERIFY2(reportText().contains(u"Dopasowano: skala "), qPrintable(reportText()));
    QCOMPARE(check().count(PathFindingKind::Zone), 0);
    QCOMPARE(check().count(PathFindingKind::Reach), 0);
    QVERIFY(memo()->program().toUnicode() != before);
    // The prepared program is the placed one.
    QCOMPARE(CheckPath(station_->document().program().snapshot(), {})->count(PathFindingKind::Zone),
             0);
    memo()->undo();
    QCOMPARE(memo()->program().toUnicode(), before);
}

void TestPlacementCommands::fitKeepsOutOfTheControllersRadius() {
    openStrokes();
    child<QLineEdit>("Edit15")->setText(u"220"_qs);
    child<QAction>("Dopasujdoobszaruroboczego1")->trigger();
    QVERIFY2(recorder_.errors.isEmpty(), qPrintable(recorder_.errors.join(u'\n')));
    QCOMPARE(check(220).count(PathFindingKind::Zone), 0);
    QCOMPARE(check(220).count(PathFindingKind::Reach), 0);
}

void TestPlacementCommands::oneSideChoice() {
    openStrokes();
    QAction* oneSide = child<QAction>("Pojednejstronieosi1");
    QVERIFY(oneSide->isCheckable());
    oneSide->setChecked(true);
    QCOMPARE(station_->placementCommands().settings().sides, SideRule::OneSide);
    child<QAction>("Dopasujdoobszaruroboczego1")->trigger();
    QVERIFY(reportText().contains(u"stronie osi Y"));
    QVERIFY(!reportText().contains(u"po obu stronach"));
    const PathCheckReport report = check();
    for (const PathFinding& finding : report.findings())
        QVERIFY(!finding.penDown);
}

void TestPlacementCommands::badProgramStaysAsItIs() {
    const QString file = dir_.writeFile(u"point.nc"_qs, "N10 G00 X 5 Y 5 Z 10\r\nN20 M30\r\n");
    QVERIFY(station_->mainWindow().programCommands()->openProgramFile(file));
    const QString before = memo()->program().toUnicode();
    QVERIFY(!station_->placementCommands().fitProgram());
    QCOMPARE(recorder_.errors.size(), 1);
    QVERIFY(recorder_.errors.first().startsWith(u"Rysunek nie ma rozmiaru"));
    QCOMPARE(memo()->program().toUnicode(), before);
}

void TestPlacementCommands::refusedWhileSending() {
    openStrokes();
    const QString before = memo()->program().toUnicode();
    station_->mainWindow().programCommands()->setTransferQuery([] { return true; });
    recorder_.notices.clear();
    child<QAction>("Dopasujdoobszaruroboczego1")->trigger();
    QCOMPARE(recorder_.notices.size(), 1);
    QCOMPARE(memo()->program().toUnicode(), before);
}

void TestPlacementCommands::outlineIsSaved() {
    openStrokes();
    child<QAction>("Dopasujdoobszaruroboczego1")->trigger();
    const QString file = dir_.path() + u"/outline.nc"_qs;
    recorder_.answers.saveProgram.enqueue(file);
    child<QAction>("Obrysujrysunek1")->trigger();
    QVERIFY2(recorder_.errors.isEmpty(), qPrintable(recorder_.errors.join(u'\n')));
    const Result<ProgramText> outline = ReadProgramFile(file);
    QVERIFY(outline);
    QVERIFY(outline->lineCount() >= 6);
    const Result<PathCheckReport> report = CheckPath(*outline, {});
    QCOMPARE(report->count(PathFindingKind::Zone) + report->count(PathFindingKind::Reach), 0);
    for (qsizetype i = 0; i + 1 < outline->lineCount(); ++i)
        QVERIFY(outline->line(i).contains(" G00 "));
}

void TestPlacementCommands::sheetIsDrawnAndHoldsTheDrawing() {
    openStrokes();
    child<QAction>("ArkuszA4pionowo1")->trigger();
    const std::optional<QRectF> sheet = station_->placementCommands().sheetOnPlot();
    QVERIFY(sheet);
    QCOMPARE(sheet->size(), QSizeF(210, 297));
    // The plot shows the sheet's outline: the middle of its left edge.
    const QImage plot = station_->document().plot().image();
    const QPoint edge(qRound(sheet->left() + 500), qRound(500 - sheet->center().y()));
    QCOMPARE(plot.pixel(edge), 0xfff0f0f0u);
    child<QAction>("Dopasujdoobszaruroboczego1")->trigger();
    QVERIFY2(recorder_.errors.isEmpty(), qPrintable(recorder_.errors.join(u'\n')));
    QVERIFY2(reportText().contains(u"arkusz A4 mieści się"), qPrintable(reportText()));
    QCOMPARE(check().count(PathFindingKind::Zone) + check().count(PathFindingKind::Reach), 0);
    // Every point of the placed program lies on the sheet, the margin kept.
    const ProgramText placed = memo()->program();
    int drawn = 0;
    for (qsizetype i = 0; i < placed.lineCount(); ++i) {
        const GcodeBlock block = ParseBlock(placed.line(i).toByteArray());
        if (!block.has(GcodeWord::X) || !block.has(GcodeWord::G) ||
            block.word(GcodeWord::G) != "01")
            continue;
        const double x = ParseReal(block.word(GcodeWord::X)).value();
        QVERIFY(x >= sheet->left() + 9 && x <= sheet->right() - 9);
        ++drawn;
    }
    QVERIFY(drawn >= 3);
    child<QAction>("Bezarkusza1")->trigger();
    QVERIFY(!station_->placementCommands().sheetOnPlot());
}

QTEST_MAIN(TestPlacementCommands)
#include "tst_app_placement.moc"
