// Opens a program of a million lines in the real main window (offscreen
// platform) and prints the time until the window is usable again and the
// process's peak memory. Usage: bench-app-open [lines] [file]
#include "app/mainwindow.h"
#include "app/notifier.h"
#include "app/programcommands.h"
#include "app/programpage.h"
#include "gcode/plotsurface.h"
#include "gcode/prepareprogram.h"
#include "gcode/programfile.h"
#include "gcode/programmemo.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <cmath>
#include <cstdio>
#include <random>
#include <sys/resource.h>

namespace {
class SilentNotifier : public Notifier {
public:
    void notify(const QString& text) override { notices << text; }
    void showError(const QString& text) override { errors << text; }
    QStringList notices, errors;
};

double megabytes(long kilobytes) {
    return kilobytes / 1024.0;
}

long peakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

long currentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

// A plotter-like program: the pen walks in short steps inside the arm's
// reach, pen-up rapid moves (G00 Z5) and pen-down working moves (G01 Z1),
// one to three decimals, block numbers, M30 last; CR LF.
bool writeProgram(const QString& fileName, qint64 lines) {
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    std::mt19937 random(1);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    double x = 0, y = 250, heading = 0;
    QByteArray chunk;
    for (qint64 n = 1; n < lines; ++n) {
        const bool rapid = n % 50 == 1;
        heading += (unit(random) - 0.5) * 0.8;
        const double step = rapid ? 40.0 * unit(random) : 2.0 + 10.0 * unit(random);
        x += step * std::cos(heading);
        y += step * std::sin(heading);
        if (x * x + y * y > 480.0 * 480.0 || y < 5) {
            x *= 0.5;
            y = std::fabs(y) * 0.5 + 10;
            heading += 2.0;
        }
        const int decimals = int(n % 3) + 1;
        chunk += "N" + QByteArray::number(n * 10) + (rapid ? " G00 X" : " G01 X") +
                 QByteArray::number(x, 'f', decimals) + " Y" +
                 QByteArray::number(y, 'f', decimals) + (rapid ? " Z5" : " Z1") + "\r\n";
        if (chunk.size() > (1 << 20)) {
            file.write(chunk);
            chunk.clear();
        }
    }
    chunk += "N" + QByteArray::number(lines * 10) + " M30\r\n";
    file.write(chunk);
    return true;
}
// Where the time goes: the steps of the open command one by one, without
// the window (run after the window's figures, so as not to raise its peak).
struct StepTimes {
    qint64 read, prepare, draw, memo;
};

StepTimes measureSteps(const QString& fileName) {
    QElapsedTimer step;
    step.start();
    const Result<ProgramText> text = ReadProgramFile(fileName);
    const qint64 readMs = step.restart();
    const Result<PreparedProgram> prepared = PrepareProgram(*text, PrepareSettings{});
    const qint64 prepareMs = step.restart();
    {
        PlotSurface surface;
        surface.drawMoves(prepared->moves, PlotColours::defaults());
    }
    const qint64 drawMs = step.restart();
    {
        ProgramMemo memo;
        memo.setProgram(prepared->lines);
    }
    return {readMs, prepareMs, drawMs, step.elapsed()};
}
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const qint64 lines = argc > 1 ? QByteArray(argv[1]).toLongLong() : 1000000;
    QTemporaryDir dir;
    dir.setAutoRemove(qEnvironmentVariableIsEmpty("KEEP"));
    const QString fileName =
        argc > 2 ? QString::fromLocal8Bit(argv[2]) : dir.filePath(QStringLiteral("large.nc"));
    if (argc <= 2 && !writeProgram(fileName, lines)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(fileName));
        return 1;
    }

    StationDocument document;
    MainWindow window(document);
    auto notifier = std::make_unique<SilentNotifier>();
    SilentNotifier* notices = notifier.get();
    window.setNotifier(std::move(notifier));
    window.resize(1280, 800);
    window.show();
    app.processEvents();
    const long before = currentKilobytes();

    QElapsedTimer clock;
    clock.start();
    window.programCommands()->openProgramFile(fileName);
    const qint64 commandDone = clock.elapsed();
    // Usable: the event loop runs again and has painted the window.
    qint64 usable = 0;
    QTimer::singleShot(0, &app, [&] {
        window.repaint();
        usable = clock.elapsed();
        app.quit();
    });
    app.exec();

    if (!notices->errors.isEmpty()) {
        std::fprintf(stderr, "error: %s\n", qPrintable(notices->errors.join('\n')));
        return 1;
    }
    std::printf("bench-app-open: %lld lines, %.1f MB file\n", lines,
                QFileInfo(fileName).size() / 1048576.0);
    std::printf("  open + prepare + draw + Memo1:  %lld ms\n", commandDone);
    std::printf("  window usable again after:      %lld ms   (budget 2000 ms)\n", usable);
    std::printf("  memo lines:                     %lld\n",
                qint64(window.programPage()->programMemo()->lineCount()));
    std::printf("  memory before opening:          %.0f MB\n", megabytes(before));
    std::printf("  memory after opening:           %.0f MB\n", megabytes(currentKilobytes()));
    std::printf("  peak memory of the process:     %.0f MB   (budget 400 MB)\n",
                megabytes(peakKilobytes()));
    window.close();
    const StepTimes steps = measureSteps(fileName);
    std::printf("  steps alone: read %lld ms, prepare %lld ms, draw %lld ms, Memo1 %lld ms\n",
                steps.read, steps.prepare, steps.draw, steps.memo);
    return 0;
}
