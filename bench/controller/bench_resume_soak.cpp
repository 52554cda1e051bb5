// Soak test of resuming: scara-cli sends a program to the controller emulator
// with a journal and is interrupted at random lines (killed with SIGKILL, the
// emulator closing its line and coming back on a new one as an unplugged and
// replugged cable does, or the sender stopped with SIGSTOP for a while and
// continued), then resumed from the journal (now and then with the reference
// travel first) until the transfer ends. The emulator's record of executed
// lines is checked after every run: every program line in order, nothing
// skipped, at most the resume point repeated. Prints how many runs lost a
// line.
//
//   bench-controller-resume [RUNS [SEED]]   (default 20 runs, seed 1)
#include "controller/emulator/controlleremulator.h"
#include "support/executedlines.h"
#include "support/files.h"
#include "support/toolrun.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QRandomGenerator>
#include <QTimer>

#include <csignal>
#include <cstdio>

namespace {

constexpr int kProgramLines = 300;
constexpr int kMostAttempts = 12;

enum class Interruption { Kill, Unplug, Stop, None };

struct RunResult {
    QString fault; // empty when nothing was lost
    int attempts = 0;
    int kills = 0, unplugs = 0, stops = 0;
};

QByteArrayList programLines(QRandomGenerator& random) {
    QByteArrayList lines;
    for (int i = 1; i <= kProgramLines; ++i) {
        const QByteArray motion = random.bounded(5) == 0 ? "G00" : "G01";
        lines << "N" + QByteArray::number(i) + " " + motion + " X" +
                     QByteArray::number(random.bounded(-400, 400)) + " Y" +
                     QByteArray::number(random.bounded(100, 500));
    }
    return lines;
}

// Interrupts the running sender as `what` says.
void interrupt(Interruption what, QProcess& sender, ControllerEmulator& emulator,
               QRandomGenerator& random, RunResult& result) {
    const auto pid = pid_t(sender.processId());
    switch (what) {
    case Interruption::Kill:
        ++result.kills;
        ::kill(pid, SIGKILL);
        break;
    case Interruption::Unplug:
        ++result.unplugs;
        emulator.stop();
        break;
    case Interruption::Stop:
        ++result.stops;
        ::kill(pid, SIGSTOP);
        QTimer::singleShot(200 + int(random.bounded(1000)), &sender,
                           [pid] { ::kill(pid, SIGCONT); });
        break;
    case Interruption::None:
        break;
    }
}

RunResult runOnce(QRandomGenerator& random) {
    RunResult result;
    TempDir dir;
    const QByteArrayList lines = programLines(random);
    const QString file = dir.writeFile("program.nc", lines.join("\r\n") + "\r\n");
    const QString journal = dir.filePath("dziennik.txt");
    const QString executed = dir.filePath("executed.txt");
    ControllerEmulator emulator({.executedFile = executed});
    if (!emulator.start())
        return {QStringLiteral("the emulator did not start")};
    int interruptionsLeft = 1 + int(random.bounded(3));
    for (int attempt = 0; attempt < kMostAttempts; ++attempt) {
        ++result.attempts;
        if (!emulator.running() && !emulator.start())
            return {QStringLiteral("the emulator did not start again")};
        QStringList args{"send", file, "--port", emulator.portPath(), "--raw"};
        if (attempt == 0)
            args << "--journal" << journal;
        else
            args << "--resume" << journal;
        if (attempt > 0 && random.bounded(4) == 0)
            args << "--home";
        Interruption what = Interruption::None;
        if (interruptionsLeft > 0) {
            --interruptionsLeft;
            what = Interruption(random.bounded(3));
        }
        const int taken = int(emulator.acceptedLines().size());
        const int at = taken + 1 + int(random.bounded(kProgramLines / 2));

        QProcess sender;
        QEventLoop loop;
        QTimer deadline;
        deadline.setSingleShot(true);
        QObject::connect(&deadline, &QTimer::timeout, &loop, [&] { sender.kill(); });
        QObject::connect(&sender, &QProcess::finished, &loop, [&] { loop.quit(); });
        bool done = false;
        const QMetaObject::Connection watch =
            QObject::connect(&emulator, &ControllerEmulator::frameChecked, &loop, [&] {
                if (done || emulator.acceptedLines().size() < at ||
                    sender.state() != QProcess::Running)
                    return;
                done = true;
                interrupt(what, sender, emulator, random, result);
            });
        sender.setStandardErrorFile(QProcess::nullDevice());
        sender.setStandardOutputFile(QProcess::nullDevice());
        sender.start(scaraCliPath(), args);
        if (!sender.waitForStarted())
            return {QStringLiteral("scara-cli did not start")};
        deadline.start(std::chrono::seconds(60));
        loop.exec();
        QObject::disconnect(watch);
        if (!deadline.isActive())
            return {QStringLiteral("scara-cli did not end within a minute")};
        if (sender.exitStatus() == QProcess::NormalExit && sender.exitCode() == 0)
            break;
    }
    result.fault = checkExecutedLines(lines, readExecutedLines(executed));
    if (result.fault.isEmpty() && QFile::exists(journal))
        result.fault = QStringLiteral("the journal stayed after the last line");
    return result;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int runs = args.size() > 1 ? args[1].toInt() : 20;
    const quint32 seed = args.size() > 2 ? args[2].toUInt() : 1;
    if (runs < 1) {
        std::fprintf(stderr, "usage: bench-controller-resume [RUNS [SEED]]\n");
        return 2;
    }
    std::signal(SIGPIPE, SIG_IGN);
    QRandomGenerator random(seed);
    QElapsedTimer clock;
    clock.start();
    int lost = 0, attempts = 0, kills = 0, unplugs = 0, stops = 0;
    for (int run = 1; run <= runs; ++run) {
        const RunResult result = runOnce(random);
        attempts += result.attempts;
        kills += result.kills;
        unplugs += result.unplugs;
        stops += result.stops;
        if (!result.fault.isEmpty()) {
            ++lost;
            std::printf("run %d: %s\n", run, qPrintable(result.fault));
        }
    }
    std::printf("resume soak: %d runs of %d lines, seed %u: %d sender starts, %d kills, "
                "%d unplugged lines, %d stopped senders; %.1f s\n",
                runs, kProgramLines, seed, attempts, kills, unplugs, stops,
                double(clock.elapsed()) / 1000.0);
    std::printf("runs that lost a line: %d of %d\n", lost, runs);
    return lost == 0 ? 0 : 1;
}
