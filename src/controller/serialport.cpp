#include "controller/serialport.h"

#include <cerrno>

namespace {

QSerialPort::DataBits toQt(DataBits bits) {
    return QSerialPort::DataBits(dataBitsValue(bits));
}

QSerialPort::Parity toQt(Parity parity) {
    switch (parity) {
    case Parity::None:
        return QSerialPort::NoParity;
    case Parity::Odd:
        return QSerialPort::OddParity;
    case Parity::Even:
        return QSerialPort::EvenParity;
    case Parity::Mark:
        return QSerialPort::MarkParity;
    case Parity::Space:
        return QSerialPort::SpaceParity;
    }
    return QSerialPort::NoParity;
}

QSerialPort::StopBits toQt(StopBits bits) {
    switch (bits) {
    case StopBits::One:
        return QSerialPort::OneStop;
    case StopBits::OneAndHalf:
        return QSerialPort::OneAndHalfStop;
    case StopBits::Two:
        return QSerialPort::TwoStop;
    }
    return QSerialPort::OneStop;
}

} // namespace

// The timers are children, so that they move with the port to another thread.
SerialPort::SerialPort(QObject* parent)
    : QObject(parent), port_(this), writeDeadline_(this), modemPoll_(this), rxHold_(this),
      txHold_(this) {
    port_.setObjectName(QStringLiteral("ComPort1"));
    writeDeadline_.setSingleShot(true);
    writeDeadline_.setInterval(kWriteTimeout);
    modemPoll_.setInterval(kModemPollInterval);
    for (QTimer* hold : {&rxHold_, &txHold_}) {
        hold->setSingleShot(true);
        hold->setInterval(kLampHold);
    }
    connect(&port_, &QSerialPort::readyRead, this, &SerialPort::readChunk);
    connect(&port_, &QSerialPort::bytesWritten, this, &SerialPort::wroteBytes);
    connect(&port_, &QSerialPort::errorOccurred, this, &SerialPort::portError);
    connect(&writeDeadline_, &QTimer::timeout, this, &SerialPort::writeTimedOut);
    connect(&modemPoll_, &QTimer::timeout, this, &SerialPort::pollModemLines);
    connect(&rxHold_, &QTimer::timeout, this, [this] {
        if (port_.bytesAvailable() == 0)
            setLamp(Lamp::Rx, false);
    });
    connect(&txHold_, &QTimer::timeout, this, [this] {
        if (port_.bytesToWrite() == 0)
            setLamp(Lamp::Tx, false);
    });
}

SerialPort::~SerialPort() {
    // Closing quietly: nobody listens any more.
    blockSignals(true);
    close();
}

Status SerialPort::setSettings(const PortSettings& settings) {
    const bool reopen = port_.isOpen() && settings.port != settings_.port;
    settings_ = settings;
    if (reopen) {
        close();
        return open();
    }
    if (!port_.isOpen())
        return {};
    return applyLineSettings();
}

Status SerialPort::setFlowControl(FlowControl flowControl) {
    settings_.flowControl = flowControl;
    if (!port_.isOpen())
        return {};
    return applyFlowControl();
}

Status SerialPort::setConnected(bool connected) {
    if (connected == port_.isOpen())
        return {};
    if (connected)
        return open();
    close();
    return {};
}

Status SerialPort::open() {
    if (port_.isOpen())
        return {};
    // The port opens with the device's neutral settings and gets the station's
    // afterwards, so that a refused setting is told apart from a missing device.
    port_.setPortName(settings_.port);
    port_.setBaudRate(QSerialPort::Baud9600);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    busy_ = false;
    if (!port_.open(QIODevice::ReadWrite)) {
        const std::optional<int> code = osErrorCodeOf(port_.errorString());
        // Held by another program: its lock file, or the device busy.
        busy_ = code == EBUSY || (port_.error() == QSerialPort::PermissionError && !code);
        const Failure failure = fault({SerialError::OpenFailed, settings_.port, code});
        port_.clearError();
        return failure;
    }
    if (Status applied = applyLineSettings(); !applied) {
        port_.close();
        port_.clearError();
        return applied;
    }
    disableControlLines();
    port_.clear(QSerialPort::Input); // what arrived before the station opened is not for it
    port_.clearError();
    modemPoll_.start();
    emit afterOpen();
    pollModemLines();
    return {};
}

void SerialPort::close() {
    if (!port_.isOpen() || closing_)
        return;
    closing_ = true;
    for (Lamp lamp : {Lamp::Cts, Lamp::Dsr, Lamp::Rlsd})
        setLamp(lamp, false);
    modemPoll_.stop();
    writeDeadline_.stop();
    // Pending reads and writes are abandoned; nothing is delivered after this.
    port_.clear();
    port_.close();
    port_.clearError();
    rxHold_.stop();
    txHold_.stop();
    setLamp(Lamp::Rx, false);
    setLamp(Lamp::Tx, false);
    closing_ = false;
    emit afterClose();
}

