#include "controller/controllerlinkstate.h"

#include "base/numberformat.h"
#include "base/windows1250.h"
#include "controller/controllerframe.h"
#include "controller/linktexts.h"
#include "controller/programsource.h"

#include <algorithm>

using Action = LinkAction;

LinkActions ControllerLinkState::initialActions() const {
    return {
        Action::startTimer(),
        Action::setStatus(LinkPanel::Connection, LinkTexts::disconnected()),
        Action::setStatus(LinkPanel::Reference, LinkTexts::noReference()),
        Action::setStatus(LinkPanel::Mode, LinkTexts::automaticMode()),
        Action::setEnabled(LinkControl::ConnectButton, true),
        Action::setEnabled(LinkControl::DisconnectButton, false),
        Action::setEnabled(LinkControl::PortSelectors, true),
        Action::setEnabled(LinkControl::ReferenceTravelItem, false),
        // Nothing to send before the first program exists.
        Action::setEnabled(LinkControl::SendProgramItem, false),
        Action::setChecked(LinkControl::ManualModeBox, false),
        Action::setEnabled(LinkControl::ManualModeBox, true),
        Action::setEnabled(LinkControl::ManualButtons, false),
    };
}

// --- Connection -------------------------------------------------------------

LinkActions ControllerLinkState::connectChosen() {
    return {Action::openPort()};
}

LinkActions ControllerLinkState::portOpened() {
    if (!portOpen_)
        clearRxBuffer(); // a fresh open starts with an empty reply buffer
    portOpen_ = true;
    LinkActions actions{
        Action::setEnabled(LinkControl::PortSelectors, false),
        Action::setEnabled(LinkControl::ConnectButton, false),
        Action::setEnabled(LinkControl::DisconnectButton, true),
    };
    sendFixedFrame(FixedFrames::kConnect, actions);
    return actions;
}

LinkActions ControllerLinkState::portOpenFailed(const QString& error) {
    return {Action::showError(error)};
}

LinkActions ControllerLinkState::disconnectChosen() {
    LinkActions actions;
    holdForLostLink(actions);
    stopTimer(actions);
    actions.push_back(Action::closePort());
    showDisconnected(actions);
    return actions;
}

LinkActions ControllerLinkState::portLost(const QString& error) {
    if (!portOpen_)
        return {}; // reported once per connection
    LinkActions actions;
    holdForLostLink(actions);
    stopTimer(actions);
    actions.push_back(Action::closePort());
    showDisconnected(actions);
    actions.push_back(Action::showError(error));
    return actions;
}

void ControllerLinkState::showDisconnected(LinkActions& actions) {
    // A transfer holds at its line (see holdForLostLink); the reference
    // point and the mode stay as they are, so that the operator can connect
    // again and resume.
    portOpen_ = false;
    connected_ = false;
    referenceAsked_ = false; // its acknowledgement can no longer come
    actions.push_back(Action::setStatus(LinkPanel::Connection, LinkTexts::disconnected()));
    actions.push_back(Action::linkEvent(LinkEvent::Disconnected));
    actions.push_back(Action::setEnabled(LinkControl::PortSelectors, true));
    actions.push_back(Action::setEnabled(LinkControl::ReferenceTravelItem, false));
    actions.push_back(Action::setEnabled(LinkControl::DisconnectButton, false));
    actions.push_back(Action::setEnabled(LinkControl::ConnectButton, true));
}

LinkActions ControllerLinkState::referenceTravelChosen() {
    if (sending())
        return refusal();
    LinkActions actions;
    referenceAsked_ = true;
    sendFixedFrame(FixedFrames::kReferenceTravel, actions);
    return actions;
}

LinkActions ControllerLinkState::setReferenceChosen() {
    if (sending())
        return refusal();
    LinkActions actions;
    sendFixedFrame(FixedFrames::kSetReference, actions);
    return actions;
}

void ControllerLinkState::sendFixedFrame(const char* frame, LinkActions& actions) {
    lastFixedFrame_ = frame;
    SendToController(lastFixedFrame_, actions);
}

void ControllerLinkState::SendToController(const QByteArray& text, LinkActions& actions) const {
    // No check that the port is open: a write on a closed port fails in the
    // adapter with the port layer's error.
    actions.push_back(Action::write(text));
}

// --- Manual control ---------------------------------------------------------

