#include "controller/widgets/controllerwindowbinding.h"

#include "controller/controllerlink.h"
#include "controller/programlistsource.h"
#include "controller/widgets/portselectors.h"
#include "controller/widgets/terminalview.h"
#include "base/windows1250.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QWidget>

namespace {

using ZHeight = ControllerLinkState::ZHeight;
using MoveAxis = ControllerLinkState::MoveAxis;

const char* const kManualButtons[] = {"Button3", "Button4", "Button5", "Button7",
                                      "Button8", "Button9", "Button10"};

} // namespace

template <typename T> T* ControllerWindowBinding::control(const char* name) const {
    return window_->findChild<T*>(QLatin1String(name));
}

ControllerWindowBinding* ControllerWindowBinding::attach(QWidget* window) {
    return new ControllerWindowBinding(window);
}

ControllerWindowBinding* ControllerWindowBinding::attach(QWidget* window,
                                                         const ProgramList& program) {
    auto* binding = new ControllerWindowBinding(window);
    binding->ownProgram_ = std::make_unique<ProgramListSource>(program);
    binding->setProgram(binding->ownProgram_.get());
    return binding;
}

ControllerWindowBinding::ControllerWindowBinding(QWidget* window)
    : QObject(window), window_(window), link_(new ControllerLink(this)) {
    std::array<QComboBox*, 6> boxes{};
    for (int i = 0; i < 6; ++i)
        boxes[i] = window_->findChild<QComboBox*>(QStringLiteral("ComComboBox%1").arg(i + 1));
    selectors_ = new PortSelectors(boxes, link_->port(), this);
    selectors_->fillPortList();
    link_->setSettingsSource([this] { return selectors_->read(); });
    if (auto* screen = control<QPlainTextEdit>("ComTerminal1"))
        terminal_ = new TerminalView(screen, this);

    showError_ = [this](const QString& text) { showErrorBox(text); };
    showNotice_ = [this](const QString& text, std::function<void()> closed) {
        showNoticeBox(text, std::move(closed));
    };
    bindLinkOutput();
    bindCommands();
    link_->start();
}

void ControllerWindowBinding::setProgram(const ProgramSource* program) {
    link_->setProgram(program);
}

void ControllerWindowBinding::programPrepared() {
    link_->programPrepared();
}

void ControllerWindowBinding::bindCommands() {
    ControllerLink* link = link_;
    auto onClick = [this](const char* name, auto handler) {
        if (auto* button = control<QAbstractButton>(name))
            connect(button, &QAbstractButton::clicked, link_, handler);
    };
    auto onMenu = [this](const char* name, auto handler) {
        if (auto* action = control<QAction>(name))
            connect(action, &QAction::triggered, link_, handler);
    };
    auto fieldText = [this](const char* name) {
        auto* field = control<QLineEdit>(name);
        return field ? field->text() : QString();
    };
    onClick("Button1", [link] { link->connectChosen(); });
    onMenu("Poczzesterownikiem1", [link] { link->connectChosen(); });
    onClick("Button2", [link] { link->disconnectChosen(); });
    onMenu("Jazdareferencyjna1", [link] { link->referenceTravelChosen(); });
    onClick("Button10", [link] { link->setReferenceChosen(); });
    onMenu("Wyslijprogram1", [link] { link->sendProgramChosen(); });
    onMenu("Przerwawwysyaniuprogramu1", [link] { link->pauseChosen(); });
    onClick("Button7", [=] { link->zHeightChosen(ZHeight::G00, fieldText("Edit13")); });
    onClick("Button9", [=] { link->zHeightChosen(ZHeight::G01, fieldText("Edit14")); });
    onClick("Button3", [=] { link->moveChosen(MoveAxis::Arm1, fieldText("Edit9")); });
    onClick("Button4", [=] { link->moveChosen(MoveAxis::Arm2, fieldText("Edit10")); });
    onClick("Button5", [=] { link->moveChosen(MoveAxis::Z, fieldText("Edit16")); });
    if (auto* box = control<QAbstractButton>("CheckBox7")) // every change, however made
        connect(box, &QAbstractButton::toggled, link_, [link] { link->manualModeToggled(); });
    if (auto* address = control<QLineEdit>("Edit12")) {
        link_->setControllerAddress(EncodeWindows1250(address->text()));
        connect(address, &QLineEdit::textChanged, link_, [link](const QString& text) {
            link->setControllerAddress(EncodeWindows1250(text));
        });
    }
    if (terminal_)
        connect(terminal_, &TerminalView::keysTyped, link_, &ControllerLink::sendTyped);
    connect(selectors_, &PortSelectors::failed, this,
            [this](const QString& text) { showError_(text); });
}

