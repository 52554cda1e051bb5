#pragma once

// Plays the window adapter's part for ControllerLinkState in the tests: it
// carries out the actions as the adapter does (the port opens or fails as
// told, a write on a closed port fails and skips the rest of that command's
// writes, Timer1 is a virtual 500 ms timer driven by advance(), a notice is
// closed at once) and records what the operator and the controller would see.

#include "controller/controllerframe.h"
#include "controller/controllerlinkstate.h"
#include "controller/linktexts.h"
#include "controller/programsource.h"

#include <QByteArrayList>
#include <QMap>
#include <QStringList>

#include <vector>

class LinkScript {
public:
    static constexpr int kTick = int(ControllerLinkState::kResendInterval.count());
    inline static const QByteArray kAck = ":0505\r\n";
    inline static const QString kWriteFailed = QStringLiteral("WriteFile function failed");

    explicit LinkScript(QByteArrayList lines = {}, bool programLoaded = false)
        : program_(std::move(lines)) {
        link.setProgram(&program_);
        feed(link.initialActions());
        if (programLoaded)
            feed(link.programPrepared());
        clear();
    }

    ControllerLinkState link;
    bool portWillOpen = true;
    bool closeNoticeAtOnce = true;

    // The preparation pass replaced the program.
    void replaceProgram(QByteArrayList lines) {
        program_ = LineListProgram(std::move(lines));
        feed(link.programPrepared());
    }
    void closeNotice() { feed(link.noticeClosed()); }

    // What was carried out since the last clear().
    LinkActions actions;
    QByteArrayList wire; // one entry per successful write
    QByteArrayList log;  // Memo5 lines
    QStringList errors;
    QStringList notices;
    std::vector<TransferEvent> steps; // the transfer's progress reports
    std::vector<LinkEvent> events;

    // The window as it stands.
    bool portOpen = false;
    bool timerOn = false;
    int now = 0;
    QString panel[3];
    QMap<LinkControl, bool> enabled;
    QMap<LinkControl, bool> checked;

    void clear() {
        actions.clear();
        wire.clear();
        log.clear();
        errors.clear();
        notices.clear();
        steps.clear();
        events.clear();
    }

    void feed(const LinkActions& batch) {
        bool writeFailed = false;
        for (const LinkAction& action : batch) {
            actions.push_back(action);
            carryOut(action, writeFailed);
        }
    }

    // Events as the operator and the controller cause them.
    void connect() { feed(link.connectChosen()); }
    void disconnect() { feed(link.disconnectChosen()); }
    void receive(const QByteArray& chunk) { feed(link.ReceiveChunk(chunk)); }
    void ack() { receive(kAck); }
    void sendProgram() { feed(link.sendProgramChosen()); }
    void sendProgramFrom(int from) { feed(link.sendProgramFrom(from)); }
    void hold(ControllerLinkState::Hold how) { feed(link.holdChosen(how)); }
    void resume() { feed(link.resumeChosen()); }
    void abort() { feed(link.abortChosen()); }
    void toggleManual() {
        checked[LinkControl::ManualModeBox] = !checked.value(LinkControl::ManualModeBox);
        feed(link.manualModeToggled());
    }
    // Connects and lets the controller acknowledge the connect frame.
    void connectAndAck() {
        connect();
        ack();
    }

    // Runs the reference travel and lets the controller acknowledge it.
    void home() {
        feed(link.referenceTravelChosen());
        ack();
    }
    // Connects, lets the controller acknowledge it, and runs the reference
    // travel: what a transfer needs before it starts.
    void connectAndHome() {
        connectAndAck();
        home();
    }

    // Lets `ms` milliseconds pass; Timer1 ticks every 500 ms while it runs.
    void advance(int ms) {
        const int until = now + ms;
        while (timerOn && timerStart_ + kTick <= until) {
            now = timerStart_ + kTick;
            timerStart_ = now;
            feed(link.timerTick());
        }
        now = until;
    }

    // The frames written, CR LF writes joined to the body before them.
    QByteArrayList frames() const {
        QByteArrayList joined;
        for (const QByteArray& bytes : wire) {
            if (bytes == kFrameEnd && !joined.isEmpty() && !joined.last().endsWith(kFrameEnd))
                joined.last() += bytes;
            else
                joined << bytes;
        }
        return joined;
    }

    static QByteArray lineFrame(const QByteArray& line) { return BlockFrame("05", line) + "\r\n"; }

private:
    void carryOut(const LinkAction& action, bool& writeFailed) {
        using Kind = LinkAction::Kind;
        switch (action.kind) {
        case Kind::OpenPort:
            if (portWillOpen) {
                portOpen = true;
                feed(link.portOpened());
            } else {
                feed(link.portOpenFailed(QStringLiteral("Unable to open com port")));
            }
            break;
        case Kind::ClosePort:
            portOpen = false;
            break;
        case Kind::Write:
            if (writeFailed)
                break;
            if (!portOpen) {
                writeFailed = true;
                errors << kWriteFailed;
                break;
            }
            wire << action.bytes;
            break;
        case Kind::StartTimer:
            timerOn = true;
            timerStart_ = now;
            break;
        case Kind::StopTimer:
            timerOn = false;
            break;
        case Kind::SetStatus:
            panel[int(action.panel)] = LinkTexts::statusText(action.status);
            break;
        case Kind::SetEnabled:
            enabled[action.control] = action.on;
            break;
        case Kind::SetChecked:
            checked[action.control] = action.on;
            break;
        case Kind::AppendLog:
            log << action.bytes;
            break;
        case Kind::ShowError:
            errors << action.text;
            break;
        case Kind::ShowNotice:
            notices << action.text;
            if (closeNoticeAtOnce)
                feed(link.noticeClosed());
            break;
        case Kind::Transfer:
            steps.push_back(action.transfer);
            break;
        case Kind::Event:
            events.push_back(action.event);
            break;
        }
    }

    LineListProgram program_;
    int timerStart_ = 0;
};
