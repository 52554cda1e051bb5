#include "support/toolrun.h"

#include <QProcess>
#include <QTest>

ToolRun runTool(const QString& program, const QStringList& args, std::chrono::milliseconds timeout,
                const QString& standardOutputFile) {
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    if (!standardOutputFile.isEmpty())
        process.setStandardOutputFile(standardOutputFile, QIODevice::Append);
    process.start(program, args);
    ToolRun run;
    if (!process.waitForStarted()) {
        run.failure = QStringLiteral("%1 did not start: %2").arg(program, process.errorString());
        return run;
    }
    const bool ended = QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; },
                                       int(timeout.count()));
    if (!ended) {
        process.kill();
        process.waitForFinished();
        run.failure =
            QStringLiteral("%1 still ran after %2 ms").arg(program).arg(qint64(timeout.count()));
    } else if (process.exitStatus() != QProcess::NormalExit) {
        run.failure = QStringLiteral("%1 crashed").arg(program);
    } else {
        run.exitCode = process.exitCode();
    }
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

QString scaraCliPath() {
    return QStringLiteral(SCARA_CLI_PATH);
}

ToolRun runScaraCli(const QStringList& args, std::chrono::milliseconds timeout) {
    return runTool(scaraCliPath(), args, timeout);
}

ToolRun runScaraCliInto(const QString& file, const QStringList& args) {
    return runTool(scaraCliPath(), args, std::chrono::seconds(30), file);
}

QString controllerEmulatorPath() {
    return QStringLiteral(SCARA_CONTROLLER_EMU_PATH);
}
