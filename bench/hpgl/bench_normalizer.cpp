// A 10 MB single-line plot file, as vector editors write them: normalised,
// fitted into the working area and converted, each step timed.
#include "hpgl/conversionloop.h"
#include "hpgl/hpglnormalizer.h"
#include "hpgl/plotfile.h"
#include "hpgl/plotfitting.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cmath>
#include <cstdio>
#include <ctime>

namespace {

QByteArray generateSingleLine(qsizetype bytes) {
    QByteArray text = "IN;PU;SP1;";
    int shape = 0;
    while (text.size() < bytes) {
        // A polyline of 200 points on a wobbly ring, and now and then a circle.
        const double cx = (shape * 977) % 40000;
        const double cy = (shape * 631) % 30000;
        text += "PU" + QByteArray::number(int(cx)) + ',' + QByteArray::number(int(cy)) + ";PD";
        for (int k = 0; k < 200; ++k) {
            const double angle = k * 0.0314;
            const double r = 800 + 90 * std::sin(7 * angle);
            if (k > 0)
                text += ',';
            text += QByteArray::number(int(cx + r * std::cos(angle))) + ',' +
                    QByteArray::number(int(cy + r * std::sin(angle)));
        }
        text += ';';
        if (++shape % 10 == 0)
            text += "CI300;";
    }
    return text + "PU0,0;SP0;";
}

double seconds(const QElapsedTimer& clock) {
    return double(clock.nsecsElapsed()) / 1e9;
}

// Processor time of this thread: on a shared machine it tells the work
// apart from the waiting.
double cpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QByteArray bytes = generateSingleLine(10 * 1000 * 1000);
    QElapsedTimer total;
    total.start();
    const double cpuStart = cpuSeconds();
    QElapsedTimer clock;
    clock.start();
    const QString text = plotTextFromBytes(bytes);
    const double decode = seconds(clock);
    clock.restart();
    Result<NormalizedPlot> plot = NormalizePlot(text);
    const double normalize = seconds(clock);
    if (!plot) {
        std::printf("normalising failed: %s\n", qPrintable(plot.error()));
        return 1;
    }
    clock.restart();
    const Result<Placement> fit = FitToWorkingArea(plot.value());
    const double fitting = seconds(clock);
    clock.restart();
    const Result<QString> normalized = FormatNormalizedPlot(*plot);
    const double format = seconds(clock);
    clock.restart();
    ConverterState state;
    ConverterProgress progress;
    ConversionLoop loop(*normalized, state, ConverterSettings{}, progress);
    loop.runToEnd();
    const QByteArray gcode = loop.takeOutput().toBytes();
    const double convert = seconds(clock);
    const double all = seconds(total);
    const double allCpu = cpuSeconds() - cpuStart;

    std::printf("single-line plot file: %.1f MB, %zu instructions after normalising\n",
                bytes.size() / 1e6, plot->ops.size());
    std::printf("%-28s %8.3f s\n", "decode", decode);
    std::printf("%-28s %8.3f s\n", "normalise", normalize);
    std::printf("%-28s %8.3f s  (scale %.5f)\n", "fit", fitting, fit ? fit->scale : 0.0);
    std::printf("%-28s %8.3f s\n", "write normalised text", format);
    std::printf("%-28s %8.3f s  (%.1f MB of G-code)\n", "convert and encode", convert,
                gcode.size() / 1e6);
    std::printf("%-28s %8.3f s  (target under 2 s)\n", "total", all);
    std::printf("%-28s %8.3f s\n", "total (processor time)", allCpu);
    return 0;
}
