#include "penoptions.h"

#include "command.h"

#include "base/numberformat.h"

#include <QCoreApplication>

#include <cmath>

namespace cli {

const char kPenPassHelp[] = QT_TRANSLATE_NOOP(
    "cli", "  --hatch S          fill the filled shapes with lines S units apart as drawn\n"
           "                     (not hatched by default)\n"
           "  --hatch-angle A    the hatch lines' angle, degrees from the page's X axis (45)\n"
           "  --cross-hatch      a second set of hatch lines across the first\n"
           "  --no-outline       leave out the edge of a hatched shape that has no stroke\n"
           "  --occlude          leave out the lines that a later shape's fill covers\n"
           "  --text single|outline\n"
           "                     text in the single-stroke font (single, the default) or\n"
           "                     drawn along its letters' outlines\n"
           "  --font NAME        the single-stroke font: futural (the default), rowmans or\n"
           "                     scripts\n");

namespace {

OptionRead bad(QString& error, const QString& text) {
    error = text;
    return OptionRead::Bad;
}

OptionRead readValue(const QString& arg, const QString& value, PenPassOptions& options,
                     QString& error) {
    if (arg == u"--text") {
        if (value != u"single" && value != u"outline")
            return bad(error,
                       QCoreApplication::translate("cli", "--text is single or outline, not '%1'")
                           .arg(value));
        options.text = value == u"single" ? PenTextMode::SingleStroke : PenTextMode::Outline;
        return OptionRead::Read;
    }
    if (arg == u"--font") {
        options.font = value; // checked with the others, with the fonts' names
        return OptionRead::Read;
    }
    const Result<double> number = ParseReal(value.toUtf8().replace('.', ','));
    if (!number || !std::isfinite(*number))
        return bad(
            error,
            QCoreApplication::translate("cli", "%1 needs a number, not '%2'").arg(arg, value));
    if (arg == u"--hatch")
        options.hatchSpacing = *number;
    else
        options.hatchAngle = *number;
    return OptionRead::Read;
}

} // namespace

OptionRead readPenPassOption(const QStringList& args, qsizetype& i, PenPassOptions& options,
                             QString& error) {
    const QString& arg = args[i];
    if (arg == u"--cross-hatch" || arg == u"--no-outline" || arg == u"--occlude") {
        if (arg == u"--cross-hatch")
            options.crossHatch = true;
        else if (arg == u"--occlude")
            options.occlude = true;
        else
            options.outline = false;
        return OptionRead::Read;
    }
    const bool valued =
        arg == u"--hatch" || arg == u"--hatch-angle" || arg == u"--text" || arg == u"--font";
    if (!valued)
        return OptionRead::NotMine;
    if (i + 1 >= args.size())
        return bad(error, QCoreApplication::translate("cli", "%1 needs a value").arg(arg));
    return readValue(arg, args[++i], options, error);
}

std::optional<int> penPassOptionFault(OptionRead read, const QString& error) {
    if (read != OptionRead::Bad)
        return std::nullopt;
    err(QStringLiteral("scara-cli: ") + error);
    return 1;
}

std::optional<int> checkPenPassOptions(const PenPassOptions& options) {
    const Status checked = CheckPenPassOptions(options);
    if (checked)
        return std::nullopt;
    err(checked.error());
    return 1;
}

} // namespace cli
