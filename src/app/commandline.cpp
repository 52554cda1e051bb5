#include "app/commandline.h"

#include "app/appmessages.h"

namespace {

bool isHelp(const QString& argument) {
    return argument == QLatin1String("--help") || argument == QLatin1String("-h") ||
           argument == QLatin1String("-?");
}

bool isVersion(const QString& argument) {
    return argument == QLatin1String("--version") || argument == QLatin1String("-v");
}

} // namespace

StationCommandLine ParseStationCommandLine(const QStringList& arguments) {
    StationCommandLine line;
    bool options = true;
    for (const QString& argument : arguments) {
        if (options && argument == QLatin1String("--")) {
            options = false;
        } else if (options && isHelp(argument)) {
            line.action = StationCommandLine::Action::Help;
            line.files.clear();
            return line;
        } else if (options && isVersion(argument)) {
            line.action = StationCommandLine::Action::Version;
            line.files.clear();
            return line;
        } else if (options && argument.startsWith(QLatin1Char('-')) &&
                   argument != QLatin1String("-")) {
            line.action = StationCommandLine::Action::Error;
            line.error = AppMessages::unknownOption(argument);
            line.files.clear();
            return line;
        } else {
            line.files << argument;
        }
    }
    return line;
}

StationCommandLine::Action EarlyCommandLineAction(const QStringList& arguments) {
    for (const QString& argument : arguments) {
        if (argument == QLatin1String("--"))
            break;
        if (isHelp(argument))
            return StationCommandLine::Action::Help;
        if (isVersion(argument))
            return StationCommandLine::Action::Version;
    }
    return StationCommandLine::Action::Run;
}
