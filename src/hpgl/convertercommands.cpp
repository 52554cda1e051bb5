#include "hpgl/convertercommands.h"

#include "drawing/drawingprogram.h"
#include "drawing/pathoptimizer.h"
#include "gcode/programmemo.h"
#include "hpgl/convertersettingspages.h"
#include "hpgl/hpglmessages.h"
#include "hpgl/integertext.h"
#include "hpgl/plotfile.h"
#include "hpgl/plotfitting.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTimer>

#include <chrono>
#include <limits>

namespace {

using namespace std::chrono_literals;

// Time between two repaints of a long conversion, and the bounds of the
// lines converted in one step.
constexpr auto kStepBudget = 40ms;
constexpr qsizetype kFewestLinesPerStep = 256;
constexpr qsizetype kMostLinesPerStep = 1 << 20;

} // namespace

ConverterCommands::ConverterCommands(ProgramMemo& input, ProgramMemo& output,
                                     ConverterSettingsPages& pages, ConverterView& view,
                                     QObject* parent)
    : QObject(parent), input_(input), output_(output), pages_(pages), view_(view),
      stepTimer_(new QTimer(this)) {
    stepTimer_->setSingleShot(true);
    stepTimer_->setInterval(0);
    connect(stepTimer_, &QTimer::timeout, this, &ConverterCommands::runSteps);
    // FormCreate: the numbering starts at "Do:"; the progress at 0.
    if (const Result<qint32> start = readInteger(pages_.lineStepText()); start)
        state_.LineNumber = *start;
}

ConverterCommands::~ConverterCommands() = default;

void ConverterCommands::restartNumbering() {
    const qsizetype converted = output_.lineCount();
    if (isConverting() || converted > 1 || (converted == 1 && !output_.line(0).isEmpty()))
        return;
    if (const Result<qint32> start = readInteger(pages_.lineStepText()); start)
        state_.LineNumber = *start;
}

void ConverterCommands::setMaximumAtSp0(std::optional<qsizetype> sp0) {
    if (!sp0)
        return;
    progress_.setMaximum(int(std::min<qsizetype>(*sp0, std::numeric_limits<int>::max())));
    view_.showProgress(progress_);
}

void ConverterCommands::openPlotFile(const QString& path) {
    fittedRadius_.reset();
    if (isConverting())
        return;
    Result<ProgramText> lines = readPlotLines(path);
    if (!lines) {
        view_.showMessage(lines.error(), true);
        return;
    }
    input_.setProgram(*lines);
    plotFileName_ = path;
    lastFolder_ = QFileInfo(path).absolutePath();
    emit plotFileOpened(path);
    const std::optional<qsizetype> sp0 = CheckPlotFile(*lines);
    if (!sp0) {
        // A drawing program's file is not in the converter's form, but the
        // normaliser may read it: then the operator need not look for it.
        const Result<NormalizeOptions> options = pages_.normalizeOptions(false);
        if (options && normalizePlotText(input_.toPlainText(), *options))
            view_.offerNormalizing();
        else
            view_.showMessage(hpgl::plotFileInvalid(), false);
        return;
    }
    setMaximumAtSp0(sp0);
}

void ConverterCommands::saveGcode(const QString& path) {
    if (isConverting())
        return;
    if (const Status saved = writeGcodeFile(path, output_.program()); !saved)
        view_.showMessage(saved.error(), true);
}

void ConverterCommands::convert() {
    if (isConverting())
        return;
    ConverterSettings settings = pages_.settings();
    if (fittedRadius_) {
        // A fitted drawing: the header and footer do not drive the arm
        // where it cannot go.
        KeepFixedLinesSafe(settings.header, *fittedRadius_);
        KeepFixedLinesSafe(settings.footer, *fittedRadius_);
    }
    loop_ = std::make_unique<ConversionLoop>(input_.program(), state_, settings, progress_);
    linesShown_ = 0;
    linesPerStep_ = 2048;
    view_.setCommandsEnabled(false);
    runSteps();
}

