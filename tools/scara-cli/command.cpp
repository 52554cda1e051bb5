#include "command.h"

#include "base/numberformat.h"
#include "gcode/programfile.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>

std::vector<CliCommand>& cliCommands() {
    static std::vector<CliCommand> commands;
    return commands;
}

namespace cli {

std::optional<double> number(const QString& text) {
    const Result<double> value = ParseReal(text.toUtf8().replace('.', ','));
    if (!value || !std::isfinite(*value))
        return std::nullopt;
    return *value;
}

void out(const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
}

void print(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
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

int writeProgram(const QString& out, const ProgramText& program) {
    if (out.isEmpty() || isStandardOutput(out)) {
        cli::out(program.toBytes());
        return finishStandardOutput() ? 0 : 1;
    }
    if (const Status written = WriteProgramFile(out, program); !written) {
        err(written.error());
        return 1;
    }
    return 0;
}

bool finishStandardOutput() {
    errno = 0;
    const bool flushed = std::fflush(stdout) == 0;
    const int reason = errno;
    if (flushed && !std::ferror(stdout))
        return true;
    if (reason != 0)
        err(QCoreApplication::translate("cli", "scara-cli: cannot write to standard output (%1)")
                .arg(QString::fromLocal8Bit(std::strerror(reason))));
    else
        err(QCoreApplication::translate("cli", "scara-cli: cannot write to standard output"));
    std::clearerr(stdout); // reported once
    return false;
}

} // namespace cli
