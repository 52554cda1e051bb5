#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <chrono>

// One run of a command-line tool, as a shell would see it.
struct ToolRun {
    // The exit code; -1 when the tool did not end by itself (it failed to
    // start, crashed or ran out of time), with the reason in `failure`.
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
    QString failure;
};

// Runs `program` with `args` and an empty standard input until it ends or
// `timeout` passes (then it is killed). The event loop runs meanwhile, so a
// controller emulator or a pseudo-terminal in this process keeps answering.
// With `standardOutputFile` (such as "/dev/full") standard output goes
// there, and `out` stays empty.
ToolRun runTool(const QString& program, const QStringList& args,
                std::chrono::milliseconds timeout = std::chrono::seconds(30),
                const QString& standardOutputFile = {});

// The scara-cli built with these tests.
QString scaraCliPath();
ToolRun runScaraCli(const QStringList& args,
                    std::chrono::milliseconds timeout = std::chrono::seconds(30));
// scara-cli with its standard output into `file`.
ToolRun runScaraCliInto(const QString& file, const QStringList& args);

// The scara-controller-emu built with these tests.
QString controllerEmulatorPath();
