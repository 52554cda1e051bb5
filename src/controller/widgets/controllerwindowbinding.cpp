#include "controller/widgets/controllerwindowbinding.h"

#include "base/windows1250.h"
#include "controller/controllerlink.h"
#include "controller/linktexts.h"
#include "controller/widgets/boundedlog.h"
#include "controller/widgets/heldlamp.h"
#include "controller/widgets/portselectors.h"
#include "controller/widgets/terminalview.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QWidget>

namespace {

using ZHeight = ControllerLinkState::ZHeight;
using MoveAxis = ControllerLinkState::MoveAxis;

const ControllerControls& checked(const ControllerControls& controls) {
    if (const char* missing = controls.firstMissing())
        qFatal("The controller link needs the control '%s'", missing);
    return controls;
}

} // namespace

ControllerWindowBinding::ControllerWindowBinding(const ControllerControls& controls,
                                                 QObject* parent)
    : QObject(parent), controls_(checked(controls)), link_(new ControllerLink(this)),
      selectors_(new PortSelectors(controls_.portSelectors, *link_, this)),
      terminal_(new TerminalView(controls_.terminal, this)) {
    lamps_ = controls_.lamps;
    for (Lamp lamp : {Lamp::Rx, Lamp::Tx}) {
        SignalLamp*& shown = lamps_.at(std::size_t(lamp));
        shown = new HeldLamp(shown, this);
    }
    selectors_->fillPortList();
    link_->setSettingsSource([this] { return selectors_->read(); });
    showError_ = [this](const QString& text) { showErrorBox(text); };
    showNotice_ = [this](const QString& text, std::function<void()> closed) {
        showNoticeBox(text, std::move(closed));
    };
    bindLinkOutput();
    bindCommands();
    controls_.statusPanels[0]->installEventFilter(this);
    link_->start();
}

ControllerWindowBinding::~ControllerWindowBinding() {
    // The link's thread writes the trace: it ends before the trace closes.
    delete link_;
}

void ControllerWindowBinding::showStatus(LinkPanel panel, LinkStatus status) {
    const auto index = std::size_t(panel);
    controls_.statusPanels.at(index)->setText(LinkTexts::statusText(status));
    panelStatus_.at(index) = status;
}

void ControllerWindowBinding::showPortBusy(const QString& port) {
    // Said where the connection's state stands, until the port opens or fails.
    controls_.statusPanels.at(0)->setText(LinkTexts::portBusy(port));
    panelStatus_.at(0) = std::nullopt;
}

bool ControllerWindowBinding::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        for (std::size_t i = 0; i < panelStatus_.size(); ++i) {
            if (panelStatus_[i])
                controls_.statusPanels[i]->setText(LinkTexts::statusText(*panelStatus_[i]));
        }
    }
    return QObject::eventFilter(watched, event);
}

void ControllerWindowBinding::setProgram(const ProgramSource* program) {
    link_->setProgram(program);
}

void ControllerWindowBinding::programPrepared() {
    link_->programPrepared();
}

void ControllerWindowBinding::bindCommands() {
    ControllerLink* link = link_;
    const ControllerControls& c = controls_;
    auto onClick = [this](QAbstractButton* button, auto handler) {
        connect(button, &QAbstractButton::clicked, link_, handler);
    };
    auto onMenu = [this](QAction* action, auto handler) {
        connect(action, &QAction::triggered, link_, handler);
    };
    onClick(c.connectButton, [link] { link->connectChosen(); });
    onMenu(c.connectItem, [link] { link->connectChosen(); });
    onClick(c.disconnectButton, [link] { link->disconnectChosen(); });
    onMenu(c.referenceTravelItem, [link] { link->referenceTravelChosen(); });
    onClick(c.setReference, [link] { link->setReferenceChosen(); });
    onMenu(c.sendProgramItem, [link] { link->sendProgramChosen(); });
    onMenu(c.pauseItem, [link] { link->pauseChosen(); });
    // A pause or abort asked for changes the commands as soon as the link
    // has taken it (stateChanged), even while the line in flight waits.
    onMenu(c.holdItem, [link] { link->holdChosen(ControllerLinkState::Hold::AtPenUp); });
    onMenu(c.holdNowItem, [link] { link->holdChosen(ControllerLinkState::Hold::Now); });
    onMenu(c.resumeItem, [link] { link->resumeChosen(); });
    onMenu(c.abortItem, [link] { link->abortChosen(); });
    connect(c.traceItem, &QAction::toggled, this, &ControllerWindowBinding::setTracing);
    onClick(c.sendG00Height,
            [link, f = c.g00HeightField] { link->zHeightChosen(ZHeight::G00, f->text()); });
    onClick(c.sendG01Height,
            [link, f = c.g01HeightField] { link->zHeightChosen(ZHeight::G01, f->text()); });
    onClick(c.sendArm1Move,
            [link, f = c.arm1MoveField] { link->moveChosen(MoveAxis::Arm1, f->text()); });
    onClick(c.sendArm2Move,
            [link, f = c.arm2MoveField] { link->moveChosen(MoveAxis::Arm2, f->text()); });
    onClick(c.sendZMove, [link, f = c.zMoveField] { link->moveChosen(MoveAxis::Z, f->text()); });
    // Every change of the box, however made.
    connect(c.manualModeBox, &QAbstractButton::toggled, link_,
            [link] { link->manualModeToggled(); });
    link_->setControllerAddress(EncodeWindows1250(c.addressField->text()));
    connect(c.addressField, &QLineEdit::textChanged, link_,
            [link](const QString& text) { link->setControllerAddress(EncodeWindows1250(text)); });
    connect(terminal_, &TerminalView::keysTyped, link_, &ControllerLink::sendTyped);
}

