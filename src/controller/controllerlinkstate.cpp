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
        Action::setStatus(LinkPanel::Connection, LinkStatus::Disconnected),
        Action::setStatus(LinkPanel::Reference, LinkStatus::NoReference),
        Action::setStatus(LinkPanel::Mode, LinkStatus::AutomaticMode),
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
    if (!link_.portOpen)
        clearRxBuffer(); // a fresh open starts with an empty reply buffer
    link_.portOpen = true;
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
    transfer_.linkLost(link_, actions);
    link_.stopTimer(actions);
    actions.push_back(Action::closePort());
    showDisconnected(actions);
    return actions;
}

LinkActions ControllerLinkState::portLost(const QString& error) {
    if (!link_.portOpen)
        return {}; // reported once per connection
    LinkActions actions;
    transfer_.linkLost(link_, actions);
    link_.stopTimer(actions);
    actions.push_back(Action::closePort());
    showDisconnected(actions);
    actions.push_back(Action::showError(error));
    return actions;
}

void ControllerLinkState::showDisconnected(LinkActions& actions) {
    // A transfer holds at its line (see ProgramTransfer::linkLost); the reference
    // point and the mode stay as they are, so that the operator can connect
    // again and resume.
    link_.portOpen = false;
    link_.connected = false;
    referenceAsked_ = false; // its acknowledgement can no longer come
    actions.push_back(Action::setStatus(LinkPanel::Connection, LinkStatus::Disconnected));
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
    LinkContext::send(lastFixedFrame_, actions);
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
    actions.push_back(Action::setStatus(LinkPanel::Mode, automaticMode_ ? LinkStatus::AutomaticMode
                                                                        : LinkStatus::ManualMode));
    actions.push_back(Action::setEnabled(LinkControl::ManualButtons, !automaticMode_));
    if (link_.portOpen)
        sendFixedFrame(automaticMode_ ? FixedFrames::kManualOff : FixedFrames::kManualOn, actions);
}

LinkActions ControllerLinkState::zHeightChosen(ZHeight which, const QString& fieldText) {
    if (sending())
        return refusal();
    if (!link_.portOpen)
        return {};
    const Command command = which == ZHeight::G00 ? Command::CmdZHeightG00 : Command::CmdZHeightG01;
    LinkActions actions;
    LinkContext::send(CommandFrame(link_.address, command, EncodeWindows1250(fieldText)), actions);
    return actions;
}

LinkActions ControllerLinkState::moveChosen(MoveAxis axis, const QString& fieldText) {
    if (sending())
        return refusal();
    if (!link_.portOpen)
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
        *amount > 0
            ? CommandFrame(link_.address, kPlus[row], EncodeWindows1250(fieldText))
            : CommandFrame(link_.address, kMinus[row], QByteArray::number(-qint64(*amount)));
    LinkActions actions;
    LinkContext::send(frame, actions);
    if (axis == MoveAxis::Z)
        LinkContext::send(frame, actions); // the Z axis takes its move twice
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
    LinkActions actions;
    transfer_.begin(from, actions);
    actions.push_back(Action::setEnabled(LinkControl::ReferenceTravelItem, false));
    if (!automaticMode_) {
        // Unticking the box is a change of mode like any other.
        actions.push_back(Action::setChecked(LinkControl::ManualModeBox, false));
        switchMode(actions);
        // Its acknowledgement must not be taken for line 0's.
        transfer_.awaitModeAcknowledgement(link_);
    }
    actions.push_back(Action::setEnabled(LinkControl::ManualModeBox, false));
    transfer_.go(start, link_, actions);
    return actions;
}

LinkActions ControllerLinkState::pauseChosen() {
    LinkActions actions;
    if (link_.timerRunning)
        link_.stopTimer(actions);
    else
        link_.startTimer(actions);
    return actions;
}

LinkActions ControllerLinkState::holdChosen(Hold how) {
    LinkActions actions;
    transfer_.hold(how, link_, actions);
    return actions;
}

LinkActions ControllerLinkState::resumeChosen() {
    LinkActions actions;
    transfer_.resume(link_, actions);
    return actions;
}

LinkActions ControllerLinkState::abortChosen() {
    LinkActions actions;
    transfer_.abort(link_, actions);
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
    transfer_.tick(link_, actions);
    return actions;
}

LinkActions ControllerLinkState::refusal(LinkActions actions) const {
    actions.push_back(Action::showError(LinkTexts::refusedWhileSending()));
    return actions;
}

std::optional<QString> ControllerLinkState::cannotStart() const {
    if (!link_.portOpen || !link_.connected)
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
    link_.timerRunning = false;
    appendReceived(chunk);
    if (rxEnd_ == kFrameEnd)
        DispatchReply(actions);
    link_.startTimer(actions);
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
    const bool acknowledged = !rxOverflow_ && isAcknowledgement(rxBuffer_, link_.address);
    clearRxBuffer(); // matched or not, the line is done
    if (!acknowledged)
        return;
    if (transfer_.running()) {
        transfer_.acknowledged(link_, actions);
        return;
    }
    if (lastFixedFrame_ == FixedFrames::kConnect) {
        link_.connected = true;
        actions.push_back(Action::setEnabled(LinkControl::ReferenceTravelItem, !sending()));
        actions.push_back(Action::setStatus(LinkPanel::Connection, LinkStatus::Connected));
        actions.push_back(Action::linkEvent(LinkEvent::Connected));
    } else if (lastFixedFrame_ == FixedFrames::kReferenceTravel) {
        referenceAsked_ = false;
        referenceTravelled_ = true;
        actions.push_back(Action::setStatus(LinkPanel::Reference, LinkStatus::ReferenceTravel));
        actions.push_back(Action::linkEvent(LinkEvent::ReferenceTravelled));
    } else if (lastFixedFrame_ == FixedFrames::kSetReference) {
        if (programLoaded_)
            actions.push_back(Action::setEnabled(LinkControl::SendProgramItem, true));
        actions.push_back(Action::setStatus(LinkPanel::Reference, LinkStatus::ReferenceDone));
        referenceSet_ = true;
        actions.push_back(Action::linkEvent(LinkEvent::ReferenceSet));
    }
}
