#pragma once

#include "controller/controllerlink.h"
#include "controller/journalkeeper.h"
#include "controller/programsource.h"
#include "controller/resumesequence.h"
#include "controller/transferprogress.h"
#include "controller/wiretrace.h"

#include <QEventLoop>
#include <QSocketNotifier>
#include <QTimer>

#include <chrono>
#include <optional>

// What scara-cli send asks of one transfer.
struct SendSessionOptions {
    QString file; // the program's file, for the journal
    QString port;
    BaudRate baud = BaudRate::B19200;
    std::chrono::seconds timeout{10};
    int from = 0; // the first line to send, from 0
    QString trace;
    bool keepJournal = false;
    bool home = false;       // the reference travel before the first line
    QStringList stopNotices; // per program stop (M00) sent, its notice or empty
};

// One transfer over the link on the console: connect, the reference travel
// when asked for, then the program line by line; frames to standard output,
// progress and messages to standard error; Ctrl+C aborts.
class SendSession : public QObject {
    Q_OBJECT
public:
    SendSession(const SendSessionOptions& options, const LineListProgram& program,
                JournalKeeper& journal);

    // Runs the transfer; returns the exit status.
    int run();

private:
    bool openTrace();
    void bindProgress();
    void bindLink();
    void bindStopSignals();
    void transferStep(const TransferEvent& event);
    void linkEvent(LinkEvent event);
    void inputReady();
    void stopAsked();
    void clearProgress();
    void showProgress();
    void finish(int code, const QString& text);

    SendSessionOptions options_;
    const LineListProgram& program_;
    JournalKeeper& journal_;
    WireTrace trace_; // written from the link's thread: outlives the link
    ControllerLink link_;
    ResumeSequence sequence_;
    TransferProgress progress_;
    QEventLoop loop_;
    QTimer silence_;
    QTimer redraw_;
    QSocketNotifier input_;
    std::optional<int> result_;
    bool terminal_ = false;
    bool progressShown_ = false;
    bool started_ = false; // a transfer began: its last count is always said
    int stopsAsked_ = 0;
};