void ControllerWindowBinding::bindLinkOutput() {
    connect(link_, &ControllerLink::statusChanged, this, &ControllerWindowBinding::showStatus);
    connect(link_, &ControllerLink::portBusy, this, &ControllerWindowBinding::showPortBusy);
    connect(link_, &ControllerLink::enabledChanged, this,
            &ControllerWindowBinding::setControlEnabled);
    connect(link_, &ControllerLink::checkedChanged, this, [this](LinkControl which, bool on) {
        if (which != LinkControl::ManualModeBox)
            return;
        QAbstractButton* box = controls_.manualModeBox;
        const QSignalBlocker quiet(box); // the link has acted on the change already
        box->setChecked(on);
    });
    connect(link_, &ControllerLink::logAppended, this, [this](const QByteArray& line) {
        BoundedLog::append(controls_.frameLog, DecodeWindows1250(line));
    });
    connect(link_, &ControllerLink::errorRaised, this,
            [this](const QString& text) { showError_(text); });
    connect(link_, &ControllerLink::noticeRaised, this, [this](const QString& text) {
        QPointer<ControllerLink> link = link_;
        showNotice_(text, [link] {
            if (link)
                link->noticeClosed();
        });
    });
    connect(link_, &ControllerLink::received, terminal_, &TerminalView::showChunk);
    connect(link_, &ControllerLink::stateChanged, this,
            &ControllerWindowBinding::updateTransferCommands);
    connect(link_, &ControllerLink::lampChanged, this,
            [this](Lamp lamp, bool lit) { lamps_.at(std::size_t(lamp))->setLit(lit); });
}

void ControllerWindowBinding::setControlEnabled(LinkControl which, bool on) {
    const ControllerControls& c = controls_;
    switch (which) {
    case LinkControl::ConnectButton:
        c.connectButton->setEnabled(on);
        return;
    case LinkControl::DisconnectButton:
        c.disconnectButton->setEnabled(on);
        return;
    case LinkControl::PortSelectors:
        for (QComboBox* box : c.portSelectors)
            box->setEnabled(on);
        return;
    case LinkControl::ReferenceTravelItem:
        c.referenceTravelItem->setEnabled(on);
        return;
    case LinkControl::SendProgramItem:
        c.sendProgramItem->setEnabled(on);
        return;
    case LinkControl::ManualModeBox:
        c.manualModeBox->setEnabled(on);
        return;
    case LinkControl::ManualButtons:
        for (QAbstractButton* button :
             {c.sendArm1Move, c.sendArm2Move, c.sendZMove, c.sendG00Height, c.heightCorrection,
              c.sendG01Height, c.setReference})
            button->setEnabled(on);
        return;
    }
}

void ControllerWindowBinding::updateTransferCommands() {
    const ControllerLinkState& state = link_->state();
    const bool running = state.sending() && !state.held();
    const bool asked = state.holdRequested() || state.abortRequested();
    controls_.holdItem->setEnabled(running && !asked);
    controls_.holdNowItem->setEnabled(running && !state.abortRequested());
    controls_.resumeItem->setEnabled(state.held());
    controls_.abortItem->setEnabled(state.sending() && !state.abortRequested());
}

void ControllerWindowBinding::setTracing(bool on) {
    if (!on) {
        link_->setTrace(nullptr);
        trace_.close();
        return;
    }
    QString folder = traceFolder_;
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(folder);
    const Status opened = trace_.open(WireTrace::newFileName(folder));
    if (!opened) {
        const QSignalBlocker quiet(controls_.traceItem);
        controls_.traceItem->setChecked(false);
        showError_(opened.error());
        return;
    }
    link_->setTrace(&trace_);
    emit traceStarted(trace_.fileName());
}

void ControllerWindowBinding::showErrorBox(const QString& text) {
    // One box at a time: a failing line must not pile up boxes.
    if (errorBox_ && errorBox_->isVisible() && errorBox_->text() == text)
        return;
    auto* box = new QMessageBox(QMessageBox::Critical, LinkTexts::noticeCaption(), text,
                                QMessageBox::Ok, controls_.window);
    box->setObjectName(QStringLiteral("ControllerErrorBox"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open(); // window-modal, without a nested event loop
    errorBox_ = box;
}

void ControllerWindowBinding::showNoticeBox(const QString& text, std::function<void()> closed) {
    // Closed with the window, so that it never outlives the station.
    auto* box = new QMessageBox(QMessageBox::Information, LinkTexts::noticeCaption(), text,
                                QMessageBox::Ok, controls_.window);
    box->setObjectName(QStringLiteral("ControllerNoticeBox"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    connect(box, &QMessageBox::finished, this, [closed = std::move(closed)] { closed(); });
    box->show();
}
