#include "app/stationtransferview.h"

#include "app/mainwindow.h"
#include "app/plotwidget.h"
#include "app/programpage.h"
#include "app/programsettingspage.h"
#include "app/stationstatusbar.h"
#include "app/transferpage.h"
#include "base/stationlanguage.h"
#include "controller/widgets/transferpanel.h"
#include "gcode/plotsurface.h"
#include "gcode/programmemo.h"

#include <algorithm>

namespace {
QString decimal(double value) {
    return FormatFigure(value, 1);
}
} // namespace

QString StationTransferView::estimateText(const ProgramFigures& figures, const TransferModel& model,
                                          qint64 lineBytes) {
    if (figures.lines == 0)
        return TransferPanel::noProgramText();
    const double seconds = model.seconds(figures.lines, lineBytes);
    return tr("Program: %1 linii, rysowanie %2 mm, przejazdy %3 mm, "
              "podniesienia pisaka: %4. Czas wysyłania przy %5 b/s: około %6")
        .arg(figures.lines)
        .arg(decimal(figures.drawnLength))
        .arg(decimal(figures.travelLength))
        .arg(figures.penLifts)
        .arg(model.baud)
        .arg(FormatDuration(std::chrono::milliseconds(qint64(seconds * 1000 + 0.5))));
}

void StationTransferView::transferStarted(int from) {
    PlotSurface& plot = window_.plotSurface();
    // The progress of the transfer before (an abort, a hold given up) goes:
    // the plot is as the preparation drew it again.
    if (plotBeforeProgress_)
        plot.paintBackground(*plotBeforeProgress_);
    plotBeforeProgress_ = plot.image();
    window_.plotWidget()->update();
    // The lines before the first one sent are done: a resume goes on after
    // them.
    plotProgress_.start(window_.programList(), 0);
    if (from > 0)
        showLinesAcknowledged(0, from);
}

void StationTransferView::programReplaced() {
    plotBeforeProgress_.reset(); // the preparation drew the plot anew
    showTransfer(TransferFigures{});
}

void StationTransferView::showTransfer(const TransferFigures& figures) {
    window_.transferPage()->transferPanel()->showFigures(figures);
    if (!figures.active && !figures.ended) {
        window_.stationStatusBar()->setTransferText(nullptr);
        return;
    }
    window_.stationStatusBar()->setTransferText(
        [figures] { return TransferPanel::statusLine(figures); });
}

int StationTransferView::programLine(int sentIndex) const {
    return programLineOf_ ? programLineOf_(sentIndex) : sentIndex;
}

void StationTransferView::showLinesAcknowledged(int from, int to) {
    // Sent lines [from, to) are done: the program lines before the one the
    // first line not done belongs to.
    const ProgramList& program = window_.programList();
    const int lines = int(program.lineCount());
    const int first = std::min(programLine(from), lines);
    const int last = std::min(programLine(to), lines);
    // The plot shows G00 moves whatever "Pokaż ruch G00" says, so the
    // progress covers them too.
    plotProgress_.draw(program, first, std::max(first, last), window_.plotSurface(),
                       window_.programSettingsPage()->progressColour(), true);
    window_.plotWidget()->update();
}

void StationTransferView::showCurrentLine(int index) {
    if (index >= 0)
        index = programLine(index);
    ProgramMemo* memo = window_.programPage()->programMemo();
    // A simulation running beside the transfer takes lines from the top of
    // the memo: it holds the program's last lines then.
    const qsizetype taken = window_.programList().lineCount() - memo->lineCount();
    if (index >= 0 && taken > 0)
        index = index >= taken ? int(index - taken) : -1;
    memo->setMarkedLine(index);
    // The operator typing in the memo keeps the view where they are.
    if (index >= 0 && !memo->hasFocus())
        memo->scrollToLine(index);
}
