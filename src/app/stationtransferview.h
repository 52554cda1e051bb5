#pragma once

#include "controller/transferview.h"
#include "gcode/plotprogress.h"
#include "gcode/programfigures.h"

#include <QCoreApplication>
#include <QImage>

#include <functional>
#include <optional>

class MainWindow;

// The main window as the transfer shows on it: the panel on the page
// "G-kod III", the status bar, the line being sent marked in Memo1, and the
// acknowledged moves drawn over on the plot in the progress colour.
class StationTransferView : public TransferView {
    Q_DECLARE_TR_FUNCTIONS(StationTransferView)

public:
    // `programLineOf` gives the program line (in Memo1 and on the plot) of a
    // line the link sends; none: the same line.
    explicit StationTransferView(MainWindow& window, std::function<int(int)> programLineOf = {})
        : window_(window), programLineOf_(std::move(programLineOf)) {}

    void transferStarted(int from) override;
    void showTransfer(const TransferFigures& figures) override;
    void showLinesAcknowledged(int from, int to) override;
    void showCurrentLine(int index) override;
    // A program was prepared while no transfer runs: the last transfer's
    // figures and plot no longer belong to what is shown.
    void programReplaced();

    // What sending a prepared program asks of the arm and the line, before
    // it is sent: lines, lengths, pen lifts and the time at the model's
    // line speed.
    static QString estimateText(const ProgramFigures& figures, const TransferModel& model,
                                qint64 lineBytes);

private:
    int programLine(int sentIndex) const;

    MainWindow& window_;
    std::function<int(int)> programLineOf_;
    PlotProgress plotProgress_;
    std::optional<QImage> plotBeforeProgress_; // the plot as the preparation left it
};
