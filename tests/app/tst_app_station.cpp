// The whole station as main() builds it: windows in their order, one link
// timer, and the menus reaching the simulation and the converter.
#include "app/colorshape.h"
#include "app/mainwindow.h"
#include "app/programcommands.h"
#include "app/station.h"
#include "controller/controllerlink.h"
#include "controller/widgets/controllerwindowbinding.h"
#include "hpgl/converterwindow.h"
#include "motion/simulationthread.h"
#include "support/stationdoubles.h"
#include "view3d/visualisationwindow.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
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
        station_->controller().link().findChildren<QTimer*>(QStringLiteral("Timer1"));
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

QTEST_MAIN(TestStation)
#include "tst_app_station.moc"