LinkActions ControllerLinkState::manualModeToggled() {
    if (sending()) // the box goes back to the mode in force
        return refusal({Action::setChecked(LinkControl::ManualModeBox, !automaticMode_)});
    LinkActions actions;
    switchMode(actions);
    return actions;
}

void ControllerLinkState::switchMode(LinkActions& actions) {
    // The flag flips on every change of the box; the box starts unchecked
    // with the flag true, so checked means manual.
    automaticMode_ = !automaticMode_;
    actions.push_back(Action::setStatus(LinkPanel::Mode, automaticMode_ ? LinkTexts::automaticMode()
                                                                        : LinkTexts::manualMode()));
    actions.push_back(Action::setEnabled(LinkControl::ManualButtons, !automaticMode_));
    if (portOpen_)
        sendFixedFrame(automaticMode_ ? FixedFrames::kManualOff : FixedFrames::kManualOn, actions);
}

LinkActions ControllerLinkState::zHeightChosen(ZHeight which, const QString& fieldText) {
    if (sending())
        return refusal();
    if (!portOpen_)
        return {};
    const Command command = which == ZHeight::G00 ? Command::CmdZHeightG00 : Command::CmdZHeightG01;
    LinkActions actions;
    SendToController(CommandFrame(address_, command, EncodeWindows1250(fieldText)), actions);
    return actions;
}

LinkActions ControllerLinkState::moveChosen(MoveAxis axis, const QString& fieldText) {
    if (sending())
        return refusal();
    if (!portOpen_)
        return {};
    const Result<qint32> amount = ParseWhole(fieldText);
    if (!amount)
        return {Action::showError(amount.error())};
    if (*amount == 0)
        return {};

    static constexpr Command kPlus[] = {Command::CmdArm1Plus, Command::CmdArm2Plus,
                                        Command::CmdZPlus};
    static constexpr Command kMinus[] = {Command::CmdArm1Minus, Command::CmdArm2Minus,
                                         Command::CmdZMinus};
    const int row = static_cast<int>(axis);
    // A positive amount goes out as typed (sign and leading zeros included),
    // a negative one as its magnitude in plain decimal.
    const QByteArray frame =
        *amount > 0 ? CommandFrame(address_, kPlus[row], EncodeWindows1250(fieldText))
                    : CommandFrame(address_, kMinus[row], QByteArray::number(-qint64(*amount)));
    LinkActions actions;
    SendToController(frame, actions);
    if (axis == MoveAxis::Z)
        SendToController(frame, actions); // the Z axis takes its move twice
    return actions;
}

// --- Program transfer -------------------------------------------------------

LinkActions ControllerLinkState::programPrepared() {
    LinkActions actions;
    // The first program makes the command available; later ones leave it as
    // it is (opening a file enables it again once the reference is set, which
    // the window does itself).
    if (!programLoaded_)
        actions.push_back(Action::setEnabled(LinkControl::SendProgramItem, true));
    programLoaded_ = true;
    return actions;
}

LinkActions ControllerLinkState::sendProgramChosen(TransferStart start) {
    return sendProgramFrom(0, start);
}

LinkActions ControllerLinkState::sendProgramFrom(int from, TransferStart start) {
    if (!programLoaded_)
        return {}; // the command stays disabled until a program exists
    if (sending())
        return refusal();
    if (const std::optional<QString> missing = cannotStart())
        return {Action::showError(*missing)};
    phase_ = Phase::Running;
    request_ = Request::None;
    blockIndex_ = std::max(0, from);
    lineSent_ = false;
    modeAckPending_ = false;
    pen_ = PenPoint{};
    travelLine_.clear();
    if (blockIndex_ > 0 && program_) {
        // Where the lines before the first one to send leave the arm.
        for (int i = 0; i < blockIndex_; ++i) {
            if (const std::optional<QByteArray> line = program_->lineAt(i))
                pen_.follow(*line);
        }
        pen_.penDown = false;
        travelLine_ = pen_.travelLine();
    }
    LinkActions actions;
    report(TransferStep::Started, actions, blockIndex_);
    actions.push_back(Action::setEnabled(LinkControl::ReferenceTravelItem, false));
    if (!automaticMode_) {
        // Unticking the box is a change of mode like any other.
        actions.push_back(Action::setChecked(LinkControl::ManualModeBox, false));
        switchMode(actions);
        // Its acknowledgement must not be taken for line 0's: line 0 waits
        // for it (or for one whole interval without it).
        modeAckPending_ = portOpen_;
    }
    actions.push_back(Action::setEnabled(LinkControl::ManualModeBox, false));
    if (start == TransferStart::AtOnce && portOpen_ && !modeAckPending_) {
        // Line 0 now, its re-send a whole interval later.
        stopTimer(actions);
        SendBlock(blockIndex_, actions);
        if (sending())
            startTimer(actions);
        return actions;
    }
    startTimer(actions); // a running timer goes on undisturbed
    return actions;
}

