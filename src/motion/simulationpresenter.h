#pragma once

#include "gcode/plotcolours.h"
#include "motion/motionsink.h"
#include "motion/simulationstate.h"

#include <QImage>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <chrono>

class PlotSurface;
class PoseFieldsView;
class SimulationView;

// Shows what happens to the arm in the station's windows, on the
// user-interface thread. The hand-over (SimulationHandOver) calls it while
// the simulation thread waits; it stores the lines, plot pixels and panel
// contents at once and shows them at the next repaint, at most every
// kRepaintInterval. A pause, the end of a run and closing repaint at once.
class SimulationPresenter : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kRepaintInterval{40};

    // Which parts of a grid point travel together in one hand-over.
    struct PointParts {
        bool jointsStepped = false;
        bool poseReached = false;
        bool pointReached = false;
    };

    SimulationPresenter(SimulationView& view, PoseFieldsView& poseFields, PlotSurface& plot,
                        const SimulationState& start, QObject* parent = nullptr);

    // What happened to the arm (user-interface thread).
    void blockStarted(const QString& programLine);
    void moveStarting(const SimulationState& state);
    void penMoved(int penHeight);
    void pointParts(const SimulationState& state, PointParts parts);
    void positionChanged(const SimulationState& state);
    void runEnded(const RunOutcome& outcome);
    // A new run starts (its progress counts from 0), a run is held or goes on.
    void runStarting();
    void setHeld(bool held);

public slots:
    void repaintNow();

signals:
    // A run has ended and everything it did is shown.
    void runFinished(const RunOutcome& outcome);

private:
    void scheduleRepaint();

    SimulationView& view_;
    PoseFieldsView& poseFields_;
    PlotSurface& plot_;
    QTimer repaintTimer_;

    // Pending display contents, shown by the next repaint.
    QStringList doneLines_, pointLines_, jointLines_;
    SimulationState shown_;
    bool positionDirty_ = false;
    bool moveDirty_ = false;
    bool poseDirty_ = false;
    bool penDirty_ = false;
    bool plotDirty_ = false;
    bool figuresDirty_ = false;
    // The run's progress.
    qsizetype blocks_ = 0;
    qsizetype totalBlocks_ = 0;
    qint64 points_ = 0;
    bool held_ = false;
    bool progressDirty_ = false;
    // The interpolation colours, read afresh at every repaint (so a changed
    // colour applies within one repaint interval).
    PlotColours colours_;
    QImage positionImage_;
    QImage moveImage_;
};
