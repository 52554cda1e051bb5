#pragma once

#include "controller/linkaction.h"

#include <QString>
#include <QtGlobal>

#include <chrono>
#include <optional>

class ProgramSource;

// How long a transfer takes on the wire. Each line costs its frame (the
// block frame and CR LF) and the controller's 7-byte acknowledgement, at
// 10 bits a byte (a start bit, 8 data bits, a stop bit), plus a turnaround:
// the time between a frame's end and its acknowledgement's start, and
// between that and the next frame.
struct TransferModel {
    static constexpr int kAcknowledgementBytes = 7; // ":0505\r\n"
    static constexpr int kBitsPerByte = 10;

    int baud = 19200;
    std::chrono::microseconds turnaround{800};

    // The frame's bytes for a line of `lineBytes` bytes, CR LF included.
    static qint64 frameBytes(qint64 lineBytes);
    // One line of `lineBytes` bytes, its acknowledgement and turnaround.
    double lineSeconds(qint64 lineBytes) const;
    // `lines` lines of `lineBytes` bytes in all.
    double seconds(qint64 lines, qint64 lineBytes) const;
};

// The lines and their bytes from line `from` on.
struct ProgramLoad {
    qint64 lines = 0;
    qint64 lineBytes = 0;
};
ProgramLoad MeasureLoad(const ProgramSource& program, int from = 0);

// A duration as the station shows it: "m:ss", or "h:mm:ss" from an hour.
QString FormatDuration(std::chrono::milliseconds duration);

// What the operator sees of a transfer, at one moment.
struct TransferFigures {
    bool active = false; // a transfer runs or holds
    bool held = false;
    TransferHold hold = TransferHold::PenUp;
    int total = 0;         // the program's lines
    int acknowledged = 0;  // lines acknowledged, counting those skipped by a start further on
    int current = 0;       // the line being sent or held at, from 0
    bool travel = false;   // a travel line of the station's own is in flight
    int resends = 0;       // in this transfer
    int resendsOfLine = 0; // of the current line
    double linesPerSecond = 0;
    std::chrono::milliseconds elapsed{0};
    std::chrono::milliseconds left{0};
    std::chrono::milliseconds silent{0}; // since the last acknowledgement (or the start)
    bool stalled = false;                // silent for kStallAfter or more while running
    std::optional<TransferStep> ended;   // Finished or Aborted, after the end
};

// Follows a transfer from the link's reports and works out its progress and
// the time left. The time left starts as the model's figure and blends in
// the measured pace as acknowledgements come: the measured time per model
// second weighs more the more of the transfer is behind, and alone once a
// tenth of its lines is (a controller that acknowledges after moving the
// arm is slower than the wire, and its pace is what counts). It is worked out at
// each acknowledgement and counts down between them, so it never jumps
// between two acknowledgements and never goes below zero. Time held does not
// count towards the pace.
class TransferProgress {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::seconds kStallAfter{5};

    explicit TransferProgress(TransferModel model = {}) : model_(model) {}

    void setModel(TransferModel model) { model_ = model; }
    const TransferModel& model() const { return model_; }
    // The program the link sends (not owned), for the lines' lengths.
    void setProgram(const ProgramSource* program) { program_ = program; }

    void handle(const TransferEvent& event, Clock::time_point now);
    TransferFigures figures(Clock::time_point now) const;

private:
    void started(const TransferEvent& event, Clock::time_point now);
    void acknowledged(const TransferEvent& event, Clock::time_point now);
    void held(const TransferEvent& event, Clock::time_point now);
    void ended(const TransferEvent& event, Clock::time_point now);
    double lineBytesAt(int index) const;
    double activeSeconds(Clock::time_point now) const;
    double paceSeconds(Clock::time_point now) const;

    TransferModel model_;
    const ProgramSource* program_ = nullptr;
    TransferFigures state_;
    int from_ = 0; // the first line of this transfer
    Clock::time_point started_{};
    Clock::time_point ended_{};
    Clock::time_point lastAck_{};
    Clock::time_point heldSince_{};
    Clock::duration heldFor_{};
    std::optional<Clock::time_point> paceFrom_; // the first line went out
    Clock::duration heldBeforePace_{};
    double modelLeft_ = 0; // seconds of the model still ahead
    double modelDone_ = 0; // seconds of the model acknowledged
    double leftAtAck_ = 0; // the blended time left at the last acknowledgement
    double pace_ = 1;      // measured seconds per model second
};
