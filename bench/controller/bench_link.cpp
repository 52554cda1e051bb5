// The controller link's logic alone, without port or timer: how much of a
// line's time the station itself spends on checksums, frames and the link
// state. The serial line's own limit is measured by the emulator benchmark.
#include "controller/controllerframe.h"
#include "controller/controllerlinkstate.h"
#include "controller/framechecksum.h"
#include "controller/programsource.h"

#include <QElapsedTimer>

#include <cstdio>

namespace {

// A prepared program of `count` lines in the station's canonical form.
QByteArrayList preparedProgram(int count) {
    QByteArrayList lines;
    for (int i = 0; i < count; ++i) {
        lines << "N" + QByteArray::number(i) + " G01 X" + QByteArray::number(i % 500 - 250) + " Y" +
                     QByteArray::number((i * 7) % 500) + " Z10 ";
    }
    return lines;
}

template <typename Work> double secondsFor(Work work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e9;
}

void benchChecksum() {
    const QByteArray payload(64 * 1024 * 1024, 'G');
    volatile std::uint16_t sink = 0;
    const double s = secondsFor([&] { sink = FrameChecksum(payload); });
    std::printf("FrameChecksum:              %8.1f MB/s (64 MiB payload)\n",
                double(payload.size()) / s / 1e6);
}

void benchTransfer(int lines, int rounds) {
    const LineListProgram program(preparedProgram(lines));
    qint64 frameBytes = 0;
    const double s = secondsFor([&] {
        for (int r = 0; r < rounds; ++r) {
            ControllerLinkState link;
            link.setProgram(&program);
            link.programPrepared();
            link.connectChosen();
            link.portOpened();
            link.ReceiveChunk(acknowledgementText("05"));
            link.sendProgramChosen();
            LinkActions actions = link.timerTick();
            while (link.sending()) {
                for (const LinkAction& action : actions) {
                    if (action.kind == LinkAction::Kind::Write)
                        frameBytes += action.bytes.size();
                }
                actions = link.ReceiveChunk(acknowledgementText("05"));
            }
        }
    });
    const double total = double(lines) * rounds;
    std::printf("transfer, logic only:       %8.0f lines/s (%d-line prepared program, %d runs, "
                "%.1f bytes a frame)\n",
                total / s, lines, rounds, double(frameBytes) / total);
    // At 19200 baud a byte takes 10 bits on the wire: frame + 7-byte reply.
    const double wireLinesPerSecond = 1920.0 / (double(frameBytes) / total + 7.0);
    std::printf("  the wire at 19200 baud allows %.0f lines/s: the logic takes %.3f%% of it\n",
                wireLinesPerSecond, 100.0 * wireLinesPerSecond / (total / s));
}

void benchNoise() {
    ControllerLinkState link;
    link.connectChosen();
    link.portOpened();
    const QByteArray chunk(256, 'x');
    const int chunks = 400000;
    const double s = secondsFor([&] {
        for (int i = 0; i < chunks; ++i)
            link.ReceiveChunk(chunk);
    });
    std::printf("noise without line ends:    %8.1f MB/s (reply buffer held at %lld bytes)\n",
                double(chunk.size()) * chunks / s / 1e6, qlonglong(link.rxBuffer().size()));
}

} // namespace

int main() {
    benchChecksum();
    benchTransfer(2000, 50);
    benchNoise();
    return 0;
}
