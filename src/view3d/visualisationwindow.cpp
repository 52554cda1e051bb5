#include "view3d/visualisationwindow.h"

#include "motion/viewpose.h"
#include "view3d/glsupport.h"
#include "view3d/sceneview.h"
#include "view3d/viewinfo.h"
#include "view3d/visualisationtexts.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include <QMenuBar>
#include <QTimer>
#include <algorithm>

#include <chrono>

namespace {

constexpr QSize kWindowSize{1024, 512};
constexpr std::chrono::milliseconds kRedrawInterval{100};

// The info fields in one row at the top of the client area, in the order of
// ViewInfoTexts: x, y, z, alfa, beta.
struct InfoField {
    const char* name;
    int left;
};
constexpr std::array<InfoField, 5> kInfoFields{{
    {"Edit3", 8},
    {"Edit4", 136},
    {"Edit5", 264},
    {"Edit1", 400},
    {"Edit2", 528},
}};
constexpr int kInfoFieldTop = 8;
constexpr QSize kInfoFieldSize{121, 21};
constexpr std::size_t kFirstAngleField = 3; // alfa, then beta
constexpr int kFieldPadding = 12;           // the frame and margins of a field

} // namespace

VisualisationWindow::VisualisationWindow(ViewPose& pose, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint), pose_(pose) {
    setObjectName(QStringLiteral("TForm2"));
    // Only the main window's closing ends the station by itself; this one
    // ends it through its own close handler.
    setAttribute(Qt::WA_QuitOnClose, false);
    pose_.Arm1Angle = -90.0f;
    pose_.Arm2Angle = 0.0f;

    buildMenu();
    retranslate();
    buildPicture();
    buildInfoFields();
    showInfoTexts(ViewInfoTexts::initial());

    resize(kWindowSize);
    move(0, 0);

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(kRedrawInterval);
    connect(timer_, &QTimer::timeout, this, &VisualisationWindow::redrawIfMoved);
    timer_->start();
}

void VisualisationWindow::buildMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    hideAction_ = bar->addAction(QString());
    hideAction_->setObjectName(QStringLiteral("Pokaukryjwizualizacj1"));
    connect(hideAction_, &QAction::triggered, this, [this] { setVisible(!isVisible()); });

    viewMenu_ = bar->addMenu(QString());
    viewMenu_->setObjectName(QStringLiteral("Widok1"));
    addViewAction(viewMenu_, QStringLiteral("Zmiennywidok1"), CameraView::Variable);
    const std::array fixedViews{CameraView::View1, CameraView::View2, CameraView::View3,
                                CameraView::View4};
    for (std::size_t i = 0; i < fixedViews.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        addViewAction(viewMenu_, QStringLiteral("Widok%1").arg(number) + u'1', fixedViews[i]);
    }
    viewMenu_->addSeparator();
    outlineAction_ =
        addSwitchAction(viewMenu_, QStringLiteral("Modelkrawdziowy1"), &SceneSwitches::outlines);
    faceAction_ =
        addSwitchAction(viewMenu_, QStringLiteral("Modelpaszczyznowy1"), &SceneSwitches::faces);
    showViewChecks();
}

void VisualisationWindow::retranslate() {
    setWindowTitle(VisualisationTexts::caption());
    hideAction_->setText(VisualisationTexts::hide());
    viewMenu_->setTitle(VisualisationTexts::viewMenu());
    viewActions_[static_cast<std::size_t>(CameraView::Variable)]->setText(
        VisualisationTexts::variableView());
    for (int number = 1; number <= 4; ++number) {
        const auto view = static_cast<CameraView>(static_cast<int>(CameraView::View1) + number - 1);
        viewActions_[static_cast<std::size_t>(view)]->setText(
            VisualisationTexts::fixedView(number));
    }
    outlineAction_->setText(VisualisationTexts::outlineModel());
    faceAction_->setText(VisualisationTexts::faceModel());
    if (failure_ != nullptr && failureText_ != nullptr)
        failure_->setText(failureText_());
}

void VisualisationWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMainWindow::changeEvent(event);
}

QAction* VisualisationWindow::addViewAction(QMenu* menu, const QString& name, CameraView view) {
    QAction* action = menu->addAction(QString());
    action->setObjectName(name);
    action->setCheckable(true);
    connect(action, &QAction::triggered, this, [this, view] { chooseView(view); });
    viewActions_[static_cast<std::size_t>(view)] = action;
    return action;
}

QAction* VisualisationWindow::addSwitchAction(QMenu* menu, const QString& name,
                                              bool SceneSwitches::*flag) {
    QAction* action = menu->addAction(QString());
    action->setObjectName(name);
    action->setCheckable(true);
    action->setChecked(switches_.*flag);
    connect(action, &QAction::toggled, this, [this, flag](bool on) { switches_.*flag = on; });
    return action;
}

