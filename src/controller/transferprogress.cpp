#include "controller/transferprogress.h"

#include "controller/controllerframe.h"
#include "controller/programsource.h"

#include <algorithm>

namespace {

using Seconds = std::chrono::duration<double>;

// How many model seconds behind make the measured pace count as much as the
// model: early acknowledgements say little about the line's real pace.
constexpr double kPaceWeightSeconds = 3;
// The share of a transfer's lines after which the measured pace alone sets
// the time left.
constexpr double kMeasuredPaceShare = 0.1;
// How far one acknowledgement may move the time left, up or down.
constexpr double kMostRaise = 1.25;
constexpr double kMostCut = 0.8;

std::chrono::milliseconds toMs(Seconds seconds) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::max(Seconds(0), seconds));
}

} // namespace

QString FormatDuration(std::chrono::milliseconds duration) {
    const qint64 seconds = std::max<qint64>(0, duration.count()) / 1000;
    const qint64 hours = seconds / 3600;
    const qint64 minutes = seconds / 60 % 60;
    const QString rest = QStringLiteral("%1").arg(seconds % 60, 2, 10, QLatin1Char('0'));
    if (hours > 0)
        return QStringLiteral("%1:%2:%3")
            .arg(hours)
            .arg(minutes, 2, 10, QLatin1Char('0'))
            .arg(rest);
    return QStringLiteral("%1:%2").arg(minutes).arg(rest);
}

qint64 TransferModel::frameBytes(qint64 lineBytes) {
    static const qint64 kEmptyFrame = BlockFrame("05", QByteArray()).size() + 2; // + CR LF
    return kEmptyFrame + lineBytes;
}

double TransferModel::lineSeconds(qint64 lineBytes) const {
    return seconds(1, lineBytes);
}

double TransferModel::seconds(qint64 lines, qint64 lineBytes) const {
    if (baud <= 0)
        return 0;
    const double bytes =
        double(frameBytes(0) + kAcknowledgementBytes) * double(lines) + double(lineBytes);
    return bytes * kBitsPerByte / baud + double(lines) * Seconds(turnaround).count();
}

ProgramLoad MeasureLoad(const ProgramSource& program, int from) {
    ProgramLoad load;
    const int count = program.lineCount();
    for (int i = std::max(0, from); i < count; ++i) {
        const std::optional<QByteArray> line = program.lineAt(i);
        if (!line)
            break;
        ++load.lines;
        load.lineBytes += line->size();
    }
    return load;
}

double TransferProgress::lineBytesAt(int index) const {
    if (!program_)
        return 0;
    const std::optional<QByteArray> line = program_->lineAt(index);
    return line ? double(line->size()) : 0;
}

double TransferProgress::activeSeconds(Clock::time_point now) const {
    Clock::duration active = now - started_ - heldFor_;
    if (state_.held)
        active -= now - heldSince_;
    return std::max(0.0, Seconds(active).count());
}

double TransferProgress::paceSeconds(Clock::time_point now) const {
    const Clock::time_point from = paceFrom_.value_or(started_);
    Clock::duration active = now - from - (heldFor_ - heldBeforePace_);
    if (state_.held)
        active -= now - heldSince_;
    return std::max(0.0, Seconds(active).count());
}

void TransferProgress::handle(const TransferEvent& event, Clock::time_point now) {
    switch (event.step) {
    case TransferStep::Started:
        started(event, now);
        return;
    case TransferStep::LineSent:
        if (!paceFrom_) {
            // The pace counts from the first line on the wire, not from the
            // wait for the timer's first tick.
            paceFrom_ = now;
            heldBeforePace_ = heldFor_;
        }
        state_.current = event.index;
        state_.travel = event.travel;
        state_.resendsOfLine = 0;
        return;
    case TransferStep::LineResent:
        ++state_.resends;
        ++state_.resendsOfLine;
        return;
    case TransferStep::LineAcknowledged:
        acknowledged(event, now);
        return;
    case TransferStep::Held:
        held(event, now);
        return;
    case TransferStep::Resumed:
        if (state_.held)
            heldFor_ += now - heldSince_;
        state_.held = false;
        state_.current = event.index;
        lastAck_ = now; // the silence starts again
        return;
    case TransferStep::Finished:
    case TransferStep::Aborted:
        ended(event, now);
        return;
    }
}

