#include "app/station.h"

#include "app/stationstatusbar.h"

#include "app/appmessages.h"
#include "app/calibratedprogramsource.h"
#include "app/calibrationcommands.h"
#include "app/fileopener.h"
#include "app/languagemenu.h"
#include "app/layertable.h"
#include "app/mainwindow.h"
#include "app/placementcommands.h"
#include "app/plotwidget.h"
#include "app/programcommands.h"
#include "app/programpage.h"
#include "app/recentfilesmenu.h"
#include "app/resumecommands.h"
#include "app/stationcontrollercontrols.h"
#include "app/stationpersistence.h"
#include "app/stationsimulationview.h"
#include "app/stationtransferview.h"
#include "app/svgcommands.h"
#include "app/textcommands.h"
#include "app/transferpage.h"
#include "base/numberformat.h"
#include "controller/controllerlink.h"
#include "controller/sleepinhibitor.h"
#include "controller/widgets/controllerwindowbinding.h"
#include "controller/widgets/portselectors.h"
#include "controller/widgets/transfermonitor.h"
#include "controller/widgets/transferpanel.h"
#include "gcode/plotcolours.h"
#include "gcode/programfigures.h"
#include "gcode/programlayers.h"
#include "hpgl/converterwindow.h"
#include "motion/armgeometry.h"
#include "motion/simulationcommands.h"
#include "motion/simulationhandover.h"
#include "motion/simulationpresenter.h"
#include "motion/simulationthread.h"
#include "view3d/visualisationwindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QDBusConnection>

#include <cstdio>

Station::Station(SettingsStore* store) : thread_(std::make_unique<SimulationThread>()) {
    main_ = std::make_unique<MainWindow>(document_);
    visualisation_ = std::make_unique<VisualisationWindow>(pose_);
    converter_ = std::make_unique<ConverterWindow>();
    main_->setCompanionWindows(visualisation_.get(), converter_.get());
    wireSimulation();
    wireController();
    wireDrawings();
    wireText();
    wireTransfer();
    wireFiles(store);

    // "Zakończ" in the converter window ends the whole station.
    QObject::connect(converter_.get(), &ConverterWindow::quitRequested, main_.get(),
                     &MainWindow::exitStation);
    // "Wstaw do programu": the converter's G-code becomes the main window's
    // program, and the main window comes to the front to show it.
    ProgramCommands* program = main_->programCommands();
    QObject::connect(converter_.get(), &ConverterWindow::programReady, program,
                     &ProgramCommands::insertConvertedProgram);
    QObject::connect(converter_.get(), &ConverterWindow::programReady, main_.get(),
                     [window = main_.get()] {
                         window->raise();
                         window->activateWindow();
                     });
}

Station::~Station() {
    // The hand-over stops the run and carries out its last hand-overs; then
    // the simulation's other parts and the windows go, and the thread last.
    handOver_.reset();
    textCommands_.reset();
    svgCommands_.reset();
    placementCommands_.reset();
    resume_.reset();
    transferMonitor_.reset();
    transferView_.reset();
    persistence_.reset();
    fileOpener_.reset();
    recentFiles_.reset();
    controller_.reset();
    simulationCommands_.reset();
    presenter_.reset();
    simulationView_.reset();
    main_.reset();
    visualisation_.reset();
    converter_.reset();
}

