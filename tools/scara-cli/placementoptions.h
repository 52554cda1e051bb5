#pragma once

#include "drawing/placement.h"

#include <QString>
#include <QStringList>

// The placement options the fitting commands share: --one-side, --margin N,
// --forbidden R, --paper P.
namespace cli {

// The options' help lines, marked for translation in the context "cli".
extern const char kPlacementHelp[];

enum class OptionRead {
    NotMine, // the argument is none of the placement options
    Read,
    Bad, // a value that does not read; `error` says why
};

// Reads the placement option at args[i] (and its value, advancing i).
OptionRead readPlacementOption(const QStringList& args, qsizetype& i, PlacementSettings& settings,
                               QString& error);

} // namespace cli