LinkActions ControllerLinkState::pauseChosen() {
    LinkActions actions;
    if (timerRunning_)
        stopTimer(actions);
    else
        startTimer(actions);
    return actions;
}

LinkActions ControllerLinkState::holdChosen(Hold how) {
    if (phase_ != Phase::Running || request_ == Request::Abort)
        return {};
    LinkActions actions;
    if (lineSent_) {
        // The line in flight is finished first.
        if (how == Hold::Now || request_ != Request::HoldNow)
            request_ = how == Hold::Now ? Request::HoldNow : Request::HoldAtPenUp;
        return actions;
    }
    // Nothing in flight (before the first tick): hold where the arm is.
    if (how == Hold::Now && pen_.penDown && portOpen_) {
        request_ = Request::HoldNow;
        sendLift(actions);
        return actions;
    }
    enterHold(how == Hold::Now ? TransferHold::Immediate : TransferHold::PenUp, actions);
    return actions;
}

LinkActions ControllerLinkState::resumeChosen() {
    if (phase_ != Phase::Held)
        return {};
    if (!portOpen_)
        return {Action::showError(LinkTexts::resumeNeedsLink())};
    phase_ = Phase::Running;
    request_ = Request::None;
    lineSent_ = false;
    LinkActions actions;
    report(TransferStep::Resumed, actions, blockIndex_);
    // The line that was not acknowledged goes now, its re-send a whole
    // interval later.
    stopTimer(actions);
    SendBlock(blockIndex_, actions);
    if (sending())
        startTimer(actions);
    return actions;
}

LinkActions ControllerLinkState::abortChosen() {
    if (phase_ == Phase::Idle)
        return {};
    LinkActions actions;
    if (phase_ == Phase::Running && lineSent_) {
        request_ = Request::Abort; // after the line in flight
        return actions;
    }
    // Nothing in flight: lift the pen where it stands, or end now.
    request_ = Request::Abort;
    if (pen_.penDown && portOpen_) {
        phase_ = Phase::Running;
        sendLift(actions);
        return actions;
    }
    finishTransfer(TransferStep::Aborted, actions);
    return actions;
}

LinkActions ControllerLinkState::noticeClosed() {
    // A transfer started again while the notice was open keeps the box
    // disabled.
    if (sending())
        return {};
    return {Action::setEnabled(LinkControl::ManualModeBox, true)};
}

LinkActions ControllerLinkState::timerTick() {
    LinkActions actions;
    if (phase_ != Phase::Running || !portOpen_)
        return actions;
    if (modeAckPending_) {
        // The mode frame's acknowledgement did not come within a whole
        // interval: line 0 goes at the next tick.
        modeAckPending_ = false;
        return actions;
    }
    SendBlock(blockIndex_, actions);
    return actions;
}

void ControllerLinkState::SendBlock(int index, LinkActions& actions) {
    actions.push_back(Action::setEnabled(LinkControl::SendProgramItem, false));
    const bool again = lineSent_;
    if (!travelLine_.isEmpty()) {
        lineSent_ = true;
        TransferEvent event{again ? TransferStep::LineResent : TransferStep::LineSent, index};
        event.travel = true;
        actions.push_back(Action::transferStep(event));
        const QByteArray body = BlockFrame(address_, travelLine_);
        actions.push_back(Action::appendLog(body));
        SendToController(body, actions);
        SendToController(kFrameEnd, actions);
        return;
    }
    const std::optional<QByteArray> line = program_ ? program_->lineAt(index) : std::nullopt;
    if (line) {
        lineSent_ = true;
        report(again ? TransferStep::LineResent : TransferStep::LineSent, actions, index);
        const QByteArray body = BlockFrame(address_, *line);
        actions.push_back(Action::appendLog(body));
        SendToController(body, actions);
        SendToController(kFrameEnd, actions);
        return;
    }
    // Past the last line: the transfer is over.
    finishTransfer(TransferStep::Finished, actions);
}

