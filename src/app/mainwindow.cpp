#include "app/mainwindow.h"

#include "app/aboutpanel.h"
#include "app/appmessages.h"
#include "app/clientarea.h"
#include "app/colorshape.h"
#include "app/controllersettingspage.h"
#include "app/languagemenu.h"
#include "app/logspage.h"
#include "app/notifier.h"
#include "app/plotwidget.h"
#include "app/portsettingspage.h"
#include "app/programcommands.h"
#include "app/programpage.h"
#include "app/programsettingspage.h"
#include "app/simulationpage.h"
#include "app/stationdialogs.h"
#include "app/stationstatusbar.h"
#include "app/transferpage.h"
#include "gcode/plotbackground.h"
#include "motion/positionpanels.h"

#include <QAction>
#include <QCloseEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QScreen>
#include <QTabWidget>

// The station's resources live in this static library; register them before use.
static void initStationResources() {
    Q_INIT_RESOURCE(station);
}

namespace {
const char kDefaultBackgroundResource[] = ":/default-background.bmp";
} // namespace

MainWindow::MainWindow(StationDocument& document, QWidget* parent)
    : QMainWindow(parent), document_(document),
      notifier_(std::make_unique<MessageBoxNotifier>(this)),
      dialogs_(std::make_unique<WindowDialogs>(this)), statusBar_(new StationStatusBar(this)),
      plotWidget_(nullptr), settingsBar_(new QTabWidget), about_(nullptr) {
    initStationResources();
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QString::fromUtf16(AppMessages::kCaption));
    setAcceptDrops(true);
    menus_ = std::make_unique<MainMenus>(menuBar(), this);
    languageMenu_ = new LanguageMenu(menus_->viewMenu);
    setStatusBar(statusBar_);

    client_ = new ClientArea(this);
    auto* client = client_;
    setCentralWidget(client);
    plotWidget_ = new PlotWidget(client);
    settingsBar_->setParent(client);
    buildSettingsBar();
    about_ = new AboutPanel(client);
    client->setParts(plotWidget_, programPage_->reportPanel(), settingsBar_, about_);
    resize(defaultSize());

    ProgramCommandParts parts;
    parts.programList = &document_.program();
    parts.plot = &document_.plot();
    parts.plotWidget = plotWidget_;
    parts.programPage = programPage_;
    parts.settingsPage = programSettingsPage_;
    parts.stationSettings = &document_.settings();
    parts.statusBar = statusBar_;
    parts.menus = menus_.get();
    parts.window = this;
    parts.notifier = [this]() -> Notifier& { return *notifier_; };
    parts.dialogs = [this]() -> StationDialogs& { return *dialogs_; };
    commands_ = new ProgramCommands(std::move(parts), this);

    wireMenus();
    wirePlot();
    startUp();
    wireSettingsFields();
}

MainWindow::~MainWindow() = default;

QSize MainWindow::defaultSize() const {
    QSize size(kDesignClientSize.width(), kDesignClientSize.height() +
                                              menuBar()->sizeHint().height() +
                                              statusBar_->sizeHint().height());
    if (const QScreen* shown = screen())
        size = size.boundedTo(shown->availableGeometry().size() * 0.95);
    return size;
}

void MainWindow::buildSettingsBar() {
    settingsBar_->setObjectName(QStringLiteral("PageControl1"));
    settingsBar_->setDocumentMode(false);
    simulationPage_ = new SimulationPage;
    programPage_ = new ProgramPage;
    logsPage_ = new LogsPage;
    transferPage_ = new TransferPage;
    controllerPage_ = new ControllerSettingsPage;
    portPage_ = new PortSettingsPage;
    programSettingsPage_ = new ProgramSettingsPage;
    for (QWidget* page :
         {static_cast<QWidget*>(simulationPage_), static_cast<QWidget*>(programPage_),
          static_cast<QWidget*>(logsPage_), static_cast<QWidget*>(transferPage_),
          static_cast<QWidget*>(controllerPage_), static_cast<QWidget*>(portPage_),
          static_cast<QWidget*>(programSettingsPage_)})
        settingsBar_->addTab(page, QString());
    titleSettingsPages();
    settingsBar_->setCurrentWidget(transferPage_);
}

