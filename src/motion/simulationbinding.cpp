#include "motion/simulationbinding.h"

#include "gcode/plotsurface.h"
#include "base/windows1250.h"
#include "motion/motiontexts.h"
#include "motion/positionpanels.h"
#include "motion/simulationthread.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMetaMethod>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QThread>

namespace {

// Only this many characters of a program line are shown as the current block.
constexpr qsizetype kShownLineLength = 255;

// A control of `root`'s own window (not of a window parented to it).
template <typename T> T* findControl(QWidget* root, const char* name) {
    if (!root)
        return nullptr;
    const QList<T*> found = root->findChildren<T*>(QLatin1String(name));
    for (T* control : found) {
        if constexpr (std::is_base_of_v<QWidget, T>) {
            if (control->window() != root->window())
                continue;
        }
        return control;
    }
    return nullptr;
}

void setEnabled(QAction* action, bool enabled) {
    if (action)
        action->setEnabled(enabled);
}

void setText(QLineEdit* field, const QString& text) {
    if (field && field->text() != text)
        field->setText(text);
}

// Appends the lines and keeps the start of the lines in view (appending
// would scroll a memo without wrapping to the end of the last line).
void appendLines(QPlainTextEdit* memo, QStringList& lines) {
    if (memo && !lines.isEmpty()) {
        memo->appendPlainText(lines.join(QLatin1Char('\n')));
        QTextCursor cursor = memo->textCursor();
        cursor.movePosition(QTextCursor::End);
        cursor.movePosition(QTextCursor::StartOfBlock);
        memo->setTextCursor(cursor);
    }
    lines.clear();
}

void showImage(QLabel* label, const QImage& image) {
    if (label)
        label->setPixmap(QPixmap::fromImage(image));
}

} // namespace

SimulationBinding::SimulationBinding(QWidget* mainWindow, QWidget* visualisationWindow,
                                     SimulationThread& thread, ProgramList& program,
                                     PlotSurface& plot, ViewPose& view)
    : QObject(mainWindow), thread_(thread), plot_(plot), mainWindow_(mainWindow),
      visualisationWindow_(visualisationWindow), positionImage_(PositionPanels::makePanelImage()),
      moveImage_(PositionPanels::makePanelImage()) {
    setObjectName(QStringLiteral("SimulationBinding"));
    findControls(mainWindow, visualisationWindow);
    reportError_ = [this](const QString& text) {
        QMessageBox::critical(mainWindow_, QStringLiteral("SCARA"), text);
    };
    plotColours_ = [] { return PlotColours::defaults(); };

    thread_.setProgram(&program);
    thread_.setViewPose(&view);
    thread_.setSink(this);
    thread_.setPenWait(arm::kPenWait);

    repaintTimer_.setSingleShot(true);
    repaintTimer_.setInterval(kRepaintIntervalMs);
    connect(&repaintTimer_, &QTimer::timeout, this, &SimulationBinding::repaintNow);
    if (startAction_)
        connect(startAction_, &QAction::triggered, this, &SimulationBinding::startSimulation);
    if (stopAction_)
        connect(stopAction_, &QAction::triggered, this, &SimulationBinding::pauseSimulation);
    connectWindowSignals(mainWindow);
    connect(qApp, &QCoreApplication::aboutToQuit, this, &SimulationBinding::finishSimulation);

    // Both panels as they stand before any run.
    PositionPanels::DrawMovePanel(moveImage_, thread_.state());
    PositionPanels::DrawPositionPanel(positionImage_, thread_.state());
    showImage(movePanel_, moveImage_);
    showImage(positionPanel_, positionImage_);
}

SimulationBinding::~SimulationBinding() {
    closing_.store(true);
    thread_.control().requestStop();
    thread_.control().hurry();
    thread_.control().resume();
    // A hand-over already on its way is still carried out; no other comes.
    while (!thread_.waitForEnd(QDeadlineTimer(10)))
        QCoreApplication::sendPostedEvents(&gate_, QEvent::MetaCall);
    thread_.setSink(nullptr);
}

