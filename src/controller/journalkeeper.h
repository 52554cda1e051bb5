#pragma once

#include "base/result.h"
#include "controller/linkaction.h"
#include "controller/transferjournal.h"

#include <QLockFile>
#include <QObject>
#include <QTimer>

#include <memory>

class ProgramSource;

// Keeps the transfer journal while the link sends: a new journal when a
// transfer starts, a record for every acknowledged program line, the records
// synced to the disk at most once a second and at once when the transfer
// holds (the operator's pause, a lost or closed port) or is aborted or the
// link reports an error; the journal removed when the transfer ends after its
// last line. A lock file beside the journal keeps a second process from
// writing it at the same time.
class JournalKeeper : public QObject {
    Q_OBJECT
public:
    explicit JournalKeeper(QObject* parent = nullptr);
    ~JournalKeeper() override;

    // The journal's file; an empty path keeps no journal.
    void setPath(const QString& path);
    QString path() const { return path_; }
    // The program the link sends (not owned) and the name of its file.
    void setProgram(const ProgramSource* program, const QString& fileName);

    // Takes the journal's lock now (the tools, before they connect); a
    // failure says that another process holds it.
    Status lock();
    // Releases the lock (the journal stays).
    void unlock();

    // One step of the transfer, as the link reports it.
    void handle(const TransferEvent& event);
    // Syncs the journal now (a link error).
    void syncNow();

    const TransferJournal& journal() const { return journal_; }

    // The lock file that guards the journal at `path`.
    static QString lockPath(const QString& path) { return path + QStringLiteral(".lock"); }

signals:
    // Keeping the journal failed; said once a transfer.
    void failed(const QString& text);

private:
    void report(const Status& status);
    // The sync timer ran out: syncs, or waits out the rest of the interval
    // after the last sync.
    void syncDue();

    QString path_;
    const ProgramSource* program_ = nullptr;
    QString fileName_;
    JournalProgram identity_;
    bool identityKnown_ = false;
    TransferJournal journal_;
    std::unique_ptr<QLockFile> lock_;
    PenPoint point_;
    bool failedOnce_ = false;
    QTimer syncTimer_;
};