void Station::wireSimulation() {
    thread_->setProgram(&document_.program());
    thread_->setViewPose(&pose_);
    thread_->setPenWait(arm::kPenWait);
    simulationView_ = std::make_unique<StationSimulationView>(*main_);
    presenter_ = std::make_unique<SimulationPresenter>(*simulationView_, *visualisation_,
                                                       document_.plot(), thread_->state());
    handOver_ = std::make_unique<SimulationHandOver>(*thread_, *presenter_);
    simulationCommands_ = std::make_unique<SimulationCommands>(*thread_, *presenter_,
                                                               *simulationView_, *visualisation_);

    SimulationCommands* commands = simulationCommands_.get();
    MainMenus& menus = main_->menus();
    QObject::connect(menus.startSimulation, &QAction::triggered, commands,
                     &SimulationCommands::start);
    QObject::connect(menus.stopSimulation, &QAction::triggered, commands,
                     &SimulationCommands::pause);
    // "Zakończ" finishes the current point before the window closes; closing
    // in any other way stops without waiting for pen travel.
    QObject::connect(main_.get(), &MainWindow::exitRequested, commands,
                     &SimulationCommands::finish);
    QObject::connect(main_.get(), &MainWindow::closing, commands,
                     &SimulationCommands::stopForClosing);
    ProgramCommands* program = main_->programCommands();
    QObject::connect(program, &ProgramCommands::startPointReset, commands,
                     &SimulationCommands::startPointReset);
    QObject::connect(program, &ProgramCommands::programPrepared, commands,
                     &SimulationCommands::programPrepared);
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, commands, &SimulationCommands::finish);
}

void Station::wireController() {
    controller_ = std::make_unique<ControllerWindowBinding>(StationControllerControls(*main_));
    programSource_ = std::make_unique<CalibratedProgramSource>(document_.program());
    controller_->setProgram(programSource_.get());
    ProgramCommands* commands = main_->programCommands();
    QObject::connect(commands, &ProgramCommands::programPrepared, controller_.get(),
                     &ControllerWindowBinding::programPrepared);
    commands->setReferenceSetQuery(
        [link = &controller_->link()] { return link->state().referenceSet(); });
}

// "Otwórz rysunek SVG" and "Optymalizuj program"; SVG files named on the
// command line or dropped on the main window come through the file opener.
void Station::wireDrawings() {
    MainWindow* window = main_.get();
    SvgCommandParts parts;
    parts.programCommands = window->programCommands();
    parts.programList = &document_.program();
    parts.programPage = window->programPage();
    parts.window = window;
    parts.notifier = [window]() -> Notifier& { return window->notifier(); };
    parts.chooseDrawing = [window] { return ChooseDrawingFile(window); };
    parts.converterSettings = [converter = converter_.get()] { return converter->settings(); };
    MainMenus& menus = window->menus();
    PlacementCommandParts placing;
    placing.programCommands = window->programCommands();
    placing.programList = &document_.program();
    placing.programPage = window->programPage();
    placing.stationSettings = &window->stationSettings();
    placing.oneSide = menus.oneSide;
    placing.sheets = menus.sheets;
    placing.notifier = parts.notifier;
    placing.dialogs = [window]() -> StationDialogs& { return window->dialogs(); };
    placementCommands_ = std::make_unique<PlacementCommands>(std::move(placing));
    parts.placementSettings = [placement = placementCommands_.get()] {
        return placement->settings();
    };
    converter_->setPlacementSource(
        [placement = placementCommands_.get()] { return placement->settings(); });
    svgCommands_ = std::make_unique<SvgCommands>(std::move(parts));
    QObject::connect(menus.openSvg, &QAction::triggered, svgCommands_.get(),
                     &SvgCommands::openDrawing);
    QObject::connect(menus.svgOptions, &QAction::triggered, svgCommands_.get(),
                     &SvgCommands::openOptions);
    QObject::connect(menus.optimizeProgram, &QAction::triggered, svgCommands_.get(),
                     &SvgCommands::optimizeProgram);
    QObject::connect(menus.fitProgram, &QAction::triggered, placementCommands_.get(),
                     &PlacementCommands::fitProgram);
    QObject::connect(menus.outlineProgram, &QAction::triggered, placementCommands_.get(),
                     &PlacementCommands::outlineProgram);
    // The chosen sheet is drawn on the plot with every preparation.
    ProgramCommands* commands = window->programCommands();
    commands->setSheetQuery(
        [placement = placementCommands_.get()] { return placement->sheetOnPlot(); });
    for (QAction* sheet : menus.sheets)
        QObject::connect(sheet, &QAction::triggered, commands, &ProgramCommands::refreshProgram);
}

