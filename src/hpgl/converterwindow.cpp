#include "hpgl/converterwindow.h"

#include "gcode/programmemo.h"
#include "hpgl/converterpreferences.h"
#include "hpgl/convertersettingspages.h"
#include "hpgl/hpglmessages.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QMetaMethod>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QToolBar>

namespace {

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

    commands_ = new ConverterCommands(*input_, *output_, *pages_, *this, this);
    connect(commands_, &ConverterCommands::conversionEnded, this,
            &ConverterWindow::conversionEnded);
    connect(commands_, &ConverterCommands::programReady, this, &ConverterWindow::programReady);
    connect(commands_, &ConverterCommands::plotFileOpened, this, &ConverterWindow::plotFileOpened);
    showProgress(commands_->progress());
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
    commands_->restartNumbering();
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
        if (!lastFolder().isEmpty())
            openDialog_->setDirectory(lastFolder());
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
        if (!lastFolder().isEmpty())
            saveDialog_->setDirectory(lastFolder());
    }
    saveDialog_->open();
}

void ConverterWindow::setCommandsEnabled(bool enabled) {
    for (QAction* action : std::as_const(busyCommands_))
        action->setEnabled(enabled);
    pages_->setEnabled(enabled);
    input_->setReadOnly(!enabled);
    output_->setReadOnly(!enabled);
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

void ConverterWindow::toggleSettings() {
    pages_->setVisible(!pages_->isVisible());
    if (pages_->isVisible())
        pages_->raise();
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
            commands_->normalizeInput(false);
        else if (box->clickedButton() == fit)
            commands_->normalizeInput(true);
    });
    box->open();
}

void ConverterWindow::quitStation() {
    commands_->abandon();
    if (isSignalConnected(QMetaMethod::fromSignal(&ConverterWindow::quitRequested))) {
        emit quitRequested();
        return;
    }
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

void ConverterWindow::showProgress(const ConverterProgress& progress) {
    // A bar whose range is 0 to 0 would show a busy animation instead of
    // an empty bar.
    progressBar_->setRange(0, std::max(progress.maximum, 1));
    progressBar_->setValue(progress.position);
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
