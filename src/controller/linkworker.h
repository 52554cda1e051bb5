#pragma once

#include "controller/controllerlinkstate.h"
#include "controller/serialport.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <memory>

class JournalKeeper;
class WireTrace;

// The controller link's side on its own thread: owns ComPort1 and the 500 ms
// send timer Timer1, feeds ControllerLinkState one event at a time and
// carries out the actions it returns. Every function runs on the link's
// thread; ControllerLink queues the window's commands to it, and its signals
// reach the window queued.
class LinkWorker : public QObject {
    Q_OBJECT
public:
    // A port that another program holds (ModemManager probing a freshly
    // plugged adapter, say) is tried again every kBusyRetryInterval for up
    // to kBusyRetryTime before the open fails.
    static constexpr std::chrono::milliseconds kBusyRetryTime{10000};
    static constexpr std::chrono::milliseconds kBusyRetryInterval{500};

    LinkWorker();
    ~LinkWorker() override; // closes the port; nothing is sent

    ControllerLinkState& state() { return state_; }
    SerialPort& port() { return port_; }

    // Timer1 runs from the start.
    void start();
    // One event of the link state, and the actions it gives carried out.
    void carryOut(const LinkActions& actions);
    // The connect command, with the settings the window read when it was
    // chosen.
    void connectWith(const Result<PortSettings>& settings);
    void disconnect();
    // The program a transfer that starts now sends; kept while one runs.
    void setProgram(std::shared_ptr<const ProgramSource> program);
    void setPortSettings(const PortSettings& settings);
    void setFlowControl(FlowControl flowControl);
    // Keys typed into the terminal view: sent at once, one write each, while
    // the port is open.
    void sendTyped(const QByteArray& keys);
    void setTrace(WireTrace* trace);
    // Keeps the transfer journal on this thread, each step recorded before
    // the next line goes out (the keeper lives on this thread); `fileName`
    // names the program's file in it.
    void setJournal(JournalKeeper* journal, const QString& fileName);
    // The journal's file and the program's for the next transfer; a
    // transfer under way keeps its own.
    void placeJournal(const QString& path, const QString& fileName);

signals:
    // The state after an event, reported before the actions it gave.
    void stateReported(const ControllerLinkState& state, const PortSettings& settings);
    void statusChanged(LinkPanel panel, LinkStatus status);
    void enabledChanged(LinkControl control, bool on);
    void checkedChanged(LinkControl control, bool on);
    void logAppended(const QByteArray& line);
    void errorRaised(const QString& text);
    void portFailed(const PortFault& fault);
    void noticeRaised(const QString& text);
    void received(const QByteArray& chunk);
    void lampChanged(Lamp lamp, bool lit);
    void transferChanged(const TransferEvent& event);
    void eventOccurred(LinkEvent event);
    void portBusy(const QString& port);
    // A transfer command has been taken, after the state it led to.
    void transferCommandTaken();

private:
    void carryOutOne(const LinkAction& action, bool& writeFailed);
    void write(const QByteArray& bytes, bool& writeFailed);
    void openPort();
    void retryBusyPort();
    void finishOpen(const Status& opened);
    void chunkReceived(const QByteArray& chunk);
    void portError(const QString& text);
    void report();
    void record(const TransferEvent& event);
    void raise(const QString& text);

    ControllerLinkState state_;
    SerialPort port_;
    QTimer timer_;
    QTimer busyRetry_;
    QElapsedTimer busySince_;
    Result<PortSettings> pendingSettings_ = Failure{QString()};
    std::shared_ptr<const ProgramSource> program_;
    WireTrace* trace_ = nullptr;
    JournalKeeper* journal_ = nullptr;
    QString journalFile_;
};
