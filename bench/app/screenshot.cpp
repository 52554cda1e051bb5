// Draws the picture of the main window for the documentation: the station
// with a program loaded, the page "G-kod" in front, grabbed offscreen.
// Usage: app-screenshot <output.png> [path-check | svg DRAWING.svg | transfer |
//                                     resume-offer | placement DRAWING.svg |
//                                     calibration | text | layers]
// With "svg" the drawing is opened as "Otwórz rysunek SVG" opens it.
// With "path-check" the program has a move through the forbidden zone around
// the base and elbow swings across the Y axis, marked on the plot and listed.
// With "transfer" the whole station sends the program to its built-in
// emulator and the page "G-kod III" is grabbed in the middle of it. With
// "resume-offer" the question the station asks after an interrupted transfer.
// With "text" the window after "Edycja" -> "Wstaw tekst…" wrote two lines
// on an empty program, the dialog laid over the window's lower right corner.
// With "layers" a drawing in two pens and its layer table, the second pen
// held for and drawn slower.
// The station speaks the system's language: LANGUAGE=en_GB draws it in English.
#include "app/calibrationcommands.h"
#include "app/calibrationdialog.h"
#include "app/layertable.h"
#include "app/mainwindow.h"
#include "app/notifier.h"
#include "app/programcommands.h"
#include "app/programpage.h"
#include "app/resumetexts.h"
#include "app/station.h"
#include "app/stationdialogs.h"
#include "app/svgcommands.h"
#include "app/textcommands.h"
#include "app/textdialog.h"
#include "app/transferpage.h"
#include "base/stationlanguage.h"
#include "controller/controllerlink.h"
#include "controller/emulator/controlleremulator.h"
#include "controller/widgets/controllerwindowbinding.h"
#include "controller/widgets/portselectors.h"

#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>

#include <QApplication>
#include <QFile>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>

