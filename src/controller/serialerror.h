#pragma once

#include <QString>

#include <optional>

// The serial port layer's failures, numbered as the station has always shown
// them. Each text is followed by the operating system's error code when the
// system reported one.
enum class SerialError {
    OpenFailed = 1,
    WriteFailed,
    ReadFailed,
    InvalidAsyncParameter,
    PurgeFailed,
    AsyncStatusFailed,
    SetStateFailed,
    SetTimeoutsFailed,
    SetupFailed,
    ClearErrorFailed,
    ModemStatusFailed,
    EscapeFunctionFailed,
    TransmitCharFailed,
    SetWhileConnected,
    EnumPortsFailed,
    StoreSettingsFailed,
    LoadSettingsFailed,
    LinkRegistrationFailed,
    LedStateLocked,
    WaitWhileThreadRuns,
    WaitForEventFailed,
    RxBufLinked,
    RegistryError,
};

// The bare message, e.g. "Unable to open com port".
QString serialErrorMessage(SerialError error);

// The message as the station shows it: the bare message, then
// " (os error code: %d)" when an operating system code is known.
QString serialErrorText(SerialError error, std::optional<int> osCode = std::nullopt);

// The failure to open a port, naming it:
// "Unable to open com port "/dev/ttyUSB0" (os error code: 2)".
QString serialOpenErrorText(const QString& port, std::optional<int> osCode = std::nullopt);

// A failure of the serial port as the port layer found it: what failed, the
// port (for an open), and the operating system's error number when the
// system gave one. The station's message is built from it in the station's
// own words, never from the port library's text, which a translation of the
// library may change.
struct PortFault {
    SerialError error = SerialError::OpenFailed;
    QString port;              // OpenFailed: the port's name
    std::optional<int> osCode; // errno

    friend bool operator==(const PortFault&, const PortFault&) = default;
};

// The station's message for a fault: serialOpenErrorText() for a failed
// open, serialErrorText() for the others.
QString portFaultText(const PortFault& fault);

// The operating system error number behind a system error description (as
// the port reports it), if one matches.
std::optional<int> osErrorCodeOf(const QString& description);
