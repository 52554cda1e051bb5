// The program transfer over a real pseudo-terminal with the controller
// emulator on the far side: paced as a 19200 baud line, against the wire's
// limit, and unpaced, through the link alone and through the window binding.
#include "app/mainwindow.h"
#include "app/portsettingspage.h"
#include "app/station.h"
#include "controller/controllerframe.h"
#include "controller/controllerlink.h"
#include "controller/emulator/controlleremulator.h"
#include "controller/programsource.h"
#include "controller/widgets/controllerwindowbinding.h"
#include "controller/widgets/portselectors.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

constexpr int kLines = 2000;
constexpr int kAckBytes = 7; // ":0505" CR LF

// A prepared program as the station writes it: canonical blocks, final blank.
QByteArrayList preparedProgram(int count) {
    QByteArrayList lines;
    for (int i = 0; i < count; ++i) {
        lines << "N" + QByteArray::number(i + 1) + " G01 X" + QByteArray::number(-400 + i % 800) +
                     " Y" + QByteArray::number(100 + i % 300) + " Z10 ";
    }
    return lines;
}

qint64 wireBytes(const QByteArrayList& lines) {
    qint64 bytes = 0;
    for (const QByteArray& line : lines)
        bytes += BlockFrame(kDefaultAddress, line).size() + 2 + kAckBytes;
    return bytes;
}

// Runs a transfer from the first line to the notice; returns the seconds
// from the first line frame to the notice, or -1 on failure.
double transfer(ControllerLink& link, const std::function<qsizetype()>& linesTaken,
                const LineListProgram& program) {
    link.setProgram(&program);
    link.programPrepared();
    QEventLoop loop;
    bool connected = false;
    QObject::connect(
        &link, &ControllerLink::statusChanged, &loop, [&](LinkPanel panel, LinkStatus) {
            if (panel == LinkPanel::Connection && link.state().connected() && !connected) {
                connected = true;
                loop.quit();
            }
        });
    QObject::connect(&link, &ControllerLink::errorRaised, &loop, [&](const QString& text) {
        std::fprintf(stderr, "%s\n", qPrintable(text));
        loop.exit(1);
    });
    link.connectChosen();
    if (!connected && loop.exec() != 0)
        return -1;
    QElapsedTimer clock;
    bool started = false;
    QObject::connect(&link, &ControllerLink::logAppended, &loop, [&] {
        if (!started) {
            clock.start();
            started = true;
        }
    });
    QObject::connect(&link, &ControllerLink::noticeRaised, &loop, [&] { loop.quit(); });
    link.sendProgramChosen();
    if (loop.exec() != 0 || linesTaken() != program.lineCount())
        return -1;
    return clock.nsecsElapsed() / 1e9;
}

void pacedRun(const QByteArrayList& lines) {
    const int baud = 19200;
    ControllerEmulator emulator({.baudRate = baud});
    emulator.start();
    ControllerLink link;
    PortSettings settings;
    settings.port = emulator.portPath();
    link.setPortSettings(settings);
    link.start();
    const LineListProgram program(lines);
    const double seconds = transfer(
        link, [&] { return emulator.acceptedLines().size(); }, program);
    if (seconds < 0) {
        std::printf("paced transfer failed\n");
        return;
    }
    // The first line waits for the timer tick; from then on the wire paces.
    const double wireLimit = (baud / 10.0) / (double(wireBytes(lines)) / lines.size());
    const double rate = (lines.size() - 1) / seconds;
    std::printf("paced at %d baud: %d lines in %.2f s, %.1f lines/s; wire limit %.1f lines/s "
                "(frame + %d-byte ack at 10 bits a byte): %.1f %%\n",
                baud, int(lines.size()), seconds, rate, wireLimit, kAckBytes,
                100.0 * rate / wireLimit);
}

void unpacedRun(const QByteArrayList& lines) {
    ControllerEmulator emulator;
    emulator.start();
    ControllerLink link;
    PortSettings settings;
    settings.port = emulator.portPath();
    link.setPortSettings(settings);
    link.start();
    const LineListProgram program(lines);
    const double seconds = transfer(
        link, [&] { return emulator.acceptedLines().size(); }, program);
    if (seconds < 0) {
        std::printf("unpaced transfer failed\n");
        return;
    }
    std::printf("unpaced, link and port: %d lines in %.3f s, %.0f lines/s\n", int(lines.size()),
                seconds, (lines.size() - 1) / seconds);
}

// The same through the window binding, with the transfer log in Memo5.
void windowRun(const QByteArrayList& lines) {
    Station station;
    ControllerWindowBinding* binding = &station.controller();
    station.mainWindow().portSettingsPage()->selector(1)->setCurrentText(
        PortSelectors::kEmulatorEntry);
    binding->setErrorPresenter([](const QString& text) { std::printf("%s\n", qPrintable(text)); });
    binding->setNoticePresenter([](const QString&, std::function<void()> closed) { closed(); });
    const LineListProgram program(lines);
    ControllerLink& link = binding->link();
    PortSelectors& selectors = binding->portSelectors();
    const double seconds = transfer(
        link,
        [&] { return selectors.emulator() ? selectors.emulator()->acceptedLines().size() : 0; },
        program);
    if (seconds < 0) {
        std::printf("window transfer failed\n");
        return;
    }
    std::printf("unpaced, window binding with Memo5: %d lines in %.3f s, %.0f lines/s\n",
                int(lines.size()), seconds, (lines.size() - 1) / seconds);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const QByteArrayList lines = preparedProgram(kLines);
    std::printf("program: %d prepared lines, %.1f bytes a frame on average\n", kLines,
                double(wireBytes(lines)) / kLines - kAckBytes);
    unpacedRun(lines);
    windowRun(lines);
    if (!qEnvironmentVariableIsSet("SCARA_BENCH_QUICK"))
        pacedRun(lines);
    return 0;
}
