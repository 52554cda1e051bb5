#include "controller/linkaction.h"

#include "controller/linktexts.h"

#include <QStringList>

namespace {

LinkAction make(LinkAction::Kind kind) {
    LinkAction action;
    action.kind = kind;
    return action;
}

} // namespace

LinkAction LinkAction::openPort() {
    return make(Kind::OpenPort);
}

LinkAction LinkAction::closePort() {
    return make(Kind::ClosePort);
}

LinkAction LinkAction::write(const QByteArray& bytes) {
    LinkAction action = make(Kind::Write);
    action.bytes = bytes;
    return action;
}

LinkAction LinkAction::startTimer() {
    return make(Kind::StartTimer);
}

LinkAction LinkAction::stopTimer() {
    return make(Kind::StopTimer);
}

LinkAction LinkAction::setStatus(LinkPanel panel, LinkStatus status) {
    LinkAction action = make(Kind::SetStatus);
    action.panel = panel;
    action.status = status;
    return action;
}

LinkAction LinkAction::setEnabled(LinkControl control, bool on) {
    LinkAction action = make(Kind::SetEnabled);
    action.control = control;
    action.on = on;
    return action;
}

LinkAction LinkAction::setChecked(LinkControl control, bool on) {
    LinkAction action = make(Kind::SetChecked);
    action.control = control;
    action.on = on;
    return action;
}

LinkAction LinkAction::appendLog(const QByteArray& line) {
    LinkAction action = make(Kind::AppendLog);
    action.bytes = line;
    return action;
}

LinkAction LinkAction::showError(const QString& text) {
    LinkAction action = make(Kind::ShowError);
    action.text = text;
    return action;
}

LinkAction LinkAction::showNotice(const QString& text) {
    LinkAction action = make(Kind::ShowNotice);
    action.text = text;
    return action;
}

LinkAction LinkAction::transferStep(const TransferEvent& event) {
    LinkAction action = make(Kind::Transfer);
    action.transfer = event;
    return action;
}

LinkAction LinkAction::linkEvent(LinkEvent event) {
    LinkAction action = make(Kind::Event);
    action.event = event;
    return action;
}

namespace {

QString eventName(LinkEvent event) {
    switch (event) {
    case LinkEvent::Connected:
        return QStringLiteral("connected");
    case LinkEvent::Disconnected:
        return QStringLiteral("disconnected");
    case LinkEvent::ReferenceTravelled:
        return QStringLiteral("reference travelled");
    case LinkEvent::ReferenceSet:
        return QStringLiteral("reference set");
    }
    return QStringLiteral("?");
}

QString stepName(TransferStep step) {
    switch (step) {
    case TransferStep::Started:
        return QStringLiteral("started");
    case TransferStep::LineSent:
        return QStringLiteral("sent");
    case TransferStep::LineResent:
        return QStringLiteral("resent");
    case TransferStep::LineAcknowledged:
        return QStringLiteral("acknowledged");
    case TransferStep::Held:
        return QStringLiteral("held");
    case TransferStep::Resumed:
        return QStringLiteral("resumed");
    case TransferStep::Finished:
        return QStringLiteral("finished");
    case TransferStep::Aborted:
        return QStringLiteral("aborted");
    }
    return QStringLiteral("?");
}

QString controlName(LinkControl control) {
    switch (control) {
    case LinkControl::ConnectButton:
        return QStringLiteral("Button1");
    case LinkControl::DisconnectButton:
        return QStringLiteral("Button2");
    case LinkControl::PortSelectors:
        return QStringLiteral("ComComboBox1-6");
    case LinkControl::ReferenceTravelItem:
        return QStringLiteral("Jazdareferencyjna1");
    case LinkControl::SendProgramItem:
        return QStringLiteral("Wyslijprogram1");
    case LinkControl::ManualModeBox:
        return QStringLiteral("CheckBox7");
    case LinkControl::ManualButtons:
        return QStringLiteral("manual buttons");
    }
    return QStringLiteral("?");
}

// Bytes as readable text: CR and LF as \r and \n, other control bytes and
// bytes above 0x7E as \xNN.
QString visible(const QByteArray& bytes) {
    QString text;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '\r')
            text += QStringLiteral("\\r");
        else if (byte == '\n')
            text += QStringLiteral("\\n");
        else if (byte < 0x20 || byte > 0x7E)
            text += QStringLiteral("\\x%1").arg(byte, 2, 16, QLatin1Char('0'));
        else
            text += QLatin1Char(c);
    }
    return text;
}

} // namespace

QString describe(const LinkAction& action) {
    using Kind = LinkAction::Kind;
    const QString onOff = action.on ? QStringLiteral("on") : QStringLiteral("off");
    switch (action.kind) {
    case Kind::OpenPort:
        return QStringLiteral("open port");
    case Kind::ClosePort:
        return QStringLiteral("close port");
    case Kind::Write:
        return QStringLiteral("write ") + visible(action.bytes);
    case Kind::StartTimer:
        return QStringLiteral("start timer");
    case Kind::StopTimer:
        return QStringLiteral("stop timer");
    case Kind::SetStatus:
        return QStringLiteral("status %1 %2")
            .arg(int(action.panel))
            .arg(LinkTexts::statusText(action.status));
    case Kind::SetEnabled:
        return QStringLiteral("enable %1 %2").arg(controlName(action.control), onOff);
    case Kind::SetChecked:
        return QStringLiteral("check %1 %2").arg(controlName(action.control), onOff);
    case Kind::AppendLog:
        return QStringLiteral("log ") + visible(action.bytes);
    case Kind::ShowError:
        return QStringLiteral("error ") + action.text;
    case Kind::ShowNotice:
        return QStringLiteral("notice ") + action.text;
    case Kind::Transfer:
        return QStringLiteral("transfer %1 %2%3")
            .arg(stepName(action.transfer.step))
            .arg(action.transfer.index)
            .arg(action.transfer.travel ? QStringLiteral(" travel") : QString());
    case Kind::Event:
        return QStringLiteral("event ") + eventName(action.event);
    }
    return QStringLiteral("?");
}

QString describe(const LinkActions& actions) {
    QStringList lines;
    for (const LinkAction& action : actions)
        lines << describe(action);
    return lines.join(QStringLiteral("; "));
}