// "Wstaw tekst…": the dialog, the place clicked on the plot while it is open.
void Station::wireText() {
    MainWindow* window = main_.get();
    TextCommandParts parts;
    parts.programCommands = window->programCommands();
    parts.programList = &document_.program();
    parts.programPage = window->programPage();
    parts.window = window;
    parts.notifier = [window]() -> Notifier& { return window->notifier(); };
    parts.converterSettings = [converter = converter_.get()] { return converter->settings(); };
    textCommands_ = std::make_unique<TextCommands>(std::move(parts));
    QObject::connect(window->menus().insertText, &QAction::triggered, textCommands_.get(),
                     &TextCommands::open);
    QObject::connect(window->plotWidget(), &PlotWidget::releasedAt, textCommands_.get(),
                     &TextCommands::plotClicked);
}

void Station::wireTransfer() {
    ControllerLink* link = &controller_->link();
    transferView_ =
        std::make_unique<StationTransferView>(*main_, [source = programSource_.get()](int index) {
            return source->programLineOf(index);
        });
    transferMonitor_ = std::make_unique<TransferMonitor>(*link, *transferView_);
    transferMonitor_->setProgram(programSource_.get());
    MainMenus& menus = main_->menus();
    main_->transferPage()->transferPanel()->setCommands(menus.holdSending, menus.holdSendingNow,
                                                        menus.resumeSending, menus.abortSending);
    ProgramCommands* commands = main_->programCommands();
    commands->setTransferQuery([link] { return link->transferActive(); });
    main_->setCloseQuestion(
        [link] { return link->transferActive() ? AppMessages::quitWhileSending() : QString(); });
    calibration_ = std::make_unique<CalibrationCommands>(*main_, *programSource_);
    QObject::connect(main_->menus().calibrateArm, &QAction::triggered, calibration_.get(),
                     &CalibrationCommands::open);
    QObject::connect(commands, &ProgramCommands::programPrepared, main_.get(), [this, link] {
        if (!link->transferActive()) {
            calibration_->programChanged();
            showLayers();
        }
        showEstimate();
        if (!link->transferActive())
            transferView_->programReplaced();
    });
    QObject::connect(&controller_->portSelectors(), &PortSelectors::baudRateChanged, main_.get(),
                     [this] { showEstimate(); });
    QObject::connect(controller_.get(), &ControllerWindowBinding::traceStarted, main_.get(),
                     [window = main_.get()](const QString& fileName) {
                         window->notify(AppMessages::traceFile(fileName));
                     });
    showEstimate();
    wireLayers();
    resume_ = std::make_unique<ResumeCommands>(*main_, *controller_, *programSource_);
    // The machine stays awake while a transfer runs or holds.
    sleepInhibitor_ = std::make_unique<SleepInhibitor>();
    sleepInhibitor_->follow(*link);
    QObject::connect(sleepInhibitor_.get(), &SleepInhibitor::unavailable, main_.get(),
                     [window = main_.get()](const QString& text) {
                         std::fprintf(stderr, "%s\n", qPrintable(text));
                         window->stationStatusBar()->setNote(text);
                     });
}

// The layer table: the operator's values lay the program out for sending;
// locked while a transfer runs; a hold it put in says its notice.
void Station::wireLayers() {
    ControllerLink* link = &controller_->link();
    MainWindow* window = main_.get();
    LayerTable* table = window->programPage()->layerTable();
    QObject::connect(table, &LayerTable::planChanged, window, [this, table, link, window] {
        if (link->transferActive())
            return;
        if (const Status laid = programSource_->setSendPlan(table->plan()); !laid)
            window->notify(laid.error());
        transferView_->programReplaced();
    });
    QObject::connect(table, &LayerTable::refused, window, &MainWindow::notify);
    QObject::connect(link, &ControllerLink::transferChanged, window,
                     [this, table, link, window](const TransferEvent& event) {
                         table->setLocked(link->transferActive());
                         if (event.step != TransferStep::Held)
                             return;
                         if (const QString notice = programSource_->holdNotice(event.index);
                             !notice.isEmpty())
                             window->stationStatusBar()->setNote(notice);
                     });
    showLayers();
}