void TransferProgress::started(const TransferEvent& event, Clock::time_point now) {
    state_ = TransferFigures{};
    state_.active = true;
    state_.total = event.count;
    state_.acknowledged = event.index;
    state_.current = event.index;
    from_ = event.index;
    started_ = now;
    lastAck_ = now;
    heldFor_ = {};
    paceFrom_.reset();
    const ProgramLoad load = program_ ? MeasureLoad(*program_, event.index) : ProgramLoad{};
    modelLeft_ = model_.seconds(load.lines, load.lineBytes);
    modelDone_ = 0;
    pace_ = 1;
    leftAtAck_ = modelLeft_;
}

void TransferProgress::acknowledged(const TransferEvent& event, Clock::time_point now) {
    const double sinceLast = Seconds(now - lastAck_).count();
    lastAck_ = now;
    state_.resendsOfLine = 0;
    if (event.travel)
        return;
    state_.acknowledged = std::max(state_.acknowledged, event.index + 1);
    const double cost = model_.lineSeconds(qint64(lineBytesAt(event.index)));
    modelDone_ += cost;
    modelLeft_ = std::max(0.0, modelLeft_ - cost);
    const double ratio = paceSeconds(now) / modelDone_;
    // Once a tenth of the lines is behind, the measured pace is the pace;
    // before, it comes in as the lines go.
    const int lines = std::max(1, state_.total - from_);
    const double share = double(state_.acknowledged - from_) / lines;
    const double weight = std::max(modelDone_ / (modelDone_ + kPaceWeightSeconds),
                                   std::min(1.0, share / kMeasuredPaceShare));
    pace_ = (1 - weight) + weight * ratio;
    const double countdown = std::max(0.0, leftAtAck_ - sinceLast);
    const double blended = modelLeft_ * pace_;
    leftAtAck_ =
        countdown > 1 ? std::clamp(blended, countdown * kMostCut, countdown * kMostRaise) : blended;
    if (modelLeft_ <= 0)
        leftAtAck_ = 0;
}

void TransferProgress::held(const TransferEvent& event, Clock::time_point now) {
    if (!state_.held) {
        heldSince_ = now;
        // The countdown stops where it stands.
        leftAtAck_ = std::max(0.0, leftAtAck_ - Seconds(now - lastAck_).count());
        lastAck_ = now;
    }
    state_.held = true;
    state_.hold = event.hold;
    state_.current = event.index;
    state_.travel = false;
}

void TransferProgress::ended(const TransferEvent& event, Clock::time_point now) {
    if (state_.held)
        heldFor_ += now - heldSince_;
    state_.held = false;
    state_.active = false;
    state_.ended = event.step;
    state_.current = event.index;
    if (event.step == TransferStep::Finished)
        state_.acknowledged = state_.total;
    ended_ = now;
    leftAtAck_ = 0;
}

TransferFigures TransferProgress::figures(Clock::time_point now) const {
    TransferFigures figures = state_;
    if (state_.ended)
        now = ended_;
    figures.elapsed = toMs(now - started_);
    const double active = activeSeconds(now);
    if (active > 0)
        figures.linesPerSecond = (state_.acknowledged - from_) / active;
    if (!state_.active)
        return figures;
    const Clock::time_point clockStop = state_.held ? heldSince_ : now;
    figures.left = toMs(Seconds(leftAtAck_) - (clockStop - lastAck_));
    figures.silent = state_.held ? std::chrono::milliseconds(0) : toMs(now - lastAck_);
    figures.stalled = !state_.held && figures.silent >= kStallAfter;
    return figures;
}
