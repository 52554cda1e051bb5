#include "command.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

std::vector<CliCommand>& cliCommands() {
    static std::vector<CliCommand> commands;
    return commands;
}

namespace cli {

void out(const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
}

void err(const QString& text) {
    const QByteArray bytes = text.toLocal8Bit() + '\n';
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
}

bool wantsHelp(const QStringList& args) {
    return args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"));
}

bool isStandardOutput(const QString& name) {
    return name == QLatin1String("-");
}

bool finishStandardOutput() {
    errno = 0;
    const bool flushed = std::fflush(stdout) == 0;
    const int reason = errno;
    if (flushed && !std::ferror(stdout))
        return true;
    QString text = QStringLiteral("scara-cli: cannot write to standard output");
    if (reason != 0)
        text += QStringLiteral(" (%1)").arg(QString::fromLocal8Bit(std::strerror(reason)));
    err(text);
    std::clearerr(stdout); // reported once
    return false;
}

} // namespace cli
