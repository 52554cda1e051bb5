#include "controller/linkworker.h"

#include "controller/journalkeeper.h"
#include "controller/linktexts.h"
#include "controller/programsource.h"
#include "controller/wiretrace.h"

// The timers are children, so that they move with the worker to its thread.
LinkWorker::LinkWorker() : port_(this), timer_(this), busyRetry_(this) {
    timer_.setObjectName(QStringLiteral("Timer1"));
    timer_.setInterval(ControllerLinkState::kResendInterval);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] { carryOut(state_.timerTick()); });
    busyRetry_.setInterval(kBusyRetryInterval);
    connect(&busyRetry_, &QTimer::timeout, this, &LinkWorker::retryBusyPort);
    connect(&port_, &SerialPort::chunkReceived, this, &LinkWorker::chunkReceived);
    connect(&port_, &SerialPort::lampChanged, this, &LinkWorker::lampChanged);
    connect(&port_, &SerialPort::failed, this, &LinkWorker::portError);
    connect(&port_, &SerialPort::deviceLost, this, [this](const QString& text) {
        emit portFailed(port_.lastFault());
        carryOut(state_.portLost(text));
    });
}

LinkWorker::~LinkWorker() {
    timer_.stop();
    port_.blockSignals(true);
    port_.close();
}

void LinkWorker::start() {
    timer_.start();
}

void LinkWorker::connectWith(const Result<PortSettings>& settings) {
    pendingSettings_ = settings;
    carryOut(state_.connectChosen());
}

void LinkWorker::disconnect() {
    busyRetry_.stop(); // the operator gave up waiting for the port
    carryOut(state_.disconnectChosen());
}

void LinkWorker::setProgram(std::shared_ptr<const ProgramSource> program) {
    if (state_.sending())
        return; // the transfer keeps the program it started with
    program_ = std::move(program);
    state_.setProgram(program_.get());
}

void LinkWorker::setPortSettings(const PortSettings& settings) {
    if (const Status applied = port_.setSettings(settings); !applied)
        portError(applied.error());
    report();
}

void LinkWorker::setFlowControl(FlowControl flowControl) {
    if (const Status applied = port_.setFlowControl(flowControl); !applied)
        portError(applied.error());
    report();
}

void LinkWorker::setTrace(WireTrace* trace) {
    trace_ = trace;
}

void LinkWorker::setJournal(JournalKeeper* journal, const QString& fileName) {
    journal_ = journal;
    journalFile_ = fileName;
}

void LinkWorker::placeJournal(const QString& path, const QString& fileName) {
    if (!journal_ || state_.sending())
        return;
    journal_->setPath(path);
    journalFile_ = fileName;
}

void LinkWorker::record(const TransferEvent& event) {
    if (!journal_)
        return;
    if (event.step == TransferStep::Started)
        journal_->setProgram(program_.get(), journalFile_); // the copy being sent
    journal_->handle(event);
}

void LinkWorker::raise(const QString& text) {
    if (journal_)
        journal_->syncNow();
    emit errorRaised(text);
}

void LinkWorker::sendTyped(const QByteArray& keys) {
    if (!port_.connected())
        return;
    if (state_.sending()) {
        // A typed frame would cut in between two program lines.
        raise(LinkTexts::refusedWhileSending());
        return;
    }
    bool writeFailed = false;
    for (char key : keys) {
        write(QByteArray(1, key), writeFailed);
        if (writeFailed)
            return;
    }
}

void LinkWorker::chunkReceived(const QByteArray& chunk) {
    // The link sees the chunk first, the terminal shows it afterwards.
    if (trace_)
        trace_->received(chunk);
    carryOut(state_.ReceiveChunk(chunk));
    emit received(chunk);
}

void LinkWorker::portError(const QString& text) {
    emit portFailed(port_.lastFault());
    raise(text);
}

void LinkWorker::openPort() {
    if (!pendingSettings_) {
        carryOut(state_.portOpenFailed(pendingSettings_.error()));
        return;
    }
    const PortSettings& settings = *pendingSettings_;
    Status opened = port_.setSettings(settings);
    if (opened)
        opened = port_.setConnected(true);
    if (!opened && port_.lastOpenFoundItBusy()) {
        busySince_.start();
        busyRetry_.start();
        emit portBusy(settings.port);
        return;
    }
    finishOpen(opened);
}

void LinkWorker::retryBusyPort() {
    const Status opened = port_.setConnected(true);
    if (!opened && port_.lastOpenFoundItBusy() && busySince_.elapsed() < kBusyRetryTime.count())
        return; // still held: the next interval
    busyRetry_.stop();
    finishOpen(opened);
}

void LinkWorker::finishOpen(const Status& opened) {
    if (opened && port_.connected()) {
        carryOut(state_.portOpened());
        return;
    }
    if (!opened)
        emit portFailed(port_.lastFault());
    carryOut(state_.portOpenFailed(opened ? QString() : opened.error()));
}

void LinkWorker::report() {
    emit stateReported(state_, port_.settings());
}

void LinkWorker::carryOut(const LinkActions& actions) {
    report();
    bool writeFailed = false;
    for (const LinkAction& action : actions)
        carryOutOne(action, writeFailed);
}

void LinkWorker::write(const QByteArray& bytes, bool& writeFailed) {
    if (writeFailed)
        return; // the rest of this command's frames
    if (trace_)
        trace_->sent(bytes);
    if (Result<qint64> written = port_.sendText(bytes); !written) {
        writeFailed = true;
        portError(written.error());
    }
}

void LinkWorker::carryOutOne(const LinkAction& action, bool& writeFailed) {
    switch (action.kind) {
    case LinkAction::Kind::OpenPort:
        openPort();
        return;
    case LinkAction::Kind::ClosePort:
        port_.close();
        return;
    case LinkAction::Kind::Write:
        write(action.bytes, writeFailed);
        return;
    case LinkAction::Kind::StartTimer:
        timer_.start();
        return;
    case LinkAction::Kind::StopTimer:
        timer_.stop();
        return;
    case LinkAction::Kind::SetStatus:
        emit statusChanged(action.panel, action.status);
        return;
    case LinkAction::Kind::SetEnabled:
        emit enabledChanged(action.control, action.on);
        return;
    case LinkAction::Kind::SetChecked:
        emit checkedChanged(action.control, action.on);
        return;
    case LinkAction::Kind::AppendLog:
        emit logAppended(action.bytes);
        return;
    case LinkAction::Kind::ShowError:
        raise(action.text);
        return;
    case LinkAction::Kind::ShowNotice:
        emit noticeRaised(action.text);
        return;
    case LinkAction::Kind::Transfer:
        if (trace_ && action.transfer.step == TransferStep::Held)
            trace_->note(QStringLiteral("held before line %1").arg(action.transfer.index + 1));
        record(action.transfer);
        emit transferChanged(action.transfer);
        return;
    case LinkAction::Kind::Event:
        emit eventOccurred(action.event);
        return;
    }
}