void MainWindow::titleSettingsPages() {
    const QString titles[] = {tr("Symulacja"),
                              tr("G-kod"),
                              tr("G-kod II"),
                              tr("G-kod III"),
                              tr("Ustawienia sterownika"),
                              tr("Ustawienia portu"),
                              tr("Ustawienia programu")};
    for (int i = 0; i < settingsBar_->count(); ++i)
        settingsBar_->setTabText(i, titles[i]);
}

void MainWindow::wireMenus() {
    MainMenus& m = *menus_;
    ProgramCommands* c = commands_;
    connect(m.newProgram, &QAction::triggered, c, &ProgramCommands::newProgram);
    connect(m.openProgram, &QAction::triggered, c, qOverload<>(&ProgramCommands::openProgramFile));
    // An opened program is shown on the page "G-kod".
    connect(c, &ProgramCommands::programOpened, this,
            [this] { settingsBar_->setCurrentWidget(programPage_); });
    connect(m.saveProgram, &QAction::triggered, c, &ProgramCommands::saveProgram);
    connect(m.savePicture, &QAction::triggered, c, &ProgramCommands::savePicture);
    connect(m.refresh, &QAction::triggered, c, &ProgramCommands::refreshFromMemo);
    connect(m.paste, &QAction::triggered, c, &ProgramCommands::pasteFromClipboard);
    connect(m.exit, &QAction::triggered, this, &MainWindow::exitStation);
    connect(m.toggleSettingsBar, &QAction::triggered, this, &MainWindow::toggleSettingsBar);
    connect(m.popupToggleSettingsBar, &QAction::triggered, this, &MainWindow::toggleSettingsBar);
    connect(m.about, &QAction::triggered, about_, [this] {
        about_->show();
        about_->raise();
    });
    connect(m.openHpgl, &QAction::triggered, this, [this] {
        if (!converter_)
            return;
        converter_->show();
        converter_->raise();
        converter_->activateWindow();
    });
    connect(m.showVisualisation, &QAction::triggered, this, [this] {
        if (visualisation_)
            visualisation_->show();
    });
    connect(m.hideVisualisation, &QAction::triggered, this, [this] {
        if (visualisation_)
            visualisation_->hide();
    });
}

void MainWindow::wirePlot() {
    plotWidget_->setPictureSource(
        [this](QPainter& painter, const QRectF& target) {
            painter.drawImage(target, document_.plot().image());
        },
        QSize(PlotSurface::kWidth, PlotSurface::kHeight));
    connect(plotWidget_, &PlotWidget::pressedAt, commands_, &ProgramCommands::plotPressed);
    connect(plotWidget_, &PlotWidget::releasedAt, commands_, &ProgramCommands::plotReleased);
    connect(plotWidget_, &PlotWidget::movedAt, commands_, &ProgramCommands::plotMoved);
    connect(programSettingsPage_, &ProgramSettingsPage::shapePressed, this, [this](int number) {
        ColorShape* shape = programSettingsPage_->shape(number);
        if (const std::optional<QColor> colour = dialogs_->chooseColour(shape->colour())) {
            shape->setColour(*colour);
            commands_->drawPlot(); // in the new colour at once
        }
    });
}

void MainWindow::wireSettingsFields() {
    ControllerSettingsPage* page = controllerPage_;
    connect(page->stepAngleEdit(), &QLineEdit::textChanged, this, [this](const QString& text) {
        showSettingsResult(document_.settings().changeStepAngle(text));
    });
    connect(page->microstepEdit(), &QLineEdit::textChanged, this, [this](const QString& text) {
        showSettingsResult(document_.settings().changeMicrostep(text));
    });
    connect(page->gearRatioEdit(), &QLineEdit::textChanged, this, [this](const QString& text) {
        showSettingsResult(document_.settings().changeGearRatio(text));
    });
    connect(page->forbiddenRadiusEdit(), &QLineEdit::textChanged, this,
            [this](const QString& text) {
                if (const Result<double> radius = document_.settings().changeForbiddenRadius(text);
                    !radius)
                    showError(radius.error());
            });
    connect(programPage_, &ProgramPage::findingChosen, commands_,
            &ProgramCommands::selectProgramLine);
}

