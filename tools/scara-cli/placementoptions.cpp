#include "placementoptions.h"

#include "command.h"

#include "base/numberformat.h"

#include <QCoreApplication>

#include <cmath>

namespace cli {

const char kPlacementHelp[] = QT_TRANSLATE_NOOP(
    "cli", "  --one-side         keep the drawing on one side of the Y axis (x >= N or\n"
           "                     x <= -N), where the elbow never turns over; by default it\n"
           "                     goes there when it is at least 0,97 as large there\n"
           "  --margin N         units kept free from the safe area's edges (10)\n"
           "  --forbidden R      radius of the circle around the base the arm must not\n"
           "                     enter (150, the station's \"Obszar zabroniony\")\n"
           "  --paper P          a sheet laid in the safe area, the drawing fitted into it\n"
           "                     less the margin: A5, A4, A3, with -landscape lying, or WxH\n");

namespace {

bool readNumber(const QString& text, double& value) {
    const std::optional<double> read = cli::number(text);
    if (read)
        value = *read;
    return read.has_value();
}

} // namespace

OptionRead readPlacementOption(const QStringList& args, qsizetype& i, PlacementSettings& settings,
                               QString& error) {
    const QString& arg = args[i];
    if (arg == u"--one-side") {
        settings.sides = SideRule::OneSide;
        return OptionRead::Read;
    }
    const bool valued = arg == u"--margin" || arg == u"--forbidden" || arg == u"--paper";
    if (!valued)
        return OptionRead::NotMine;
    if (i + 1 >= args.size()) {
        error = QCoreApplication::translate("cli", "%1 needs a value").arg(arg);
        return OptionRead::Bad;
    }
    const QString& value = args[++i];
    if (arg == u"--paper") {
        const Result<Sheet> sheet = ParseSheet(value);
        if (!sheet) {
            error = sheet.error();
            return OptionRead::Bad;
        }
        settings.sheet = *sheet;
        return OptionRead::Read;
    }
    if (!readNumber(value, arg == u"--margin" ? settings.margin : settings.forbiddenRadius)) {
        error = QCoreApplication::translate("cli", "%1 needs a number, not '%2'").arg(arg, value);
        return OptionRead::Bad;
    }
    return OptionRead::Read;
}

} // namespace cli