void ControllerWindowBinding::bindLinkOutput() {
    connect(link_, &ControllerLink::statusChanged, this,
            [this](LinkPanel panel, const QString& text) {
                const QString name = QStringLiteral("StatusPanel%1").arg(int(panel));
                if (auto* label = window_->findChild<QLabel*>(name))
                    label->setText(text);
            });
    connect(link_, &ControllerLink::enabledChanged, this,
            &ControllerWindowBinding::setControlEnabled);
    connect(link_, &ControllerLink::checkedChanged, this, [this](LinkControl which, bool on) {
        auto* box = control<QAbstractButton>("CheckBox7");
        if (which != LinkControl::ManualModeBox || !box)
            return;
        const QSignalBlocker quiet(box); // the link has acted on the change already
        box->setChecked(on);
    });
    connect(link_, &ControllerLink::logAppended, this, [this](const QByteArray& line) {
        if (auto* memo = control<QPlainTextEdit>("Memo5"))
            memo->appendPlainText(DecodeWindows1250(line));
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
    if (terminal_)
        connect(link_, &ControllerLink::received, terminal_, &TerminalView::showChunk);
    connect(link_, &ControllerLink::lampChanged, this, [this](Lamp lamp, bool lit) {
        const QString name = QStringLiteral("ComLed%1").arg(int(lamp) + 1);
        if (QWidget* led = window_->findChild<QWidget*>(name))
            QMetaObject::invokeMethod(led, "setLit", Q_ARG(bool, lit));
    });
}

void ControllerWindowBinding::setControlEnabled(LinkControl which, bool on) {
    switch (which) {
    case LinkControl::ConnectButton:
        if (auto* button = control<QWidget>("Button1"))
            button->setEnabled(on);
        return;
    case LinkControl::DisconnectButton:
        if (auto* button = control<QWidget>("Button2"))
            button->setEnabled(on);
        return;
    case LinkControl::PortSelectors:
        for (int i = 1; i <= 6; ++i) {
            if (auto* box = window_->findChild<QComboBox*>(QStringLiteral("ComComboBox%1").arg(i)))
                box->setEnabled(on);
        }
        return;
    case LinkControl::ReferenceTravelItem:
        if (auto* action = control<QAction>("Jazdareferencyjna1"))
            action->setEnabled(on);
        return;
    case LinkControl::SendProgramItem:
        if (auto* action = control<QAction>("Wyslijprogram1"))
            action->setEnabled(on);
        return;
    case LinkControl::ManualModeBox:
        if (auto* box = control<QWidget>("CheckBox7"))
            box->setEnabled(on);
        return;
    case LinkControl::ManualButtons:
        for (const char* name : kManualButtons) {
            if (auto* button = control<QWidget>(name))
                button->setEnabled(on);
        }
        return;
    }
}

void ControllerWindowBinding::showErrorBox(const QString& text) {
    // One box at a time: a failing line must not pile up boxes.
    if (errorBox_ && errorBox_->isVisible() && errorBox_->text() == text)
        return;
    auto* box = new QMessageBox(QMessageBox::Critical, QStringLiteral("SCARA"), text,
                                QMessageBox::Ok, window_);
    box->setObjectName(QStringLiteral("ControllerErrorBox"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open(); // window-modal, without a nested event loop
    errorBox_ = box;
}

void ControllerWindowBinding::showNoticeBox(const QString& text, std::function<void()> closed) {
    // Closed with the window, so that it never outlives the station.
    auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("SCARA"), text,
                                QMessageBox::Ok, window_);
    box->setObjectName(QStringLiteral("ControllerNoticeBox"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    connect(box, &QMessageBox::finished, this, [closed = std::move(closed)] { closed(); });
    box->show();
}
