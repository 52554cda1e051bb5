#pragma once

#include "controller/linkaction.h"
#include "controller/penpoint.h"

#include <QByteArray>
#include <QString>

#include <chrono>
#include <optional>

class ProgramSource;

// When the program transfer sends its first line: at Timer1's next tick, as
// the window has always done, or at once (the tools, which start the transfer
// on the connect acknowledgement).
enum class TransferStart { AtNextTick, AtOnce };

// The station's side of the controller link: connecting, replies, reference
// travel, manual control and the line-by-line program transfer. A plain class
// without clock or port: the adapter that owns ComPort1 and Timer1 feeds it one
// event at a time (never nested) and carries out the actions it returns, in
// order (see LinkAction for how).
//
// The controller acknowledges every frame it takes with the same text, which
// does not say which frame it answers. The link attributes an acknowledgement
// to the last fixed frame sent while no transfer runs, and to the current
// program line while one runs: each acknowledgement during a transfer
// advances it by exactly one line (a doubled acknowledgement skips a line).
// An acknowledgement that arrives before the current line has gone out at
// all answers something else and is not counted.
//
// A transfer runs or holds. It holds at the operator's pause (at the next
// pen-up point, or at once with the pen lifted) and when the port closes in
// its middle; while it holds, nothing of the program goes out, received data
// does not end the hold, and acknowledgements belong to the fixed frames
// (so the connect frame's, after a reconnect, is the connect's). It goes on
// only when the operator resumes it, with the line that was not acknowledged.
// The operator's abort sends nothing after the line in flight, except one
// travel line to the point reached when the pen is down. A program stop
// (M00) holds the transfer before it, pen up, for a change of pen; resuming
// sends it and goes on.
class ControllerLinkState {
public:
    // Timer1's interval: the current program line is sent again after this
    // long without any received data.
    static constexpr std::chrono::milliseconds kResendInterval{500};
    // Received text without CR LF is kept up to this many bytes; what would
    // overflow it is dropped.
    static constexpr qsizetype kRxBufferLimit = 4096;

    enum class ZHeight { G00, G01 };       // Button7 with Edit13, Button9 with Edit14
    enum class MoveAxis { Arm1, Arm2, Z }; // Button3/Edit9, Button4/Edit10, Button5/Edit16

    ControllerLinkState() = default;

    // The controller address, the text of Edit12 ("05"); frames built from
    // now on carry it, and acknowledgements are compared against it.
    void setControllerAddress(const QByteArray& address) { address_ = address; }
    const QByteArray& controllerAddress() const { return address_; }

    // The program the transfer sends; not owned, may be null (no program).
    void setProgram(const ProgramSource* program) { program_ = program; }

    // The state of the controls and panels when the window opens, and
    // StartTimer (Timer1 runs from the start).
    LinkActions initialActions() const;

    // Connection.
    LinkActions connectChosen();                      // Button1Click, Poczzesterownikiem1Click
    LinkActions portOpened();                         // after OpenPort left the port open
    LinkActions portOpenFailed(const QString& error); // after OpenPort failed
    LinkActions disconnectChosen();                   // Button2Click
    LinkActions portLost(const QString& error);       // adapter unplugged, line gone
    LinkActions referenceTravelChosen();              // Jazdareferencyjna1Click
    LinkActions setReferenceChosen();                 // Button10Click

    // Manual control.
    LinkActions manualModeToggled(); // CheckBox7Click
    LinkActions zHeightChosen(ZHeight which, const QString& fieldText);
    LinkActions moveChosen(MoveAxis axis, const QString& fieldText);

    // The operator vouches that the arm still knows its reference point from
    // before (a resume after the station stopped, declining the reference
    // travel; a tool told not to home): a transfer no longer waits for one.
    void trustReference() { referenceTrusted_ = true; }

    // Program transfer. A transfer starts only with a program, an open and
    // acknowledged connection, and a reference point: a reference travel
    // acknowledged (or trusted), with none still awaiting its
    // acknowledgement. Otherwise the start is refused with a message saying
    // what is missing. While a transfer runs or holds, every command that
    // would send the controller something of its own (the reference travel,
    // set reference, manual control, the Z heights, a jog, another start) is
    // refused: only hold, resume and abort go on.
    LinkActions programPrepared(); // a program has been prepared
    LinkActions
    sendProgramChosen(TransferStart start = TransferStart::AtNextTick); // Wyslijprogram1Click
    // Starts at program line `from` (counted from 0): when it is not the
    // first, a pen-up travel line to where line from-1 ends goes first.
    LinkActions sendProgramFrom(int from, TransferStart start = TransferStart::AtNextTick);
    LinkActions pauseChosen(); // Przerwawwysyaniuprogramu1Click
    enum class Hold { AtPenUp, Now };
    LinkActions holdChosen(Hold how); // "Wstrzymaj wysyłanie", "Wstrzymaj natychmiast"
    LinkActions resumeChosen();       // "Wznów wysyłanie"
    LinkActions abortChosen();        // "Przerwij wysyłanie"
    LinkActions noticeClosed();       // the end-of-transfer notice was closed
    LinkActions timerTick();          // Timer1Timer

