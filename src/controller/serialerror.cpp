#include "controller/serialerror.h"

#include <QCoreApplication>

#include <array>
#include <cstring>

#include <locale.h>

namespace {

const std::array kMessages{
    QT_TRANSLATE_NOOP("SerialError", "Unable to open com port"),
    QT_TRANSLATE_NOOP("SerialError", "WriteFile function failed"),
    QT_TRANSLATE_NOOP("SerialError", "ReadFile function failed"),
    QT_TRANSLATE_NOOP("SerialError", "Invalid Async parameter"),
    QT_TRANSLATE_NOOP("SerialError", "PurgeComm function failed"),
    QT_TRANSLATE_NOOP("SerialError", "Unable to get async status"),
    QT_TRANSLATE_NOOP("SerialError", "SetCommState function failed"),
    QT_TRANSLATE_NOOP("SerialError", "SetCommTimeouts failed"),
    QT_TRANSLATE_NOOP("SerialError", "SetupComm function failed"),
    QT_TRANSLATE_NOOP("SerialError", "ClearCommError function failed"),
    QT_TRANSLATE_NOOP("SerialError", "GetCommModemStatus function failed"),
    QT_TRANSLATE_NOOP("SerialError", "EscapeCommFunction function failed"),
    QT_TRANSLATE_NOOP("SerialError", "TransmitCommChar function failed"),
    QT_TRANSLATE_NOOP("SerialError", "Cannot set property while connected"),
    QT_TRANSLATE_NOOP("SerialError", "EnumPorts function failed"),
    QT_TRANSLATE_NOOP("SerialError", "Failed to store settings"),
    QT_TRANSLATE_NOOP("SerialError", "Failed to load settings"),
    QT_TRANSLATE_NOOP("SerialError", "Link (un)registration failed"),
    QT_TRANSLATE_NOOP("SerialError", "Cannot change led state if ComPort is selected"),
    QT_TRANSLATE_NOOP("SerialError", "Cannot wait for event if event thread is created"),
    QT_TRANSLATE_NOOP("SerialError", "WaitForEvent method failed"),
    QT_TRANSLATE_NOOP("SerialError", "A component is linked to OnRxBuf event"),
    QT_TRANSLATE_NOOP("SerialError", "Registry error"),
};

// The message with the operating system's code; "%1" is the message.
QString withCode(const QString& message, int osCode) {
#ifdef Q_OS_WIN
    return QCoreApplication::translate("SerialError", "%1 (win error code: %2)")
        .arg(message, QString::number(osCode));
#else
    return QCoreApplication::translate("SerialError", "%1 (os error code: %2)")
        .arg(message, QString::number(osCode));
#endif
}

} // namespace

QString serialErrorMessage(SerialError error) {
    return QCoreApplication::translate("SerialError", kMessages[std::size_t(error) - 1]);
}

QString serialErrorText(SerialError error, std::optional<int> osCode) {
    const QString text = serialErrorMessage(error);
    return osCode ? withCode(text, *osCode) : text;
}

QString serialOpenErrorText(const QString& port, std::optional<int> osCode) {
    const QString text =
        QCoreApplication::translate("SerialError", "Unable to open com port \"%1\"").arg(port);
    return osCode ? withCode(text, *osCode) : text;
}

QString portFaultText(const PortFault& fault) {
    if (fault.error == SerialError::OpenFailed && !fault.port.isEmpty())
        return serialOpenErrorText(fault.port, fault.osCode);
    return serialErrorText(fault.error, fault.osCode);
}

std::optional<int> osErrorCodeOf(const QString& description) {
    // The port describes a system error with Qt's text for the number: its
    // own words for the commonest ones (a missing device, a denied one),
    // translated when Qt's translation is loaded, and the system's text in
    // the user's language otherwise. Finding the number again the same way
    // keeps the code exact whatever the language.
    static const locale_t english = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    for (int code = 1; code < 200; ++code) {
        if (description == qt_error_string(code) ||
            description == QString::fromLocal8Bit(std::strerror(code)) ||
            (english && description == QString::fromLocal8Bit(strerror_l(code, english))))
            return code;
    }
    return std::nullopt;
}
