#include "controller/widgets/transfermonitor.h"

#include "controller/controllerlink.h"
#include "controller/transferview.h"

TransferMonitor::TransferMonitor(ControllerLink& link, TransferView& view, QObject* parent)
    : QObject(parent), view_(view) {
    refresh_.setInterval(kRefreshInterval);
    connect(&refresh_, &QTimer::timeout, this, &TransferMonitor::refresh);
    connect(&link, &ControllerLink::transferChanged, this, &TransferMonitor::handle);
}

void TransferMonitor::setBaudRate(int baud) {
    TransferModel model = progress_.model();
    model.baud = baud;
    progress_.setModel(model);
}

TransferFigures TransferMonitor::figures() const {
    return progress_.figures(TransferProgress::Clock::now());
}

void TransferMonitor::handle(const TransferEvent& event) {
    progress_.handle(event, TransferProgress::Clock::now());
    switch (event.step) {
    case TransferStep::Started:
        acknowledgedFrom_ = acknowledgedTo_ = event.index;
        view_.transferStarted(event.index);
        refresh();
        refresh_.start();
        return;
    case TransferStep::LineAcknowledged:
        if (!event.travel)
            acknowledgedTo_ = event.index + 1;
        return;
    case TransferStep::Held:
    case TransferStep::Resumed:
        refresh();
        return;
    case TransferStep::Finished:
    case TransferStep::Aborted:
        refresh_.stop();
        refresh();
        return;
    case TransferStep::LineSent:
    case TransferStep::LineResent:
        return;
    }
}

void TransferMonitor::refresh() {
    const TransferFigures figures = this->figures();
    if (acknowledgedTo_ > acknowledgedFrom_) {
        view_.showLinesAcknowledged(acknowledgedFrom_, acknowledgedTo_);
        acknowledgedFrom_ = acknowledgedTo_;
    }
    view_.showTransfer(figures);
    view_.showCurrentLine(figures.active ? figures.current : -1);
}
