// Feeds the controller link arbitrary sequences of events and received bytes:
// nothing may crash, the reply buffer stays within its limit and the transfer
// never points past its program.
#include "controller/controllerlinkstate.h"
#include "controller/programsource.h"

#include <QByteArray>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const LineListProgram program({"N10 G00 X0 Y0 Z50 ", "G01 X1 Y2 ", "M30 "});
    ControllerLinkState link;
    link.setProgram(&program);
    std::size_t pos = 0;
    while (pos < size) {
        const std::uint8_t op = data[pos++];
        switch (op % 16) {
        case 0:
            link.connectChosen();
            link.portOpened();
            break;
        case 1:
            link.disconnectChosen();
            break;
        case 2:
            link.portLost(QStringLiteral("lost"));
            break;
        case 3:
            link.referenceTravelChosen();
            break;
        case 4:
            link.setReferenceChosen();
            break;
        case 5:
            link.manualModeToggled();
            break;
        case 6:
            link.moveChosen(ControllerLinkState::MoveAxis(op / 16 % 3), QStringLiteral("-12"));
            break;
        case 7:
            link.programPrepared();
            break;
        case 8:
            link.sendProgramChosen();
            break;
        case 9:
            link.pauseChosen();
            break;
        case 10:
            link.timerTick();
            break;
        case 11:
            link.noticeClosed();
            break;
        case 12:
            link.ReceiveChunk(":0505\r\n");
            break;
        default: {
            // A chunk of the following bytes, up to 255 of them.
            std::size_t length = 0;
            if (pos < size) {
                const std::size_t wanted = data[pos++];
                length = std::min(wanted, size - pos);
            }
            link.ReceiveChunk(
                QByteArray(reinterpret_cast<const char*>(data + pos), qsizetype(length)));
            pos += length;
            break;
        }
        }
        if (link.rxBuffer().size() > ControllerLinkState::kRxBufferLimit)
            std::abort();
        if (link.blockIndex() < 0 || link.blockIndex() > program.lineCount())
            std::abort();
        if (!link.sending() && link.blockIndex() != 0)
            std::abort();
    }
    return 0;
}
