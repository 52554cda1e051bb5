#include "controller/serialerror.h"

#include <array>
#include <cstring>

namespace {

const std::array kMessages{
    "Unable to open com port",
    "WriteFile function failed",
    "ReadFile function failed",
    "Invalid Async parameter",
    "PurgeComm function failed",
    "Unable to get async status",
    "SetCommState function failed",
    "SetCommTimeouts failed",
    "SetupComm function failed",
    "ClearCommError function failed",
    "GetCommModemStatus function failed",
    "EscapeCommFunction function failed",
    "TransmitCommChar function failed",
    "Cannot set property while connected",
    "EnumPorts function failed",
    "Failed to store settings",
    "Failed to load settings",
    "Link (un)registration failed",
    "Cannot change led state if ComPort is selected",
    "Cannot wait for event if event thread is created",
    "WaitForEvent method failed",
    "A component is linked to OnRxBuf event",
    "Registry error",
};

#ifdef Q_OS_WIN
constexpr const char* kCodeSuffix = " (win error code: %1)";
#else
constexpr const char* kCodeSuffix = " (os error code: %1)";
#endif

} // namespace

QString serialErrorMessage(SerialError error) {
    return QString::fromLatin1(kMessages[std::size_t(error) - 1]);
}

QString serialErrorText(SerialError error, std::optional<int> osCode) {
    QString text = serialErrorMessage(error);
    if (osCode)
        text += QString::fromLatin1(kCodeSuffix).arg(*osCode);
    return text;
}

QString serialOpenErrorText(const QString& port, std::optional<int> osCode) {
    QString text =
        serialErrorMessage(SerialError::OpenFailed) + QStringLiteral(" \"%1\"").arg(port);
    if (osCode)
        text += QString::fromLatin1(kCodeSuffix).arg(*osCode);
    return text;
}

std::optional<int> osErrorCodeOf(const QString& description) {
    // The port describes a system error with the system's own text for the
    // number; finding the number again keeps the code exact.
    for (int code = 1; code < 200; ++code) {
        if (description == QString::fromLocal8Bit(std::strerror(code)))
            return code;
    }
    return std::nullopt;
}
