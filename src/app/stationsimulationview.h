#pragma once

#include "motion/simulationview.h"

class MainWindow;

// The main window's side of the simulation: Memo1 gives up its lines, Memo2,
// Edit1 (page "G-kod"), Memo3, Memo4 (page "G-kod II"), Edit5, Edit6 (page
// "Ustawienia sterownika"), Image2, Image3 (page "Symulacja"), the plot Image1
// the menu "Symulacja" and the status bar's last panel show the run.
class StationSimulationView : public SimulationView {
public:
    explicit StationSimulationView(MainWindow& window) : window_(window) {}

    std::optional<QString> takeFirstProgramLine() override;
    void showCurrentBlock(const QString& line) override;
    void appendSimulatedBlocks(const QStringList& lines) override;
    void appendInterpolationLog(const QStringList& lines) override;
    void appendJointLog(const QStringList& lines) override;
    void showInterpolationFigures(const QString& minimumAngle, const QString& errors) override;
    void showPositionPanel(const QImage& panel) override;
    void showMovePanel(const QImage& panel) override;
    void refreshPlot() override;
    void setStartEnabled(bool enabled) override;
    void setStopEnabled(bool enabled) override;
    void setSimulationMenuEnabled(bool enabled) override;
    PlotColours plotColours() const override;
    void reportSimulationError(const QString& text) override;
    qsizetype programLineCount() const override;
    void showProgress(const QString& text) override; // StatusPanel5

private:
    MainWindow& window_;
};
