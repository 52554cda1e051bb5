#pragma once

#include "controller/controllerlinkstate.h"
#include "controller/serialport.h"

#include <QObject>
#include <QThread>

#include <functional>
#include <memory>

class JournalKeeper;
class LinkWorker;
class WireTrace;

// The controller link as the window and the tools use it. The serial port
// ComPort1, the 500 ms send timer Timer1 and the link state live on a thread
// of their own (LinkWorker), so that a busy window never slows a transfer.
// Commands are queued to that thread and return at once; what the link
// reports comes back through queued signals, in order, on the thread that
// owns this object. state() is the link state as last reported: it is up to
// date when a signal arrives, and catches up with a command once the link
// has taken it.
class ControllerLink : public QObject {
    Q_OBJECT
public:
    // Reads the port settings at the moment the station connects (the six
    // selectors), on this object's thread; a failure ends the connect
    // command with its text.
    using SettingsSource = std::function<Result<PortSettings>()>;

    explicit ControllerLink(QObject* parent = nullptr);
    ~ControllerLink() override; // closes the port; nothing is sent

    const ControllerLinkState& state() const { return state_; }
    // A transfer runs or holds, or has been chosen and the link has yet to
    // take the command: what may not change under a transfer is refused from
    // the moment it is chosen.
    bool transferActive() const { return state_.sending() || transfersAsked_ > 0; }
    // The link's side on its thread, for tests that look at its timers.
    const QObject& worker() const;
    // The port settings in force, as last reported.
    const PortSettings& portSettings() const { return portSettings_; }

    // Without a source, the connect command uses the settings given last.
    void setSettingsSource(SettingsSource source) { settingsSource_ = std::move(source); }
    void setPortSettings(const PortSettings& settings);
    // Applied to an open port at once; a failure is reported as an error.
    void setFlowControl(FlowControl flowControl);
    // Where the link writes every frame sent and chunk received (not owned;
    // null for none). A trace is written from the link's thread and must
    // outlive the link or be replaced first.
    void setTrace(WireTrace* trace);
    void setControllerAddress(const QByteArray& address);
    // Keeps the transfer journal with `keeper` on the link's thread, so that
    // every step is recorded before the next line goes out, whatever the
    // window does meanwhile. The keeper moves to the link's thread until
    // releaseJournal() or the link's end (its path and lock are set
    // beforehand, or come from setJournalPlace); `fileName` names the
    // program's file in the journal.
    void keepJournal(JournalKeeper& keeper, const QString& fileName);
    // Where a transfer keeps its journal: the journal's file and the file of
    // the program it sends.
    struct JournalPlace {
        QString path;
        QString programFile;
    };
    // Read on this object's thread whenever a transfer is chosen, and given
    // to the keeper before the transfer starts.
    using JournalPlaceSource = std::function<JournalPlace()>;
    void setJournalPlace(JournalPlaceSource source) { journalPlace_ = std::move(source); }
    // The keeper comes back to this object's thread, which owns it; the link
    // keeps no journal from then on. Waits for the link's thread.
    void releaseJournal();
    // The program the transfer sends (not owned). A transfer sends a copy
    // taken when it is chosen, so the program may change while it runs.
    void setProgram(const ProgramSource* program) { program_ = program; }

    // The controls and panels as the window opens, and Timer1 running.
    void start();

    // The window's commands.
    void connectChosen();
    void disconnectChosen();
    void referenceTravelChosen();
    void setReferenceChosen();
    void manualModeToggled();
    void zHeightChosen(ControllerLinkState::ZHeight which, const QString& fieldText);
    void moveChosen(ControllerLinkState::MoveAxis axis, const QString& fieldText);
    void trustReference();
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
    void statusChanged(LinkPanel panel, LinkStatus status);
    void enabledChanged(LinkControl control, bool on);
    void checkedChanged(LinkControl control, bool on);
    void logAppended(const QByteArray& line);
    void errorRaised(const QString& text);
    // A failure of the port, with the system's error number (also said
    // through errorRaised).
    void portFailed(const PortFault& fault);
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
    void portBusy(const QString& port);
    // state() changed.
    void stateChanged();

private:
    template <typename Work> void post(Work work);
    template <typename... Args, typename... Given>
    void feed(LinkActions (ControllerLinkState::*event)(Args...), Given... args);
    void forwardSignals();
    void showInitialState();

    QThread thread_;
    LinkWorker* worker_;
    ControllerLinkState state_;
    PortSettings portSettings_;
    const ProgramSource* program_ = nullptr;
    SettingsSource settingsSource_;
    JournalKeeper* journal_ = nullptr;
    JournalPlaceSource journalPlace_;
    int transfersAsked_ = 0; // transfer commands the link has not yet taken
};
