#include "controller/serialportlist.h"

#include "controller/portsettings.h"

#include <QSerialPortInfo>

QStringList presentPortNames() {
    QStringList names;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
#ifdef Q_OS_WIN
        names << info.portName();
#else
        names << info.systemLocation();
#endif
    }
    names.removeDuplicates();
    return sortedPortNames(names);
}

QString preferredPort(const QStringList& names) {
    for (const QString& name : names) {
        if (name.compare(QLatin1String("COM1"), Qt::CaseInsensitive) == 0)
            return name;
    }
    for (const QString& name : names) {
        if (name.contains(QLatin1String("ttyUSB")) || name.contains(QLatin1String("ttyACM")) ||
            name.contains(QLatin1String("usbserial")) || name.contains(QLatin1String("usbmodem")))
            return name;
    }
    return {};
}
