#pragma once

#include "base/result.h"
#include "controller/portsettings.h"
#include "controller/serialerror.h"

#include <QObject>
#include <QSerialPort>
#include <QTimer>

#include <chrono>

// The signal lamps of the port page.
enum class Lamp { Cts, Dsr, Rlsd, Rx, Tx };

// The station's serial port, ComPort1: the line settings, opening and
// closing, writing text and handing on what arrives, on the thread that owns
// it (the controller link's thread). Writes never block: they are queued and written
// in order as the line takes them; a write that makes no progress for
// writeTimeout() is abandoned and reported.
class SerialPort : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kWriteTimeout{3000};
    static constexpr std::chrono::milliseconds kModemPollInterval{100};
    // RX and TX stay lit at least this long, so that a person can see them.
    static constexpr std::chrono::milliseconds kLampHold{60};

    explicit SerialPort(QObject* parent = nullptr);
    ~SerialPort() override;

    const PortSettings& settings() const { return settings_; }
    // Stores the settings; while the port is open, changed line parameters
    // are applied at once and a changed port name closes the port and opens
    // the new one.
    Status setSettings(const PortSettings& settings);
    // The flow-control selector applies its value at once.
    Status setFlowControl(FlowControl flowControl);

    bool connected() const { return port_.isOpen(); }
    // The last open() failed because another program holds the port (its
    // lock, or the device busy): worth another try in a moment.
    bool lastOpenFoundItBusy() const { return busy_; }
    Status setConnected(bool connected);
    Status open();
    void close();

    // Queues the bytes for writing and returns their count; an empty text
    // writes nothing and returns 0; a closed port fails with the write error.
    Result<qint64> sendText(const QByteArray& text);
    qint64 bytesToWrite() const { return port_.bytesToWrite(); }

    std::chrono::milliseconds writeTimeout() const;
    void setWriteTimeout(std::chrono::milliseconds timeout);

    bool lampLit(Lamp lamp) const { return lamps_[int(lamp)]; }
    // The last failure, as the texts returned and signalled describe it.
    const PortFault& lastFault() const { return lastFault_; }

signals:
    void afterOpen();
    void afterClose();
    // One piece of received text, whatever had arrived when it was read.
    void chunkReceived(const QByteArray& chunk);
    void lampChanged(Lamp lamp, bool lit);
    // A failure found after the call that caused it returned (a write that
    // timed out or failed); the port stays open.
    void failed(const QString& text);
    // The device went away while open; the port has been closed.
    void deviceLost(const QString& text);

private:
    Status applyLineSettings();
    Status applyFlowControl();
    void disableControlLines();
    void readChunk();
    void wroteBytes();
    void writeTimedOut();
    void portError(QSerialPort::SerialPortError error);
    void pollModemLines();
    void setLamp(Lamp lamp, bool lit);
    Failure systemFailure(SerialError error);
    Failure fault(const PortFault& fault);

    QSerialPort port_;
    bool busy_ = false;
    PortFault lastFault_;
    PortSettings settings_;
    QTimer writeDeadline_;
    QTimer modemPoll_;
    QTimer rxHold_;
    QTimer txHold_;
    bool lamps_[5] = {};
    bool closing_ = false;
};
