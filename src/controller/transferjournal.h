#pragma once

#include "base/result.h"
#include "controller/penpoint.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QString>

#include <chrono>
#include <memory>
#include <optional>

class ProgramSource;

// The transfer journal: a small text file that records, while a transfer
// runs, which program it sends and how far the controller has acknowledged
// it, so that the transfer can go on after the station or its machine went
// down. The file is a header of four lines and then one record a line:
//
//   SCARA-DZIENNIK 1 <check>
//   program <file name, percent-encoded> <check>
//   hash <SHA-256 of the program's lines, hex> <check>
//   lines <count> <check>
//   A <line> <x> <y> <pen 0|1> <check>     the line (from 0) was acknowledged,
//                                          the point and pen after it
//   P <line> <check>                       the operator aborted the transfer
//                                          before the line (from 0); the last
//                                          record
//
// <check> is the CRC-16 of the rest of the line in four hex digits. Records
// are appended as they happen, so what a killed process wrote is kept; a
// record that is cut short or does not match its check ends the reading (a
// damaged tail is ignored). A damaged header makes the whole file unusable.

// The journal's format version; a journal of another version is not read.
inline constexpr int kJournalVersion = 1;

// The program a journal belongs to.
struct JournalProgram {
    QString file;    // the program file's name as the station opened it
    QByteArray hash; // ProgramHash() of the lines sent
    int lines = 0;

    bool operator==(const JournalProgram&) const = default;
};

// What a journal says.
struct JournalState {
    JournalProgram program;
    int lastAcknowledged = -1; // counted from 0; -1 before the first line
    PenPoint point;            // after the last acknowledged line
    // A record was cut short, damaged, or could not be the station's own (a
    // line skipped or repeated, an absurd coordinate, a record after the
    // abort): the reading stopped before it.
    bool damagedTail = false;
    // The operator aborted the transfer before this line (from 0); nothing
    // when it was interrupted (the station or its machine went down, the
    // line was lost).
    std::optional<int> abortedAt;

    // The line to go on with, counted from 0.
    int nextLine() const { return lastAcknowledged + 1; }
};

// The hash that tells one program from another: SHA-256 over the lines, each
// followed by LF, in lower-case hex.
QByteArray ProgramHash(const ProgramSource& program);

// Reads a journal. A file that cannot be read, is truncated before its
// records, is damaged or of another version gives a failure whose text says
// which (JournalTexts).
Result<JournalState> ReadJournal(const QString& path);

// Renames a journal that cannot be used out of the way (to
// "<path>.odlozony-<date and time>"), so that it is never read again but
// stays for a look; returns the new name.
Result<QString> SetJournalAside(const QString& path);

// Writes a journal while a transfer runs.
class TransferJournal {
    Q_DECLARE_TR_FUNCTIONS(TransferJournal)

public:
    using Clock = std::chrono::steady_clock;
    // Records reach the disk at most this often while lines are acknowledged;
    // sync() forces them at once.
    static constexpr std::chrono::milliseconds kSyncInterval{1000};

    TransferJournal() = default;
    ~TransferJournal();
    TransferJournal(const TransferJournal&) = delete;
    TransferJournal& operator=(const TransferJournal&) = delete;

    // Replaces the journal at `path` atomically with a new one for `program`;
    // a transfer that starts after line 0 records line from-1 with the point
    // `before` at once, so that nothing is lost before the first
    // acknowledgement. A failure leaves an old journal as it was.
    Status begin(const QString& path, const JournalProgram& program, int from,
                 const PenPoint& before);
    bool isOpen() const { return file_ != nullptr; }
    QString path() const { return path_; }

    // Appends the record of an acknowledged line and hands it to the system
    // at once; it is synced to the disk when the last sync is a whole
    // interval ago (otherwise syncPending() says that one is due).
    Status recordAcknowledged(int line, const PenPoint& after, Clock::time_point now);
    // Appends that the operator aborted the transfer before `line`; synced at
    // once.
    Status recordAborted(int line);
    bool syncPending() const { return unsynced_; }
    Clock::time_point lastSync() const { return lastSync_; }
    // Syncs what was written to the disk.
    Status sync(Clock::time_point now = Clock::now());
    // The transfer ended normally: the journal is removed.
    Status remove();
    // Closes the file, keeping it (synced first).
    void close();

private:
    Status append(const QByteArray& line);

    QString path_;
    std::unique_ptr<QFile> file_;
    bool unsynced_ = false;
    Clock::time_point lastSync_{};
};

// Texts of the journal, shown by the window and printed by the tools.
namespace JournalTexts {
QString cannotRead(const QString& path, const QString& reason);
QString truncated(const QString& path);
QString damaged(const QString& path);
QString otherVersion(const QString& path, const QString& version);
QString programMissing(const QString& path, const QString& program);
QString programDiffers(const QString& path);
QString setAside(const QString& newPath);
QString cannotWrite(const QString& path, const QString& reason);
QString inUse(const QString& path);
QString alreadyDone(const QString& path);
// The journal's end was cut short or held a record the station never
// writes: it goes on from the last line whose acknowledgement is certain.
QString damagedTail(const QString& path);
} // namespace JournalTexts
