#pragma once

#include "drawing/penpass.h"
#include "placementoptions.h"

#include <QString>
#include <QStringList>

#include <optional>

// The pen pass's options of import-svg: --hatch S, --hatch-angle A,
// --cross-hatch, --no-outline, --occlude, --text single|outline, --font NAME.
namespace cli {

// The options' help lines, marked for translation in the context "cli".
extern const char kPenPassHelp[];

// Reads the pen-pass option at args[i] (and its value, advancing i). A
// value that does not read is Bad, with `error` saying why.
OptionRead readPenPassOption(const QStringList& args, qsizetype& i, PenPassOptions& options,
                             QString& error);

// The status for the command to return when an option read Bad or the
// options read are at fault (spacing, angle, font): 1, the message written
// to standard error and nothing else written; none when all is well.
std::optional<int> penPassOptionFault(OptionRead read, const QString& error);
std::optional<int> checkPenPassOptions(const PenPassOptions& options);

} // namespace cli
