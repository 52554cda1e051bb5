// scara-cli: the station's program, plot, motion, controller and HPGL logic
// for scripts and pipelines.
#include "command.h"

#include "base/stationlanguage.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

static void printUsage(std::FILE* stream) {
    cli::print(stream, QCoreApplication::translate("cli", "usage: scara-cli <command> [options]\n"
                                                          "\n"
                                                          "commands:\n"));
    auto commands = cliCommands();
    std::sort(commands.begin(), commands.end(), [](const CliCommand& a, const CliCommand& b) {
        return std::strcmp(a.name, b.name) < 0;
    });
    for (const CliCommand& command : commands)
        cli::print(stream, QStringLiteral("  %1 %2\n")
                               .arg(QString::fromLatin1(command.name).leftJustified(16),
                                    cli::text(command.summary)));
    cli::print(stream,
               QCoreApplication::translate("cli", "\n'scara-cli <command> --help' describes a "
                                                  "command.\n"));
}

static bool needsFonts(const char* name) {
    const auto& commands = cliCommands();
    return std::any_of(commands.begin(), commands.end(), [name](const CliCommand& c) {
        return c.needsFonts && std::strcmp(c.name, name) == 0;
    });
}

int main(int argc, char** argv) {
    std::unique_ptr<QCoreApplication> app;
    if (argc > 1 && needsFonts(argv[1])) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    UseLanguage(ResolveLanguage(LanguageChoice::System));
    QStringList args = app->arguments().mid(1);
    if (args.isEmpty() || args.first() == QLatin1String("--help") ||
        args.first() == QLatin1String("-h")) {
        printUsage(args.isEmpty() ? stderr : stdout);
        return args.isEmpty() ? 2 : 0;
    }
    const QString name = args.takeFirst();
    for (const CliCommand& command : cliCommands()) {
        if (name != QLatin1String(command.name))
            continue;
        const int code = command.run(args);
        // What was lost on the way to standard output is an error (status 1),
        // whatever the command thought of its work; an error (1) or usage
        // error (2) it reported itself stays as it is.
        if (!cli::finishStandardOutput() && code != 1 && code != 2)
            return 1;
        return code;
    }
    cli::err(QCoreApplication::translate("cli", "scara-cli: unknown command '%1'").arg(name));
    printUsage(stderr);
    return 2;
}
