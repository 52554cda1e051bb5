#include "hpgl/converterwindow.h"

#include "drawing/pathoptimizer.h"

#include "gcode/programmemo.h"
#include "hpgl/converterpreferences.h"
#include "hpgl/convertersettingspages.h"
#include "hpgl/hpglmessages.h"
#include "hpgl/integertext.h"
#include "hpgl/plotfile.h"
#include "hpgl/plotfitting.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenuBar>
#include <QMessageBox>
#include <QMetaMethod>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <QToolBar>

#include <chrono>

namespace {

using namespace std::chrono_literals;

// Time between two repaints of a long conversion, and the bounds of the
// lines converted in one step.
constexpr auto kStepBudget = 40ms;
constexpr qsizetype kFewestLinesPerStep = 256;
constexpr qsizetype kMostLinesPerStep = 1 << 20;

ProgramMemo* createMemo(QWidget* parent, const char* name, QRect geometry) {
    auto* memo = new ProgramMemo(parent);
    memo->setObjectName(QLatin1String(name));
    memo->setGeometry(geometry);
    return memo;
}

} // namespace

ConverterWindow::ConverterWindow(QWidget* parent) : QMainWindow(parent) {
    setWindowFlag(Qt::Window);
    setObjectName(QStringLiteral("TForm3"));
    setContextMenuPolicy(Qt::NoContextMenu); // the toolbar cannot be hidden

    auto* central = new QWidget(this);
    central->setMinimumSize(500, 465);
    setCentralWidget(central);
    input_ = createMemo(central, "Memo1", QRect(0, 32, 185, 369));
    output_ = createMemo(central, "Memo2", QRect(312, 32, 185, 369));
    pages_ = new ConverterSettingsPages(central);
    pages_->setGeometry(104, 32, 289, 377);
    pages_->hide();
    progressBar_ = new QProgressBar(central);
    progressBar_->setObjectName(QStringLiteral("ProgressBar1"));
    progressBar_->setGeometry(0, 440, 497, 17);
    progressBar_->setTextVisible(false);
    createMenu();
    retranslate();
    // 516 x 527 outside, less a usual frame and caption; wider when the
    // toolbar's commands would not all show.
    resize(std::max(500, toolBar_->sizeHint().width()), 488);

    stepTimer_ = new QTimer(this);
    stepTimer_->setSingleShot(true);
    stepTimer_->setInterval(0);
    connect(stepTimer_, &QTimer::timeout, this, &ConverterWindow::runSteps);

    // FormCreate: the numbering starts at "Do:"; the progress at 0.
    if (const Result<qint32> start = readInteger(pages_->lineStepText()); start)
        state_.LineNumber = *start;
    showProgress();
}

ConverterWindow::~ConverterWindow() = default;

void ConverterWindow::createMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    fileMenu_ = bar->addMenu(QString());
    fileMenu_->setObjectName(QStringLiteral("Plik1"));
    openAction_ = addCommand(fileMenu_, "Otwrz1", &ConverterWindow::askOpen);
    saveAction_ = addCommand(fileMenu_, "Zapisz1", &ConverterWindow::askSave);
    quitAction_ = addCommand(fileMenu_, "Zakocz1", &ConverterWindow::quitStation);
    convertAction_ = addCommand(bar, "Konwersja1", &ConverterWindow::convert);
    clearAction_ = addCommand(bar, "Wyczy1", &ConverterWindow::clearAll);
    copyAction_ = addCommand(bar, "Kopiujgkoddoschowka1", &ConverterWindow::copyGcode);
    settingsAction_ = addCommand(bar, "Ustawienia1", &ConverterWindow::toggleSettings);
    // The way from a drawing program's file to the main window's program,
    // in a row of its own: the menu bar has no room left for it.
    toolBar_ = addToolBar(QStringLiteral("HPGL"));
    toolBar_->setObjectName(QStringLiteral("ToolBar1"));
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    normalizeAction_ = addCommand(toolBar_, "NormalizujHPGL1", &ConverterWindow::normalizeOnly);
    fitAction_ =
        addCommand(toolBar_, "Dopasujdoobszaruroboczego1", &ConverterWindow::normalizeAndFit);
    optimizeAction_ = addCommand(toolBar_, "Optymalizuj1", &ConverterWindow::optimizeOutput);
    insertAction_ = addCommand(toolBar_, "Wstawdoprogramu1", &ConverterWindow::insertIntoProgram);
    busyCommands_ = {openAction_,      saveAction_, convertAction_,  clearAction_, copyAction_,
                     normalizeAction_, fitAction_,  optimizeAction_, insertAction_};
}

