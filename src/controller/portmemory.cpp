#include "controller/portmemory.h"

#include "controller/serialportlist.h"

#include <QSerialPortInfo>
#include <QSettings>

namespace {

const QString kName = QStringLiteral("name");
const QString kVendor = QStringLiteral("vendor");
const QString kProduct = QStringLiteral("product");
const QString kSerial = QStringLiteral("serial");

// The enumerations follow their selector's list order.
template <typename Enum>
Enum readChoice(const QSettings& settings, const QString& key, PortSetting which, Enum fallback) {
    const QString text = settings.value(key).toString();
    const QStringList texts = settingTexts(which);
    for (qsizetype i = 0; i < texts.size(); ++i) {
        if (text.compare(texts[i], Qt::CaseInsensitive) == 0)
            return Enum(i);
    }
    return fallback;
}

std::optional<quint16> readId(const QSettings& settings, const QString& key) {
    bool ok = false;
    const uint value = settings.value(key).toString().toUInt(&ok, 16);
    if (!ok || value > 0xffff)
        return std::nullopt;
    return quint16(value);
}

QString idText(quint16 id) {
    return QStringLiteral("%1").arg(id, 4, 16, QLatin1Char('0'));
}

} // namespace

QList<PresentPort> presentPorts() {
    const QStringList names = presentPortNames();
    QList<PresentPort> ports;
    ports.reserve(names.size());
    const QList<QSerialPortInfo> infos = QSerialPortInfo::availablePorts();
    for (const QString& name : names) {
        PresentPort port{name, std::nullopt, std::nullopt, QString()};
        for (const QSerialPortInfo& info : infos) {
            if (info.systemLocation() != name && info.portName() != name)
                continue;
            if (info.hasVendorIdentifier() && info.hasProductIdentifier()) {
                port.vendorId = info.vendorIdentifier();
                port.productId = info.productIdentifier();
                port.serialNumber = info.serialNumber();
            }
            break;
        }
        ports << port;
    }
    return ports;
}

QString findRememberedPort(const PresentPort& remembered, const QList<PresentPort>& present) {
    if (remembered.isUsb()) {
        // Two adapters of one kind without serial numbers cannot be told
        // apart: then only the name decides.
        const PresentPort* match = nullptr;
        int matches = 0;
        for (const PresentPort& port : present) {
            if (port.isUsb() && port.vendorId == remembered.vendorId &&
                port.productId == remembered.productId &&
                port.serialNumber == remembered.serialNumber) {
                match = &port;
                ++matches;
            }
        }
        if (matches == 1)
            return match->name;
    }
    for (const PresentPort& port : present) {
        if (!remembered.name.isEmpty() && port.name == remembered.name)
            return port.name;
    }
    return {};
}

RememberedLine readRememberedLine(const QSettings& settings) {
    RememberedLine line;
    line.port.name = settings.value(kName).toString();
    line.port.vendorId = readId(settings, kVendor);
    line.port.productId = readId(settings, kProduct);
    if (line.port.isUsb())
        line.port.serialNumber = settings.value(kSerial).toString();
    else
        line.port.vendorId = line.port.productId = std::nullopt;
    const PortSettings defaults;
    line.line.baudRate =
        readChoice(settings, QStringLiteral("baudRate"), PortSetting::BaudRate, defaults.baudRate);
    line.line.dataBits =
        readChoice(settings, QStringLiteral("dataBits"), PortSetting::DataBits, defaults.dataBits);
    line.line.parity =
        readChoice(settings, QStringLiteral("parity"), PortSetting::Parity, defaults.parity);
    line.line.stopBits =
        readChoice(settings, QStringLiteral("stopBits"), PortSetting::StopBits, defaults.stopBits);
    line.line.flowControl = readChoice(settings, QStringLiteral("flowControl"),
                                       PortSetting::FlowControl, defaults.flowControl);
    return line;
}

void writeRememberedLine(QSettings& settings, const RememberedLine& line) {
    settings.setValue(kName, line.port.name);
    if (line.port.isUsb()) {
        settings.setValue(kVendor, idText(*line.port.vendorId));
        settings.setValue(kProduct, idText(*line.port.productId));
        settings.setValue(kSerial, line.port.serialNumber);
    } else {
        settings.remove(kVendor);
        settings.remove(kProduct);
        settings.remove(kSerial);
    }
    settings.setValue(QStringLiteral("baudRate"), baudRateText(line.line.baudRate));
    settings.setValue(QStringLiteral("dataBits"), dataBitsText(line.line.dataBits));
    settings.setValue(QStringLiteral("parity"), parityText(line.line.parity));
    settings.setValue(QStringLiteral("stopBits"), stopBitsText(line.line.stopBits));
    settings.setValue(QStringLiteral("flowControl"), flowControlText(line.line.flowControl));
}
