#pragma once

#include "base/result.h"
#include "controller/portsettings.h"

#include <QObject>

#include <array>

class ControllerEmulator;
class QComboBox;
class ControllerLink;

// The six selectors of the page "Ustawienia portu" (ComComboBox1 to
// ComComboBox6): their lists, the port list read afresh whenever it is
// opened, the built-in controller emulator as the last port entry, the
// flow-control selector applied at once, and the reading of all six when the
// station connects.
class PortSelectors : public QObject {
    Q_OBJECT
public:
    // The port entry that starts the emulator in the station and connects to it.
    static const QString kEmulatorEntry;

    // `boxes` in the order port, baud rate, data bits, parity, stop bits,
    // flow control; any may be null. `link` gets the flow control at once.
    PortSelectors(std::array<QComboBox*, 6> boxes, ControllerLink& link, QObject* parent = nullptr);
    ~PortSelectors() override;

    // Fills the port list and selects "COM1", else the first USB or ACM
    // adapter, else the emulator entry. The other selectors keep their lists
    // and texts.
    void fillPortList();
    // Reads the port list again, keeping the chosen entry.
    void refreshPortList();

    // The six selections as port settings; the emulator entry starts the
    // emulator (once) and stands for its line. A selector with nothing
    // chosen gives "List index out of bounds (-1)".
    Result<PortSettings> read();

    // The emulator behind the emulator entry, once it has been started.
    ControllerEmulator* emulator() const { return emulator_; }

    // The line speed chosen now, read without side effects (the emulator
    // entry is not started); the station's default when none can be read.
    int baudRate() const;
    // The port entry chosen now, as the operator sees it.
    QString portName() const;

signals:
    // Another line speed was chosen.
    void baudRateChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setPortItems(const QString& keep);

    std::array<QComboBox*, 6> boxes_;
    ControllerLink& link_;
    ControllerEmulator* emulator_ = nullptr;
};
