// The station's drawing commands: "Otwórz rysunek SVG", an SVG file dropped
// on the main window, "Optymalizuj program" and the converter's "Optymalizuj".
#include "app/mainwindow.h"
#include "app/programcommands.h"
#include "app/station.h"
#include "app/svgcommands.h"
#include "gcode/programlist.h"
#include "gcode/programmemo.h"
#include "hpgl/converterwindow.h"
#include "support/files.h"
#include "support/stationdoubles.h"

#include <QAction>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>
#include <QUrl>

class TestSvgCommands : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void openDrawingFromTheMenu();
    void badDrawingKeepsTheProgram();
    void penHeightsFromTheConverter();
    void droppedDrawingOpens();
    void optimizeTheProgram();
    void lockedWhileSending();
    void converterOptimizes();

private:
    template <typename T> T* child(QWidget* window, const char* name) {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        if (found == nullptr)
            qFatal("no %s", name);
        return found;
    }
    QString memoText() {
        return child<ProgramMemo>(&station_->mainWindow(), "Memo1")->program().toUnicode();
    }
    QString reportText() {
        // The import's report has a group of its own, apart from the reach.
        return child<QPlainTextEdit>(&station_->mainWindow(), "ImportReportMemo")->toPlainText();
    }

    std::unique_ptr<Station> station_;
    WindowRecorder recorder_;
    TempDir dir_;
};

void TestSvgCommands::init() {
    recorder_ = {};
    station_ = std::make_unique<Station>();
    recorder_.attach(station_->mainWindow());
}

void TestSvgCommands::cleanup() {
    station_.reset();
}

void TestSvgCommands::openDrawingFromTheMenu() {
    const QString file = QStringLiteral(SCARA_SVG_DATA "/inkscape-plain.svg");
    station_->svgCommands().setDrawingChooser([file] { return file; });
    child<QAction>(&station_->mainWindow(), "Otwrzrysuneksvg1")->trigger();
    QVERIFY2(recorder_.errors.isEmpty(), qPrintable(recorder_.errors.join(u'\n')));
    QVERIFY(memoText().startsWith(u"N10 G00 X"));
    QVERIFY(memoText().trimmed().endsWith(u"M30"));
    QVERIFY(station_->document().program().lineCount() > 10);
    QVERIFY2(reportText().contains(u"Ścieżki: 3, pisaki: 2"), qPrintable(reportText()));
    QVERIFY(station_->mainWindow().windowTitle().contains(u"inkscape-plain.svg"));
}

void TestSvgCommands::badDrawingKeepsTheProgram() {
    QVERIFY(station_->svgCommands().openDrawingFile(
        QStringLiteral(SCARA_SVG_DATA "/inkscape-layers.svg")));
    const QString before = memoText();
    const QString caption = station_->mainWindow().windowTitle();
    const QString bad = dir_.writeFile(u"bad.svg"_qs, "<svg xmlns='http://www.w3.org/2000/svg'>"
                                                      "<use href='#gone'/></svg>");
    QVERIFY(!station_->svgCommands().openDrawingFile(bad));
    QCOMPARE(recorder_.errors.size(), 1);
    QVERIFY(recorder_.errors.first().contains(bad));
    QCOMPARE(memoText(), before);
    QCOMPARE(station_->mainWindow().windowTitle(), caption);
}