void SimulationBinding::findControls(QWidget* main, QWidget* visual) {
    programMemo_ = findControl<QWidget>(main, "Memo1");
    doneMemo_ = findControl<QPlainTextEdit>(main, "Memo2");
    currentBlock_ = findControl<QLineEdit>(main, "Edit1");
    pointLog_ = findControl<QPlainTextEdit>(main, "Memo3");
    jointLog_ = findControl<QPlainTextEdit>(main, "Memo4");
    interpolationAngle_ = findControl<QLineEdit>(main, "Edit5");
    resolutionErrors_ = findControl<QLineEdit>(main, "Edit6");
    plotWidget_ = findControl<QWidget>(main, "Image1");
    positionPanel_ = findControl<QLabel>(main, "Image2");
    movePanel_ = findControl<QLabel>(main, "Image3");
    startAction_ = findControl<QAction>(main, "Startsymulacji2");
    stopAction_ = findControl<QAction>(main, "StopSymulacji1");
    simulationMenu_ = findControl<QAction>(main, "Startsymulacji1");
    alfaField_ = findControl<QLineEdit>(visual, "Edit1");
    betaField_ = findControl<QLineEdit>(visual, "Edit2");
    xField_ = findControl<QLineEdit>(visual, "Edit3");
    yField_ = findControl<QLineEdit>(visual, "Edit4");
    zField_ = findControl<QLineEdit>(visual, "Edit5");
}

// The main window's signals, found by signature so that the binding needs
// nothing of the window's own library.
void SimulationBinding::connectWindowSignals(QObject* mainWindow) {
    if (!mainWindow)
        return;
    const std::pair<const char*, const char*> wiring[] = {
        {"exitRequested()", "finishSimulation()"},
        {"closing()", "stopForClosing()"},
        {"startPointReset()", "startPointReset()"},
        {"programPrepared()", "programPrepared()"},
    };
    QList<QObject*> senders = mainWindow->findChildren<QObject*>();
    senders.prepend(mainWindow);
    for (const auto& [signal, slot] : wiring) {
        const QMetaMethod target = metaObject()->method(metaObject()->indexOfSlot(slot));
        for (QObject* sender : senders) {
            const int index = sender->metaObject()->indexOfSignal(signal);
            if (index < 0 || sender == this)
                continue;
            connect(sender, sender->metaObject()->method(index), this, target);
            break;
        }
    }
}

void SimulationBinding::setErrorReporter(std::function<void(const QString&)> reporter) {
    reportError_ = std::move(reporter);
}

void SimulationBinding::setPlotColours(std::function<PlotColours()> colours) {
    plotColours_ = std::move(colours);
    colours_ = plotColours_();
}

// ---- commands (user-interface thread) ----

void SimulationBinding::startSimulation() {
    if (visualisationWindow_)
        visualisationWindow_->show();
    setEnabled(stopAction_, true);
    setEnabled(startAction_, false);
    finished_ = false;
    thread_.resume();
}

void SimulationBinding::pauseSimulation() {
    setEnabled(stopAction_, false);
    setEnabled(startAction_, true);
    thread_.pause();
    repaintNow();
}

void SimulationBinding::finishSimulation() {
    thread_.finishOnEventLoop();
    repaintNow();
}

void SimulationBinding::stopForClosing() {
    thread_.control().requestStop();
    thread_.control().hurry();
    thread_.control().resume();
}

void SimulationBinding::startPointReset() {
    thread_.requestStartAtHome();
    allowNewRun();
}

void SimulationBinding::programPrepared() {
    allowNewRun();
}

// After a finished run a newly opened or prepared program may be run again,
// from its first line, with the pose and the pen where the last run left them.
void SimulationBinding::allowNewRun() {
    if (finished_)
        setEnabled(startAction_, true);
}

void SimulationBinding::endRun(const RunOutcome& outcome) {
    repaintNow();
    finished_ = true;
    setEnabled(stopAction_, false);
    setEnabled(simulationMenu_, true);
    setEnabled(startAction_, false);
    if (outcome.end == RunEnd::Failed && reportError_)
        reportError_(outcome.error);
}

// ---- hand-overs ----

template <typename Fn> void SimulationBinding::handOver(Fn&& fn) {
    if (closing_.load(std::memory_order_relaxed))
        return;
    gate_.run([this, &fn] {
        applyStaged();
        fn();
    });
}

void SimulationBinding::scheduleRepaint() {
    if (!repaintTimer_.isActive())
        repaintTimer_.start();
}

