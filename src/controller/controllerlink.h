#pragma once

#include "controller/controllerlinkstate.h"
#include "controller/serialport.h"
#include "controller/wiretrace.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>

// The controller link as the window and the tools use it: owns the serial
// port ComPort1 and the 500 ms send timer Timer1, feeds ControllerLinkState
// one event at a time on the thread that owns it, and carries out the
// actions it returns. What concerns the window (status texts, controls, the
// transfer log, messages) leaves through signals; a binding attaches them to
// the window's controls.
class ControllerLink : public QObject {
    Q_OBJECT
public:
    // Reads the port settings at the moment the station connects (the six
    // selectors); a failure ends the connect command with its text.
    using SettingsSource = std::function<Result<PortSettings>()>;

    explicit ControllerLink(QObject* parent = nullptr);
    ~ControllerLink() override; // closes the port; nothing is sent

    const ControllerLinkState& state() const { return state_; }
    SerialPort& port() { return port_; }
    const SerialPort& port() const { return port_; }
    QTimer& timer() { return timer_; }

    void setSettingsSource(SettingsSource source) { settingsSource_ = std::move(source); }
    // Where the link writes every frame sent and chunk received (not owned;
    // null for none).
    void setTrace(WireTrace* trace) { trace_ = trace; }
    void setControllerAddress(const QByteArray& address) { state_.setControllerAddress(address); }
    // The program the transfer sends (not owned); call programPrepared() when
    // a new one exists.
    void setProgram(const ProgramSource* program) { state_.setProgram(program); }

    // The controls and panels as the window opens, and Timer1 running.
    void start();

    // A port that another program holds (ModemManager probing a freshly
    // plugged adapter, say) is tried again every kBusyRetryInterval for up
    // to kBusyRetryTime before the open fails.
    static constexpr std::chrono::milliseconds kBusyRetryTime{10000};
    static constexpr std::chrono::milliseconds kBusyRetryInterval{500};

    // The window's commands.
    void connectChosen();
    void disconnectChosen();
    void referenceTravelChosen();
    void setReferenceChosen();
    void manualModeToggled();
    void zHeightChosen(ControllerLinkState::ZHeight which, const QString& fieldText);
    void moveChosen(ControllerLinkState::MoveAxis axis, const QString& fieldText);
    void trustReference() { state_.trustReference(); }
    void programPrepared();
    void sendProgramChosen(TransferStart start = TransferStart::AtNextTick);
    void sendProgramFrom(int from, TransferStart start = TransferStart::AtNextTick);
    void pauseChosen();
    void holdChosen(ControllerLinkState::Hold how);
    void resumeChosen();
    void abortChosen();
    void noticeClosed();
    // Keys typed into the terminal view: sent at once, one write each, while
    // the port is open.
    void sendTyped(const QByteArray& keys);

signals:
    void statusChanged(LinkPanel panel, const QString& text);
    void enabledChanged(LinkControl control, bool on);
    void checkedChanged(LinkControl control, bool on);
    void logAppended(const QByteArray& line);
    void errorRaised(const QString& text);
    // The modal end-of-transfer notice; call noticeClosed() once it is closed.
    void noticeRaised(const QString& text);
    // A received chunk after the link has handled it, for the terminal view.
    void received(const QByteArray& chunk);
    void lampChanged(Lamp lamp, bool lit);
    // The program transfer's progress, step by step.
    void transferChanged(const TransferEvent& event);
    // What happened on the link: connected, disconnected, the reference.
    void eventOccurred(LinkEvent event);
    // The port is busy and is tried again (said once an attempt to connect).
    void portBusy(const QString& text);

private:
    void carryOut(const LinkActions& actions);
    void openPort();
    void retryBusyPort();
    void finishOpen(const Status& opened);
    void chunkReceived(const QByteArray& chunk);

    ControllerLinkState state_;
    SerialPort port_;
    QTimer timer_;
    QTimer busyRetry_;
    QElapsedTimer busySince_;
    SettingsSource settingsSource_;
    WireTrace* trace_ = nullptr;
};
