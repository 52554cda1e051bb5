#pragma once

#include "controller/controllerframe.h"
#include "controller/emulator/pseudoterminal.h"

#include <QByteArrayList>
#include <QElapsedTimer>
#include <QFile>
#include <QObject>
#include <QRandomGenerator>
#include <QTimer>

#include <chrono>
#include <deque>

// How the emulated controller behaves.
struct EmulatorOptions {
    QByteArray address = "05";
    // Time between a frame's last byte and the start of its acknowledgement.
    std::chrono::milliseconds latency{0};
    // Paces both directions as a line at this rate would (10 bits a byte);
    // 0 leaves the line unpaced.
    int baudRate = 0;
    int dropEvery = 0;      // leave every Nth acknowledgement out
    int duplicateEvery = 0; // send every Nth acknowledgement twice
    int noiseEvery = 0;     // send a line of noise before every Nth acknowledgement
    bool splitAcks = false; // write each acknowledgement in three pieces
    quint32 noiseSeed = 1;
    bool keepHistory = true; // keep acceptedLines() and acceptedCommands()
    // Appends the payload of every program line acknowledged to this file,
    // one a line, in order (empty: none); the record of what was executed.
    QString executedFile = QString();
};

// One received line with the emulator's verdict and what it answered.
struct EmulatorLogEntry {
    QByteArray line; // as received, CR LF included
    CheckedFrame frame;
    QString reply; // "potwierdzono", "potwierdzenie pominięte", ... or empty
};

// A stand-in for the arm's controller on a pseudo-terminal: reads frames,
// checks them, and answers each valid one with the acknowledgement, with the
// latency, pacing and faults the options ask for. Runs on the thread that
// owns it, driven by its event loop.
class ControllerEmulator : public QObject {
    Q_OBJECT
public:
    // Gaps that keep an unpaced duplicate, noise line or ack piece apart from
    // the text before it, so that it arrives as a chunk of its own.
    static constexpr std::chrono::milliseconds kSeparateGap{20};
    static constexpr std::chrono::milliseconds kSplitGap{5};

    explicit ControllerEmulator(EmulatorOptions options = {}, QObject* parent = nullptr);
    ~ControllerEmulator() override;

    // Opens the line (and the file of executed lines, when asked for; options
    // that name another file later open that one).
    Status start();
    // Closes the line: the station sees the device go.
    void stop();
    bool running() const { return line_.isOpen(); }
    QString portPath() const { return line_.portPath(); }

    const EmulatorOptions& options() const { return options_; }
    void setOptions(const EmulatorOptions& options);

    // Writes bytes to the station as they are (a scripted reply, noise).
    void sendRaw(const QByteArray& bytes);

    // The payloads of the program lines ("20") and commands ("21") taken, in
    // order of arrival.
    const QByteArrayList& acceptedLines() const { return acceptedLines_; }
    const QByteArrayList& acceptedCommands() const { return acceptedCommands_; }
    int framesAccepted() const { return accepted_; }
    int framesRejected() const { return rejected_; }
    void clearCounts();

    // "ok :05210021ae4 -> potwierdzono", for logs.
    static QString describe(const EmulatorLogEntry& entry);

signals:
    void frameChecked(const EmulatorLogEntry& entry);

private:
    struct Timed {
        qint64 dueNs;
        QByteArray bytes;
        qint64 gapNs = 0; // at least this long after the write before it
    };

    Status openExecuted();
    void readLine();
    void takeBytes(const QByteArray& bytes, qint64 nowNs);
    void judge(const QByteArray& line, qint64 doneNs);
    void reply(qint64 doneNs, EmulatorLogEntry& entry);
    void queueOut(const QByteArray& bytes, qint64 earliestNs, qint64 gapNs = 0);
    void runDue();
    void schedule();
    qint64 byteNs() const;
    qint64 nowNs() const { return clock_.nsecsElapsed(); }

    EmulatorOptions options_;
    PseudoTerminal line_;
    QFile executed_;
    QElapsedTimer clock_;
    QTimer dueTimer_;
    QRandomGenerator random_;

    QByteArray partial_;
    qint64 inClockNs_ = 0;       // when the last received byte is through the wire
    qint64 outClockNs_ = 0;      // when the last queued byte is through the wire
    qint64 lastWriteNs_ = 0;     // when the last bytes were written
    std::deque<Timed> incoming_; // complete lines, due when through the wire
    std::deque<Timed> outgoing_; // bytes to write, due when through the wire

    QByteArrayList acceptedLines_;
    QByteArrayList acceptedCommands_;
    int accepted_ = 0;
    int rejected_ = 0;
    int acksDue_ = 0; // acknowledgements decided on, for every-Nth options
};