void MainWindow::showSettingsResult(const Result<QString>& minimalMove) {
    if (minimalMove)
        controllerPage_->minimalMoveEdit()->setText(*minimalMove);
    else
        showError(minimalMove.error());
}

void MainWindow::startUp() {
    simulationPage_->setPositionPicture(PositionPanels::StartPositionPanel());
    simulationPage_->setMovePicture(PositionPanels::StartMovePanel());
    ControllerSettingsPage* page = controllerPage_;
    showSettingsResult(document_.settings().initialise(page->stepAngleEdit()->text(),
                                                       page->microstepEdit()->text(),
                                                       page->gearRatioEdit()->text()));
    loadBackground(QString::fromUtf16(AppMessages::kBackgroundFileName));
    programSettingsPage_->setColours(PlotColours::defaults());
}

void MainWindow::loadBackground(const QString& fileName) {
    const ComposedBackground background =
        ComposeBackground(fileName, QImage(QString::fromLatin1(kDefaultBackgroundResource)));
    statusBar_->setNote(background.note);
    commands_->setBackground(background.image);
    commands_->drawPlot();
}

void MainWindow::setCompanionWindows(QWidget* visualisation, QWidget* converter) {
    visualisation_ = visualisation;
    converter_ = converter;
}

void MainWindow::setNotifier(std::unique_ptr<Notifier> notifier) {
    notifier_ = std::move(notifier);
}

void MainWindow::setDialogs(std::unique_ptr<StationDialogs> dialogs) {
    dialogs_ = std::move(dialogs);
}

void MainWindow::notify(const QString& text) {
    notifier_->notify(text);
}

void MainWindow::showError(const QString& text) {
    notifier_->showError(text);
}

PlotColours MainWindow::plotColours() const {
    return programSettingsPage_->colours();
}

QLabel* MainWindow::statusPanel(int index) const {
    return statusBar_->panel(index);
}

void MainWindow::toggleSettingsBar() {
    QWidget* panel = client_->settingsPanel();
    panel->setHidden(!panel->isHidden());
}

bool MainWindow::isSettingsBarShown() const {
    return !client_->settingsPanel()->isHidden();
}

void MainWindow::setSettingsBarShown(bool shown) {
    client_->settingsPanel()->setHidden(!shown);
}

bool MainWindow::closeConfirmed() {
    if (closeAllowed_)
        return true;
    const QString question = closeQuestion_ ? closeQuestion_() : QString();
    if (!question.isEmpty() && !dialogs_->confirm(question))
        return false;
    return commands_->mayReplaceProgram();
}

void MainWindow::exitStation() {
    if (!closeConfirmed())
        return;
    closeAllowed_ = true; // asked once for this close
    emit exitRequested();
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!closeConfirmed()) {
        event->ignore();
        return;
    }
    closeAllowed_ = true;
    emit closing();
    event->accept();
}

namespace {
QStringList localFiles(const QMimeData* data) {
    QStringList files;
    if (data == nullptr || !data->hasUrls())
        return files;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            files << url.toLocalFile();
    }
    return files;
}
} // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!localFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QStringList files = localFiles(event->mimeData());
    if (files.isEmpty())
        return;
    event->acceptProposedAction();
    emit filesDropped(files);
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
    menus_->popup->popup(event->globalPos());
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        menus_->retranslate();
        languageMenu_->retranslate();
        titleSettingsPages();
        client_->showPageTitles();
    }
    QMainWindow::changeEvent(event);
}
