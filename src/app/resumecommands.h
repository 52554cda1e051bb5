#pragma once

#include "controller/journalkeeper.h"
#include "controller/linkaction.h"
#include "controller/resumesequence.h"

#include <QObject>
#include <QSet>
#include <QString>

#include <functional>
#include <optional>

class ControllerWindowBinding;
class MainWindow;
class CalibratedProgramSource;

// Sending from a line and resuming an interrupted transfer in the main
// window. While the link sends, the transfer journal of the chosen port is
// kept in the user's data folder. "Wyślij od linii…" starts a transfer at the
// line under Memo1's caret or at a line typed in. When the station starts or
// connects and finds a journal, it offers to resume: the program is opened
// from its file unless it is loaded already (a different loaded program is
// said), the reference travel is offered (the controller may have lost its
// position), then the link travels in with the pen up and goes on with the
// line after the last acknowledged one. Declining removes the journal; a
// journal that cannot be used is said and set aside.
class ResumeCommands : public QObject {
    Q_OBJECT
public:
    // Asks for the line to send from (counted from 1), suggesting `suggested`
    // of `count`; nothing when the operator cancels.
    using LineAsker = std::function<std::optional<int>(int suggested, int count)>;

    ResumeCommands(MainWindow& window, ControllerWindowBinding& controller,
                   const CalibratedProgramSource& program, QObject* parent = nullptr);
    ~ResumeCommands() override; // the journal's keeper back from the link

    // The journal of transfers over the port entry `portName`.
    static QString journalPath(const QString& portName);

    // Tests answer the line dialog themselves.
    void setLineAsker(LineAsker asker) { askLine_ = std::move(asker); }

    // "Wyślij od linii…".
    void sendFromLine();
    // Offers to resume every journal left in the data folder.
    void offerAtStart();

private:
    struct Pending {
        QString path;
        QString port;
        int next = 0; // counted from 0
    };

    void transferStep(const TransferEvent& event);
    void linkEvent(LinkEvent event);
    void offer(const QString& path, const QString& port);
    void offerJournal(const QString& path, const QString& port);
    bool bringProgram(const JournalState& state, const QString& path);
    void goOn(int next);
    QString offerQuestion(const JournalState& state, const QString& path) const;
    bool lockedElsewhere(const QString& path) const;
    void setAside(const QString& path, const QString& reason);

    MainWindow& window_;
    ControllerWindowBinding& controller_;
    const CalibratedProgramSource& program_; // what the link sends
    JournalKeeper keeper_;                   // on the link's thread while the link lives
    QString placedPath_;                     // the journal of the last transfer chosen
    LineAsker askLine_;
    QString programFile_;            // the file the program was opened from
    std::optional<Pending> pending_; // accepted, waiting for the connection
    ResumeSequence sequence_;        // connected, the reference travel, then the transfer
    QSet<QString> offering_;         // journals whose offer is being asked
    std::optional<int> nextUnsent_;  // after a transfer that ended early, from 0
};
