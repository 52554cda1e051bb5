#include "controller/programtransfer.h"

#include "controller/linktexts.h"
#include "controller/programsource.h"

#include <algorithm>

using Action = LinkAction;

void ProgramTransfer::begin(int from, LinkActions& actions) {
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
    report(TransferStep::Started, actions, blockIndex_);
}

void ProgramTransfer::go(TransferStart start, LinkContext& link, LinkActions& actions) {
    if (start == TransferStart::AtOnce && link.portOpen && !modeAckPending_) {
        // Line 0 now, its re-send a whole interval later.
        link.stopTimer(actions);
        sendBlock(blockIndex_, link, actions);
        if (sending())
            link.startTimer(actions);
        return;
    }
    link.startTimer(actions); // a running timer goes on undisturbed
}

void ProgramTransfer::hold(Hold how, LinkContext& link, LinkActions& actions) {
    if (phase_ != Phase::Running || request_ == Request::Abort)
        return;
    if (lineSent_) {
        // The line in flight is finished first.
        if (how == Hold::Now || request_ != Request::HoldNow)
            request_ = how == Hold::Now ? Request::HoldNow : Request::HoldAtPenUp;
        return;
    }
    // Nothing in flight (before the first tick): hold where the arm is.
    if (how == Hold::Now && pen_.penDown && link.portOpen) {
        request_ = Request::HoldNow;
        sendLift(link, actions);
        return;
    }
    enterHold(how == Hold::Now ? TransferHold::Immediate : TransferHold::PenUp, actions);
}

void ProgramTransfer::resume(LinkContext& link, LinkActions& actions) {
    if (phase_ != Phase::Held)
        return;
    if (!link.portOpen) {
        actions.push_back(Action::showError(LinkTexts::resumeNeedsLink()));
        return;
    }
    phase_ = Phase::Running;
    request_ = Request::None;
    lineSent_ = false;
    report(TransferStep::Resumed, actions, blockIndex_);
    // The line that was not acknowledged goes now, its re-send a whole
    // interval later.
    link.stopTimer(actions);
    sendBlock(blockIndex_, link, actions);
    if (sending())
        link.startTimer(actions);
}

void ProgramTransfer::abort(LinkContext& link, LinkActions& actions) {
    if (phase_ == Phase::Idle)
        return;
    request_ = Request::Abort;
    if (phase_ == Phase::Running && lineSent_)
        return; // after the line in flight
    // Nothing in flight: lift the pen where it stands, or end now.
    if (pen_.penDown && link.portOpen) {
        phase_ = Phase::Running;
        sendLift(link, actions);
        return;
    }
    finish(TransferStep::Aborted, link, actions);
}

void ProgramTransfer::tick(LinkContext& link, LinkActions& actions) {
    if (phase_ != Phase::Running || !link.portOpen)
        return;
    if (modeAckPending_) {
        // The mode frame's acknowledgement did not come within a whole
        // interval: line 0 goes at the next tick.
        modeAckPending_ = false;
        return;
    }
    sendBlock(blockIndex_, link, actions);
}

void ProgramTransfer::acknowledged(LinkContext& link, LinkActions& actions) {
    if (modeAckPending_) {
        // "Manual control off" at the start: line 0 goes at the next tick.
        modeAckPending_ = false;
        return;
    }
    // An acknowledgement before the current line went out (a doubled one of
    // the connect or mode frame, in the gap before the first tick) is not
    // the line's.
    if (!lineSent_)
        return;
    lineAcknowledged(link, actions);
}

void ProgramTransfer::sendBlock(int index, LinkContext& link, LinkActions& actions) {
    actions.push_back(Action::setEnabled(LinkControl::SendProgramItem, false));
    const bool again = lineSent_;
    const TransferStep step = again ? TransferStep::LineResent : TransferStep::LineSent;
    if (!travelLine_.isEmpty()) {
        lineSent_ = true;
        TransferEvent event{step, index};
        event.travel = true;
        actions.push_back(Action::transferStep(event));
        sendFrame(travelLine_, link, actions);
        return;
    }
    if (const std::optional<QByteArray> line = program_ ? program_->lineAt(index) : std::nullopt) {
        lineSent_ = true;
        report(step, actions, index);
        sendFrame(*line, link, actions);
        return;
    }
    // Past the last line: the transfer is over.
    finish(TransferStep::Finished, link, actions);
}