void Station::showLayers() {
    TransferModel model;
    model.baud = controller_->portSelectors().baudRate();
    const ProgramText program = document_.program().snapshot();
    const std::vector<ProgramLayer> layers = SplitLayers(program);
    std::vector<QRgb> colours;
    for (const ProgramLayer& layer : layers)
        colours.push_back(MoveColour("01", layer.penZ ? FormatReal(*layer.penZ).toLatin1() : "",
                                     PlotColumn::Trajectory, main_->plotColours()));
    LayerTable* table = main_->programPage()->layerTable();
    table->showLayers(layers, colours,
                      [model](qint64 lines, qint64 bytes) { return model.seconds(lines, bytes); });
    if (const Status laid = programSource_->setSendPlan(table->plan()); !laid)
        main_->notify(laid.error());
}

void Station::showEstimate() {
    TransferModel model;
    model.baud = controller_->portSelectors().baudRate();
    transferMonitor_->setBaudRate(model.baud);
    const ProgramText program = document_.program().snapshot();
    main_->transferPage()->transferPanel()->showEstimate(
        [figures = MeasureProgram(program), model, bytes = program.byteCount()] {
            return StationTransferView::estimateText(figures, model, bytes);
        });
}

void Station::wireFiles(SettingsStore* store) {
    MainWindow* main = main_.get();
    ConverterWindow* converter = converter_.get();
    recentFiles_ = std::make_unique<RecentFilesMenu>(main->menus().recentFiles);
    fileOpener_ = std::make_unique<FileOpener>(*main);
    persistence_ = std::make_unique<StationPersistence>(*this, store);
    fileOpener_->setHpglOpener([converter](const QString& fileName) {
        converter->show();
        converter->raise();
        converter->activateWindow();
        converter->openPlotFile(fileName);
    });
    fileOpener_->setSvgImporter([svg = svgCommands_.get()](const QString& fileName) {
        return svg->openDrawingFile(fileName);
    });

    QObject::connect(recentFiles_.get(), &RecentFilesMenu::fileChosen, fileOpener_.get(),
                     &FileOpener::open);
    QObject::connect(fileOpener_.get(), &FileOpener::missing, recentFiles_.get(),
                     &RecentFilesMenu::remove);
    // Opening may ask questions: not inside the drop's own event.
    QObject::connect(main, &MainWindow::filesDropped, fileOpener_.get(), &FileOpener::openAll,
                     Qt::QueuedConnection);
    ProgramCommands* program = main->programCommands();
    StationPersistence* persistence = persistence_.get();
    QObject::connect(program, &ProgramCommands::programFileUsed, persistence,
                     &StationPersistence::programFileUsed);
    QObject::connect(program, &ProgramCommands::pictureSaved, persistence,
                     &StationPersistence::pictureSaved);
    QObject::connect(converter, &ConverterWindow::plotFileOpened, recentFiles_.get(),
                     &RecentFilesMenu::add);
    QObject::connect(main->menus().restoreDefaults, &QAction::triggered, persistence,
                     &StationPersistence::restoreDefaults);
    QObject::connect(main, &MainWindow::closing, persistence, &StationPersistence::save);
    QObject::connect(main->languageMenu(), &LanguageMenu::failed, main, &MainWindow::showError);
    persistence_->load();
}

void Station::showWindows() {
    persistence_->showWindows();
    persistence_->keepWritten();
}

void Station::openFiles(const QStringList& fileNames) {
    fileOpener_->openAll(fileNames);
}

void Station::shutDown() {
    simulationCommands_->stopForClosing();
    thread_->finishOnEventLoop();
}
