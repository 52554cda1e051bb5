#pragma once

#include "motion/viewpose.h"

#include <memory>

class ControllerWindowBinding;
class ConverterWindow;
class MainWindow;
class SimulationBinding;
class SimulationThread;
class VisualisationWindow;

// The whole station, put together in its start-up order: the simulation
// thread first (not running, idle priority), then the main window TForm1, the
// visualisation window TForm2 and the converter window TForm3, the last two
// hidden; then the bindings that attach the simulation and the controller
// link to the main window's controls. The pose the simulation writes and the
// 3D view draws outlives all of them.
class Station {
public:
    Station();
    ~Station();

    MainWindow& mainWindow() { return *main_; }
    VisualisationWindow& visualisationWindow() { return *visualisation_; }
    ConverterWindow& converterWindow() { return *converter_; }
    SimulationThread& simulationThread() { return *thread_; }
    SimulationBinding& simulation() { return *simulation_; }
    ControllerWindowBinding& controller() { return *controller_; }
    ViewPose& viewPose() { return pose_; }

    // Ends the run: asks the simulation thread to stop (without waiting for a
    // pen travel) and waits for it, so that nothing outlives the windows.
    void shutDown();

private:
    ViewPose pose_;
    std::unique_ptr<SimulationThread> thread_;
    std::unique_ptr<MainWindow> main_;
    std::unique_ptr<VisualisationWindow> visualisation_;
    std::unique_ptr<ConverterWindow> converter_;
    std::unique_ptr<SimulationBinding> simulation_;
    ControllerWindowBinding* controller_ = nullptr;
};
