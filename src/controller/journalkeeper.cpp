#include "controller/journalkeeper.h"

#include "controller/programsource.h"

// The timer is a child, so that it moves with the keeper to the link's thread.
JournalKeeper::JournalKeeper(QObject* parent) : QObject(parent), syncTimer_(this) {
    syncTimer_.setSingleShot(true);
    syncTimer_.setInterval(TransferJournal::kSyncInterval);
    connect(&syncTimer_, &QTimer::timeout, this, &JournalKeeper::syncDue);
}

JournalKeeper::~JournalKeeper() {
    journal_.close();
}

void JournalKeeper::setPath(const QString& path) {
    if (path == path_)
        return;
    journal_.close();
    unlock();
    path_ = path;
}

void JournalKeeper::setProgram(const ProgramSource* program, const QString& fileName) {
    program_ = program;
    fileName_ = fileName;
    identityKnown_ = false; // hashed when a transfer starts
}

Status JournalKeeper::lock() {
    if (path_.isEmpty() || (lock_ && lock_->isLocked()))
        return {};
    auto lock = std::make_unique<QLockFile>(lockPath(path_));
    lock->setStaleLockTime(0); // only a live process holds it
    if (!lock->tryLock()) {
        if (lock->error() == QLockFile::LockFailedError)
            return Failure{JournalTexts::inUse(path_)};
        return Failure{JournalTexts::cannotWrite(lockPath(path_), tr("brak dostępu do blokady"))};
    }
    lock_ = std::move(lock);
    return {};
}

void JournalKeeper::unlock() {
    lock_.reset();
}

void JournalKeeper::report(const Status& status) {
    if (status || failedOnce_)
        return;
    failedOnce_ = true;
    emit failed(status.error());
}

void JournalKeeper::handle(const TransferEvent& event) {
    if (path_.isEmpty() || !program_)
        return;
    switch (event.step) {
    case TransferStep::Started: {
        failedOnce_ = false;
        if (Status locked = lock(); !locked) {
            report(locked);
            return;
        }
        if (!identityKnown_) {
            identity_ = {fileName_, ProgramHash(*program_), program_->lineCount()};
            identityKnown_ = true;
        }
        point_ = PenPoint{};
        for (int i = 0; i < event.index; ++i) {
            if (const std::optional<QByteArray> line = program_->lineAt(i))
                point_.follow(*line);
        }
        report(journal_.begin(path_, identity_, event.index, point_));
        return;
    }
    case TransferStep::LineAcknowledged:
        if (event.travel || !journal_.isOpen())
            return;
        if (const std::optional<QByteArray> line = program_->lineAt(event.index))
            point_.follow(*line);
        report(journal_.recordAcknowledged(event.index, point_, TransferJournal::Clock::now()));
        if (journal_.syncPending() && !syncTimer_.isActive())
            syncTimer_.start();
        return;
    case TransferStep::Held:
        syncNow();
        return;
    case TransferStep::Aborted:
        syncTimer_.stop();
        report(journal_.recordAborted(event.index));
        return;
    case TransferStep::Finished:
        syncTimer_.stop();
        report(journal_.remove());
        unlock();
        return;
    case TransferStep::LineSent:
    case TransferStep::LineResent:
    case TransferStep::Resumed:
        return;
    }
}

void JournalKeeper::syncDue() {
    using namespace std::chrono;
    const auto left = duration_cast<milliseconds>(
        journal_.lastSync() + TransferJournal::kSyncInterval - TransferJournal::Clock::now());
    if (left > milliseconds(0) && journal_.syncPending()) {
        syncTimer_.start(left);
        return;
    }
    syncNow();
}

void JournalKeeper::syncNow() {
    syncTimer_.stop();
    report(journal_.sync());
}
