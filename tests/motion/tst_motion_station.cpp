// The simulation in the whole station, with its own main window, driven
// through its menus on the offscreen platform.
#include "support/stationdoubles.h"

#include "app/mainwindow.h"
#include "app/programpage.h"
#include "app/station.h"
#include "gcode/programmemo.h"
#include "motion/simulationcommands.h"
#include "motion/simulationpresenter.h"
#include "motion/simulationthread.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

class StationSimulationTest : public QObject {
    Q_OBJECT

private slots:
    void runsAnOpenedProgram();
    void showsARunInProgress();
};

void StationSimulationTest::runsAnOpenedProgram() {
    Station station;
    SimulationThread& thread = station.simulationThread();
    thread.setRunPriority(QThread::NormalPriority);
    thread.setPenWait(std::chrono::milliseconds(0));
    MainWindow& window = station.mainWindow();
    WindowRecorder recorder;
    recorder.attach(window);
    QStringList& errors = recorder.errors;
    ScriptedDialogs::Answers& answers = recorder.answers;
    SimulationCommands* binding = &station.simulation();

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("program.nc"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("N10 G00 X100 Y100\r\nN20 G01 X120 Y100\r\nN30 M30\r\n");
    file.close();
    answers.open.enqueue(path);
    window.findChild<QAction*>("Otwrz1")->trigger();
    QVERIFY(errors.isEmpty());

    auto* start = window.findChild<QAction*>("Startsymulacji2");
    auto* stop = window.findChild<QAction*>("StopSymulacji1");
    QVERIFY(window.findChild<QAction*>("Startsymulacji1")->isEnabled());
    start->trigger();
    QVERIFY(stop->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(binding->isRunFinished(), 20000);

    QVERIFY(window.programPage()->programMemo()->lineCount() <=
            1); // an editor keeps one empty line
    const QString done = window.findChild<QPlainTextEdit*>("Memo2")->toPlainText();
    QCOMPARE(done.split('\n').size(), 3);
    QCOMPARE(window.findChild<QPlainTextEdit*>("Memo4")->toPlainText().split('\n').size(), 420);
    QCOMPARE(window.findChild<QPlainTextEdit*>("Memo3")->toPlainText().split('\n').last(),
             QStringLiteral("N20 X:119 Y:100 Z:0"));
    QCOMPARE(window.findChild<QLineEdit*>("Edit5")->text(), QStringLiteral("180"));
    QVERIFY(!stop->isEnabled());
    QVERIFY(start->isEnabled()); // a new run may start at once
    QCOMPARE(window.findChild<QLabel*>("StatusPanel5")->text(),
             QStringLiteral("Symulacja zakończona: 3 bloków, 420 punktów"));
    QCOMPARE(QColor(window.plotSurface().pixel(500 + 110, 400)), QColor(128, 0, 128));
    QVERIFY(errors.isEmpty());
    // Opening a program again allows a second run.
    answers.open.enqueue(path);
    window.findChild<QAction*>("Otwrz1")->trigger();
    QVERIFY(start->isEnabled());
}

// The window in the middle of a run: plot points over the program's lines,
// both panels and the logs. With SCARA_MOTION_SCREENSHOTS set to a folder the
// pictures are saved there (the documentation's screenshots).
void StationSimulationTest::showsARunInProgress() {
    Station station;
    SimulationThread& thread = station.simulationThread();
    thread.setRunPriority(QThread::NormalPriority);
    thread.setPenWait(std::chrono::milliseconds(0));
    MainWindow& window = station.mainWindow();
    WindowRecorder recorder;
    recorder.attach(window);
    QStringList& errors = recorder.errors;
    ScriptedDialogs::Answers& answers = recorder.answers;
    SimulationCommands* binding = &station.simulation();
    window.resize(1040, 700);
    window.show();

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("figure.nc"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("N10 G00 X-200 Y150\r\nN20 G01 X-50 Y150 Z1\r\nN30 X-50 Y300\r\n"
               "N40 X-200 Y300\r\nN50 X-200 Y150\r\nN60 G00 X100 Y150\r\n"
               "N70 G01 X250 Y150 Z2\r\nN80 X175 Y350\r\nN90 X100 Y150\r\nN100 M30\r\n");
    file.close();
    answers.open.enqueue(path);
    window.findChild<QAction*>("Otwrz1")->trigger();
    // Held as the block N80 starts (asked for inside its hand-over, which the
    // simulation thread waits for), however fast the machine is.
    QObject::connect(window.programPage()->currentBlockEdit(), &QLineEdit::textChanged, &window,
                     [&window](const QString& text) {
                         auto* stop = window.findChild<QAction*>("StopSymulacji1");
                         if (text.startsWith(QStringLiteral("N80")) && stop->isEnabled())
                             stop->trigger();
                     });
    window.findChild<QAction*>("Startsymulacji2")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(thread.control().isHeld(), 20000);
    QVERIFY(thread.pointCount() > 1000);
    station.simulationPresenter().repaintNow();
    QCoreApplication::processEvents();

    const QString folder = qEnvironmentVariable("SCARA_MOTION_SCREENSHOTS");
    QTabWidget* bar = window.settingsBar();
    for (const char* page : {"Symulacja", "G-kod II"}) {
        for (int i = 0; i < bar->count(); ++i) {
            if (bar->tabText(i) == QString::fromUtf8(page))
                bar->setCurrentIndex(i);
        }
        QCoreApplication::processEvents();
        const QImage shot = window.grab().toImage();
        QVERIFY(!shot.isNull());
        if (!folder.isEmpty()) {
            const QString name =
                QStringLiteral("motion-%1.png").arg(QString::fromUtf8(page).toLower().remove(' '));
            QVERIFY(shot.save(QDir(folder).filePath(name)));
        }
    }
    window.findChild<QAction*>("Startsymulacji2")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(binding->isRunFinished(), 20000);
    QVERIFY(errors.isEmpty());
}

QTEST_MAIN(StationSimulationTest)
#include "tst_motion_station.moc"
