#include "app/mainwindow.h"
#include "app/resumecommands.h"
#include "app/station.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("SCARA"));
    // Closing the main window ends the station, whatever else is open.
    app.setQuitOnLastWindowClosed(false);

    Station station;
    MainWindow& window = station.mainWindow();
    QObject::connect(&window, &MainWindow::closing, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    window.showMaximized();
    // A transfer that a crash or a power cut interrupted is offered for
    // resuming once the window is up.
    QTimer::singleShot(0, &station.resume(), &ResumeCommands::offerAtStart);
    const int code = app.exec();
    station.shutDown();
    return code;
}
