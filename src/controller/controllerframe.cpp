#include "controller/controllerframe.h"

#include "controller/framechecksum.h"

QByteArray commandNumber(Command command) {
    return QByteArray::number(static_cast<int>(command)).rightJustified(3, '0');
}

QByteArray CommandFrame(const QByteArray& address, Command command, const QByteArray& argument) {
    const QByteArray payload = commandNumber(command) + argument;
    return ':' + address + "21" + payload + checksumDigits(FrameChecksum(payload)) + kFrameEnd;
}

QByteArray BlockFrame(const QByteArray& address, const QByteArray& line) {
    return ':' + address + "20" + line + checksumDigits(FrameChecksum(line));
}

QByteArray acknowledgementText(const QByteArray& address) {
    return ':' + address + "05" + kFrameEnd;
}

bool isAcknowledgement(const QByteArray& received, const QByteArray& address) {
    return received == acknowledgementText(address);
}
