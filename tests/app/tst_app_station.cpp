// The whole station as main() builds it: windows in their order, one link
// timer, and the menus reaching the simulation and the converter.
#include "app/colorshape.h"
#include "app/mainwindow.h"
#include "app/programcommands.h"
#include "app/station.h"
#include "app/stationsimulationview.h"
#include "controller/controllerlink.h"
#include "controller/widgets/controllerwindowbinding.h"
#include "gcode/programlist.h"
#include "gcode/programmemo.h"
#include "hpgl/converterwindow.h"
#include "motion/simulationthread.h"
#include "support/stationdoubles.h"
#include "view3d/visualisationwindow.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTimer>
#include <QtTest>

class TestStation : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startUp();
    void simulationRunsFromTheMenu();
    void converterExitEndsTheStation();
    void converterOutputBecomesTheProgram();
    void simulationLogsKeepTheirLastLines();

private:
    QAction* action(const char* name) { return station_->mainWindow().findChild<QAction*>(name); }
    bool openProgram(const QByteArray& text);

    std::unique_ptr<Station> station_;
    QStringList notices_;
    QStringList errors_;
    QTemporaryDir dir_;
};

void TestStation::init() {
    notices_.clear();
    errors_.clear();
    station_ = std::make_unique<Station>();
    auto notifier = std::make_unique<RecordingNotifier>();
    notifier->notices = &notices_;
    notifier->errors = &errors_;
    station_->mainWindow().setNotifier(std::move(notifier));
}

void TestStation::cleanup() {
    station_.reset();
}

