#include "support/portonline.h"

#include <QCoreApplication>

Status PortOnLine::plugIn(PortSettings settings) {
    if (!line.isOpen()) {
        if (Status opened = line.open(); !opened)
            return opened;
    }
    settings.port = line.portPath();
    return port.setSettings(settings);
}

Status PortOnLine::open(PortSettings settings) {
    if (Status plugged = plugIn(std::move(settings)); !plugged)
        return plugged;
    return port.open();
}

Status ListeningLine::open() {
    if (Status opened = line.open(); !opened)
        return opened;
    QObject::connect(&line, &PseudoTerminal::readyRead, &line,
                     [this] { heard += line.readAvailable(); });
    return Status::success();
}

QString missingPortPath() {
    return QStringLiteral("/dev/scara-no-such-port-%1").arg(QCoreApplication::applicationPid());
}
