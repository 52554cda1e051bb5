#include "controller/controllerlink.h"

#include "controller/journalkeeper.h"
#include "controller/linkworker.h"
#include "controller/programsource.h"

#include <optional>

namespace {

// The program as it is now, for a transfer to send whatever the window does
// to its own meanwhile.
std::shared_ptr<const ProgramSource> copyOf(const ProgramSource* program) {
    if (!program)
        return nullptr;
    QByteArrayList lines;
    const int count = program->lineCount();
    lines.reserve(count);
    for (int i = 0; i < count; ++i) {
        const std::optional<QByteArray> line = program->lineAt(i);
        if (!line)
            break;
        lines.append(*line);
    }
    return std::make_shared<const LineListProgram>(std::move(lines));
}

void registerTypes() {
    qRegisterMetaType<ControllerLinkState>();
    qRegisterMetaType<PortSettings>();
    qRegisterMetaType<PortFault>();
    qRegisterMetaType<LinkPanel>();
    qRegisterMetaType<LinkStatus>();
    qRegisterMetaType<LinkControl>();
    qRegisterMetaType<LinkEvent>();
    qRegisterMetaType<TransferEvent>();
    qRegisterMetaType<Lamp>();
}

} // namespace

ControllerLink::ControllerLink(QObject* parent) : QObject(parent), worker_(new LinkWorker) {
    registerTypes();
    thread_.setObjectName(QStringLiteral("ControllerLink"));
    worker_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
    forwardSignals();
    thread_.start(QThread::HighPriority);
}

ControllerLink::~ControllerLink() {
    releaseJournal();
    // The worker closes the port and goes with its thread.
    thread_.quit();
    thread_.wait();
}

void ControllerLink::releaseJournal() {
    if (!journal_)
        return;
    QMetaObject::invokeMethod(
        worker_,
        [worker = worker_, journal = journal_, home = thread()] {
            worker->setJournal(nullptr, {});
            journal->moveToThread(home);
        },
        Qt::BlockingQueuedConnection);
    journal_ = nullptr;
}

const QObject& ControllerLink::worker() const {
    return *worker_;
}

void ControllerLink::forwardSignals() {
    connect(worker_, &LinkWorker::stateReported, this,
            [this](const ControllerLinkState& state, const PortSettings& settings) {
                state_ = state;
                portSettings_ = settings;
                emit stateChanged();
            });
    connect(worker_, &LinkWorker::statusChanged, this, &ControllerLink::statusChanged);
    connect(worker_, &LinkWorker::enabledChanged, this, &ControllerLink::enabledChanged);
    connect(worker_, &LinkWorker::checkedChanged, this, &ControllerLink::checkedChanged);
    connect(worker_, &LinkWorker::logAppended, this, &ControllerLink::logAppended);
    connect(worker_, &LinkWorker::errorRaised, this, &ControllerLink::errorRaised);
    connect(worker_, &LinkWorker::portFailed, this, &ControllerLink::portFailed);
    connect(worker_, &LinkWorker::noticeRaised, this, &ControllerLink::noticeRaised);
    connect(worker_, &LinkWorker::received, this, &ControllerLink::received);
    connect(worker_, &LinkWorker::lampChanged, this, &ControllerLink::lampChanged);
    connect(worker_, &LinkWorker::transferChanged, this, &ControllerLink::transferChanged);
    connect(worker_, &LinkWorker::eventOccurred, this, &ControllerLink::eventOccurred);
    connect(worker_, &LinkWorker::portBusy, this, &ControllerLink::portBusy);
    connect(worker_, &LinkWorker::transferCommandTaken, this, [this] {
        if (transfersAsked_ > 0)
            --transfersAsked_;
    });
}

template <typename Work> void ControllerLink::post(Work work) {
    // Runs on the link's thread, after every command posted before it.
    QMetaObject::invokeMethod(
        worker_, [worker = worker_, work = std::move(work)] { work(*worker); },
        Qt::QueuedConnection);
}

template <typename... Args, typename... Given>
void ControllerLink::feed(LinkActions (ControllerLinkState::*event)(Args...), Given... args) {
    post([event, args...](LinkWorker& worker) {
        worker.carryOut((worker.state().*event)(args...));
    });
}