bool TestStation::openProgram(const QByteArray& text) {
    const QString path = dir_.filePath(QStringLiteral("program.nc"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        return false;
    file.close();
    return station_->mainWindow().programCommands()->openProgramFile(path);
}

void TestStation::startUp() {
    MainWindow& main = station_->mainWindow();
    QCOMPARE(main.objectName(), QStringLiteral("TForm1"));
    QCOMPARE(station_->visualisationWindow().objectName(), QStringLiteral("TForm2"));
    QCOMPARE(station_->converterWindow().objectName(), QStringLiteral("TForm3"));
    QVERIFY(!station_->visualisationWindow().isVisible());
    QVERIFY(!station_->converterWindow().isVisible());
    QVERIFY(!station_->simulationThread().isRunning());

    // The transfer timer is the link's own, and there is only one.
    QCOMPARE(main.findChildren<QTimer*>(QStringLiteral("Timer1")).size(), 0);
    const QList<QTimer*> timers =
        station_->controller().link().worker().findChildren<QTimer*>(QStringLiteral("Timer1"));
    QCOMPARE(timers.size(), 1);
    QCOMPARE(timers.first()->interval(), 500);

    QVERIFY(!action("Startsymulacji1")->isEnabled());
    QVERIFY(!action("StopSymulacji1")->isEnabled());
    QVERIFY(!action("Jazdareferencyjna1")->isEnabled());
    QVERIFY(!action("Wyslijprogram1")->isEnabled());
    QVERIFY(action("Poczzesterownikiem1")->isEnabled());
    QVERIFY(errors_.isEmpty());
}

void TestStation::simulationRunsFromTheMenu() {
    QVERIFY(openProgram("N10 G00 X490 Y10\r\nN20 G01 X490 Y15 Z0\r\nN30 M30\r\n"));
    // The simulation's points take the colour shapes' current colours.
    station_->mainWindow().findChild<ColorShape*>("Shape10")->setColour(QColor(1, 2, 3));
    QCOMPARE(notices_, QStringList{QStringLiteral("Zakończono ładowanie pliku")});
    QVERIFY(action("Startsymulacji1")->isEnabled());

    action("Startsymulacji2")->trigger();
    QVERIFY(station_->visualisationWindow().isVisible());
    QVERIFY(!action("Startsymulacji2")->isEnabled());

    auto* jointLog = station_->mainWindow().findChild<QPlainTextEdit*>("Memo4");
    auto* done = station_->mainWindow().findChild<QPlainTextEdit*>("Memo2");
    QTRY_VERIFY_WITH_TIMEOUT(
        !action("StopSymulacji1")->isEnabled() && !station_->simulationThread().isRunning(), 20000);
    // 10 points to (490, 10), then 5 to (490, 15); the pen travels are waited out.
    QCOMPARE(jointLog->document()->blockCount(), 15);
    QCOMPARE(station_->mainWindow().plotSurface().image().pixelColor(990, 488), QColor(1, 2, 3));
    QCOMPARE(done->toPlainText().split('\n').size(), 3);
    QVERIFY(errors_.isEmpty());
}

void TestStation::converterExitEndsTheStation() {
    QSignalSpy closing(&station_->mainWindow(), &MainWindow::closing);
    station_->mainWindow().show();
    emit station_->converterWindow().quitRequested();
    QTRY_COMPARE(closing.count(), 1);
    QVERIFY(!station_->mainWindow().isVisible());
}

void TestStation::converterOutputBecomesTheProgram() {
    QVERIFY(openProgram("N10 G00 X490 Y10\r\nN20 M30\r\n"));
    MainWindow& main = station_->mainWindow();
    QSignalSpy prepared(main.programCommands(), &ProgramCommands::programPrepared);

    // A plot file converted in the converter window...
    const QString plot = dir_.filePath(QStringLiteral("drawing.plt"));
    QFile file(plot);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("IN;\nSP1;\nPU100 200;\nPD300 400;\nPU0 0;\nSP0;\n");
    file.close();
    ConverterWindow& converter = station_->converterWindow();
    converter.openPlotFile(plot);
    QSignalSpy ended(&converter, &ConverterWindow::conversionEnded);
    converter.findChild<QAction*>("Konwersja1")->trigger();
    QMessageBox* box = nullptr;
    QTRY_VERIFY((box = converter.findChild<QMessageBox*>()) != nullptr && box->isVisible());
    QCOMPARE(box->text(), QStringLiteral("Konwersja zakończona"));
    box->button(QMessageBox::Ok)->click();
    QTRY_COMPARE(ended.count(), 1);

    // ...replaces the main window's program, prepared, named after the file.
    converter.findChild<QAction*>("Wstawdoprogramu1")->trigger();
    QCOMPARE(prepared.count(), 1);
    QCOMPARE(main.windowTitle(), QStringLiteral("SCARA ") +
                                     QDir::toNativeSeparators(QFileInfo(plot).absoluteFilePath()));
    const ProgramText program = station_->document().program().snapshot();
    QCOMPARE(program.lineCount(), 6);
    auto* memo = main.findChild<ProgramMemo*>("Memo1");
    QCOMPARE(memo->lineCount(), 6);
    for (qsizetype i = 0; i < program.lineCount(); ++i)
        QCOMPARE(memo->line(i).toLatin1(), program.line(i).toByteArray());
    // Prepared: the converter wrote "N10 M03 T0".
    QCOMPARE(program.line(0).toByteArray(), QByteArray("N10 T0 M03 "));
    QCOMPARE(memo->toPlainText(),
             QStringLiteral("N10 T0 M03 \nN20 G00 X0 Y0 Z10 \nN30 G00 X100 Y200 Z10 \n"
                            "N40 G01 X300 Y400 Z1 \nN50 G00 X0 Y0 Z10 \nN60 M30 "));
    QVERIFY(action("Startsymulacji1")->isEnabled());
    QVERIFY(errors_.isEmpty());
}

void TestStation::simulationLogsKeepTheirLastLines() {
    MainWindow& main = station_->mainWindow();
    // The main window's side of the simulation, as the presenter writes it.
    StationSimulationView view(main);
    auto numbers = [](int from, int to) {
        QStringList lines;
        for (int i = from; i <= to; ++i)
            lines << QString::number(i);
        return lines;
    };
    const QString note = QStringLiteral("… starsze linie usunięte (zachowano ostatnie 10000)");
    auto check = [&](const char* name, int blocks, const QString& first, const QString& last) {
        const QTextDocument* text = main.findChild<QPlainTextEdit*>(name)->document();
        QCOMPARE(text->blockCount(), blocks);
        QCOMPARE(text->firstBlock().text(), first);
        QCOMPARE(text->lastBlock().text(), last);
    };

    // Memo2: two runs' worth, the older lines dropped under the note.
    view.appendSimulatedBlocks(numbers(1, 6000));
    check("Memo2", 6000, "1", "6000");
    view.appendSimulatedBlocks(numbers(6001, 12000));
    check("Memo2", 10001, note, "12000");
    QCOMPARE(main.findChild<QPlainTextEdit*>("Memo2")->document()->findBlockByNumber(1).text(),
             QStringLiteral("2001"));
    // Memo3: one batch longer than the log.
    view.appendInterpolationLog(numbers(1, 10005));
    check("Memo3", 10001, note, "10005");
    QCOMPARE(main.findChild<QPlainTextEdit*>("Memo3")->document()->findBlockByNumber(1).text(),
             QStringLiteral("6"));
    // Memo4: exactly full needs no note; one line more does.
    view.appendJointLog(numbers(1, 10000));
    check("Memo4", 10000, "1", "10000");
    view.appendJointLog({QStringLiteral("10001")});
    check("Memo4", 10001, note, "10001");
    view.appendJointLog(numbers(10002, 10003));
    check("Memo4", 10001, note, "10003");
    QCOMPARE(main.findChild<QPlainTextEdit*>("Memo4")->document()->findBlockByNumber(1).text(),
             QStringLiteral("4"));
}

QTEST_MAIN(TestStation)
#include "tst_app_station.moc"
