#pragma once

#include "controller/transferprogress.h"

#include <QObject>
#include <QTimer>

class ControllerLink;
class ProgramSource;
class TransferView;

// Follows the link's transfer and shows it on a TransferView: the figures
// and the current line at most every refresh interval (250 ms) and at once
// when the transfer starts, holds, resumes or ends; the acknowledged lines
// in order, none left out.
class TransferMonitor : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kRefreshInterval{250};

    TransferMonitor(ControllerLink& link, TransferView& view, QObject* parent = nullptr);

    // The program the link sends (not owned), for the lines' lengths.
    void setProgram(const ProgramSource* program) { progress_.setProgram(program); }
    // The line speed the time left starts from.
    void setBaudRate(int baud);
    const TransferProgress& progress() const { return progress_; }
    TransferFigures figures() const;

private:
    void handle(const TransferEvent& event);
    void refresh();

    TransferView& view_;
    TransferProgress progress_;
    QTimer refresh_;
    int acknowledgedFrom_ = 0; // first acknowledged line not yet shown
    int acknowledgedTo_ = 0;
};
