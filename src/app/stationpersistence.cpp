#include "app/stationpersistence.h"

#include "app/windowplacement.h"

#include "app/calibrationcommands.h"
#include "app/controllersettingspage.h"
#include "app/languagemenu.h"
#include "app/layertable.h"
#include "app/mainwindow.h"
#include "app/portsettingspage.h"
#include "app/programpage.h"
#include "app/programsettingspage.h"
#include "app/recentfilesmenu.h"
#include "app/station.h"
#include "app/stationdialogs.h"
#include "app/svgcommands.h"
#include "controller/widgets/controllerwindowbinding.h"
#include "controller/widgets/portselectors.h"
#include "hpgl/convertersettingspages.h"
#include "hpgl/converterwindow.h"
#include "motion/calibrationfile.h"
#include "view3d/visualisationwindow.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QScreen>
#include <QTabWidget>

#include <cstdio>
#include <utility>

StationPersistence::StationPersistence(Station& station, SettingsStore* store, QObject* parent)
    : QObject(parent), station_(station), store_(store) {
    writer_.setInterval(kWriteInterval);
    connect(&writer_, &QTimer::timeout, this, &StationPersistence::writeIfChanged);
}

void StationPersistence::keepWritten() {
    if (store_)
        writer_.start();
}

void StationPersistence::writeIfChanged() {
    StoredSettings now = collect();
    if (written_ && *written_ == now)
        return;
    if (const Status saved = store_->save(now); !saved) {
        if (!std::exchange(writeFailed_, true))
            std::fprintf(stderr, "%s\n", qPrintable(saved.error()));
        return;
    }
    written_ = std::move(now);
}

void StationPersistence::load() {
    if (store_)
        apply(store_->load());
}

void StationPersistence::apply(const StoredSettings& settings) {
    loaded_ = settings.station;
    applySettings(settings);
    // The arm's calibration stays through "Przywróć ustawienia domyślne": it
    // belongs to the arm. A damaged one is dropped.
    std::optional<ArmCalibration> calibration;
    if (!settings.station.calibration.isEmpty()) {
        if (const Result<ArmCalibration> read = ReadCalibrationFile(settings.station.calibration))
            calibration = *read;
    }
    station_.calibration().use(calibration);
    MainWindow& main = station_.mainWindow();
    const WindowLayout& layout = settings.station.layout;
    QTabWidget* bar = main.settingsBar();
    if (layout.settingsPage >= 0 && layout.settingsPage < bar->count())
        bar->setCurrentIndex(layout.settingsPage);
    main.setSettingsBarShown(layout.settingsBarShown);
    main.dialogs().setStartFolders(settings.station.folders);
    station_.converterWindow().setLastFolder(settings.station.folders.plot);
    station_.recentFiles().setFiles(settings.station.recentFiles);
    main.languageMenu()->setChoice(LanguageChoiceFromCode(settings.station.language));
}

void StationPersistence::applySettings(const StoredSettings& settings) {
    MainWindow& main = station_.mainWindow();
    main.programSettingsPage()->setPreferences(settings.station.program);
    main.programPage()->layerTable()->setSettingsText(settings.station.program.layers);
    ControllerSettingsPage* controller = main.controllerSettingsPage();
    controller->g00HeightEdit()->setText(settings.station.zHeights.rapid);
    controller->g01HeightEdit()->setText(settings.station.zHeights.feed);
    applyLine(settings.line);
    station_.converterWindow().setPreferences(settings.converter);
    station_.svgCommands().setPreferences(settings.svg);
}

void StationPersistence::applyLine(const RememberedLine& line) {
    PortSettingsPage* page = station_.mainWindow().portSettingsPage();
    // The port list as at the first start, then the remembered port: the
    // same adapter on whatever name it has now, else the same name.
    station_.controller().portSelectors().fillPortList();
    QComboBox* port = page->selector(1);
    const QString found = findRememberedPort(line.port, presentPorts());
    if (!found.isEmpty())
        port->setCurrentText(found);
    else if (line.port.name == PortSelectors::kEmulatorEntry)
        port->setCurrentText(PortSelectors::kEmulatorEntry);
    else if (!line.port.name.isEmpty() && !line.port.isUsb())
        port->setCurrentText(line.port.name); // a path typed in, such as a link
    page->selector(2)->setCurrentText(baudRateText(line.line.baudRate));
    page->selector(3)->setCurrentText(dataBitsText(line.line.dataBits));
    page->selector(4)->setCurrentText(parityText(line.line.parity));
    page->selector(5)->setCurrentText(stopBitsText(line.line.stopBits));
    page->selector(6)->setCurrentText(flowControlText(line.line.flowControl));
}

