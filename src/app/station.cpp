#include "app/station.h"

#include "app/mainwindow.h"
#include "app/programcommands.h"
#include "controller/controllerlink.h"
#include "controller/widgets/controllerwindowbinding.h"
#include "hpgl/converterwindow.h"
#include "motion/simulationbinding.h"
#include "motion/simulationthread.h"
#include "view3d/visualisationwindow.h"

#include <QCoreApplication>

Station::Station() : thread_(std::make_unique<SimulationThread>()) {
    main_ = std::make_unique<MainWindow>();
    visualisation_ = std::make_unique<VisualisationWindow>(pose_);
    converter_ = std::make_unique<ConverterWindow>();
    main_->setCompanionWindows(visualisation_.get(), converter_.get());

    simulation_ =
        std::make_unique<SimulationBinding>(main_.get(), visualisation_.get(), *thread_,
                                            main_->programList(), main_->plotSurface(), pose_);
    // The binding makes itself a child of the main window; the station owns it
    // alone, so that it goes (stopping the run) before any window does.
    simulation_->setParent(nullptr);
    // Simulation points take the colour shapes' colours at the moment they are drawn.
    simulation_->setPlotColours([window = main_.get()] { return window->plotColours(); });
    // A failed run is reported like every other error of the main window.
    simulation_->setErrorReporter(
        [window = main_.get()](const QString& text) { window->showError(text); });

    controller_ = ControllerWindowBinding::attach(main_.get(), main_->programList());
    ProgramCommands* commands = main_->programCommands();
    QObject::connect(commands, &ProgramCommands::programPrepared, controller_,
                     &ControllerWindowBinding::programPrepared);
    commands->setReferenceSetQuery(
        [link = &controller_->link()] { return link->state().referenceSet(); });

    // "Zakończ" in the converter window ends the whole station.
    QObject::connect(converter_.get(), &ConverterWindow::quitRequested, main_.get(),
                     &MainWindow::exitStation);
}

Station::~Station() {
    // The binding stops the run and carries out its last hand-overs; then the
    // windows go, and the thread last.
    simulation_.reset();
    main_.reset();
    visualisation_.reset();
    converter_.reset();
}

void Station::shutDown() {
    simulation_->stopForClosing();
    thread_->finishOnEventLoop();
}