void ConverterWindow::retranslate() {
    setWindowTitle(tr("HPGL -> GCODE "));
    fileMenu_->setTitle(tr("Plik"));
    openAction_->setText(tr("Otwórz plik hpgl"));
    saveAction_->setText(tr("Zapisz g-kod"));
    quitAction_->setText(tr("Zakończ"));
    convertAction_->setText(tr("Konwersja"));
    clearAction_->setText(tr("Wyczysc wszystko"));
    copyAction_->setText(tr("Kopiuj g-kod do schowka"));
    settingsAction_->setText(tr("Ustawienia"));
    normalizeAction_->setText(tr("Normalizuj HPGL"));
    fitAction_->setText(tr("Dopasuj do obszaru roboczego"));
    optimizeAction_->setText(tr("Optymalizuj"));
    insertAction_->setText(tr("Wstaw do programu"));
    if (openDialog_ != nullptr)
        openDialog_->setNameFilters(openFilters());
    if (saveDialog_ != nullptr)
        saveDialog_->setNameFilter(saveFilter());
}

QStringList ConverterWindow::openFilters() {
    return {tr("hp-gl (*.plt *.hpgl *.hpg)"), tr("Wszystkie pliki (*)")};
}

QString ConverterWindow::saveFilter() {
    return tr("g-code (*.nc)");
}

void ConverterWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMainWindow::changeEvent(event);
}

QAction* ConverterWindow::addCommand(QWidget* menu, const char* name,
                                     void (ConverterWindow::*slot)()) {
    auto* action = new QAction(this);
    action->setObjectName(QLatin1String(name));
    connect(action, &QAction::triggered, this, slot);
    menu->addAction(action);
    return action;
}

void ConverterWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (centreOnShow_ && !event->spontaneous() && screen() != nullptr)
        move(screen()->availableGeometry().center() - rect().center());
}

void ConverterWindow::setPreferences(const ConverterPreferences& preferences) {
    pages_->setPreferences(preferences);
    const qsizetype converted = output_->lineCount();
    if (isConverting() || converted > 1 || (converted == 1 && !output_->line(0).isEmpty()))
        return;
    if (const Result<qint32> start = readInteger(pages_->lineStepText()); start)
        state_.LineNumber = *start;
}

bool ConverterWindow::restorePlacement(const QByteArray& geometry) {
    if (geometry.isEmpty() || !restoreGeometry(geometry))
        return false;
    centreOnShow_ = false;
    return true;
}

void ConverterWindow::askOpen() {
    if (openDialog_ == nullptr) {
        openDialog_ = new QFileDialog(this);
        openDialog_->setObjectName(QStringLiteral("OpenDialog1"));
        openDialog_->setOption(QFileDialog::DontUseNativeDialog);
        openDialog_->setFileMode(QFileDialog::ExistingFile);
        openDialog_->setNameFilters(openFilters());
        connect(openDialog_, &QFileDialog::fileSelected, this, &ConverterWindow::openPlotFile);
        if (!lastFolder_.isEmpty())
            openDialog_->setDirectory(lastFolder_);
    }
    openDialog_->open();
}

void ConverterWindow::askSave() {
    if (saveDialog_ == nullptr) {
        saveDialog_ = new QFileDialog(this);
        saveDialog_->setObjectName(QStringLiteral("SaveDialog1"));
        saveDialog_->setOption(QFileDialog::DontUseNativeDialog);
        saveDialog_->setOption(QFileDialog::DontConfirmOverwrite);
        saveDialog_->setAcceptMode(QFileDialog::AcceptSave);
        saveDialog_->setNameFilter(saveFilter());
        saveDialog_->setDefaultSuffix(QStringLiteral("nc"));
        connect(saveDialog_, &QFileDialog::fileSelected, this, &ConverterWindow::saveGcode);
        if (!lastFolder_.isEmpty())
            saveDialog_->setDirectory(lastFolder_);
    }
    saveDialog_->open();
}

