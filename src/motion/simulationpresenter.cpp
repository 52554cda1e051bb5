#include "motion/simulationpresenter.h"

#include "base/windows1250.h"
#include "gcode/plotsurface.h"
#include "motion/motiontexts.h"
#include "motion/positionpanels.h"
#include "motion/simulationview.h"

#include <algorithm>

namespace {

// Only this many characters of a program line are shown as the current block.
constexpr qsizetype kShownLineLength = 255;

} // namespace

SimulationPresenter::SimulationPresenter(SimulationView& view, PoseFieldsView& poseFields,
                                         PlotSurface& plot, const SimulationState& start,
                                         QObject* parent)
    : QObject(parent), view_(view), poseFields_(poseFields), plot_(plot),
      colours_(view.plotColours()), positionImage_(PositionPanels::makePanelImage()),
      moveImage_(PositionPanels::makePanelImage()) {
    repaintTimer_.setSingleShot(true);
    repaintTimer_.setInterval(kRepaintInterval);
    connect(&repaintTimer_, &QTimer::timeout, this, &SimulationPresenter::repaintNow);
    // Both panels as they stand before any run.
    PositionPanels::DrawMovePanel(moveImage_, start);
    PositionPanels::DrawPositionPanel(positionImage_, start);
    view_.showMovePanel(moveImage_);
    view_.showPositionPanel(positionImage_);
}

void SimulationPresenter::scheduleRepaint() {
    if (!repaintTimer_.isActive())
        repaintTimer_.start();
}

// The program memo gives up its first line; the block shown is that line
// (the program's own line when the memo is empty).
void SimulationPresenter::blockStarted(const QString& programLine) {
    ++blocks_;
    totalBlocks_ = std::max(view_.programLineCount(), blocks_);
    progressDirty_ = true;
    QString line = view_.takeFirstProgramLine().value_or(programLine);
    line.truncate(kShownLineLength);
    view_.showCurrentBlock(line);
    doneLines_ << line;
    scheduleRepaint();
}

void SimulationPresenter::moveStarting(const SimulationState& state) {
    PositionPanels::DrawMovePanel(moveImage_, state);
    moveDirty_ = true;
    scheduleRepaint();
}

void SimulationPresenter::penMoved(int penHeight) {
    shown_.penHeight = penHeight;
    penDirty_ = true;
    scheduleRepaint();
}

// The parts of one grid point, in their order.
void SimulationPresenter::pointParts(const SimulationState& state, PointParts parts) {
    if (parts.jointsStepped) {
        jointLines_ << MotionTexts::jointAnglesLine(state);
        figuresDirty_ = true;
    }
    if (parts.poseReached) {
        shown_.current = state.current;
        shown_.currentX = state.currentX;
        shown_.currentY = state.currentY;
        poseDirty_ = true;
    }
    if (parts.pointReached) {
        ++points_;
        progressDirty_ = true;
        pointLines_ << InterpolationLogLine(EncodeWindows1250(state.nText), state.currentX,
                                            state.currentY, state.z);
        plot_.plotInterpolationPoint(state.currentX, state.currentY, state.g, state.z, colours_);
        plotDirty_ = true;
    }
    scheduleRepaint();
}

void SimulationPresenter::positionChanged(const SimulationState& state) {
    shown_.nText = state.nText;
    shown_.gText = state.gText;
    shown_.tText = state.tText;
    shown_.zText = state.zText;
    shown_.currentX = state.currentX;
    shown_.currentY = state.currentY;
    positionDirty_ = true;
    scheduleRepaint();
}

void SimulationPresenter::runEnded(const RunOutcome& outcome) {
    repaintNow();
    using MotionTexts::ProgressState;
    const bool complete = outcome.end == RunEnd::EndBlock || outcome.end == RunEnd::EndOfList;
    view_.showProgress(MotionTexts::progress(
        complete ? ProgressState::Ended : ProgressState::Stopped, blocks_, totalBlocks_, points_));
    progressDirty_ = false;
    emit runFinished(outcome);
}

void SimulationPresenter::runStarting() {
    blocks_ = 0;
    points_ = 0;
    totalBlocks_ = view_.programLineCount();
    held_ = false;
    progressDirty_ = true;
    scheduleRepaint();
}

void SimulationPresenter::setHeld(bool held) {
    held_ = held;
    progressDirty_ = true;
    scheduleRepaint();
}

void SimulationPresenter::repaintNow() {
    using Field = PoseFieldsView::Field;
    repaintTimer_.stop();
    colours_ = view_.plotColours();
    if (!doneLines_.isEmpty())
        view_.appendSimulatedBlocks(std::exchange(doneLines_, {}));
    if (!pointLines_.isEmpty())
        view_.appendInterpolationLog(std::exchange(pointLines_, {}));
    if (!jointLines_.isEmpty())
        view_.appendJointLog(std::exchange(jointLines_, {}));
    if (figuresDirty_)
        view_.showInterpolationFigures(MotionTexts::kMinimumInterpolationAngle.toString(),
                                       MotionTexts::kResolutionErrors.toString());
    if (penDirty_)
        poseFields_.showPoseField(Field::Z, MotionTexts::zField(shown_.penHeight));
    if (poseDirty_) {
        poseFields_.showPoseField(Field::Alfa, MotionTexts::alfaField(shown_.current.alfa));
        poseFields_.showPoseField(Field::Beta, MotionTexts::betaField(shown_.current.beta));
        poseFields_.showPoseField(Field::X, MotionTexts::xField(shown_.currentX));
        poseFields_.showPoseField(Field::Y, MotionTexts::yField(shown_.currentY));
    }
    if (moveDirty_)
        view_.showMovePanel(moveImage_);
    if (positionDirty_) {
        PositionPanels::DrawPositionPanel(positionImage_, shown_);
        view_.showPositionPanel(positionImage_);
    }
    if (plotDirty_)
        view_.refreshPlot();
    if (progressDirty_) {
        using MotionTexts::ProgressState;
        view_.showProgress(MotionTexts::progress(
            held_ ? ProgressState::Held : ProgressState::Running, blocks_, totalBlocks_, points_));
        progressDirty_ = false;
    }
    penDirty_ = poseDirty_ = moveDirty_ = positionDirty_ = plotDirty_ = figuresDirty_ = false;
}
