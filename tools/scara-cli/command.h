#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <optional>
#include <vector>

class ProgramText;

// One sub-command of scara-cli. `run` gets the arguments after the command
// name and returns the process exit code.
struct CliCommand {
    const char* name;
    const char* summary; // marked with QT_TRANSLATE_NOOP("cli", ...)
    int (*run)(const QStringList& args);
    // The command draws text, whose fonts come with a GUI application (on
    // the offscreen platform unless QT_QPA_PLATFORM names another).
    bool needsFonts = false;
};

// The command table; each cmd_<area>.cpp registers its commands with a
// static CliRegistration object.
std::vector<CliCommand>& cliCommands();

struct CliRegistration {
    explicit CliRegistration(CliCommand command) { cliCommands().push_back(command); }
};

// Small shared helpers for the commands. The tool's texts are translated
// in the context "cli": texts kept in tables and help constants are marked
// with QT_TRANSLATE_NOOP("cli", ...) and go through text() where shown.
namespace cli {
// The translation of a text marked with QT_TRANSLATE_NOOP("cli", ...).
inline QString text(const char* source) {
    return QCoreApplication::translate("cli", source);
}
// Writes text to a stream as it is, in the local 8-bit encoding (help texts).
void print(std::FILE* stream, const QString& text);
// Writes text to standard output or standard error, unchanged (8-bit bytes).
void out(const QByteArray& bytes);
void err(const QString& text); // adds a line end; local 8-bit encoding
// A number as the command line gives it (with a dot or a comma), finite;
// none otherwise.
std::optional<double> number(const QString& text);
// True when args holds --help or -h.
bool wantsHelp(const QStringList& args);
// True for the output name "-": standard output.
bool isStandardOutput(const QString& name);
// Flushes standard output; false, with a message on standard error, when
// anything written to it was lost (a full disk, a closed pipe). scara-cli's
// main() calls it after every command; a command may call it earlier.
bool finishStandardOutput();
// Writes a program to the file `out` (replaced whole) or, for "-" or no
// name, to standard output; 0, or 1 with the error said.
int writeProgram(const QString& out, const ProgramText& program);
} // namespace cli