void ConverterWindow::openPlotFile(const QString& path) {
    fittedRadius_.reset();
    if (isConverting())
        return;
    Result<ProgramText> lines = readPlotLines(path);
    if (!lines) {
        showMessage(lines.error(), true);
        return;
    }
    input_->setProgram(*lines);
    plotFileName_ = path;
    lastFolder_ = QFileInfo(path).absolutePath();
    emit plotFileOpened(path);
    const std::optional<qsizetype> sp0 = CheckPlotFile(*lines);
    if (!sp0) {
        // A drawing program's file is not in the converter's form, but the
        // normaliser may read it: then the operator need not look for it.
        const Result<NormalizeOptions> options = pages_->normalizeOptions(false);
        if (options && normalizePlotText(input_->toPlainText(), *options))
            offerNormalizing();
        else
            showMessage(hpgl::plotFileInvalid(), false);
        return;
    }
    progress_.setMaximum(int(std::min<qsizetype>(*sp0, std::numeric_limits<int>::max())));
    showProgress();
}

void ConverterWindow::saveGcode(const QString& path) {
    if (isConverting())
        return;
    if (const Status saved = writeGcodeFile(path, output_->program()); !saved)
        showMessage(saved.error(), true);
}

void ConverterWindow::convert() {
    if (isConverting())
        return;
    ConverterSettings settings = pages_->settings();
    if (fittedRadius_) {
        // A fitted drawing: the header and footer do not drive the arm
        // where it cannot go.
        KeepFixedLinesSafe(settings.header, *fittedRadius_);
        KeepFixedLinesSafe(settings.footer, *fittedRadius_);
    }
    loop_ = std::make_unique<ConversionLoop>(input_->program(), state_, settings, progress_);
    linesShown_ = 0;
    linesPerStep_ = 2048;
    setCommandsEnabled(false);
    runSteps();
}

void ConverterWindow::runSteps() {
    if (!loop_)
        return;
    QElapsedTimer clock;
    clock.start();
    const ConversionLoop::Outcome outcome = loop_->step(linesPerStep_);
    output_->appendLines(loop_->takeOutput());
    showInputLeft();
    showProgress();
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
        showMessage(hpgl::conversionFinished(), false, [this] { stepTimer_->start(); });
        break;
    case ConversionLoop::Outcome::Finished:
        finishConversion();
        break;
    case ConversionLoop::Outcome::Failed: {
        const QString error = loop_->error();
        finishConversion();
        showMessage(error, true);
        break;
    }
    }
}

void ConverterWindow::showInputLeft() {
    // Memo1 loses the lines the loop has taken out, as the loop goes.
    input_->removeFirstLines(loop_->linesTaken() - linesShown_);
    linesShown_ = loop_->linesTaken();
}

void ConverterWindow::finishConversion() {
    loop_.reset();
    stepTimer_->stop();
    setCommandsEnabled(true);
    emit conversionEnded();
}

void ConverterWindow::setCommandsEnabled(bool enabled) {
    for (QAction* action : std::as_const(busyCommands_))
        action->setEnabled(enabled);
    pages_->setEnabled(enabled);
    input_->setReadOnly(!enabled);
    output_->setReadOnly(!enabled);
}

void ConverterWindow::clearAll() {
    fittedRadius_.reset();
    if (isConverting())
        return;
    input_->clear();
    output_->clear();
    plotFileName_.clear();
    const Result<qint32> start = readInteger(pages_->lineStepText());
    if (!start) {
        showMessage(start.error(), true);
        return;
    }
    state_.LineNumber = *start;
    progress_.position = 0;
    showProgress();
}

void ConverterWindow::copyGcode() {
    output_->selectAll();
    // With its last line break, so that the pasted program's last line does
    // not run into what follows it.
    QString text = output_->toPlainText();
    if (text.isEmpty())
        return;
    if (!text.endsWith(QLatin1Char('\n')))
        text += QLatin1Char('\n');
    QGuiApplication::clipboard()->setText(text);
}

ConverterSettings ConverterWindow::settings() const {
    return pages_->settings();
}