void ControllerLinkState::lineAcknowledged(LinkActions& actions) {
    lineSent_ = false;
    if (!travelLine_.isEmpty()) {
        TransferEvent event{TransferStep::LineAcknowledged, blockIndex_};
        event.travel = true;
        actions.push_back(Action::transferStep(event));
        travelLine_.clear();
        pen_.penDown = false;
        afterPenUp(actions);
        return;
    }
    if (program_) {
        if (const std::optional<QByteArray> line = program_->lineAt(blockIndex_))
            pen_.follow(*line);
    }
    report(TransferStep::LineAcknowledged, actions, blockIndex_);
    ++blockIndex_;
    const std::optional<QByteArray> next = program_ ? program_->lineAt(blockIndex_) : std::nullopt;
    if (!next) {
        // The end of the program ends the transfer, whatever was asked.
        finishTransfer(TransferStep::Finished, actions);
        return;
    }
    if (request_ == Request::None && IsProgramStop(*next))
        request_ = Request::PenChange; // a change of pen: the pen goes up first
    switch (request_) {
    case Request::None:
        SendBlock(blockIndex_, actions);
        return;
    case Request::HoldAtPenUp:
        if (pen_.penDown)
            SendBlock(blockIndex_, actions); // the next pen-up point
        else
            enterHold(TransferHold::PenUp, actions);
        return;
    case Request::HoldNow:
    case Request::PenChange:
    case Request::Abort:
        if (pen_.penDown && portOpen_)
            sendLift(actions);
        else
            afterPenUp(actions);
        return;
    }
}

void ControllerLinkState::afterPenUp(LinkActions& actions) {
    switch (request_) {
    case Request::None:
        SendBlock(blockIndex_, actions);
        return;
    case Request::HoldAtPenUp:
        enterHold(TransferHold::PenUp, actions);
        return;
    case Request::HoldNow:
        enterHold(TransferHold::Immediate, actions);
        return;
    case Request::PenChange:
        enterHold(TransferHold::PenChange, actions);
        return;
    case Request::Abort:
        finishTransfer(TransferStep::Aborted, actions);
        return;
    }
}

void ControllerLinkState::sendLift(LinkActions& actions) {
    travelLine_ = pen_.travelLine();
    lineSent_ = false;
    SendBlock(blockIndex_, actions);
}

void ControllerLinkState::enterHold(TransferHold why, LinkActions& actions) {
    phase_ = Phase::Held;
    request_ = Request::None;
    lineSent_ = false;
    modeAckPending_ = false;
    TransferEvent event{TransferStep::Held, blockIndex_};
    event.hold = why;
    actions.push_back(Action::transferStep(event));
}

void ControllerLinkState::holdForLostLink(LinkActions& actions) {
    if (phase_ == Phase::Idle)
        return;
    if (request_ == Request::Abort) {
        // Nothing more can go out: the abort ends it here.
        finishTransfer(TransferStep::Aborted, actions);
        return;
    }
    // The line in flight goes again when the operator resumes; a travel line
    // of the station's own is dropped (the resume re-sends the program line).
    travelLine_.clear();
    modeAckPending_ = false;
    enterHold(TransferHold::LinkLost, actions);
}

void ControllerLinkState::finishTransfer(TransferStep how, LinkActions& actions) {
    stopTimer(actions);
    const int reached = blockIndex_;
    phase_ = Phase::Idle;
    request_ = Request::None;
    lineSent_ = false;
    travelLine_.clear();
    modeAckPending_ = false;
    blockIndex_ = 0;
    report(how, actions, reached);
    actions.push_back(Action::setEnabled(LinkControl::SendProgramItem, true));
    actions.push_back(Action::setEnabled(LinkControl::ReferenceTravelItem, connected_));
    actions.push_back(Action::showNotice(how == TransferStep::Aborted
                                             ? LinkTexts::transferAbortedAt(reached + 1)
                                             : LinkTexts::transferDone()));
}

