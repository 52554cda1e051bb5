// The transfer as the operator sees it. First the estimate made before
// sending against the real time of a transfer through the emulator paced as
// a 19200 baud line, on a 1,000-line drawing prepared as the station
// prepares it. Then the pace of a transfer from the main window while it is
// busy: the progress display, the simulation and the 3D view all running,
// against the wire's limit.
#include "app/mainwindow.h"
#include "app/notifier.h"
#include "app/programcommands.h"
#include "app/station.h"
#include "controller/controllerframe.h"
#include "controller/controllerlink.h"
#include "controller/emulator/controlleremulator.h"
#include "controller/programsource.h"
#include "controller/transferprogress.h"
#include "controller/widgets/controllerwindowbinding.h"
#include "controller/widgets/portselectors.h"
#include "gcode/prepareprogram.h"
#include "gcode/programfile.h"
#include "view3d/visualisationwindow.h"

#include "../gcode/plottergenerator.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <cstdio>

namespace {

constexpr int kBaud = 19200;

// Notices go to standard output instead of message boxes.
class PrintingNotifier : public Notifier {
public:
    void notify(const QString&) override {}
    void showError(const QString& text) override { std::printf("%s\n", qPrintable(text)); }
};

// A drawing of about `lines` lines, prepared with the station's defaults.
QByteArrayList preparedDrawing(const QString& folder, int lines, QString* fileName = nullptr) {
    const QString name = folder + QStringLiteral("/drawing.nc");
    WritePlotterProgram(name, lines, 7);
    if (fileName)
        *fileName = name;
    const Result<ProgramText> text = ReadProgramFile(name);
    const Result<PreparedProgram> prepared = PrepareProgram(*text, PrepareSettings{});
    QByteArrayList result;
    for (qsizetype i = 0; i < prepared->lines.lineCount(); ++i)
        result << prepared->lines.line(i).toByteArray();
    return result;
}

double wireLimit(const QByteArrayList& lines) {
    qint64 bytes = 0;
    for (const QByteArray& line : lines)
        bytes += TransferModel::frameBytes(line.size()) + TransferModel::kAcknowledgementBytes;
    return (kBaud / 10.0) / (double(bytes) / lines.size());
}

// The estimate before sending against the transfer's real time, from the
// first frame (the tools start at once) to the last acknowledgement.
void estimateRun(const QByteArrayList& lines) {
    ControllerEmulator emulator({.baudRate = kBaud});
    emulator.start();
    ControllerLink link;
    PortSettings settings;
    settings.port = emulator.portPath();
    link.setPortSettings(settings);
    const LineListProgram program(lines);
    link.setProgram(&program);
    link.start();
    link.trustReference(); // as scara-cli send does without --home
    link.programPrepared();

    TransferModel model;
    model.baud = kBaud;
    const ProgramLoad load = MeasureLoad(program);
    const double estimate = model.seconds(load.lines, load.lineBytes);

    QEventLoop loop;
    QElapsedTimer clock;
    QObject::connect(&link, &ControllerLink::statusChanged, &loop,
                     [&](LinkPanel panel, LinkStatus) {
                         if (panel == LinkPanel::Connection && link.state().connected() &&
                             !link.state().sending()) {
                             clock.start();
                             link.sendProgramChosen(TransferStart::AtOnce);
                         }
                     });
    QObject::connect(&link, &ControllerLink::errorRaised, &loop, [&](const QString& text) {
        std::printf("%s\n", qPrintable(text));
        loop.exit(1);
    });
    QObject::connect(&link, &ControllerLink::noticeRaised, &loop, [&] { loop.quit(); });
    link.connectChosen();
    if (loop.exec() != 0 || emulator.acceptedLines().size() != lines.size()) {
        std::printf("estimate run failed\n");
        return;
    }
    const double real = clock.nsecsElapsed() / 1e9;
    std::printf("estimate at %d baud, %d lines: %.2f s before sending, %.2f s real: error %+.1f %% "
                "(target within 5 %%)\n",
                kBaud, int(lines.size()), estimate, real, 100.0 * (estimate - real) / real);
}

// A transfer from the main window to the emulator tool, a process of its own
// paced as the line, as a real controller is: the progress display, the
// simulation in real time and the 3D view all showing meanwhile.
void busyWindowRun(const QString& folder, const QString& fileName, const QByteArrayList& lines,
                   bool simulate) {
    const QString line = folder + (simulate ? QStringLiteral("/line-s") : QStringLiteral("/line"));
    QProcess controller;
    controller.start(QStringLiteral(SCARA_CONTROLLER_EMU),
                     {QStringLiteral("--link"), line, QStringLiteral("--baud"),
                      QString::number(kBaud), QStringLiteral("--quiet")});
    QElapsedTimer wait;
    wait.start();
    while (!QFileInfo::exists(line) && wait.elapsed() < 5000)
        QThread::msleep(10);
    if (!QFileInfo::exists(line)) {
        std::printf("busy window: the emulator tool did not start\n");
        return;
    }
    Station station;
    MainWindow& window = station.mainWindow();
    ControllerWindowBinding& binding = station.controller();
    binding.setErrorPresenter([](const QString& text) { std::printf("%s\n", qPrintable(text)); });
    QEventLoop loop;
    binding.setNoticePresenter([&](const QString&, std::function<void()> closed) {
        closed();
        loop.quit();
    });
    window.setNotifier(std::make_unique<PrintingNotifier>());
    window.show();
    station.visualisationWindow().show();
    window.findChild<QComboBox*>("ComComboBox1")->setCurrentText(line);
    window.menus().connectController->trigger();
    wait.restart();
    while (!binding.link().state().connected() && wait.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    if (!binding.link().state().connected()) {
        std::printf("busy window: no connection\n");
        return;
    }
    window.menus().referenceTravel->trigger(); // a transfer needs the reference point
    wait.restart();
    while (!binding.link().state().referenceKnown() && wait.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    if (!window.programCommands()->openProgramFile(fileName)) {
        std::printf("busy window: the drawing did not open\n");
        return;
    }
    // "Wyslij program" is available once the link has taken the program.
    wait.restart();
    while (!window.menus().sendProgram->isEnabled() && wait.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    if (simulate)
        window.menus().startSimulation->trigger();

    QElapsedTimer clock;
    int first = -1;
    int acknowledged = 0;
    QObject::connect(&binding.link(), &ControllerLink::transferChanged, &loop,
                     [&](const TransferEvent& event) {
                         if (event.step == TransferStep::LineSent && first < 0) {
                             first = event.index;
                             clock.start();
                         }
                         if (event.step == TransferStep::LineAcknowledged)
                             ++acknowledged;
                     });
    if (!window.menus().sendProgram->isEnabled()) {
        std::printf("busy window: \"Wyslij program\" is disabled\n");
        return;
    }
    window.menus().sendProgram->trigger();
    QTimer::singleShot(std::chrono::minutes(2), &loop, [&] {
        std::printf("busy window: no end after two minutes, %d lines acknowledged\n", acknowledged);
        loop.quit();
    });
    loop.exec();
    const double seconds = clock.nsecsElapsed() / 1e9;
    const double rate = (acknowledged - 1) / seconds;
    const double limit = wireLimit(lines);
    std::printf("window with progress, 3D view%s at %d baud: %d lines in %.2f s, "
                "%.1f lines/s; wire limit %.1f lines/s: %.1f %% (target 95 %%)\n",
                simulate ? " and simulation running" : " standing", kBaud, acknowledged, seconds,
                rate, limit, 100.0 * rate / limit);
    station.shutDown();
    controller.terminate();
    controller.waitForFinished();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    QTemporaryDir folder;
    QString fileName;
    const QByteArrayList lines = preparedDrawing(folder.path(), 1000, &fileName);
    std::printf("drawing: %d prepared lines, wire limit at %d baud %.1f lines/s\n",
                int(lines.size()), kBaud, wireLimit(lines));
    estimateRun(lines);
    busyWindowRun(folder.path(), fileName, lines, false);
    busyWindowRun(folder.path(), fileName, lines, true);
    return 0;
}