void ControllerLink::start() {
    showInitialState();
    post([](LinkWorker& worker) { worker.start(); });
}

void ControllerLink::showInitialState() {
    // The panels and controls as the window opens, at once: they do not
    // wait for the link's thread.
    for (const LinkAction& action : ControllerLinkState().initialActions()) {
        if (action.kind == LinkAction::Kind::SetStatus)
            emit statusChanged(action.panel, action.status);
        else if (action.kind == LinkAction::Kind::SetEnabled)
            emit enabledChanged(action.control, action.on);
        else if (action.kind == LinkAction::Kind::SetChecked)
            emit checkedChanged(action.control, action.on);
    }
}

void ControllerLink::setPortSettings(const PortSettings& settings) {
    portSettings_ = settings;
    post([settings](LinkWorker& worker) { worker.setPortSettings(settings); });
}

void ControllerLink::setFlowControl(FlowControl flowControl) {
    portSettings_.flowControl = flowControl;
    post([flowControl](LinkWorker& worker) { worker.setFlowControl(flowControl); });
}

void ControllerLink::setTrace(WireTrace* trace) {
    post([trace](LinkWorker& worker) { worker.setTrace(trace); });
}

void ControllerLink::setControllerAddress(const QByteArray& address) {
    post([address](LinkWorker& worker) {
        worker.state().setControllerAddress(address);
        worker.carryOut({});
    });
}

void ControllerLink::keepJournal(JournalKeeper& keeper, const QString& fileName) {
    journal_ = &keeper;
    keeper.moveToThread(&thread_);
    post([journal = &keeper, fileName](LinkWorker& worker) {
        worker.setJournal(journal, fileName);
    });
}

void ControllerLink::connectChosen() {
    const Result<PortSettings> settings =
        settingsSource_ ? settingsSource_() : Result<PortSettings>(portSettings_);
    post([settings](LinkWorker& worker) { worker.connectWith(settings); });
}

void ControllerLink::disconnectChosen() {
    post([](LinkWorker& worker) { worker.disconnect(); });
}

void ControllerLink::referenceTravelChosen() {
    feed(&ControllerLinkState::referenceTravelChosen);
}

void ControllerLink::setReferenceChosen() {
    feed(&ControllerLinkState::setReferenceChosen);
}

void ControllerLink::manualModeToggled() {
    feed(&ControllerLinkState::manualModeToggled);
}

void ControllerLink::zHeightChosen(ControllerLinkState::ZHeight which, const QString& fieldText) {
    feed(&ControllerLinkState::zHeightChosen, which, fieldText);
}

void ControllerLink::moveChosen(ControllerLinkState::MoveAxis axis, const QString& fieldText) {
    feed(&ControllerLinkState::moveChosen, axis, fieldText);
}

void ControllerLink::trustReference() {
    post([](LinkWorker& worker) {
        worker.state().trustReference();
        worker.carryOut({});
    });
}

void ControllerLink::programPrepared() {
    feed(&ControllerLinkState::programPrepared);
}

void ControllerLink::sendProgramChosen(TransferStart start) {
    sendProgramFrom(0, start);
}

void ControllerLink::sendProgramFrom(int from, TransferStart start) {
    std::optional<JournalPlace> place;
    if (journal_ && journalPlace_)
        place = journalPlace_();
    post([program = copyOf(program_), place, from, start](LinkWorker& worker) {
        if (place)
            worker.placeJournal(place->path, place->programFile);
        worker.setProgram(program);
        worker.carryOut(worker.state().sendProgramFrom(from, start));
        emit worker.transferCommandTaken();
    });
    ++transfersAsked_;
}

void ControllerLink::pauseChosen() {
    feed(&ControllerLinkState::pauseChosen);
}

void ControllerLink::holdChosen(ControllerLinkState::Hold how) {
    feed(&ControllerLinkState::holdChosen, how);
}

void ControllerLink::resumeChosen() {
    feed(&ControllerLinkState::resumeChosen);
}

void ControllerLink::abortChosen() {
    feed(&ControllerLinkState::abortChosen);
}

void ControllerLink::noticeClosed() {
    feed(&ControllerLinkState::noticeClosed);
}

void ControllerLink::sendTyped(const QByteArray& keys) {
    post([keys](LinkWorker& worker) { worker.sendTyped(keys); });
}