void TestSvgCommands::penHeightsFromTheConverter() {
    ConverterWindow& converter = station_->converterWindow();
    child<QLineEdit>(&converter, "Edit6")->setText(u"4"_qs);  // "Pisak 1"
    child<QLineEdit>(&converter, "Edit7")->setText(u"6"_qs);  // "Pisak 2"
    child<QLineEdit>(&converter, "Edit1")->setText(u"12"_qs); // G00
    QVERIFY(station_->svgCommands().openDrawingFile(
        QStringLiteral(SCARA_SVG_DATA "/inkscape-layers.svg")));
    const QString program = memoText();
    QVERIFY2(program.contains(u" Z4") && program.contains(u" Z6") && program.contains(u" Z12"),
             qPrintable(program));
    QVERIFY(!program.contains(u" Z1 ") && !program.contains(u" Z10 "));
    // A field that is not a whole number is the converter's error; nothing changes.
    child<QLineEdit>(&converter, "Edit7")->setText(u"x"_qs);
    QVERIFY(!station_->svgCommands().openDrawingFile(
        QStringLiteral(SCARA_SVG_DATA "/inkscape-plain.svg")));
    QCOMPARE(recorder_.errors.size(), 1);
    QVERIFY2(recorder_.errors.first().contains(u"'x'"), qPrintable(recorder_.errors.first()));
    QCOMPARE(memoText(), program);
}

void TestSvgCommands::droppedDrawingOpens() {
    MainWindow& window = station_->mainWindow();
    QVERIFY(window.acceptDrops());
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QStringLiteral(SCARA_SVG_DATA "/inkscape-layers.svg"))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &drop);
    QVERIFY(drop.isAccepted());
    QTRY_VERIFY2(reportText().contains(u"pisaki: 2"), qPrintable(reportText()));
}

void TestSvgCommands::optimizeTheProgram() {
    const QString file = dir_.writeFile(
        u"p.nc"_qs, "N10 G00 X 100 Y 100 Z 10\r\nN20 G01 X 120 Y 100 Z 1\r\n"
                    "N30 G00 X 400 Y 10 Z 10\r\nN40 G01 X 410 Y 10 Z 1\r\nN50 M30\r\n");
    QVERIFY(station_->mainWindow().programCommands()->openProgramFile(file));
    const QString caption = station_->mainWindow().windowTitle();
    recorder_.notices.clear();
    child<QAction>(&station_->mainWindow(), "Optymalizujprogram1")->trigger();
    QVERIFY2(recorder_.errors.isEmpty(), qPrintable(recorder_.errors.join(u'\n')));
    QVERIFY2(memoText().startsWith(u"N10 G00 X410 Y10"), qPrintable(memoText()));
    QCOMPARE(recorder_.notices.size(), 1);
    QVERIFY(recorder_.notices.first().contains(u"Podniesienia pisaka: 1 -> 1"));
    QCOMPARE(station_->mainWindow().windowTitle(), caption);
}

void TestSvgCommands::lockedWhileSending() {
    QVERIFY(station_->svgCommands().openDrawingFile(
        QStringLiteral(SCARA_SVG_DATA "/inkscape-layers.svg")));
    const QString before = memoText();
    ProgramCommands* commands = station_->mainWindow().programCommands();
    commands->setTransferQuery([] { return true; });
    recorder_.notices.clear();
    QVERIFY(!station_->svgCommands().openDrawingFile(
        QStringLiteral(SCARA_SVG_DATA "/inkscape-plain.svg")));
    QVERIFY(!station_->svgCommands().optimizeProgram());
    QCOMPARE(recorder_.notices.size(), 2);
    QCOMPARE(memoText(), before);
}

void TestSvgCommands::converterOptimizes() {
    ConverterWindow& converter = station_->converterWindow();
    ProgramMemo* memo2 = child<ProgramMemo>(&converter, "Memo2");
    memo2->setProgram(ProgramText::fromLines({"N10 G00 X 100 Y 100 Z 10", "N20 G01 X 110 Y 100 Z 1",
                                              "N30 G01 X 120 Y 100 Z 1", "N40 M30"}));
    child<QAction>(&converter, "Optymalizuj1")->trigger();
    QCOMPARE(memo2->program().toStringList(),
             (QStringList{u"N10 G00 X 120 Y 100 Z 10"_qs, u"N20 G01 X 100 Y 100 Z 1"_qs,
                          u"N30 M30"_qs}));
}

QTEST_MAIN(TestSvgCommands)
#include "tst_app_svg.moc"
