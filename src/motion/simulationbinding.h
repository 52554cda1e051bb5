#pragma once

#include "gcode/plotcolours.h"
#include "motion/handovergate.h"
#include "motion/motionsink.h"
#include "motion/simulationstate.h"

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <atomic>
#include <functional>

class PlotSurface;
class ProgramList;
class QAction;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QWidget;
class SimulationThread;
class ViewPose;

// Binds the simulation thread to the station's windows. It finds the
// controls by objectName: on the main window Memo1 (program), Memo2, Edit1,
// Memo3, Memo4, Edit5, Edit6, Image1 (plot), Image2, Image3 (position panels),
// the actions Startsymulacji2, StopSymulacji1 and Startsymulacji1 (the
// "Symulacja" menu); on the visualisation window Edit1..Edit5. It carries out
// the menu commands and is the thread's sink: each call is handed over to the
// user-interface thread and the simulation thread waits until it is done.
// The calls of one grid point (log line, pose, plot point, position panel)
// travel together in one hand-over, made at the point's last call, in their
// order.
//
// Memos, panels, the plot widget and the 3D window's fields are repainted
// together at most every kRepaintInterval: the hand-over stores the line,
// pixel or panel contents at once, the repaint shows them. A pause, the end
// of a run and closing repaint at once.
//
// Signals of the main window are found by signature and connected when
// present: exitRequested() (finish the current point, then close), closing()
// (stop without waiting for pen travel), startPointReset() and
// programPrepared() (a new run may start).
class SimulationBinding : public QObject, private MotionSink {
    Q_OBJECT
public:
    static constexpr int kRepaintIntervalMs = 40;

    SimulationBinding(QWidget* mainWindow, QWidget* visualisationWindow, SimulationThread& thread,
                      ProgramList& program, PlotSurface& plot, ViewPose& view);
    ~SimulationBinding() override;

    // Where a failed run is reported (default: a message box over the main
    // window) and where the interpolation colours come from (default: the
    // main window's plotColours() when it has one, else the defaults).
    void setErrorReporter(std::function<void(const QString&)> reporter);
    void setPlotColours(std::function<PlotColours()> colours);

    bool isRunFinished() const { return finished_; }

public slots:
    void startSimulation();  // "Start symulacja"
    void pauseSimulation();  // "Stop Symulacji"
    void finishSimulation(); // "Zakończ": finish the current point, handing over
    void stopForClosing();   // the window closes: stop, skip pen waits
    void startPointReset();  // a program file was opened
    void programPrepared();  // a preparation completed
    void repaintNow();

private:
    void findControls(QWidget* mainWindow, QWidget* visualisationWindow);
    void connectWindowSignals(QObject* mainWindow);
    template <typename Fn> void handOver(Fn&& fn);
    void scheduleRepaint();
    void allowNewRun();
    void endRun(const RunOutcome& outcome);
    void applyStaged();

    // MotionSink, called on the simulation thread.
    void advanceProgramView(const QString& line) override;
    void drawMovePanel(const SimulationState& state) override;
    void showPenHeight(const SimulationState& state) override;
    void logJointAngles(const SimulationState& state) override;
    void showPose(const SimulationState& state) override;
    void plotInterpolationPoint(const SimulationState& state) override;
    void drawPositionPanel(const SimulationState& state) override;
    void runEnded(const RunOutcome& outcome) override;

    HandOverGate gate_;
    SimulationThread& thread_;
    PlotSurface& plot_;
    QPointer<QWidget> mainWindow_;
    QPointer<QWidget> programMemo_;
    QPointer<QPlainTextEdit> doneMemo_, pointLog_, jointLog_;
    QPointer<QLineEdit> currentBlock_, interpolationAngle_, resolutionErrors_;
    QPointer<QWidget> plotWidget_;
    QPointer<QLabel> positionPanel_, movePanel_;
    QPointer<QLineEdit> alfaField_, betaField_, xField_, yField_, zField_;
    QPointer<QWidget> visualisationWindow_;
    QPointer<QAction> startAction_, stopAction_, simulationMenu_;
    std::function<void(const QString&)> reportError_;
    std::function<PlotColours()> plotColours_;

    // Pending display contents, shown by the next repaint (UI thread only).
    QStringList doneLines_, pointLines_, jointLines_;
    SimulationState shown_;
    bool positionDirty_ = false;
    bool moveDirty_ = false;
    bool poseDirty_ = false;
    bool penDirty_ = false;
    bool plotDirty_ = false;
    // The interpolation colours, read afresh at every repaint (so a changed
    // colour applies within one repaint interval).
    PlotColours colours_ = PlotColours::defaults();
    QImage positionImage_;
    QImage moveImage_;
    QTimer repaintTimer_;

    // The calls of a point that wait for its one hand-over (written by the
    // simulation thread, read by the user-interface thread during the
    // hand-over while the simulation thread waits).
    const SimulationState* staged_ = nullptr;
    bool stagedLog_ = false;
    bool stagedPose_ = false;
    bool stagedPlot_ = false;

    bool finished_ = false;
    std::atomic<bool> closing_{false};
};
