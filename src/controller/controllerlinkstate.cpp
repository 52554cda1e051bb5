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
        Action::setStatus(LinkPanel::Connection, LinkTexts::kDisconnected),
        Action::setStatus(LinkPanel::Reference, LinkTexts::kNoReference),
        Action::setStatus(LinkPanel::Mode, LinkTexts::kAutomaticMode),
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
    stopTimer(actions);
    actions.push_back(Action::closePort());
    showDisconnected(actions);
    return actions;
}

LinkActions ControllerLinkState::portLost(const QString& error) {
    if (!portOpen_)
        return {}; // reported once per connection
    LinkActions actions;
    stopTimer(actions);
    actions.push_back(Action::closePort());
    showDisconnected(actions);
    actions.push_back(Action::showError(error));
    return actions;
}

void ControllerLinkState::showDisconnected(LinkActions& actions) {
    // The transfer (Sending, BlockIndex), the reference point and the mode
    // stay as they are, so that the operator can connect again.
    portOpen_ = false;
    connected_ = false;
    actions.push_back(Action::setStatus(LinkPanel::Connection, LinkTexts::kDisconnected));
    actions.push_back(Action::setEnabled(LinkControl::PortSelectors, true));
    actions.push_back(Action::setEnabled(LinkControl::ReferenceTravelItem, false));
    actions.push_back(Action::setEnabled(LinkControl::DisconnectButton, false));
    actions.push_back(Action::setEnabled(LinkControl::ConnectButton, true));
}

LinkActions ControllerLinkState::referenceTravelChosen() {
    LinkActions actions;
    sendFixedFrame(FixedFrames::kReferenceTravel, actions);
    return actions;
}

LinkActions ControllerLinkState::setReferenceChosen() {
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
    LinkActions actions;
    switchMode(actions);
    return actions;
}

void ControllerLinkState::switchMode(LinkActions& actions) {
    // The flag flips on every change of the box; the box starts unchecked
    // with the flag true, so checked means manual.
    automaticMode_ = !automaticMode_;
    actions.push_back(Action::setStatus(LinkPanel::Mode, automaticMode_ ? LinkTexts::kAutomaticMode
                                                                        : LinkTexts::kManualMode));
    actions.push_back(Action::setEnabled(LinkControl::ManualButtons, !automaticMode_));
    if (portOpen_)
        sendFixedFrame(automaticMode_ ? FixedFrames::kManualOff : FixedFrames::kManualOn, actions);
}

LinkActions ControllerLinkState::zHeightChosen(ZHeight which, const QString& fieldText) {
    if (!portOpen_)
        return {};
    const Command command = which == ZHeight::G00 ? Command::CmdZHeightG00 : Command::CmdZHeightG01;
    LinkActions actions;
    SendToController(CommandFrame(address_, command, EncodeWindows1250(fieldText)), actions);
    return actions;
}

LinkActions ControllerLinkState::moveChosen(MoveAxis axis, const QString& fieldText) {
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
    if (!programLoaded_)
        return {}; // the command stays disabled until a program exists
    sending_ = true;
    blockIndex_ = 0;
    lineSent_ = false;
    LinkActions actions;
    if (!automaticMode_) {
        // Unticking the box is a change of mode like any other.
        actions.push_back(Action::setChecked(LinkControl::ManualModeBox, false));
        switchMode(actions);
    }
    actions.push_back(Action::setEnabled(LinkControl::ManualModeBox, false));
    if (start == TransferStart::AtOnce && portOpen_) {
        // Line 0 now, its re-send a whole interval later.
        stopTimer(actions);
        SendBlock(blockIndex_, actions);
        if (sending_)
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

LinkActions ControllerLinkState::noticeClosed() {
    // A transfer started again while the notice was open keeps the box
    // disabled.
    if (sending_)
        return {};
    return {Action::setEnabled(LinkControl::ManualModeBox, true)};
}

LinkActions ControllerLinkState::timerTick() {
    LinkActions actions;
    if (sending_ && portOpen_)
        SendBlock(blockIndex_, actions);
    return actions;
}

void ControllerLinkState::SendBlock(int index, LinkActions& actions) {
    actions.push_back(Action::setEnabled(LinkControl::SendProgramItem, false));
    const std::optional<QByteArray> line = program_ ? program_->lineAt(index) : std::nullopt;
    if (line) {
        lineSent_ = true;
        const QByteArray body = BlockFrame(address_, *line);
        actions.push_back(Action::appendLog(body));
        SendToController(body, actions);
        SendToController(kFrameEnd, actions);
        return;
    }
    // Past the last line: the transfer is over.
    stopTimer(actions);
    sending_ = false;
    blockIndex_ = 0;
    actions.push_back(Action::setEnabled(LinkControl::SendProgramItem, true));
    actions.push_back(Action::showNotice(LinkTexts::kTransferDone));
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
    if (sending_) {
        // An acknowledgement before the current line went out (a doubled one
        // of the connect or mode frame, in the gap before the first tick) is
        // not the line's.
        if (!lineSent_)
            return;
        // The acknowledgement names no line: it always advances by one.
        ++blockIndex_;
        lineSent_ = false;
        SendBlock(blockIndex_, actions);
        return;
    }
    if (lastFixedFrame_ == FixedFrames::kConnect) {
        connected_ = true;
        actions.push_back(Action::setEnabled(LinkControl::ReferenceTravelItem, true));
        actions.push_back(Action::setStatus(LinkPanel::Connection, LinkTexts::kConnected));
    } else if (lastFixedFrame_ == FixedFrames::kReferenceTravel) {
        actions.push_back(Action::setStatus(LinkPanel::Reference, LinkTexts::kReferenceTravel));
    } else if (lastFixedFrame_ == FixedFrames::kSetReference) {
        if (programLoaded_)
            actions.push_back(Action::setEnabled(LinkControl::SendProgramItem, true));
        actions.push_back(Action::setStatus(LinkPanel::Reference, LinkTexts::kReferenceDone));
        referenceSet_ = true;
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