void ConverterCommands::runSteps() {
    if (!loop_)
        return;
    QElapsedTimer clock;
    clock.start();
    const ConversionLoop::Outcome outcome = loop_->step(linesPerStep_);
    output_.appendLines(loop_->takeOutput());
    showInputLeft();
    view_.showProgress(progress_);
    // Aim each step, the memo's share included, at the budget.
    const qint64 spent = clock.elapsed();
    if (spent < kStepBudget.count() / 2 && linesPerStep_ < kMostLinesPerStep)
        linesPerStep_ *= 2;
    else if (spent > 2 * kStepBudget.count() && linesPerStep_ > kFewestLinesPerStep)
        linesPerStep_ /= 2;
    switch (outcome) {
    case ConversionLoop::Outcome::Running:
        stepTimer_->start();
        break;
    case ConversionLoop::Outcome::Notice:
        view_.showMessage(hpgl::conversionFinished(), false, [this] { stepTimer_->start(); });
        break;
    case ConversionLoop::Outcome::Finished:
        finishConversion();
        break;
    case ConversionLoop::Outcome::Failed: {
        const QString error = loop_->error();
        finishConversion();
        view_.showMessage(error, true);
        break;
    }
    }
}

void ConverterCommands::showInputLeft() {
    // Memo1 loses the lines the loop has taken out, as the loop goes.
    input_.removeFirstLines(loop_->linesTaken() - linesShown_);
    linesShown_ = loop_->linesTaken();
}

void ConverterCommands::finishConversion() {
    loop_.reset();
    stepTimer_->stop();
    view_.setCommandsEnabled(true);
    emit conversionEnded();
}

void ConverterCommands::abandon() {
    loop_.reset();
    stepTimer_->stop();
}

void ConverterCommands::clearAll() {
    fittedRadius_.reset();
    if (isConverting())
        return;
    input_.clear();
    output_.clear();
    plotFileName_.clear();
    const Result<qint32> start = readInteger(pages_.lineStepText());
    if (!start) {
        view_.showMessage(start.error(), true);
        return;
    }
    state_.LineNumber = *start;
    progress_.position = 0;
    view_.showProgress(progress_);
}

std::optional<ProgramText> ConverterCommands::outputToHandOn() {
    if (isConverting())
        return std::nullopt;
    ProgramText lines = output_.program();
    if (lines.isEmpty() || (lines.lineCount() == 1 && lines.line(0).isEmpty())) {
        view_.showMessage(
            QCoreApplication::translate("ConverterWindow",
                                        "Brak g-kodu do wstawienia; najpierw wykonaj konwersję"),
            false);
        return std::nullopt;
    }
    return lines;
}

void ConverterCommands::optimizeOutput() {
    const std::optional<ProgramText> lines = outputToHandOn();
    if (!lines)
        return;
    const Result<ProgramOptimization> optimized = OptimizeProgram(*lines, {});
    if (!optimized) {
        view_.showMessage(optimized.error(), true);
        return;
    }
    output_.setProgram(optimized->lines);
    view_.showMessage(FiguresReport(optimized->before, optimized->after).join(u'\n'), false);
}

void ConverterCommands::insertIntoProgram() {
    if (const std::optional<ProgramText> lines = outputToHandOn())
        emit programReady(*lines, plotFileName_);
}

void ConverterCommands::normalizeInput(bool fit) {
    if (isConverting())
        return;
    Result<NormalizeOptions> options = pages_.normalizeOptions(fit);
    if (!options) {
        view_.showMessage(options.error(), true);
        return;
    }
    if (fit && placementSource_) {
        const double margin = options->fitting.margin;
        options.value().fitting = placementSource_();
        options.value().fitting.margin = margin;
    }
    QString dropped;
    Placement placement;
    const Result<QString> normalized =
        normalizePlotText(input_.toPlainText(), *options, &dropped, &placement);
    if (!normalized) {
        view_.showMessage(normalized.error(), true);
        return;
    }
    input_.setPlainText(*normalized);
    if (fit)
        fittedRadius_ = options->fitting.forbiddenRadius;
    // The normalised text ends with SP0; the bar takes its place as after loading.
    setMaximumAtSp0(CheckPlotFile(*normalized));
    view_.showMessage(fit ? dropped + u'\n' + PlacementReport(placement) : dropped, false);
}
