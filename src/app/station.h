#pragma once

#include "app/stationdocument.h"
#include "motion/viewpose.h"

#include <memory>

class ControllerWindowBinding;
class ConverterWindow;
class FileOpener;
class RecentFilesMenu;
class SettingsStore;
class StationPersistence;
class MainWindow;
class CalibratedProgramSource;
class CalibrationCommands;
class ResumeCommands;
class SimulationCommands;
class SimulationHandOver;
class SimulationPresenter;
class SimulationThread;
class StationSimulationView;
class PlacementCommands;
class SvgCommands;
class TextCommands;
class StationTransferView;
class SleepInhibitor;
class TransferMonitor;
class VisualisationWindow;

// The whole station, put together in its start-up order: the simulation
// thread first (not running, idle priority), then the main window TForm1, the
// visualisation window TForm2 and the converter window TForm3, the last two
// hidden; then the simulation's parts (the main window's view of it, the
// presenter, the thread's hand-over, the commands) and the controller link's
// binding and the transfer's monitor, each wired to the windows with typed connections. The station
// owns every part from its creation; the document (program, plot, settings)
// and the pose the simulation writes and the 3D view draws outlive all of
// them.
//
// With a settings store, the station starts with the settings the store
// holds and writes them back when the main window closes; without one
// (tests), every start is a first start and nothing is written.
class Station {
public:
    explicit Station(SettingsStore* store = nullptr);
    ~Station();

    MainWindow& mainWindow() { return *main_; }
    VisualisationWindow& visualisationWindow() { return *visualisation_; }
    ConverterWindow& converterWindow() { return *converter_; }
    SimulationThread& simulationThread() { return *thread_; }
    SimulationCommands& simulation() { return *simulationCommands_; }
    SimulationPresenter& simulationPresenter() { return *presenter_; }
    ControllerWindowBinding& controller() { return *controller_; }
    SvgCommands& svgCommands() { return *svgCommands_; }
    PlacementCommands& placementCommands() { return *placementCommands_; }
    TextCommands& textCommands() { return *textCommands_; }
    TransferMonitor& transferMonitor() { return *transferMonitor_; }
    CalibrationCommands& calibration() { return *calibration_; }
    // What the controller link sends: the program, corrected for the arm's
    // calibration when one is in force.
    const CalibratedProgramSource& programSource() const { return *programSource_; }
    // Sending from a line, the transfer journal and resuming from it.
    ResumeCommands& resume() { return *resume_; }
    ViewPose& viewPose() { return pose_; }
    StationDocument& document() { return document_; }
    StationPersistence& persistence() { return *persistence_; }
    RecentFilesMenu& recentFiles() { return *recentFiles_; }

    // Shows the windows as they were left (the main window maximised at the
    // first start).
    void showWindows();
    // Opens files given on the command line, each where its kind belongs.
    void openFiles(const QStringList& fileNames);

    // Ends the run: asks the simulation thread to stop (without waiting for a
    // pen travel) and waits for it, so that nothing outlives the windows.
    void shutDown();

private:
    void wireSimulation();
    void wireController();
    void wireDrawings();
    void wireText();
    void wireTransfer();
    // The estimate of the prepared program at the chosen line speed.
    void wireLayers();
    void showLayers();
    void showEstimate();
    void wireFiles(SettingsStore* store);

    ViewPose pose_;
    StationDocument document_;
    std::unique_ptr<SimulationThread> thread_;
    std::unique_ptr<MainWindow> main_;
    std::unique_ptr<VisualisationWindow> visualisation_;
    std::unique_ptr<ConverterWindow> converter_;
    std::unique_ptr<StationSimulationView> simulationView_;
    std::unique_ptr<SimulationPresenter> presenter_;
    std::unique_ptr<SimulationHandOver> handOver_;
    std::unique_ptr<SimulationCommands> simulationCommands_;
    std::unique_ptr<CalibratedProgramSource> programSource_;
    std::unique_ptr<CalibrationCommands> calibration_;
    std::unique_ptr<ControllerWindowBinding> controller_;
    std::unique_ptr<SvgCommands> svgCommands_;
    std::unique_ptr<PlacementCommands> placementCommands_;
    std::unique_ptr<TextCommands> textCommands_;
    std::unique_ptr<StationTransferView> transferView_;
    std::unique_ptr<TransferMonitor> transferMonitor_;
    std::unique_ptr<RecentFilesMenu> recentFiles_;
    std::unique_ptr<FileOpener> fileOpener_;
    std::unique_ptr<StationPersistence> persistence_;
    std::unique_ptr<ResumeCommands> resume_;
    std::unique_ptr<SleepInhibitor> sleepInhibitor_;
};