std::optional<ProgramText> ConverterWindow::outputToHandOn() {
    if (isConverting())
        return std::nullopt;
    ProgramText lines = output_->program();
    if (lines.isEmpty() || (lines.lineCount() == 1 && lines.line(0).isEmpty())) {
        showMessage(tr("Brak g-kodu do wstawienia; najpierw wykonaj konwersję"), false);
        return std::nullopt;
    }
    return lines;
}

void ConverterWindow::optimizeOutput() {
    const std::optional<ProgramText> lines = outputToHandOn();
    if (!lines)
        return;
    const Result<ProgramOptimization> optimized = OptimizeProgram(*lines, {});
    if (!optimized) {
        showMessage(optimized.error(), true);
        return;
    }
    output_->setProgram(optimized->lines);
    showMessage(FiguresReport(optimized->before, optimized->after).join(u'\n'), false);
}

void ConverterWindow::insertIntoProgram() {
    if (const std::optional<ProgramText> lines = outputToHandOn())
        emit programReady(*lines, plotFileName_);
}

void ConverterWindow::toggleSettings() {
    pages_->setVisible(!pages_->isVisible());
    if (pages_->isVisible())
        pages_->raise();
}

void ConverterWindow::normalizeInput(bool fit) {
    if (isConverting())
        return;
    Result<NormalizeOptions> options = pages_->normalizeOptions(fit);
    if (!options) {
        showMessage(options.error(), true);
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
        normalizePlotText(input_->toPlainText(), *options, &dropped, &placement);
    if (!normalized) {
        showMessage(normalized.error(), true);
        return;
    }
    input_->setPlainText(*normalized);
    if (fit)
        fittedRadius_ = options->fitting.forbiddenRadius;
    // The normalised text ends with SP0; the bar takes its place as after loading.
    if (const std::optional<qsizetype> sp0 = CheckPlotFile(*normalized)) {
        progress_.setMaximum(int(std::min<qsizetype>(*sp0, std::numeric_limits<int>::max())));
        showProgress();
    }
    showMessage(fit ? dropped + u'\n' + PlacementReport(placement) : dropped, false);
}

void ConverterWindow::offerNormalizing() {
    auto* box = new QMessageBox(QMessageBox::Question, QGuiApplication::applicationDisplayName(),
                                hpgl::plotFileInvalid(), QMessageBox::NoButton, this);
    box->setObjectName(QStringLiteral("NormalizeQuestion"));
    box->setInformativeText(
        tr("Normalizacja HPGL potrafi odczytać ten plik. Znormalizować go teraz?"));
    QPushButton* normalize = box->addButton(tr("Normalizuj"), QMessageBox::AcceptRole);
    normalize->setObjectName(QStringLiteral("NormalizeButton"));
    QPushButton* fit = box->addButton(tr("Normalizuj i dopasuj"), QMessageBox::AcceptRole);
    fit->setObjectName(QStringLiteral("NormalizeFitButton"));
    QPushButton* keep = box->addButton(tr("Nie"), QMessageBox::RejectRole);
    keep->setObjectName(QStringLiteral("KeepButton"));
    box->setDefaultButton(normalize);
    box->setEscapeButton(keep);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    // Acted on once the box has closed, so that the normaliser's own message
    // is the only one open.
    connect(box, &QMessageBox::finished, this, [this, box, normalize, fit] {
        if (box->clickedButton() == normalize)
            normalizeInput(false);
        else if (box->clickedButton() == fit)
            normalizeInput(true);
    });
    box->open();
}

void ConverterWindow::quitStation() {
    loop_.reset();
    stepTimer_->stop();
    if (isSignalConnected(QMetaMethod::fromSignal(&ConverterWindow::quitRequested))) {
        emit quitRequested();
        return;
    }
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

void ConverterWindow::showProgress() {
    // A bar whose range is 0 to 0 would show a busy animation instead of
    // an empty bar.
    progressBar_->setRange(0, std::max(progress_.maximum, 1));
    progressBar_->setValue(progress_.position);
}

void ConverterWindow::showMessage(const QString& text, bool error, std::function<void()> closed) {
    auto* box =
        new QMessageBox(error ? QMessageBox::Critical : QMessageBox::NoIcon,
                        QGuiApplication::applicationDisplayName(), text, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    if (closed)
        connect(box, &QMessageBox::finished, this, [closed = std::move(closed)] { closed(); });
    box->open();
}
