// Writes what the screen shows of the visualisation window to a PNG file:
//   view3d-screenshot [--pose alfa,beta,penHeight] [--view 1-4] file.png
// The home pose and the camera at creation by default. Run under `xvfb-run -a`.
#include "motion/viewpose.h"
#include "view3d/sceneview.h"
#include "view3d/visualisationwindow.h"

#include <QAction>
#include <QApplication>
#include <QCommandLineParser>
#include <QPixmap>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOption({"pose", "Joint angles and pen height.", "alfa,beta,penHeight"});
    parser.addOption({"view", "Fixed view 1 to 4.", "n"});
    parser.addPositionalArgument("file", "PNG file to write.");
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);

    ViewPose pose;
    VisualisationWindow window(pose);
    if (parser.isSet("pose")) {
        const QStringList values = parser.value("pose").split(u',');
        if (values.size() != 3)
            parser.showHelp(2);
        pose.Arm1Angle = values[0].toFloat() - 90.0f;
        pose.Arm2Angle = values[1].toFloat();
        pose.SlideZ = values[2].toDouble() / 50.0 - 1.0;
    }
    if (parser.isSet("view")) {
        QAction* view =
            window.findChild<QAction*>(QStringLiteral("Widok") + parser.value("view") + u'1');
        if (view == nullptr)
            parser.showHelp(2);
        view->trigger();
    }
    window.show();
    if (!QTest::qWaitForWindowExposed(&window) || window.sceneView() == nullptr) {
        std::fprintf(stderr, "no picture\n");
        return 1;
    }
    QSignalSpy frames(window.sceneView(), &QOpenGLWidget::frameSwapped);
    frames.wait(2000);
    const QPixmap shot = window.screen()->grabWindow(window.winId());
    const QString file = parser.positionalArguments().first();
    if (!shot.save(file)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return 1;
    }
    return 0;
}
