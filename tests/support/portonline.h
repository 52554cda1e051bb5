#pragma once

#include "base/result.h"
#include "controller/emulator/pseudoterminal.h"
#include "controller/portsettings.h"
#include "controller/serialport.h"

#include <QByteArray>

// The station's serial port on one side of a real pseudo-terminal pair; the
// test plays the far end of the cable through `line` (the master side).
struct PortOnLine {
    PseudoTerminal line;
    SerialPort port;

    // Opens the pair and sets the port to its slave side, with the other
    // settings as given; the port itself stays closed.
    Status plugIn(PortSettings settings = {});
    // plugIn(), then opens the port.
    Status open(PortSettings settings = {});
};

// A device path that does not exist, of this test process's own: the port
// layer locks a device by its name, so tests running side by side must not
// share one.
QString missingPortPath();

// A pseudo-terminal pair for a port that is not the test's own (one a
// ControllerLink or a window holds): the far end keeps everything that
// arrives in `heard`.
struct ListeningLine {
    QByteArray heard;
    PseudoTerminal line;

    // Opens the pair and starts listening; the station opens portPath().
    Status open();
    QString portPath() const { return line.portPath(); }
};