    // Received data (ComTerminal1StrRecieved): one chunk as it arrived, which
    // may hold part of a line, one line or several.
    LinkActions ReceiveChunk(const QByteArray& chunk);

    // The link state, for the adapter, the tools and tests.
    bool portOpen() const { return portOpen_; }
    bool timerRunning() const { return timerRunning_; }
    const QByteArray& lastFixedFrame() const { return lastFixedFrame_; }
    const QByteArray& rxBuffer() const { return rxBuffer_; }
    // A transfer exists: it runs or holds.
    bool sending() const { return phase_ != Phase::Idle; }
    bool held() const { return phase_ == Phase::Held; }
    // A pause or abort the operator asked for waits for the line in flight.
    bool holdRequested() const {
        return request_ == Request::HoldAtPenUp || request_ == Request::HoldNow;
    }
    bool abortRequested() const { return request_ == Request::Abort; }
    // Where the acknowledged lines have taken the arm.
    const PenPoint& penPoint() const { return pen_; }
    int blockIndex() const { return blockIndex_; }
    bool lineSent() const { return lineSent_; } // the current line has gone out
    bool referenceSet() const { return referenceSet_; }
    // A transfer may start as far as the arm's reference point goes.
    bool referenceKnown() const {
        return referenceSet_ || referenceTravelled_ || referenceTrusted_;
    }
    bool automaticMode() const { return automaticMode_; }
    bool connected() const { return connected_; } // panel 0 shows "Połączono"

private:
    enum class Phase { Idle, Running, Held };
    enum class Request { None, HoldAtPenUp, HoldNow, PenChange, Abort };

    void DispatchReply(LinkActions& actions);
    void lineAcknowledged(LinkActions& actions);
    void afterPenUp(LinkActions& actions);
    void sendLift(LinkActions& actions);
    void enterHold(TransferHold why, LinkActions& actions);
    void finishTransfer(TransferStep how, LinkActions& actions);
    void holdForLostLink(LinkActions& actions);
    void report(TransferStep step, LinkActions& actions, int index) const;
    void SendBlock(int index, LinkActions& actions);
    void SendToController(const QByteArray& text, LinkActions& actions) const;
    void sendFixedFrame(const char* frame, LinkActions& actions);
    void switchMode(LinkActions& actions);
    void startTimer(LinkActions& actions);
    void stopTimer(LinkActions& actions);
    void showDisconnected(LinkActions& actions);
    void appendReceived(const QByteArray& chunk);
    void clearRxBuffer();
    LinkActions refusal(LinkActions actions = {}) const;
    std::optional<QString> cannotStart() const;

    QByteArray address_ = "05";
    const ProgramSource* program_ = nullptr;
    bool programLoaded_ = false;

    bool portOpen_ = false;
    bool connected_ = false;
    bool timerRunning_ = true;

    QByteArray lastFixedFrame_;
    QByteArray rxBuffer_;     // RxBuffer, at most kRxBufferLimit bytes
    QByteArray rxEnd_;        // the last two bytes received since the buffer was emptied
    bool rxOverflow_ = false; // bytes were dropped: the line cannot be an acknowledgement
    Phase phase_ = Phase::Idle;
    Request request_ = Request::None;
    int blockIndex_ = 0;
    bool lineSent_ = false; // the current frame has been written at least once
    // A travel line of the station's own (lifting the pen, or travelling in)
    // goes out before blockIndex_; empty when none does.
    QByteArray travelLine_;
    PenPoint pen_;                // after the acknowledged lines
    bool modeAckPending_ = false; // "manual control off" went out at the start
    bool referenceSet_ = false;
    bool referenceTravelled_ = false; // the reference travel was acknowledged
    bool referenceAsked_ = false;     // ... was sent, its acknowledgement awaited
    bool referenceTrusted_ = false;
    bool automaticMode_ = true;
};
