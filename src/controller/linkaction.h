#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// The controls of the main window that the controller link enables,
// disables or ticks. The comment names each control's objectName.
enum class LinkControl {
    ConnectButton,       // Button1 "Połącz" (the menu item Poczzesterownikiem1 stays enabled)
    DisconnectButton,    // Button2 "Rozłącz"
    PortSelectors,       // ComComboBox1 to ComComboBox6
    ReferenceTravelItem, // Jazdareferencyjna1 "Jazda referencyjna"
    SendProgramItem,     // Wyslijprogram1 "Wyslij program"
    ManualModeBox,       // CheckBox7 "Sterowanie ręczne"
    ManualButtons,       // Button3, Button4, Button5, Button7, Button8, Button9, Button10
};

// The status bar panels the link writes (StatusBar1).
enum class LinkPanel {
    Connection = 0, // "Rozłączono" / "Połączono"
    Reference = 1,  // "Brak punktu referencyjnego" / "Jazda do punktu ref." / ...
    Mode = 2,       // "Sterowanie automatyczne" / "Sterowanie ręczne"
};

// What a status panel says; the window shows each in its own words.
enum class LinkStatus {
    Disconnected,    // "Rozłączono"
    Connected,       // "Połączono"
    NoReference,     // "Brak punktu referencyjnego"
    ReferenceTravel, // "Jazda do punktu ref."
    ReferenceDone,   // "Jazda ref. zakonczona"
    AutomaticMode,   // "Sterowanie automatyczne"
    ManualMode,      // "Sterowanie ręczne"
};

// What happened on the link, for whoever acts on it (a resume waiting for the
// connection, the tools): the panels' texts say the same to the operator,
// but a text is no event, and a translation must not change what happens.
enum class LinkEvent {
    Connected,          // the controller acknowledged the connect frame
    Disconnected,       // the port was closed or lost
    ReferenceTravelled, // the controller acknowledged the reference travel
    ReferenceSet,       // ... the set-reference command
};

// What happened to the program transfer, for the progress display and the
// tools. Lines are counted from 0 in the program the transfer sends.
enum class TransferStep {
    Started,          // `index`: the first line to send; `count`: the program's lines
    LineSent,         // `index`'s frame went out for the first time
    LineResent,       // ... again, after an interval without an acknowledgement
    LineAcknowledged, // `index` was acknowledged
    Held,             // the transfer holds before `index` (`hold` says why)
    Resumed,          // it goes on with `index`
    Finished,         // the last line was acknowledged
    Aborted,          // the operator ended it before `index`
};

// Why a transfer holds.
enum class TransferHold {
    PenUp,     // the operator's safe pause, after a travel line
    Immediate, // the operator's immediate pause, pen lifted where it stood
    LinkLost,  // the port closed or was lost in the middle of the transfer
    PenChange, // the next line is a program stop (M00): change the pen, then resume
};

struct TransferEvent {
    TransferStep step = TransferStep::Started;
    int index = 0;
    int count = 0;       // Started
    bool travel = false; // LineSent/LineResent/LineAcknowledged: a pen-up travel
                         // line of the station's own (lift or travel-in), not
                         // a program line
    TransferHold hold = TransferHold::PenUp; // Held

    friend bool operator==(const TransferEvent&, const TransferEvent&) = default;
};

// One thing the adapter must do for the link, in the order given.
//
// How the adapter carries out a list of actions:
// - OpenPort: apply the six selector texts to ComPort1 and open it (when it
//   is open already, re-apply them). When the port is open afterwards, feed
//   ControllerLinkState::portOpened() and carry out its actions; otherwise
//   feed portOpenFailed() with the error text.
// - ClosePort: close ComPort1 (after a lost line the close may find it gone).
// - Write: write the bytes to ComPort1 (SendToController). When a write
//   fails, show its error once and skip the remaining Write actions of the
//   same list (the rest of that command's frames); carry out the others.
// - StartTimer / StopTimer: start or stop Timer1 (500 ms). The link emits
//   StartTimer only when it knows the timer is stopped, so QTimer::start()
//   always begins a fresh interval.
// - SetStatus: show `status` in status panel `panel`.
// - SetEnabled: enable (`on`) or disable `control`.
// - SetChecked: tick or untick `control` WITHOUT running its handler again
//   (block its signals): the link has already acted on the change.
// - AppendLog: add `bytes` (Windows-1250) as a new line of Memo5.
// - ShowError: show `text` in a message box.
// - ShowNotice: show `text` in the modal notice box (caption "SCARA",
//   information icon, OK); when it has been closed, feed
//   ControllerLinkState::noticeClosed(). It is always the last action of its
//   list, so other events may run while the box is open.
// - Transfer: report `transfer` to whoever follows the transfer's progress.
// - Event: report `event` to whoever acts on the link's state.
struct LinkAction {
    enum class Kind {
        OpenPort,
        ClosePort,
        Write,
        StartTimer,
        StopTimer,
        SetStatus,
        SetEnabled,
        SetChecked,
        AppendLog,
        ShowError,
        ShowNotice,
        Transfer,
        Event,
    };

    Kind kind = Kind::Write;
    QByteArray bytes;                                 // Write, AppendLog
    QString text;                                     // ShowError, ShowNotice
    LinkStatus status = LinkStatus::Disconnected;     // SetStatus
    LinkPanel panel = LinkPanel::Connection;          // SetStatus
    LinkControl control = LinkControl::ConnectButton; // SetEnabled, SetChecked
    bool on = false;                                  // SetEnabled, SetChecked
    TransferEvent transfer;                           // Transfer
    LinkEvent event = LinkEvent::Connected;           // Event

    static LinkAction openPort();
    static LinkAction closePort();
    static LinkAction write(const QByteArray& bytes);
    static LinkAction startTimer();
    static LinkAction stopTimer();
    static LinkAction setStatus(LinkPanel panel, LinkStatus status);
    static LinkAction setEnabled(LinkControl control, bool on);
    static LinkAction setChecked(LinkControl control, bool on);
    static LinkAction appendLog(const QByteArray& line);
    static LinkAction showError(const QString& text);
    static LinkAction showNotice(const QString& text);
    static LinkAction transferStep(const TransferEvent& event);
    static LinkAction linkEvent(LinkEvent event);

    friend bool operator==(const LinkAction&, const LinkAction&) = default;
};

using LinkActions = std::vector<LinkAction>;

// A readable one-line form ("write :0521003da25\r\n", "status 0 Połączono"),
// for logs and test failure messages.
QString describe(const LinkAction& action);
QString describe(const LinkActions& actions);
