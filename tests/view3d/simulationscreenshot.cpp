// Writes what the screen shows of the visualisation window during a
// simulation: the main window opens the program, the simulation runs for the
// given time, then the picture is taken.
//   view3d-simulation-screenshot program.nc file.png milliseconds [Widok11..Widok41]
// Run under `xvfb-run -a`.
#include "app/mainwindow.h"
#include "app/notifier.h"
#include "app/programcommands.h"
#include "app/station.h"
#include "motion/simulationcommands.h"
#include "view3d/visualisationwindow.h"

#include <QAction>
#include <QApplication>
#include <QPixmap>
#include <QScreen>
#include <QTest>

#include <cstdio>

namespace {

// Notices and errors go to the terminal instead of message boxes.
class PrintingNotifier : public Notifier {
public:
    void notify(const QString& text) override { std::printf("%s\n", qPrintable(text)); }
    void showError(const QString& text) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4 && args.size() != 5) {
        std::fprintf(stderr, "usage: view3d-simulation-screenshot program.nc file.png ms [view]\n");
        return 2;
    }
    Station station;
    MainWindow& main = station.mainWindow();
    VisualisationWindow& visualisation = station.visualisationWindow();
    main.setNotifier(std::make_unique<PrintingNotifier>());
    main.show();
    if (!main.programCommands()->openProgramFile(args[1]))
        return 1;
    if (args.size() == 5) {
        QAction* view = visualisation.findChild<QAction*>(args[4]);
        if (view == nullptr)
            return 2;
        view->trigger();
    }
    station.simulation().start();
    QTest::qWait(args[3].toInt());
    station.simulation().pause();
    QTest::qWait(200);
    if (!visualisation.screen()->grabWindow(visualisation.winId()).save(args[2])) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(args[2]));
        return 1;
    }
    return 0;
}
