#include "app/stationsimulationview.h"

#include "app/controllersettingspage.h"
#include "app/logspage.h"
#include "app/mainwindow.h"
#include "app/plotwidget.h"
#include "app/programpage.h"
#include "app/simulationpage.h"
#include "app/stationstatusbar.h"
#include "controller/widgets/boundedlog.h"
#include "gcode/programmemo.h"

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace {

// The status bar panel that shows the simulation's progress.
constexpr int kProgressPanel = 5;

void setText(QLineEdit* field, const QString& text) {
    if (field->text() != text)
        field->setText(text);
}

// Appends the lines, keeping the log's last lines only, and keeps the start
// of the last line in view (appending would scroll a memo without wrapping
// to the end of the last line).
void appendLines(QPlainTextEdit* memo, const QStringList& lines) {
    BoundedLog::append(memo, lines);
    QTextCursor cursor = memo->textCursor();
    cursor.movePosition(QTextCursor::End);
    cursor.movePosition(QTextCursor::StartOfBlock);
    memo->setTextCursor(cursor);
}

} // namespace

std::optional<QString> StationSimulationView::takeFirstProgramLine() {
    ProgramMemo* memo = window_.programPage()->programMemo();
    if (memo->lineCount() == 0)
        return std::nullopt;
    QString line = memo->line(0);
    memo->removeFirstLine();
    return line;
}

void StationSimulationView::showCurrentBlock(const QString& line) {
    setText(window_.programPage()->currentBlockEdit(), line);
}

void StationSimulationView::appendSimulatedBlocks(const QStringList& lines) {
    appendLines(window_.programPage()->simulatedMemo(), lines);
}

void StationSimulationView::appendInterpolationLog(const QStringList& lines) {
    appendLines(window_.logsPage()->interpolationLog(), lines);
}

void StationSimulationView::appendJointLog(const QStringList& lines) {
    appendLines(window_.logsPage()->jointLog(), lines);
}

void StationSimulationView::showInterpolationFigures(const QString& minimumAngle,
                                                     const QString& errors) {
    setText(window_.controllerSettingsPage()->minimumInterpolationAngleEdit(), minimumAngle);
    setText(window_.controllerSettingsPage()->resolutionErrorsEdit(), errors);
}

void StationSimulationView::showPositionPanel(const QImage& panel) {
    window_.simulationPage()->setPositionPicture(panel);
}

void StationSimulationView::showMovePanel(const QImage& panel) {
    window_.simulationPage()->setMovePicture(panel);
}

void StationSimulationView::refreshPlot() {
    window_.plotWidget()->update();
}

void StationSimulationView::setStartEnabled(bool enabled) {
    window_.menus().startSimulation->setEnabled(enabled);
}

void StationSimulationView::setStopEnabled(bool enabled) {
    window_.menus().stopSimulation->setEnabled(enabled);
}

void StationSimulationView::setSimulationMenuEnabled(bool enabled) {
    window_.menus().setSimulationMenuEnabled(enabled);
}

PlotColours StationSimulationView::plotColours() const {
    return window_.plotColours();
}

void StationSimulationView::reportSimulationError(const QString& text) {
    window_.showError(text);
}

qsizetype StationSimulationView::programLineCount() const {
    return window_.programList().lineCount();
}

void StationSimulationView::showProgress(const QString& text) {
    window_.stationStatusBar()->setPanelText(kProgressPanel, text);
}
