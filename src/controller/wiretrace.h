#pragma once

#include "base/result.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QString>

#include <chrono>
#include <mutex>

// A trace of the wire: every write to the controller and every chunk it
// sends back, one line each, with the time since the trace began in
// milliseconds, so that a stall or a skipped line can be examined afterwards:
//
//   00000012.345 > :0520N1 G00 X0 Y250 DA53\r\n
//   00000031.002 < :0505\r\n
//
// Bytes outside printable ASCII are written as \r, \n or \xNN, so every
// record stays on its line. The file is flushed after each record: what was
// written before a crash is in it. The link writes it from its own thread
// while the window opens and closes it: every call is safe from any thread.
class WireTrace {
    Q_DECLARE_TR_FUNCTIONS(WireTrace)

public:
    WireTrace() = default;
    WireTrace(const WireTrace&) = delete;
    WireTrace& operator=(const WireTrace&) = delete;

    // Creates (or replaces) the trace file; "Cannot create file ..." when it
    // cannot be.
    Status open(const QString& fileName);
    void close();
    bool isOpen() const;
    QString fileName() const;

    void sent(const QByteArray& bytes) { record('>', bytes); }
    void received(const QByteArray& bytes) { record('<', bytes); }
    // A remark of the station's own ("# held at line 12").
    void note(const QString& text);

    // The text a record shows for `bytes`.
    static QByteArray visible(const QByteArray& bytes);

    // A new trace's name in `folder`: trace-YYYYMMDD-hhmmss.txt.
    static QString newFileName(const QString& folder);

private:
    void record(char direction, const QByteArray& bytes);
    void write(const QByteArray& line); // with mutex_ held

    mutable std::mutex mutex_;
    QFile file_;
    std::chrono::steady_clock::time_point start_{};
    bool failed_ = false;
};