void VisualisationWindow::buildPicture() {
    picture_ = new QWidget(this);
    picture_->setObjectName(QStringLiteral("Picture"));
    auto* layout = new QGridLayout(picture_);
    layout->setContentsMargins(0, 0, 0, 0);
    setCentralWidget(picture_);

    const Status probe = ProbeLegacyContext();
    if (!probe) {
        showPictureFailure(probe.error());
        return;
    }
    view_ = new SceneView(camera_, pose_, switches_, picture_);
    view_->setObjectName(QStringLiteral("SceneView"));
    layout->addWidget(view_, 0, 0);
    connect(view_, &SceneView::contextFailed, this, &VisualisationWindow::showPictureFailure);
    connect(view_, &SceneView::mouseMoved, this, &VisualisationWindow::followMouse);
    connect(view_, &SceneView::wheelTurned, this, &VisualisationWindow::turnWheel);
}

void VisualisationWindow::buildInfoFields() {
    for (std::size_t i = 0; i < kInfoFields.size(); ++i) {
        auto* field = new QLineEdit(picture_);
        field->setObjectName(QLatin1String(kInfoFields[i].name));
        field->setGeometry(QRect({kInfoFields[i].left, kInfoFieldTop}, kInfoFieldSize));
        if (i >= kFirstAngleField) {
            // An angle in full ("alfa= -179,99999999999999") fits its field;
            // beta moves right to make room for alfa.
            const int width =
                std::max(kInfoFieldSize.width(), field->fontMetrics().horizontalAdvance(
                                                     QStringLiteral("beta= -179,99999999999999")) +
                                                     kFieldPadding);
            const int left = i == kFirstAngleField ? kInfoFields[i].left
                                                   : infoFields_[i - 1]->geometry().right() + 8;
            field->setGeometry(QRect({left, kInfoFieldTop}, QSize(width, kInfoFieldSize.height())));
        }
        field->setReadOnly(true);
        field->setEnabled(false);
        // The mouse passes through the disabled fields to the picture.
        field->setAttribute(Qt::WA_TransparentForMouseEvents);
        // A text longer than the field shows its beginning ("alfa= ..."),
        // whoever sets it. Queued: setText moves the cursor to the end after
        // it has signalled the change.
        connect(
            field, &QLineEdit::textChanged, field, [field] { field->setCursorPosition(0); },
            Qt::QueuedConnection);
        field->raise();
        infoFields_[i] = field;
    }
}

void VisualisationWindow::showPoseField(Field field, const QString& text) {
    // infoFields_ are in the order x, y, z, alfa, beta.
    std::size_t index = 0;
    switch (field) {
    case Field::X:
        index = 0;
        break;
    case Field::Y:
        index = 1;
        break;
    case Field::Z:
        index = 2;
        break;
    case Field::Alfa:
        index = 3;
        break;
    case Field::Beta:
        index = 4;
        break;
    }
    if (infoFields_[index]->text() != text)
        infoFields_[index]->setText(text);
}

void VisualisationWindow::showInfoTexts(const ViewInfoTexts& texts) {
    const std::array values{texts.x, texts.y, texts.z, texts.alfa, texts.beta};
    for (std::size_t i = 0; i < infoFields_.size(); ++i)
        infoFields_[i]->setText(values[i]);
}

void VisualisationWindow::chooseView(CameraView view) {
    camera_.chooseView(view);
    showViewChecks();
}

void VisualisationWindow::showViewChecks() {
    for (std::size_t i = 0; i < viewActions_.size(); ++i)
        viewActions_[i]->setChecked(static_cast<std::size_t>(camera_.view()) == i);
}

void VisualisationWindow::keyPressEvent(QKeyEvent* event) {
    camera_.pressKey(event->key(), event->modifiers());
    showViewChecks();
    showInfoTexts(ViewInfoTexts::fromPose(pose_));
    redraw();
}

void VisualisationWindow::followMouse(QPoint position) {
    if (view_ != nullptr)
        camera_.followMouse(position.x(), position.y(), view_->width(), view_->height());
    redraw();
}

void VisualisationWindow::turnWheel(int delta) {
    camera_.turnWheel(delta);
    redraw();
}

void VisualisationWindow::redrawIfMoved() {
    const ScenePose now = ScenePose::read(pose_);
    if (tickPose_ && *tickPose_ == now)
        return;
    tickPose_ = now;
    redraw();
}

void VisualisationWindow::redraw() {
    if (view_ != nullptr)
        view_->update();
}

void VisualisationWindow::showPictureFailure(const QString& text) {
    if (failure_ != nullptr)
        return;
    if (view_ != nullptr) {
        view_->hide();
        view_->deleteLater();
        view_ = nullptr;
    }
    for (QString (*known)() :
         {&VisualisationTexts::noContext, &VisualisationTexts::noLegacyProfile}) {
        if (known() == text)
            failureText_ = known;
    }
    failure_ = new QLabel(text, picture_);
    failure_->setObjectName(QStringLiteral("PictureFailure"));
    failure_->setAlignment(Qt::AlignCenter);
    failure_->setWordWrap(true);
    static_cast<QGridLayout*>(picture_->layout())->addWidget(failure_, 0, 0);
    for (QLineEdit* field : infoFields_) {
        if (field != nullptr)
            field->raise();
    }
}

void VisualisationWindow::closeEvent(QCloseEvent* event) {
    // Closing this window through the window system ends the whole station,
    // as a quit request posted to the event loop (a functor, not a method
    // looked up by name).
    event->accept();
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}
