#pragma once

#include "gcode/plotcolours.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <optional>

// What the simulation shows in the main window and asks of it: the program
// memo it takes its lines from, the memos and fields it writes, the two
// position panels, the plot and the "Symulacja" menu. The main window's pages
// implement it; tests implement it with plain values.
class SimulationView {
public:
    virtual ~SimulationView() = default;

    // Takes the first line off the program memo (the block being simulated)
    // and returns it; nothing when the memo is empty.
    virtual std::optional<QString> takeFirstProgramLine() = 0;
    // The block being simulated (Edit1).
    virtual void showCurrentBlock(const QString& line) = 0;
    // Lines added at the end of the simulated-blocks memo (Memo2), the
    // interpolation log (Memo3) and the joint-angle log (Memo4).
    virtual void appendSimulatedBlocks(const QStringList& lines) = 0;
    virtual void appendInterpolationLog(const QStringList& lines) = 0;
    virtual void appendJointLog(const QStringList& lines) = 0;
    // "Minimalny kąt interpolacji:" (Edit5) and "Ilosc bledow rozdzielczosci" (Edit6).
    virtual void showInterpolationFigures(const QString& minimumAngle, const QString& errors) = 0;
    // The position panel (Image2) and the move panel (Image3).
    virtual void showPositionPanel(const QImage& panel) = 0;
    virtual void showMovePanel(const QImage& panel) = 0;
    // The plot surface has new points: repaint the plot (Image1).
    virtual void refreshPlot() = 0;
    // "Start symulacja" (Startsymulacji2), "Stop Symulacji" (StopSymulacji1)
    // and the menu "Symulacja" itself (Startsymulacji1).
    virtual void setStartEnabled(bool enabled) = 0;
    virtual void setStopEnabled(bool enabled) = 0;
    virtual void setSimulationMenuEnabled(bool enabled) = 0;
    // The colours interpolation points are drawn in, read at every repaint.
    virtual PlotColours plotColours() const = 0;
    // A run that failed.
    virtual void reportSimulationError(const QString& text) = 0;
    // The number of lines of the program being simulated.
    virtual qsizetype programLineCount() const = 0;
    // How far the run has got, or how it ended (MotionTexts::progress).
    virtual void showProgress(const QString& text) = 0;
};

// The visualisation window's side: its five info fields, and the window
// itself, shown when a run starts.
class PoseFieldsView {
public:
    enum class Field { Alfa, Beta, X, Y, Z };

    virtual ~PoseFieldsView() = default;
    virtual void showPoseField(Field field, const QString& text) = 0;
    virtual void showPoseWindow() = 0;
};
