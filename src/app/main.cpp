#include "app/companionwindows.h"
#include "app/mainwindow.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("SCARA"));
    // Closing the main window ends the station, whatever else is open.
    app.setQuitOnLastWindowClosed(false);

    MainWindow window;                                                    // TForm1
    std::unique_ptr<QWidget> visualisation = CreateVisualisationWindow(); // TForm2
    std::unique_ptr<QWidget> converter = CreateConverterWindow();         // TForm3
    window.setCompanionWindows(visualisation.get(), converter.get());
    QObject::connect(&window, &MainWindow::closing, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    window.showMaximized();
    return app.exec();
}
