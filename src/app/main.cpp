#include "app/mainwindow.h"
#include "app/station.h"

#include <QApplication>

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
    const int code = app.exec();
    station.shutDown();
    return code;
}