Result<qint64> SerialPort::sendText(const QByteArray& text) {
    if (text.isEmpty())
        return qint64(0);
    if (!port_.isOpen())
        return fault({SerialError::WriteFailed, {}, EBADF});
    const qint64 written = port_.write(text);
    if (written != text.size()) {
        const Failure failure = systemFailure(SerialError::WriteFailed);
        port_.clearError();
        return failure;
    }
    setLamp(Lamp::Tx, true);
    if (!writeDeadline_.isActive())
        writeDeadline_.start();
    return written;
}

std::chrono::milliseconds SerialPort::writeTimeout() const {
    return writeDeadline_.intervalAsDuration();
}

void SerialPort::setWriteTimeout(std::chrono::milliseconds timeout) {
    writeDeadline_.setInterval(timeout);
}

Status SerialPort::applyLineSettings() {
    const bool ok = port_.setBaudRate(baudRateValue(settings_.baudRate)) &&
                    port_.setDataBits(toQt(settings_.dataBits)) &&
                    port_.setParity(toQt(settings_.parity)) &&
                    port_.setStopBits(toQt(settings_.stopBits));
    if (!ok) {
        const Failure failure = systemFailure(SerialError::SetStateFailed);
        port_.clearError();
        return failure;
    }
    return applyFlowControl();
}

Status SerialPort::applyFlowControl() {
    QSerialPort::FlowControl flow = QSerialPort::NoFlowControl;
    switch (settings_.flowControl) {
    case FlowControl::Custom:
        return {}; // the individual switches stay as they are
    case FlowControl::Hardware:
        flow = QSerialPort::HardwareControl;
        break;
    case FlowControl::Software:
        flow = QSerialPort::SoftwareControl;
        break;
    case FlowControl::None:
        break;
    }
    if (!port_.setFlowControl(flow)) {
        const Failure failure = systemFailure(SerialError::SetStateFailed);
        port_.clearError();
        return failure;
    }
    disableControlLines();
    return {};
}

void SerialPort::disableControlLines() {
    // DTR and RTS stay off; a line without modem control (a pseudo-terminal)
    // refuses the request, which is no error.
    port_.setDataTerminalReady(false);
    if (port_.flowControl() != QSerialPort::HardwareControl)
        port_.setRequestToSend(false);
    port_.clearError();
}

void SerialPort::readChunk() {
    const QByteArray chunk = port_.readAll();
    if (chunk.isEmpty())
        return;
    setLamp(Lamp::Rx, true);
    rxHold_.start();
    emit chunkReceived(chunk);
}

void SerialPort::wroteBytes() {
    if (port_.bytesToWrite() > 0) {
        writeDeadline_.start(); // progress: a fresh interval for the rest
        return;
    }
    writeDeadline_.stop();
    if (!txHold_.isActive())
        txHold_.start();
}

void SerialPort::writeTimedOut() {
    if (!port_.isOpen() || port_.bytesToWrite() == 0)
        return;
    // The line takes nothing (flow control held, adapter gone): give up the
    // queued bytes so that the port stays usable.
    port_.clear(QSerialPort::Output);
    setLamp(Lamp::Tx, false);
    emit failed(fault({SerialError::WriteFailed, {}, ETIMEDOUT}).text);
}

void SerialPort::portError(QSerialPort::SerialPortError error) {
    if (!port_.isOpen() || closing_)
        return; // failures of open() are returned by open() itself
    switch (error) {
    case QSerialPort::ResourceError:
    case QSerialPort::ReadError: {
        // The device went away (an adapter unplugged, the far side of the
        // line closed): reading would fail again at once, so the port closes.
        const QString text = systemFailure(SerialError::ReadFailed).text;
        close();
        emit deviceLost(text);
        return;
    }
    case QSerialPort::WriteError: {
        const QString text = systemFailure(SerialError::WriteFailed).text;
        port_.clearError();
        port_.clear(QSerialPort::Output);
        writeDeadline_.stop();
        setLamp(Lamp::Tx, false);
        emit failed(text);
        return;
    }
    default:
        return; // unsupported modem control on this line, and the like
    }
}

void SerialPort::pollModemLines() {
    if (!port_.isOpen())
        return;
    const QSerialPort::PinoutSignals lines = port_.pinoutSignals();
    if (port_.error() != QSerialPort::NoError) {
        // A line that cannot report its modem status leaves the lamps dark.
        port_.clearError();
        modemPoll_.stop();
        return;
    }
    setLamp(Lamp::Cts, lines.testFlag(QSerialPort::ClearToSendSignal));
    setLamp(Lamp::Dsr, lines.testFlag(QSerialPort::DataSetReadySignal));
    setLamp(Lamp::Rlsd, lines.testFlag(QSerialPort::DataCarrierDetectSignal));
}

void SerialPort::setLamp(Lamp lamp, bool lit) {
    if (lamps_[int(lamp)] == lit)
        return;
    lamps_[int(lamp)] = lit;
    emit lampChanged(lamp, lit);
}

Failure SerialPort::systemFailure(SerialError error) {
    return fault({error, {}, osErrorCodeOf(port_.errorString())});
}

Failure SerialPort::fault(const PortFault& fault) {
    lastFault_ = fault;
    return Failure{portFaultText(fault)};
}
