// The simulation bound to the station's own main window, driven through its
// menus on the offscreen platform.
#include "../app/testdoubles.h"

#include "app/mainwindow.h"
#include "motion/simulationbinding.h"
#include "motion/simulationthread.h"
#include "view3d/viewpose.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

class StationBindingTest : public QObject {
    Q_OBJECT

private slots:
    void runsAnOpenedProgram();
};

void StationBindingTest::runsAnOpenedProgram() {
    SimulationThread thread;
    thread.setRunPriority(QThread::NormalPriority);
    ViewPose view;
    QStringList notices;
    QStringList errors;
    ScriptedDialogs::Answers answers;
    MainWindow window;
    auto notifier = std::make_unique<RecordingNotifier>();
    notifier->notices = &notices;
    notifier->errors = &errors;
    window.setNotifier(std::move(notifier));
    window.setDialogs(std::make_unique<ScriptedDialogs>(&answers));
    QWidget visual;
    for (const char* name : {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5"})
        (new QLineEdit(&visual))->setObjectName(QLatin1String(name));

    auto* binding = new SimulationBinding(&window, &visual, thread, window.programList(),
                                          window.plotSurface(), view);
    binding->setPlotColours([&window] { return window.plotColours(); });
    binding->setErrorReporter([&window](const QString& text) { window.showError(text); });
    thread.setPenWait(std::chrono::milliseconds(0));

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

    qsizetype memoLines = -1;
    QMetaObject::invokeMethod(window.findChild<QObject*>("Memo1"), "lineCount",
                              Q_RETURN_ARG(qsizetype, memoLines));
    QVERIFY(memoLines <= 1); // an editor keeps one empty line
    const QString done = window.findChild<QPlainTextEdit*>("Memo2")->toPlainText();
    QCOMPARE(done.split('\n').size(), 3);
    QCOMPARE(window.findChild<QPlainTextEdit*>("Memo4")->toPlainText().split('\n').size(), 420);
    QCOMPARE(window.findChild<QPlainTextEdit*>("Memo3")->toPlainText().split('\n').last(),
             QStringLiteral("N20 X:119 Y:100 Z:0"));
    QCOMPARE(window.findChild<QLineEdit*>("Edit5")->text(), QStringLiteral("180"));
    QVERIFY(!stop->isEnabled());
    QVERIFY(!start->isEnabled());
    QCOMPARE(QColor(window.plotSurface().pixel(500 + 110, 400)), QColor(128, 0, 128));
    QVERIFY(errors.isEmpty());
    // Opening a program again allows a second run.
    answers.open.enqueue(path);
    window.findChild<QAction*>("Otwrz1")->trigger();
    QVERIFY(start->isEnabled());
}

QTEST_MAIN(StationBindingTest)
#include "tst_stationbinding.moc"
