#include "controller/controllerlink.h"

#include "controller/linktexts.h"

ControllerLink::ControllerLink(QObject* parent) : QObject(parent), port_(this), timer_(this) {
    timer_.setObjectName(QStringLiteral("Timer1"));
    timer_.setInterval(ControllerLinkState::kResendInterval);
    timer_.setTimerType(Qt::PreciseTimer);
    settingsSource_ = [this]() -> Result<PortSettings> { return port_.settings(); };

    connect(&timer_, &QTimer::timeout, this, [this] { carryOut(state_.timerTick()); });
    busyRetry_.setInterval(kBusyRetryInterval);
    connect(&busyRetry_, &QTimer::timeout, this, &ControllerLink::retryBusyPort);
    connect(&port_, &SerialPort::chunkReceived, this, &ControllerLink::chunkReceived);
    connect(&port_, &SerialPort::lampChanged, this, &ControllerLink::lampChanged);
    connect(&port_, &SerialPort::failed, this, &ControllerLink::errorRaised);
    connect(&port_, &SerialPort::deviceLost, this,
            [this](const QString& text) { carryOut(state_.portLost(text)); });
}

ControllerLink::~ControllerLink() {
    timer_.stop();
    port_.blockSignals(true);
    port_.close();
}

void ControllerLink::start() {
    carryOut(state_.initialActions());
}

void ControllerLink::connectChosen() {
    carryOut(state_.connectChosen());
}
void ControllerLink::disconnectChosen() {
    busyRetry_.stop(); // the operator gave up waiting for the port
    carryOut(state_.disconnectChosen());
}
void ControllerLink::referenceTravelChosen() {
    carryOut(state_.referenceTravelChosen());
}
void ControllerLink::setReferenceChosen() {
    carryOut(state_.setReferenceChosen());
}
void ControllerLink::manualModeToggled() {
    carryOut(state_.manualModeToggled());
}

void ControllerLink::zHeightChosen(ControllerLinkState::ZHeight which, const QString& fieldText) {
    carryOut(state_.zHeightChosen(which, fieldText));
}

void ControllerLink::moveChosen(ControllerLinkState::MoveAxis axis, const QString& fieldText) {
    carryOut(state_.moveChosen(axis, fieldText));
}

void ControllerLink::programPrepared() {
    carryOut(state_.programPrepared());
}
void ControllerLink::sendProgramChosen(TransferStart start) {
    carryOut(state_.sendProgramChosen(start));
}
void ControllerLink::sendProgramFrom(int from, TransferStart start) {
    carryOut(state_.sendProgramFrom(from, start));
}
void ControllerLink::pauseChosen() {
    carryOut(state_.pauseChosen());
}
void ControllerLink::holdChosen(ControllerLinkState::Hold how) {
    carryOut(state_.holdChosen(how));
}
void ControllerLink::resumeChosen() {
    carryOut(state_.resumeChosen());
}
void ControllerLink::abortChosen() {
    carryOut(state_.abortChosen());
}
void ControllerLink::noticeClosed() {
    carryOut(state_.noticeClosed());
}

void ControllerLink::sendTyped(const QByteArray& keys) {
    if (!port_.connected())
        return;
    if (state_.sending()) {
        // A typed frame would cut in between two program lines.
        emit errorRaised(LinkTexts::refusedWhileSending());
        return;
    }
    for (char key : keys) {
        if (trace_)
            trace_->sent(QByteArray(1, key));
        if (Result<qint64> written = port_.sendText(QByteArray(1, key)); !written) {
            emit errorRaised(written.error());
            return;
        }
    }
}

void ControllerLink::chunkReceived(const QByteArray& chunk) {
    // The link sees the chunk first, the terminal shows it afterwards.
    if (trace_)
        trace_->received(chunk);
    carryOut(state_.ReceiveChunk(chunk));
    emit received(chunk);
}

void ControllerLink::openPort() {
    const Result<PortSettings> settings = settingsSource_();
    if (!settings) {
        carryOut(state_.portOpenFailed(settings.error()));
        return;
    }
    Status opened = port_.setSettings(*settings);
    if (opened)
        opened = port_.setConnected(true);
    if (!opened && port_.lastOpenFoundItBusy()) {
        busySince_.start();
        busyRetry_.start();
        emit portBusy(LinkTexts::portBusy(settings->port));
        return;
    }
    finishOpen(opened);
}

void ControllerLink::retryBusyPort() {
    const Status opened = port_.setConnected(true);
    if (!opened && port_.lastOpenFoundItBusy() && busySince_.elapsed() < kBusyRetryTime.count())
        return; // still held: the next interval
    busyRetry_.stop();
    finishOpen(opened);
}

void ControllerLink::finishOpen(const Status& opened) {
    if (opened && port_.connected())
        carryOut(state_.portOpened());
    else
        carryOut(state_.portOpenFailed(opened ? QString() : opened.error()));
}

void ControllerLink::carryOut(const LinkActions& actions) {
    bool writeFailed = false;
    for (const LinkAction& action : actions) {
        switch (action.kind) {
        case LinkAction::Kind::OpenPort:
            openPort();
            break;
        case LinkAction::Kind::ClosePort:
            port_.close();
            break;
        case LinkAction::Kind::Write:
            if (writeFailed)
                break; // the rest of this command's frames
            if (trace_)
                trace_->sent(action.bytes);
            if (Result<qint64> written = port_.sendText(action.bytes); !written) {
                writeFailed = true;
                emit errorRaised(written.error());
            }
            break;
        case LinkAction::Kind::StartTimer:
            timer_.start();
            break;
        case LinkAction::Kind::StopTimer:
            timer_.stop();
            break;
        case LinkAction::Kind::SetStatus:
            emit statusChanged(action.panel, action.text);
            break;
        case LinkAction::Kind::SetEnabled:
            emit enabledChanged(action.control, action.on);
            break;
        case LinkAction::Kind::SetChecked:
            emit checkedChanged(action.control, action.on);
            break;
        case LinkAction::Kind::AppendLog:
            emit logAppended(action.bytes);
            break;
        case LinkAction::Kind::ShowError:
            emit errorRaised(action.text);
            break;
        case LinkAction::Kind::ShowNotice:
            emit noticeRaised(action.text);
            break;
        case LinkAction::Kind::Transfer:
            if (trace_ && action.transfer.step == TransferStep::Held)
                trace_->note(QStringLiteral("held before line %1").arg(action.transfer.index + 1));
            emit transferChanged(action.transfer);
            break;
        case LinkAction::Kind::Event:
            emit eventOccurred(action.event);
            break;
        }
    }
}
