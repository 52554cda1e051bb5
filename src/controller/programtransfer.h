#pragma once

#include "controller/linkaction.h"
#include "controller/linkcontext.h"
#include "controller/penpoint.h"

#include <QByteArray>

class ProgramSource;

// When the program transfer sends its first line: at Timer1's next tick, as
// the window has always done, or at once (the tools, which start the transfer
// on the connect acknowledgement).
enum class TransferStart { AtNextTick, AtOnce };

// The line-by-line program transfer: its phase, what the operator asked of
// it, the current line, whether that line is in flight, the travel line of
// the station's own that goes before it, and where the acknowledged lines
// have taken the pen. A part of ControllerLinkState, fed by it with the
// shared LinkContext; it adds the actions it needs to the list given.
//
// The controller's acknowledgement names no line: during a transfer each one
// advances it by exactly one line (a doubled acknowledgement skips a line),
// and one that arrives before the current line has gone out at all answers
// something else and is not counted.
//
// A transfer runs or holds. It holds at the operator's pause (at the next
// pen-up point, or at once with the pen lifted) and when the port closes in
// its middle; while it holds, nothing of the program goes out. It goes on
// only when the operator resumes it, with the line that was not acknowledged.
// The operator's abort sends nothing after the line in flight, except one
// travel line to the point reached when the pen is down. A program stop
// (M00) holds the transfer before it, pen up, for a change of pen; resuming
// sends it and goes on.
class ProgramTransfer {
public:
    enum class Hold { AtPenUp, Now };

    // The program the transfer sends; not owned, may be null (no program).
    void setProgram(const ProgramSource* program) { program_ = program; }
    const ProgramSource* program() const { return program_; }

    // A transfer exists: it runs or holds.
    bool sending() const { return phase_ != Phase::Idle; }
    bool running() const { return phase_ == Phase::Running; }
    bool held() const { return phase_ == Phase::Held; }
    // A pause or abort the operator asked for waits for the line in flight.
    bool holdRequested() const {
        return request_ == Request::HoldAtPenUp || request_ == Request::HoldNow;
    }
    bool abortRequested() const { return request_ == Request::Abort; }
    int blockIndex() const { return blockIndex_; }
    bool lineSent() const { return lineSent_; } // the current line has gone out

    // A new transfer from program line `from` (counted from 0): when it is
    // not the first, a pen-up travel line to where line from-1 ends goes
    // first. Reports Started.
    void begin(int from, LinkActions& actions);
    // Line 0 waits for the acknowledgement of the mode frame that went out
    // with the start (or for one whole interval without it).
    void awaitModeAcknowledgement(const LinkContext& link) { modeAckPending_ = link.portOpen; }
    // Sends the first line now or leaves it to the next tick.
    void go(TransferStart start, LinkContext& link, LinkActions& actions);

    void hold(Hold how, LinkContext& link, LinkActions& actions);
    void resume(LinkContext& link, LinkActions& actions);
    void abort(LinkContext& link, LinkActions& actions);
    void tick(LinkContext& link, LinkActions& actions);
    // An acknowledgement arrived while the transfer runs.
    void acknowledged(LinkContext& link, LinkActions& actions);
    // The port closed or was lost: the transfer holds at its line, or an
    // abort asked for ends it here.
    void linkLost(LinkContext& link, LinkActions& actions);

private:
    enum class Phase { Idle, Running, Held };
    enum class Request { None, HoldAtPenUp, HoldNow, PenChange, Abort };

    void lineAcknowledged(LinkContext& link, LinkActions& actions);
    void afterPenUp(LinkContext& link, LinkActions& actions);
    void sendLift(LinkContext& link, LinkActions& actions);
    void enterHold(TransferHold why, LinkActions& actions);
    void finish(TransferStep how, LinkContext& link, LinkActions& actions);
    void report(TransferStep step, LinkActions& actions, int index) const;
    void sendBlock(int index, LinkContext& link, LinkActions& actions);
    void sendFrame(const QByteArray& line, const LinkContext& link, LinkActions& actions) const;

    const ProgramSource* program_ = nullptr;
    Phase phase_ = Phase::Idle;
    Request request_ = Request::None;
    int blockIndex_ = 0;
    bool lineSent_ = false; // the current frame has been written at least once
    // A travel line of the station's own (lifting the pen, or travelling in)
    // goes out before blockIndex_; empty when none does.
    QByteArray travelLine_;
    PenPoint pen_;                // after the acknowledged lines
    bool modeAckPending_ = false; // "manual control off" went out at the start
};