void ControllerLinkState::report(TransferStep step, LinkActions& actions, int index) const {
    TransferEvent event{step, index};
    if (step == TransferStep::Started)
        event.count = program_ ? program_->lineCount() : 0;
    actions.push_back(Action::transferStep(event));
}

LinkActions ControllerLinkState::refusal(LinkActions actions) const {
    actions.push_back(Action::showError(LinkTexts::refusedWhileSending()));
    return actions;
}

std::optional<QString> ControllerLinkState::cannotStart() const {
    if (!portOpen_ || !connected_)
        return LinkTexts::sendNeedsLink();
    if (referenceAsked_)
        return LinkTexts::sendWaitsForReference();
    if (!referenceKnown())
        return LinkTexts::sendNeedsReference();
    return std::nullopt;
}

// --- Replies ----------------------------------------------------------------

LinkActions ControllerLinkState::ReceiveChunk(const QByteArray& chunk) {
    LinkActions actions;
    // Every chunk restarts the timer's interval: the current line is sent
    // again only after 500 ms without any received data.
    actions.push_back(Action::stopTimer());
    timerRunning_ = false;
    appendReceived(chunk);
    if (rxEnd_ == kFrameEnd)
        DispatchReply(actions);
    startTimer(actions);
    // A modal notice lets other events run while it is open: it comes last,
    // after everything this chunk changed has been carried out.
    std::stable_partition(actions.begin(), actions.end(), [](const LinkAction& action) {
        return action.kind != LinkAction::Kind::ShowNotice;
    });
    return actions;
}

void ControllerLinkState::appendReceived(const QByteArray& chunk) {
    const qsizetype room = kRxBufferLimit - rxBuffer_.size();
    if (chunk.size() > room) {
        rxBuffer_.append(chunk.left(room));
        rxOverflow_ = true;
    } else {
        rxBuffer_.append(chunk);
    }
    rxEnd_ = (rxEnd_ + chunk).right(2);
}

void ControllerLinkState::clearRxBuffer() {
    rxBuffer_.clear();
    rxEnd_.clear();
    rxOverflow_ = false;
}

void ControllerLinkState::DispatchReply(LinkActions& actions) {
    const bool acknowledged = !rxOverflow_ && isAcknowledgement(rxBuffer_, address_);
    clearRxBuffer(); // matched or not, the line is done
    if (!acknowledged)
        return;
    if (phase_ == Phase::Running) {
        if (modeAckPending_) {
            // "Manual control off" at the start: line 0 goes at the next tick.
            modeAckPending_ = false;
            return;
        }
        // An acknowledgement before the current line went out (a doubled one
        // of the connect or mode frame, in the gap before the first tick) is
        // not the line's.
        if (!lineSent_)
            return;
        // The acknowledgement names no line: it always advances by one.
        lineAcknowledged(actions);
        return;
    }
    if (lastFixedFrame_ == FixedFrames::kConnect) {
        connected_ = true;
        actions.push_back(Action::setEnabled(LinkControl::ReferenceTravelItem, !sending()));
        actions.push_back(Action::setStatus(LinkPanel::Connection, LinkTexts::connected()));
        actions.push_back(Action::linkEvent(LinkEvent::Connected));
    } else if (lastFixedFrame_ == FixedFrames::kReferenceTravel) {
        referenceAsked_ = false;
        referenceTravelled_ = true;
        actions.push_back(Action::setStatus(LinkPanel::Reference, LinkTexts::referenceTravel()));
        actions.push_back(Action::linkEvent(LinkEvent::ReferenceTravelled));
    } else if (lastFixedFrame_ == FixedFrames::kSetReference) {
        if (programLoaded_)
            actions.push_back(Action::setEnabled(LinkControl::SendProgramItem, true));
        actions.push_back(Action::setStatus(LinkPanel::Reference, LinkTexts::referenceDone()));
        referenceSet_ = true;
        actions.push_back(Action::linkEvent(LinkEvent::ReferenceSet));
    }
}

// --- Timer ------------------------------------------------------------------

void ControllerLinkState::startTimer(LinkActions& actions) {
    if (timerRunning_)
        return;
    timerRunning_ = true;
    actions.push_back(Action::startTimer());
}

void ControllerLinkState::stopTimer(LinkActions& actions) {
    if (!timerRunning_)
        return;
    timerRunning_ = false;
    actions.push_back(Action::stopTimer());
}