RememberedLine StationPersistence::collectLine() const {
    PortSettingsPage* page = station_.mainWindow().portSettingsPage();
    RememberedLine line;
    line.port.name = page->selector(1)->currentText();
    for (const PresentPort& present : presentPorts()) {
        if (present.name == line.port.name) {
            line.port = present;
            break;
        }
    }
    line.line.baudRate = baudRateFromText(page->selector(2)->currentText());
    line.line.dataBits = dataBitsFromText(page->selector(3)->currentText());
    line.line.parity = parityFromText(page->selector(4)->currentText());
    line.line.stopBits = stopBitsFromText(page->selector(5)->currentText());
    line.line.flowControl = flowControlFromText(page->selector(6)->currentText());
    return line;
}

namespace {

// What is kept of the main window. A window manager that maximized it made
// it cover the screen's free area; without one the window only says that it
// is maximized, and its own rectangle is what the operator saw.
WindowPlacement keptPlacement(const QWidget& window) {
    WindowPlacement placement{window.saveGeometry(), true};
    const QScreen* screen = window.screen();
    placement.maximized = window.isMaximized() && screen &&
                          window.frameGeometry().size() == screen->availableGeometry().size();
    placement.bounds = placement.maximized && window.normalGeometry().isValid()
                           ? window.normalGeometry()
                           : window.geometry();
    return placement;
}

} // namespace

StoredSettings StationPersistence::collect() const {
    StoredSettings settings;
    MainWindow& main = station_.mainWindow();
    StationPreferences& p = settings.station;
    p.program = main.programSettingsPage()->preferences();
    p.program.layers = main.programPage()->layerTable()->settingsText();
    p.zHeights.rapid = main.controllerSettingsPage()->g00HeightEdit()->text();
    p.zHeights.feed = main.controllerSettingsPage()->g01HeightEdit()->text();
    p.layout.main = keptPlacement(main);
    VisualisationWindow& visualisation = station_.visualisationWindow();
    p.layout.visualisation = {visualisation.saveGeometry(), visualisation.isVisible()};
    ConverterWindow& converter = station_.converterWindow();
    // A window never shown has no place of its own yet: keep the one read.
    p.layout.converter = {converter.testAttribute(Qt::WA_WState_Created)
                              ? converter.saveGeometry()
                              : loaded_.layout.converter.geometry,
                          converter.isVisible()};
    if (!visualisation.testAttribute(Qt::WA_WState_Created))
        p.layout.visualisation.geometry = loaded_.layout.visualisation.geometry;
    p.layout.settingsPage = main.settingsBar()->currentIndex();
    p.layout.settingsBarShown = main.isSettingsBarShown();
    p.folders = loaded_.folders;
    p.folders.plot = converter.lastFolder();
    p.recentFiles = station_.recentFiles().files();
    p.language = LanguageChoiceCode(main.languageMenu()->choice());
    if (const std::optional<ArmCalibration>& calibration = station_.calibration().calibration())
        p.calibration = WriteCalibrationFile(*calibration);
    settings.line = collectLine();
    settings.converter = converter.settingsPages()->preferences();
    settings.svg = station_.svgCommands().preferences();
    return settings;
}

void StationPersistence::save() {
    if (!store_)
        return;
    StoredSettings now = collect();
    if (const Status saved = store_->save(now); !saved) {
        std::fprintf(stderr, "%s\n", qPrintable(saved.error()));
        return;
    }
    written_ = std::move(now);
}

void StationPersistence::showWindows() {
    MainWindow& main = station_.mainWindow();
    const WindowLayout& layout = loaded_.layout;
    if (layout.main.bounds.isValid()) {
        const QScreen* screen = main.screen();
        main.setGeometry(PlaceKeptWindow(layout.main.bounds, main.defaultSize(),
                                         screen ? screen->availableGeometry() : QRect()));
        if (layout.main.maximized)
            main.showMaximized();
        else
            main.show();
    } else if (!layout.main.geometry.isEmpty() && main.restoreGeometry(layout.main.geometry)) {
        main.resize(main.size().expandedTo(main.defaultSize()));
        main.show();
    } else {
        main.showMaximized();
    }
    VisualisationWindow& visualisation = station_.visualisationWindow();
    if (!layout.visualisation.geometry.isEmpty())
        visualisation.restoreGeometry(layout.visualisation.geometry);
    if (layout.visualisation.open)
        visualisation.show();
    ConverterWindow& converter = station_.converterWindow();
    converter.restorePlacement(layout.converter.geometry);
    if (layout.converter.open)
        converter.show();
    main.raise();
    main.activateWindow();
}

void StationPersistence::restoreDefaults() {
    if (!station_.mainWindow().dialogs().confirmRestoreDefaults())
        return;
    applySettings(StoredSettings());
}

void StationPersistence::programFileUsed(const QString& fileName) {
    loaded_.folders.program = QFileInfo(fileName).absolutePath();
    station_.recentFiles().add(fileName);
}

void StationPersistence::pictureSaved(const QString& fileName) {
    loaded_.folders.picture = QFileInfo(fileName).absolutePath();
}
