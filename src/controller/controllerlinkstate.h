#pragma once

#include "controller/linkaction.h"
#include "controller/programtransfer.h"

#include <QByteArray>
#include <QString>

#include <chrono>
#include <optional>

// The station's side of the controller link: connecting, replies, reference
// travel, manual control and, through ProgramTransfer, the line-by-line
// program transfer. A plain class without clock or port: the adapter that
// owns ComPort1 and Timer1 feeds it one event at a time (never nested) and
// carries out the actions it returns, in order (see LinkAction for how).
//
// The controller acknowledges every frame it takes with the same text, which
// does not say which frame it answers. The link attributes an acknowledgement
// to the last fixed frame sent while no transfer runs, and to the current
// program line while one runs. While a transfer holds, acknowledgements
// belong to the fixed frames (so the connect frame's, after a reconnect, is
// the connect's), and received data does not end the hold.
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
    void setControllerAddress(const QByteArray& address) { link_.address = address; }

    // The program the transfer sends; not owned, may be null (no program).
    void setProgram(const ProgramSource* program) { transfer_.setProgram(program); }

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
    using Hold = ProgramTransfer::Hold;
    LinkActions holdChosen(Hold how); // "Wstrzymaj wysyłanie", "Wstrzymaj natychmiast"
    LinkActions resumeChosen();       // "Wznów wysyłanie"
    LinkActions abortChosen();        // "Przerwij wysyłanie"
    LinkActions noticeClosed();       // the end-of-transfer notice was closed
    LinkActions timerTick();          // Timer1Timer

    // Received data (ComTerminal1StrRecieved): one chunk as it arrived, which
    // may hold part of a line, one line or several.
    LinkActions ReceiveChunk(const QByteArray& chunk);

    // The link state, for the adapter, the tools and tests.
    bool portOpen() const { return link_.portOpen; }
    const QByteArray& lastFixedFrame() const { return lastFixedFrame_; }
    const QByteArray& rxBuffer() const { return rxBuffer_; }
    const ProgramTransfer& transfer() const { return transfer_; }
    // A transfer exists: it runs or holds.
    bool sending() const { return transfer_.sending(); }
    bool held() const { return transfer_.held(); }
    bool holdRequested() const { return transfer_.holdRequested(); }
    bool abortRequested() const { return transfer_.abortRequested(); }
    int blockIndex() const { return transfer_.blockIndex(); }
    bool lineSent() const { return transfer_.lineSent(); }
    bool referenceSet() const { return referenceSet_; }
    // A transfer may start as far as the arm's reference point goes.
    bool referenceKnown() const {
        return referenceSet_ || referenceTravelled_ || referenceTrusted_;
    }
    bool automaticMode() const { return automaticMode_; }
    bool connected() const { return link_.connected; } // panel 0 shows "Połączono"

private:
    void DispatchReply(LinkActions& actions);
    void sendFixedFrame(const char* frame, LinkActions& actions);
    void switchMode(LinkActions& actions);
    void showDisconnected(LinkActions& actions);
    void appendReceived(const QByteArray& chunk);
    void clearRxBuffer();
    LinkActions refusal(LinkActions actions = {}) const;
    std::optional<QString> cannotStart() const;

    LinkContext link_;
    ProgramTransfer transfer_;
    bool programLoaded_ = false;

    QByteArray lastFixedFrame_;
    QByteArray rxBuffer_;     // RxBuffer, at most kRxBufferLimit bytes
    QByteArray rxEnd_;        // the last two bytes received since the buffer was emptied
    bool rxOverflow_ = false; // bytes were dropped: the line cannot be an acknowledgement
    bool referenceSet_ = false;
    bool referenceTravelled_ = false; // the reference travel was acknowledged
    bool referenceAsked_ = false;     // ... was sent, its acknowledgement awaited
    bool referenceTrusted_ = false;
    bool automaticMode_ = true;
};
