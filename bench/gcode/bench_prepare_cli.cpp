// scara-cli prepare against the floor any such tool stands on: a bare loop
// that reads the same file, takes it apart into lines and writes them back
// with CR LF. Both run on one generated plotter program in this run, the
// best of a few rounds each; the ratio is the bare loop's time over the
// tool's (1 would be as fast as the floor). A second loop also rounds every
// X, Y and Z value to a whole number as it copies the lines (read, round,
// write): the least a preparing tool does, and the loop the tool aims at half
// the speed of (a ratio of 0,5 or more). Both loops run inside this process,
// so they pay neither a process start nor a safe replacement of the output
// file, which the tool does.
//
//   bench-prepare-cli [LINES]      (default 1000000)
#include "plottergenerator.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kRounds = 3;

// Copies one line's X, Y and Z values rounded to whole numbers (a point or
// a comma as the decimal separator), everything else as it stands.
void appendRounded(QByteArray& written, const char* p, const char* const eol) {
    char number[64];
    for (const char* c = p; c < eol;) {
        const char letter = *c++;
        written.append(letter);
        if (letter != 'X' && letter != 'Y' && letter != 'Z')
            continue;
        std::size_t n = 0;
        while (
            c < eol && n + 1 < sizeof number &&
            (std::isdigit(static_cast<unsigned char>(*c)) || *c == '-' || *c == '.' || *c == ',')) {
            number[n++] = *c == ',' ? '.' : *c;
            ++c;
        }
        number[n] = '\0';
        written.append(
            QByteArray::number(static_cast<qlonglong>(std::llround(std::strtod(number, nullptr)))));
    }
}

// Reads the file, splits it at CR LF, LF or CR and writes every line back
// with CR LF: the work of a tool that changes nothing, or, with `round`,
// rounds each X, Y and Z value on the way.
bool bareRoundTrip(const QString& in, const QString& out, bool round) {
    QFile input(in);
    if (!input.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = input.readAll();
    QByteArray written;
    written.reserve(bytes.size() + bytes.size() / 16);
    const char* p = bytes.constData();
    const char* const end = p + bytes.size();
    while (p < end) {
        const char* eol = p;
        while (eol < end && *eol != '\n' && *eol != '\r')
            ++eol;
        if (round)
            appendRounded(written, p, eol);
        else
            written.append(p, eol - p);
        written.append("\r\n", 2);
        if (eol < end && *eol == '\r' && eol + 1 < end && eol[1] == '\n')
            ++eol;
        p = eol + 1;
    }
    QFile output(out);
    return output.open(QIODevice::WriteOnly) && output.write(written) == written.size() &&
           output.flush();
}

// scara-cli prepare FILE -o OUT, its report to a file as a script keeps it.
bool runPrepare(const QString& in, const QString& out, const QString& report) {
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(report);
    process.start(QStringLiteral(SCARA_CLI_PATH), {"prepare", in, "-o", out});
    return process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

template <typename Work> double bestSeconds(Work work) {
    double best = 1e30;
    for (int round = 0; round < kRounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        if (!work())
            return -1;
        best = std::min(best, double(timer.nsecsElapsed()) / 1e9);
    }
    return best;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const qint64 lines = argc > 1 ? std::atoll(argv[1]) : 1000000;
    QTemporaryDir dir;
    const QString program = dir.filePath("plotter.nc");
    const qint64 size = WritePlotterProgram(program, lines);
    if (!dir.isValid() || size < 0) {
        std::fprintf(stderr, "bench-prepare-cli: cannot write the program\n");
        return 1;
    }
    const QString out = dir.filePath("out.nc");
    const QString report = dir.filePath("report.txt");
    const double bare = bestSeconds([&] { return bareRoundTrip(program, out, false); });
    const double rounding = bestSeconds([&] { return bareRoundTrip(program, out, true); });
    const double cli = bestSeconds([&] { return runPrepare(program, out, report); });
    if (bare < 0 || rounding < 0 || cli < 0) {
        std::fprintf(stderr, "bench-prepare-cli: a run failed\n");
        return 1;
    }
    std::printf("program: %lld lines, %.1f MiB (best of %d rounds each)\n",
                static_cast<long long>(lines), double(size) / (1 << 20), kRounds);
    std::printf("bare read, split, write:   %7.3f s  %9.0f lines/s\n", bare, double(lines) / bare);
    std::printf("bare read, round, write:   %7.3f s  %9.0f lines/s\n", rounding,
                double(lines) / rounding);
    std::printf("scara-cli prepare -o OUT:  %7.3f s  %9.0f lines/s\n", cli, double(lines) / cli);
    std::printf("report on standard error:  %lld bytes\n",
                static_cast<long long>(QFile(report).size()));
    std::printf("ratio (bare split / prepare):  %7.2f\n", bare / cli);
    std::printf("ratio (bare round / prepare):  %7.2f  (target 0,5 or more)\n", rounding / cli);
    return 0;
}