namespace {
class SilentNotifier : public Notifier {
public:
    void notify(const QString&) override {}
    void showError(const QString& text) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
};

// A rosette of working moves at Z 0 to Z 6 around (0, 260), reached by rapid
// moves, and one point beyond the arm's reach.
QByteArray demoProgram() {
    QByteArray out;
    int n = 10;
    auto block = [&](const QByteArray& words) {
        out += "N" + QByteArray::number(n) + " " + words + "\r\n";
        n += 10;
    };
    block("G00 Z6");
    for (int petal = 0; petal < 7; ++petal) {
        const double turn = petal * 2 * M_PI / 7;
        const QByteArray z = QByteArray::number(petal);
        bool first = true;
        for (int step = 0; step <= 36; ++step) {
            const double t = step * M_PI / 36;
            const double r = 200 * std::sin(t);
            const double a = turn + 0.45 * std::sin(2 * t);
            const QByteArray point = "X" + QByteArray::number(r * std::cos(a), 'f', 1) + " Y" +
                                     QByteArray::number(260 + r * std::sin(a) * 0.9, 'f', 1);
            block(first ? "G00 " + point + " Z6" : "G01 " + point + " Z" + z);
            first = false;
        }
    }
    block("G00 X480 Y200 Z6");
    block("G00 X500 Y0");
    block("M30");
    return out;
}
// Two squares on either side of the Y axis, joined by a working move that
// passes close to the base, and a rapid move back across the axis.
QByteArray pathCheckProgram() {
    return "N10 G00 X60 Y300 Z6\r\n"
           "N20 G01 X150 Y300 Z0\r\nN30 X150 Y150\r\nN40 X60 Y150\r\nN50 X60 Y300\r\n"
           "N60 G01 X60 Y150 Z1\r\nN70 X-250 Y40\r\n"
           "N80 X-250 Y240\r\nN90 X-400 Y240\r\nN100 X-400 Y40\r\nN110 X-250 Y40\r\n"
           "N120 G00 X60 Y300 Z6\r\nN130 X500 Y0\r\nN140 M30\r\n";
}
// The station in the middle of sending `program` to its built-in emulator.
// The whole station imports a drawing onto an A4 sheet lying in the safe
// area: the sheet, the forbidden circle and the placed drawing on the plot,
// the placement's report under it.
int placementShot(const QString& drawing, const QString& output) {
    Station station;
    MainWindow& window = station.mainWindow();
    window.setNotifier(std::make_unique<SilentNotifier>());
    window.resize(1400, 900);
    window.show();
    if (QAction* sheet = window.findChild<QAction*>(QStringLiteral("ArkuszA4poziomo1")))
        sheet->trigger();
    if (!station.svgCommands().openDrawingFile(drawing))
        return 1;
    window.settingsBar()->setCurrentIndex(1); // "G-kod"
    QApplication::processEvents();
    return window.grab().save(output) ? 0 : 1;
}

// The calibration window after a fit: the distances an arm with slightly
// long links and a turned elbow drew, typed in to the hundredth.
int calibrationShot(const QString& output) {
    Station station;
    MainWindow& window = station.mainWindow();
    window.setNotifier(std::make_unique<SilentNotifier>());
    window.menus().calibrateArm->trigger();
    CalibrationDialog* dialog = station.calibration().dialog();
    QTableWidget* table = dialog->table();
    const ArmCalibration arm{250.8, 249.6, 1.002, 0.999, 0.4};
    for (int row = 0; row < table->rowCount(); ++row) {
        auto number = [&](int column) {
            return table->item(row, column)->text().replace(u',', u'.').toDouble();
        };
        const CalibrationMeasure measure{{number(2), number(3)}, {number(4), number(5)}, 0, row};
        table->item(row, 6)->setText(
            QString::number(DrawnDistance(arm, measure), 'f', 2).replace(u'.', u','));
    }
    dialog->fit();
    QApplication::processEvents();
    return dialog->grab().save(output) ? 0 : 1;
}

int textShot(const QString& output) {
    Station station;
    MainWindow& window = station.mainWindow();
    window.setNotifier(std::make_unique<SilentNotifier>());
    window.resize(1400, 900);
    window.show();
    window.menus().insertText->trigger();
    TextDialog* dialog = station.textCommands().dialog();
    const QString sample = QCoreApplication::translate("TextDialog", "Zażółć gęślą jaźń");
    dialog->setChoice(
        {sample + u'\n' + sample.toUpper(), QStringLiteral("futural"), 18, QPointF(40, 340)});
    dialog->insertButton()->click();
    window.settingsBar()->setCurrentIndex(1); // "G-kod"
    QApplication::processEvents();
    QPixmap picture = window.grab();
    const QPixmap box = dialog->grab();
    QPainter painter(&picture);
    painter.drawPixmap(picture.width() - box.width() - 24, picture.height() - box.height() - 40,
                       box);
    painter.end();
    return picture.save(output) ? 0 : 1;
}

int transferShot(const QString& program, const QString& output) {
    Station station;
    MainWindow& window = station.mainWindow();
    window.setNotifier(std::make_unique<SilentNotifier>());
    ControllerWindowBinding& binding = station.controller();
    binding.setNoticePresenter([](const QString&, std::function<void()> closed) { closed(); });
    window.resize(1400, 900);
    window.show();
    auto waitFor = [](auto done) {
        QElapsedTimer clock;
        clock.start();
        while (!done() && clock.elapsed() < 20000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        return done();
    };
    window.findChild<QComboBox*>("ComComboBox1")->setCurrentText(PortSelectors::kEmulatorEntry);
    window.menus().connectController->trigger();
    if (!waitFor([&] { return binding.link().state().connected(); }))
        return 1;
    window.menus().referenceTravel->trigger();
    if (!waitFor([&] { return binding.link().state().referenceKnown(); }))
        return 1;
    EmulatorOptions paced = binding.portSelectors().emulator()->options();
    paced.baudRate = 19200;
    binding.portSelectors().emulator()->setOptions(paced);
    if (!window.programCommands()->openProgramFile(program))
        return 1;
    window.menus().sendProgram->trigger();
    const int total = int(window.programList().lineCount());
    if (!waitFor([&] { return binding.link().state().blockIndex() > total * 2 / 5; }))
        return 1;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 300);
    window.settingsBar()->setCurrentWidget(window.transferPage());
    QCoreApplication::processEvents();
    const bool saved = window.grab().save(output);
    station.shutDown();
    return saved ? 0 : 1;
}

} // namespace

