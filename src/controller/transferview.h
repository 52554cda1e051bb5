#pragma once

#include "controller/transferprogress.h"

// What the window shows of a transfer; TransferMonitor drives it, a few
// times a second at most, so that showing never slows the transfer.
class TransferView {
public:
    virtual ~TransferView() = default;
    // A transfer begins at program line `from` (counted from 0).
    virtual void transferStarted(int from) = 0;
    // The figures: the progress panel, the status bar.
    virtual void showTransfer(const TransferFigures& figures) = 0;
    // Program lines [from, to) were acknowledged since the last call: the
    // plot draws their moves over in the progress colour.
    virtual void showLinesAcknowledged(int from, int to) = 0;
    // The line being sent or held at (counted from 0), or -1 after the end.
    virtual void showCurrentLine(int index) = 0;
};
