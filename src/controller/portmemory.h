#pragma once

#include "controller/portsettings.h"

#include <QList>
#include <QString>

#include <optional>

class QSettings;

// A serial port as the machine presents it: its name as the port selector
// lists it and, for a USB adapter, the adapter's vendor, product and serial
// number.
struct PresentPort {
    QString name;
    std::optional<quint16> vendorId;
    std::optional<quint16> productId;
    QString serialNumber;

    bool isUsb() const { return vendorId.has_value() && productId.has_value(); }
    bool operator==(const PresentPort&) const = default;
};

// The ports present now, in the order presentPortNames() gives.
QList<PresentPort> presentPorts();

// The port chosen last time and the line settings of the five selectors
// beside it, as the station keeps them between runs.
struct RememberedLine {
    PresentPort port;
    PortSettings line = withoutPort(); // the port name in it is not used

    static PortSettings withoutPort() {
        PortSettings settings;
        settings.port.clear();
        return settings;
    }
    bool operator==(const RememberedLine&) const = default;
};

// Which present port stands for the remembered one: the USB adapter with the
// same vendor, product and serial number wherever it is plugged in now, else
// the port of the same name. An empty text when neither is present.
QString findRememberedPort(const PresentPort& remembered, const QList<PresentPort>& present);

// The remembered port and line settings under the settings' current group.
// An entry that is missing or not one of the selector's texts gives its
// default (an empty port name: none remembered).
RememberedLine readRememberedLine(const QSettings& settings);
void writeRememberedLine(QSettings& settings, const RememberedLine& line);