void ProgramTransfer::sendFrame(const QByteArray& line, const LinkContext& link,
                                LinkActions& actions) const {
    const QByteArray body = BlockFrame(link.address, line);
    actions.push_back(Action::appendLog(body));
    LinkContext::send(body, actions);
    LinkContext::send(kFrameEnd, actions);
}

void ProgramTransfer::lineAcknowledged(LinkContext& link, LinkActions& actions) {
    lineSent_ = false;
    if (!travelLine_.isEmpty()) {
        TransferEvent event{TransferStep::LineAcknowledged, blockIndex_};
        event.travel = true;
        actions.push_back(Action::transferStep(event));
        travelLine_.clear();
        pen_.penDown = false;
        afterPenUp(link, actions);
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
        finish(TransferStep::Finished, link, actions);
        return;
    }
    if (request_ == Request::None && IsProgramStop(*next))
        request_ = Request::PenChange; // a change of pen: the pen goes up first
    switch (request_) {
    case Request::None:
        sendBlock(blockIndex_, link, actions);
        return;
    case Request::HoldAtPenUp:
        if (pen_.penDown)
            sendBlock(blockIndex_, link, actions); // the next pen-up point
        else
            enterHold(TransferHold::PenUp, actions);
        return;
    case Request::HoldNow:
    case Request::PenChange:
    case Request::Abort:
        if (pen_.penDown && link.portOpen)
            sendLift(link, actions);
        else
            afterPenUp(link, actions);
        return;
    }
}

void ProgramTransfer::afterPenUp(LinkContext& link, LinkActions& actions) {
    switch (request_) {
    case Request::None:
        sendBlock(blockIndex_, link, actions);
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
        finish(TransferStep::Aborted, link, actions);
        return;
    }
}

void ProgramTransfer::sendLift(LinkContext& link, LinkActions& actions) {
    travelLine_ = pen_.travelLine();
    lineSent_ = false;
    sendBlock(blockIndex_, link, actions);
}

void ProgramTransfer::enterHold(TransferHold why, LinkActions& actions) {
    phase_ = Phase::Held;
    request_ = Request::None;
    lineSent_ = false;
    modeAckPending_ = false;
    TransferEvent event{TransferStep::Held, blockIndex_};
    event.hold = why;
    actions.push_back(Action::transferStep(event));
}

void ProgramTransfer::linkLost(LinkContext& link, LinkActions& actions) {
    if (phase_ == Phase::Idle)
        return;
    if (request_ == Request::Abort) {
        // Nothing more can go out: the abort ends it here.
        finish(TransferStep::Aborted, link, actions);
        return;
    }
    // The line in flight goes again when the operator resumes; a travel line
    // of the station's own is dropped (the resume re-sends the program line).
    travelLine_.clear();
    modeAckPending_ = false;
    enterHold(TransferHold::LinkLost, actions);
}

void ProgramTransfer::finish(TransferStep how, LinkContext& link, LinkActions& actions) {
    link.stopTimer(actions);
    const int reached = blockIndex_;
    phase_ = Phase::Idle;
    request_ = Request::None;
    lineSent_ = false;
    travelLine_.clear();
    modeAckPending_ = false;
    blockIndex_ = 0;
    report(how, actions, reached);
    actions.push_back(Action::setEnabled(LinkControl::SendProgramItem, true));
    actions.push_back(Action::setEnabled(LinkControl::ReferenceTravelItem, link.connected));
    actions.push_back(Action::showNotice(how == TransferStep::Aborted
                                             ? LinkTexts::transferAbortedAt(reached + 1)
                                             : LinkTexts::transferDone()));
}

void ProgramTransfer::report(TransferStep step, LinkActions& actions, int index) const {
    TransferEvent event{step, index};
    if (step == TransferStep::Started)
        event.count = program_ ? program_->lineCount() : 0;
    actions.push_back(Action::transferStep(event));
}
