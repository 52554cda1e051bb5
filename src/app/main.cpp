#include "app/appmessages.h"
#include "app/commandline.h"
#include "app/mainwindow.h"
#include "app/resumecommands.h"
#include "app/settingsstore.h"
#include "app/station.h"
#include "base/stationlanguage.h"

#include <QApplication>
#include <QFileInfo>
#include <QTimer>

#include <cstdio>

namespace {

QStringList argumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// The language remembered in `store`, or the system's, in force before any
// text is made.
void useRememberedLanguage(SettingsStore& store) {
    UseLanguage(ResolveLanguage(LanguageChoiceFromCode(store.load().station.language)));
}

int print(std::FILE* stream, const QString& text, int code) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    return code;
}

} // namespace

int main(int argc, char** argv) {
    const QString programName = QFileInfo(QString::fromLocal8Bit(argv[0])).fileName();
    // --help and --version need no display: answered before the application.
    switch (EarlyCommandLineAction(argumentsOf(argc, argv))) {
    case StationCommandLine::Action::Help: {
        QCoreApplication core(argc, argv);
        SettingsStore store;
        useRememberedLanguage(store);
        return print(stdout, AppMessages::commandLineHelp(programName), 0);
    }
    case StationCommandLine::Action::Version:
        return print(stdout,
                     AppMessages::versionLine(programName, QStringLiteral(SCARA_STATION_VERSION)),
                     0);
    default:
        break;
    }

    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("SCARA"));
    app.setApplicationVersion(QStringLiteral(SCARA_STATION_VERSION));
    app.setDesktopFileName(QStringLiteral(SCARA_STATION_APP_ID));
    // Closing the main window ends the station, whatever else is open.
    app.setQuitOnLastWindowClosed(false);

    // The Qt options (-platform, -style, ...) are gone from app.arguments().
    const StationCommandLine line = ParseStationCommandLine(app.arguments().mid(1));
    if (line.action == StationCommandLine::Action::Error)
        return print(stderr, line.error + QLatin1Char('\n'), 2);

    SettingsStore store;
    // The language first: the windows take their texts as they are built.
    useRememberedLanguage(store);
    Station station(&store);
    MainWindow& window = station.mainWindow();
    QObject::connect(&window, &MainWindow::closing, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    station.showWindows();
    if (!line.files.isEmpty())
        QTimer::singleShot(0, &window,
                           [&station, files = line.files] { station.openFiles(files); });
    // A transfer that a crash or a power cut interrupted is offered for
    // resuming once the window is up (and after the files named are open).
    QTimer::singleShot(0, &station.resume(), &ResumeCommands::offerAtStart);
    const int code = app.exec();
    station.shutDown();
    return code;
}
