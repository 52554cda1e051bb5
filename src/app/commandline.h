#pragma once

#include <QString>
#include <QStringList>

// The station's command line: scara-station [--help] [--version] [FILE...].
struct StationCommandLine {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    QStringList files; // in the order given
    QString error;     // for Action::Error: the station's message
};

// `arguments` without the program's name. "--" ends the options, so that a
// file named "-x" can be given after it; "-" alone is a file name.
StationCommandLine ParseStationCommandLine(const QStringList& arguments);

// Looks only for --help and --version (before the application exists, so
// that neither needs a display).
StationCommandLine::Action EarlyCommandLineAction(const QStringList& arguments);