void SimulationBinding::advanceProgramView(const QString& programLine) {
    handOver([&] {
        QString line = programLine;
        if (auto* memo = qobject_cast<QPlainTextEdit*>(programMemo_.data())) {
            const QTextBlock first = memo->document()->firstBlock();
            if (!memo->document()->isEmpty()) {
                line = first.text();
                QTextCursor cursor(first);
                if (first.next().isValid())
                    cursor.setPosition(first.next().position(), QTextCursor::KeepAnchor);
                else
                    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
                cursor.removeSelectedText();
            }
        } else if (programMemo_) {
            qsizetype count = 0;
            QMetaObject::invokeMethod(programMemo_, "lineCount", Q_RETURN_ARG(qsizetype, count));
            if (count > 0) {
                QMetaObject::invokeMethod(programMemo_, "line", Q_RETURN_ARG(QString, line),
                                          Q_ARG(qsizetype, 0));
                QMetaObject::invokeMethod(programMemo_, "removeFirstLine");
            }
        }
        line.truncate(kShownLineLength);
        setText(currentBlock_, line);
        doneLines_ << line;
        scheduleRepaint();
    });
}

void SimulationBinding::drawMovePanel(const SimulationState& state) {
    handOver([&] {
        PositionPanels::DrawMovePanel(moveImage_, state);
        moveDirty_ = true;
        scheduleRepaint();
    });
}

void SimulationBinding::showPenHeight(const SimulationState& state) {
    handOver([&] {
        shown_.penHeight = state.penHeight;
        penDirty_ = true;
        scheduleRepaint();
    });
}

void SimulationBinding::logJointAngles(const SimulationState& state) {
    staged_ = &state;
    stagedLog_ = true;
}

void SimulationBinding::showPose(const SimulationState& state) {
    staged_ = &state;
    stagedPose_ = true;
}

void SimulationBinding::plotInterpolationPoint(const SimulationState& state) {
    staged_ = &state;
    stagedPlot_ = true;
}

void SimulationBinding::drawPositionPanel(const SimulationState& state) {
    handOver([&] {
        shown_.nText = state.nText;
        shown_.gText = state.gText;
        shown_.tText = state.tText;
        shown_.zText = state.zText;
        shown_.currentX = state.currentX;
        shown_.currentY = state.currentY;
        positionDirty_ = true;
        scheduleRepaint();
    });
}

// The staged calls of the current point, in their order (user-interface
// thread, inside a hand-over).
void SimulationBinding::applyStaged() {
    if (!staged_)
        return;
    const SimulationState& state = *staged_;
    if (stagedLog_) {
        jointLines_ << MotionTexts::jointAnglesLine(state);
        setText(interpolationAngle_, MotionTexts::kMinimumInterpolationAngle.toString());
        setText(resolutionErrors_, MotionTexts::kResolutionErrors.toString());
    }
    if (stagedPose_) {
        shown_.current = state.current;
        shown_.currentX = state.currentX;
        shown_.currentY = state.currentY;
        poseDirty_ = true;
    }
    if (stagedPlot_) {
        pointLines_ << InterpolationLogLine(EncodeWindows1250(state.nText), state.currentX,
                                            state.currentY, state.z);
        plot_.plotInterpolationPoint(state.currentX, state.currentY, state.g, state.z, colours_);
        plotDirty_ = true;
    }
    staged_ = nullptr;
    stagedLog_ = stagedPose_ = stagedPlot_ = false;
    scheduleRepaint();
}

void SimulationBinding::runEnded(const RunOutcome& outcome) {
    handOver([&] { endRun(outcome); });
}

// ---- repaint (user-interface thread) ----

void SimulationBinding::repaintNow() {
    repaintTimer_.stop();
    colours_ = plotColours_();
    appendLines(doneMemo_, doneLines_);
    appendLines(pointLog_, pointLines_);
    appendLines(jointLog_, jointLines_);
    if (penDirty_)
        setText(zField_, MotionTexts::zField(shown_.penHeight));
    if (poseDirty_) {
        setText(alfaField_, MotionTexts::alfaField(shown_.current.alfa));
        setText(betaField_, MotionTexts::betaField(shown_.current.beta));
        setText(xField_, MotionTexts::xField(shown_.currentX));
        setText(yField_, MotionTexts::yField(shown_.currentY));
    }
    if (moveDirty_)
        showImage(movePanel_, moveImage_);
    if (positionDirty_) {
        PositionPanels::DrawPositionPanel(positionImage_, shown_);
        showImage(positionPanel_, positionImage_);
    }
    if (plotDirty_ && plotWidget_)
        plotWidget_->update();
    penDirty_ = poseDirty_ = moveDirty_ = positionDirty_ = plotDirty_ = false;
}
