// text: a text written in a single-stroke font as a program.
#include "command.h"
#include "placementoptions.h"

#include "base/numberformat.h"
#include "drawing/pentexts.h"
#include "drawing/strokeprogram.h"
#include "drawing/textlayout.h"

#include <cmath>
#include <optional>

namespace {

const char kTextHelp[] = QT_TRANSLATE_NOOP(
    "cli", "usage: scara-cli text TEXT [--height H] [--font NAME] [--align left|center|right]\n"
           "                     [--fit [--one-side] [--margin N] [--forbidden R] [--paper P]]\n"
           "                     [--no-optimize] [--pen-height N] [--travel-height N] [-o OUT]\n"
           "\n"
           "Writes TEXT in a single-stroke font (each letter drawn once along its\n"
           "middle, Polish letters included) as a program in the station's form, CR LF,\n"
           "to OUT (\"-\": standard output) or standard output. The letters stand upright\n"
           "(their tops towards +Y), the first line's baseline starts at X 0 Y 0, and a\n"
           "line break (or the two characters \\n) starts a new line below.\n"
           "Coordinates are rounded to whole units.\n"
           "\n"
           "  --height H         height of the capitals in units (20)\n"
           "  --font NAME        futural (sans serif, the default), rowmans (roman) or\n"
           "                     scripts (script)\n"
           "  --align A          each line starts at X 0 (left), is centred on it\n"
           "                     (center) or ends there (right)\n"
           "  --fit              scale and move the text into the arm's safe area, as\n"
           "                     large as fits; the placement options below go with it\n"
           "  --no-optimize      keep the writing order\n"
           "  --pen-height N     Z of the pen while drawing (1)\n"
           "  --travel-height N  Z of pen-up moves (10)\n"
           "\n"
           "%1\n"
           "Characters the font lacks are named and counted on standard error and left\n"
           "as spaces. On an error nothing is written and the status is 1 (2 for a wrong\n"
           "command line).\n");

QString textHelp() {
    return cli::text(kTextHelp).arg(cli::text(cli::kPlacementHelp));
}

int usageError(const QString& message) {
    cli::err(QStringLiteral("scara-cli: ") + message);
    cli::print(stderr, textHelp());
    return 2;
}

struct TextOptions {
    std::optional<QString> text;
    QString font = StrokeFontNames().first();
    QString out;
    QString height = QStringLiteral("20");
    TextSettings layout;
    StrokeProgramSettings program;
};

// Reads an option with a value; false when `arg` is none of them.
std::optional<int> readValue(const QString& arg, const QString& value, TextOptions& o, bool& mine) {
    mine = true;
    if (arg == u"--height") {
        o.height = value; // checked by the layout, with the station's text
    } else if (arg == u"--font") {
        o.font = value;
    } else if (arg == u"-o") {
        o.out = value;
    } else if (arg == u"--align") {
        if (value != u"left" && value != u"center" && value != u"right")
            return usageError(
                QCoreApplication::translate("cli", "--align is left, center or right"));
        o.layout.align = value == u"left"     ? TextAlign::Left
                         : value == u"center" ? TextAlign::Center
                                              : TextAlign::Right;
    } else if (arg == u"--pen-height" || arg == u"--travel-height") {
        const std::optional<double> z = cli::number(value);
        if (!z)
            return usageError(QCoreApplication::translate("cli", "%1 needs a number").arg(arg));
        (arg == u"--pen-height" ? o.program.penHeight : o.program.travelHeight) = *z;
    } else {
        mine = false;
    }
    return std::nullopt;
}

std::optional<int> parseText(const QStringList& args, TextOptions& o) {
    QString error;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        bool mine = false;
        if (arg == u"--fit") {
            o.program.fit = true;
        } else if (arg == u"--no-optimize") {
            o.program.optimize = false;
        } else if (const cli::OptionRead read =
                       cli::readPlacementOption(args, i, o.program.placement, error);
                   read != cli::OptionRead::NotMine) {
            if (read == cli::OptionRead::Bad)
                return usageError(error);
        } else if (i + 1 < args.size() && arg.startsWith(u'-') && arg.size() > 1) {
            if (const std::optional<int> code = readValue(arg, args[i + 1], o, mine))
                return code;
            if (!mine)
                return usageError(
                    QCoreApplication::translate("cli", "unexpected argument '%1'").arg(arg));
            ++i;
        } else if ((!arg.startsWith(u'-') || arg.size() == 1) && !o.text) {
            o.text = arg;
        } else {
            return usageError(
                QCoreApplication::translate("cli", "unexpected argument '%1'").arg(arg));
        }
    }
    if (!o.text)
        return usageError(QCoreApplication::translate("cli", "text needs the text to write"));
    return std::nullopt;
}

int runText(const QStringList& args) {
    if (cli::wantsHelp(args)) {
        cli::print(stdout, textHelp());
        return 0;
    }
    TextOptions options;
    if (const std::optional<int> code = parseText(args, options))
        return *code;
    const Result<StrokeFont> font = LoadStrokeFont(options.font);
    if (!font) {
        cli::err(font.error());
        return 1;
    }
    const std::optional<double> height = cli::number(options.height);
    if (!height || !(*height > 0)) {
        cli::err(pen::badHeight(options.height));
        return 1;
    }
    options.layout.height = *height;
    QString text = *options.text;
    text.replace(QStringLiteral("\\n"), QStringLiteral("\n"));
    const Result<TextLayout> layout = LayOutText(*font, text, options.layout);
    if (!layout) {
        cli::err(layout.error());
        return 1;
    }
    const QString missing = MissingCharactersReport(*font, layout->missing);
    const Result<StrokeProgram> program = WriteStrokeProgram(layout->strokes, options.program);
    if (!missing.isEmpty())
        cli::err(missing);
    if (!program) {
        cli::err(program.error());
        return 1;
    }
    const int code = cli::writeProgram(options.out, program->program);
    if (code == 0) {
        for (const QString& line : program->report)
            cli::err(line);
    }
    return code;
}

CliRegistration textReg{
    {"text", QT_TRANSLATE_NOOP("cli", "write a text in a single-stroke font as a program"),
     &runText}};

} // namespace
