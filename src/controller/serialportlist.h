#pragma once

#include <QString>
#include <QStringList>

// The serial ports present on this machine as the port selector lists them
// (device paths such as "/dev/ttyUSB0" on Linux and macOS, "COM1" on
// Windows), sorted as sortedPortNames() does. Read afresh at every call, so
// that an adapter plugged in while the station runs shows up.
QStringList presentPortNames();

// The port the station selects at start: "COM1" where it is present,
// otherwise the first USB or ACM adapter, otherwise an empty text (the
// window then offers the built-in emulator).
QString preferredPort(const QStringList& names);
