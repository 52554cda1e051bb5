#pragma once

#include "controller/linkaction.h"
#include "controller/linktexts.h"
#include "controller/programsource.h"
#include "controller/widgets/controllercontrols.h"
#include "controller/wiretrace.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <array>
#include <functional>
#include <optional>

class ControllerLink;
class PortSelectors;
class QMessageBox;
class TerminalView;

// Attaches the controller link to the window's controls (ControllerControls):
// the port page, the controller page, the page "G-kod III", the status
// panels and the menu "Manipulator". It carries the operator's commands to
// the link and shows what the link reports.
//
//   ControllerWindowBinding controller(controls);  // every control given
//   controller.setProgram(&program);                // what "Wyslij program" sends
//   controller.programPrepared();                   // after each pass that replaced it
class ControllerWindowBinding : public QObject {
    Q_OBJECT
public:
    // Brings the controls to their state at start. Stops the station with a
    // message naming the control when one is missing.
    explicit ControllerWindowBinding(const ControllerControls& controls, QObject* parent = nullptr);
    ~ControllerWindowBinding() override;

    ControllerLink& link() { return *link_; }
    PortSelectors& portSelectors() { return *selectors_; }

    // The program "Wyslij program" sends (not owned), and the news that a
    // new one exists.
    void setProgram(const ProgramSource* program);
    void programPrepared();

    // How errors and the end-of-transfer notice reach the operator. By
    // default both are message boxes that do not block the window's event
    // loop; the notice reports its closing with `closed`.
    using ErrorPresenter = std::function<void(const QString& text)>;
    using NoticePresenter = std::function<void(const QString& text, std::function<void()> closed)>;
    void setErrorPresenter(ErrorPresenter presenter) { showError_ = std::move(presenter); }
    // Where "Zapisuj przebieg transmisji" writes its traces (by default the
    // user's data folder).
    void setTraceFolder(const QString& folder) { traceFolder_ = folder; }
    const WireTrace& trace() const { return trace_; }

signals:
    // A trace of the wire has begun in `fileName`.
    void traceStarted(const QString& fileName);

public:
    void setNoticePresenter(NoticePresenter presenter) { showNotice_ = std::move(presenter); }

protected:
    // Another language in force: the status panels show their texts in it.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void bindCommands();
    void showStatus(LinkPanel panel, LinkStatus status);
    void showPortBusy(const QString& port);
    void bindLinkOutput();
    void setControlEnabled(LinkControl which, bool on);
    void updateTransferCommands();
    void setTracing(bool on);
    void showErrorBox(const QString& text);
    void showNoticeBox(const QString& text, std::function<void()> closed);

    ControllerControls controls_;
    // The lamps as the link lights them: RX and TX held (HeldLamp) so that
    // a short burst of traffic shows.
    std::array<SignalLamp*, 5> lamps_{};
    // What each status panel shows (nothing: a text of another kind).
    std::array<std::optional<LinkStatus>, 3> panelStatus_{};
    ControllerLink* link_;
    PortSelectors* selectors_;
    TerminalView* terminal_;
    ErrorPresenter showError_;
    NoticePresenter showNotice_;
    QPointer<QMessageBox> errorBox_;
    WireTrace trace_;
    QString traceFolder_;
};
