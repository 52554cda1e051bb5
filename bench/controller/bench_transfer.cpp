// The transfer as the operator sees it. First the estimate made before
// sending against the real time of a transfer through the emulator paced as
// a 19200 baud line, on a 1,000-line drawing prepared as the station
// prepares it. Then the pace of a transfer from the main window while it is
// busy: the progress display, the simulation and the 3D view all running,
// against the wire's limit, with the time from frame to frame on the link's
// own thread.
#include "app/mainwindow.h"
#include "app/notifier.h"
#include "app/programcommands.h"
#include "app/station.h"
#include "controller/controllerframe.h"
#include "controller/controllerlink.h"
#include "controller/emulator/controlleremulator.h"
#include "controller/linkworker.h"
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

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <mutex>
#include <vector>

namespace {

constexpr int kBaud = 19200;

// Processor time of the whole process (every thread), in seconds.
double processSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + now.tv_nsec / 1e9;
}

// How busy the window is while the transfer runs.
enum class Load {
    Standing,   // the 3D view open, nothing moving
    Simulating, // the simulation in real time, the 3D view following it
    Heavy,      // the simulation ten times faster, the 3D view at 1500 x 1100
};

const char* describe(Load load) {
    switch (load) {
    case Load::Standing:
        return "3D view standing";
    case Load::Simulating:
        return "3D view and simulation running";
    case Load::Heavy:
        return "3D view at 1500x1100 and simulation x10";
    }
    return "";
}

// Frame to frame: from one line's frame to the next line's, as the link's
// thread sends them. The wire's own time is the floor; what lies above it is
// the controller's answer, the pseudo-terminal and the link's waking.
class LineClock {
public:
    explicit LineClock(const LinkWorker& worker) {
        clock_.start();
        QObject::connect(
            &worker, &LinkWorker::transferChanged, &worker,
            [this](const TransferEvent& event) {
                if (event.step != TransferStep::LineSent)
                    return;
                const qint64 now = clock_.nsecsElapsed();
                const std::lock_guard lock(mutex_);
                if (lastSent_ >= 0)
                    gaps_.push_back(now - lastSent_);
                lastSent_ = now;
            },
            Qt::DirectConnection);
    }
    // The mean and the slowest in a thousand, in microseconds.
    QString summary() {
        const std::lock_guard lock(mutex_);
        if (gaps_.empty())
            return QStringLiteral("no lines seen");
        std::sort(gaps_.begin(), gaps_.end());
        double sum = 0;
        for (qint64 ns : gaps_)
            sum += double(ns);
        const qint64 slow = gaps_[std::min(gaps_.size() - 1, gaps_.size() * 999 / 1000)];
        return QStringLiteral("mean %1 us, slowest in a thousand %2 us")
            .arg(sum / double(gaps_.size()) / 1000.0, 0, 'f', 0)
            .arg(double(slow) / 1000.0, 0, 'f', 0);
    }

private:
    QElapsedTimer clock_;
    std::mutex mutex_;
    qint64 lastSent_ = -1;
    std::vector<qint64> gaps_;
};

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
                   Load load) {
    const QString line = folder + QStringLiteral("/line-%1").arg(int(load));
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
    if (load == Load::Heavy) {
        window.menus().tenTimesSpeed->trigger();
        station.visualisationWindow().resize(1500, 1100);
    }
    if (load != Load::Standing)
        window.menus().startSimulation->trigger();

    LineClock frames(static_cast<const LinkWorker&>(binding.link().worker()));

    QElapsedTimer clock;
    double cpuAtStart = 0;
    int first = -1;
    int acknowledged = 0;
    QObject::connect(&binding.link(), &ControllerLink::transferChanged, &loop,
                     [&](const TransferEvent& event) {
                         if (event.step == TransferStep::LineSent && first < 0) {
                             first = event.index;
                             clock.start();
                             cpuAtStart = processSeconds();
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
    const double cpu = processSeconds() - cpuAtStart;
    const double rate = (acknowledged - 1) / seconds;
    const double limit = wireLimit(lines);
    std::printf("window with progress, %s at %d baud: %d lines in %.2f s, "
                "%.1f lines/s; wire limit %.1f lines/s: %.1f %% (target 95 %%); the station used "
                "%.0f %% of one core; frame to frame %s (the wire alone %.0f us)\n",
                describe(load), kBaud, acknowledged, seconds, rate, limit, 100.0 * rate / limit,
                100.0 * cpu / seconds, qPrintable(frames.summary()), 1e6 / limit);
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
    for (Load load : {Load::Standing, Load::Simulating, Load::Heavy})
        busyWindowRun(folder.path(), fileName, lines, load);
    return 0;
}