// Two pens: a square of Z 1 on the right and a star of Z 2 on the left.
QByteArray twoPenProgram() {
    QByteArray out;
    int n = 10;
    auto block = [&](const QByteArray& words) {
        out += "N" + QByteArray::number(n) + " " + words + "\r\n";
        n += 10;
    };
    block("G00 X 100 Y 250 Z 10");
    for (const auto& [x, y] : {std::pair{250, 250}, {250, 400}, {100, 400}, {100, 250}})
        block("G01 X " + QByteArray::number(x) + " Y " + QByteArray::number(y) + " Z 1");
    block("G00 X -175 Y 420 Z 10");
    for (int k = 1; k <= 5; ++k) {
        const double a = M_PI / 2 + k * 4 * M_PI / 5;
        block("G01 X " + QByteArray::number(std::lround(-175 + 100 * std::cos(a))) + " Y " +
              QByteArray::number(std::lround(320 + 100 * std::sin(a))) + " Z 2");
    }
    block("M30");
    return out;
}

int layersShot(const QString& folder, const QString& output) {
    const QString program = folder + QStringLiteral("/dwa-pisaki.nc");
    QFile file(program);
    if (!file.open(QIODevice::WriteOnly) || file.write(twoPenProgram()) < 0)
        return 1;
    file.close();
    Station station;
    MainWindow& window = station.mainWindow();
    window.setNotifier(std::make_unique<SilentNotifier>());
    window.resize(1400, 900);
    window.show();
    if (!window.programCommands()->openProgramFile(program))
        return 1;
    QTableWidget* table = window.programPage()->layerTable()->table();
    table->item(1, 6)->setText(QStringLiteral("600")); // the feed of the second pen
    table->item(1, 7)->setCheckState(Qt::Checked);     // held for
    window.settingsBar()->setCurrentIndex(1);          // "G-kod"
    QCoreApplication::processEvents();
    const bool saved = window.grab().save(output);
    station.shutDown();
    return saved ? 0 : 1;
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    UseLanguage(ResolveLanguage(LanguageChoice::System));
    if (argc < 2) {
        std::fprintf(stderr, "usage: app-screenshot <output.png> [path-check]\n");
        return 2;
    }
    const bool pathCheck = argc > 2 && QByteArray(argv[2]) == "path-check";
    QTemporaryDir dir;
    const QString program = dir.filePath(QStringLiteral("rozeta.nc"));
    QFile file(program);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(pathCheck ? pathCheckProgram() : demoProgram()) < 0)
        return 1;
    file.close();
    if (argc > 2 && QByteArray(argv[2]) == "resume-offer") {
        QMessageBox* box = WindowDialogs::makeQuestionBox(
            ResumeTexts::offer(QStringLiteral("/home/operator/rysunki/kwiat.nc"), 80000, 112350),
            nullptr, StationDialogs::DefaultAnswer::Yes);
        box->show();
        app.processEvents();
        return box->grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
    }
    if (argc > 2 && QByteArray(argv[2]) == "transfer")
        return transferShot(program, QString::fromLocal8Bit(argv[1]));
    if (argc > 2 && QByteArray(argv[2]) == "text")
        return textShot(QString::fromLocal8Bit(argv[1]));
    if (argc > 2 && QByteArray(argv[2]) == "layers")
        return layersShot(dir.path(), QString::fromLocal8Bit(argv[1]));
    if (argc > 2 && QByteArray(argv[2]) == "calibration")
        return calibrationShot(QString::fromLocal8Bit(argv[1]));
    if (argc > 3 && QByteArray(argv[2]) == "placement")
        return placementShot(QString::fromLocal8Bit(argv[3]), QString::fromLocal8Bit(argv[1]));

    StationDocument document;
    MainWindow window(document);
    window.setNotifier(std::make_unique<SilentNotifier>());
    window.resize(1400, 900);
    window.show();
    if (argc > 3 && QByteArray(argv[2]) == "svg") {
        SvgCommandParts parts{window.programCommands(),
                              &document.program(),
                              window.programPage(),
                              &window,
                              [&window]() -> Notifier& { return window.notifier(); },
                              {},
                              {},
                              {}};
        SvgCommands drawings(parts);
        if (!drawings.openDrawingFile(QString::fromLocal8Bit(argv[3])))
            return 1;
    } else if (!window.programCommands()->openProgramFile(program)) {
        return 1;
    }
    window.settingsBar()->setCurrentIndex(1); // "G-kod"
    app.processEvents();
    return window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
