#pragma once

#include "controller/linkaction.h"
#include "controller/programsource.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class ControllerLink;
class PortSelectors;
class ProgramList;
class QMessageBox;
class TerminalView;
class QWidget;

// Attaches the controller link to the main window's controls, found by
// objectName: the port page (ComComboBox1-6, ComLed1-5, Button1, Button2),
// the controller page (CheckBox7, Edit12, Edit13/Button7, Edit14/Button9,
// Edit9/Button3, Edit10/Button4, Edit16/Button5, Button8, Button10), the
// page "G-kod III" (Memo5, ComTerminal1), the status panels StatusPanel0-2
// and the menu items Poczzesterownikiem1, Jazdareferencyjna1, Wyslijprogram1
// and Przerwawwysyaniuprogramu1. A control that is missing is left out.
//
//   controller_ = ControllerWindowBinding::attach(this, programList_); // in the window
//   controller_->programPrepared(); // after each pass that replaced the program
class ControllerWindowBinding : public QObject {
    Q_OBJECT
public:
    // Creates the binding as a child of `window` and brings the controls to
    // their state at start.
    static ControllerWindowBinding* attach(QWidget* window);
    // The same, with the station's program list as the program to send.
    static ControllerWindowBinding* attach(QWidget* window, const ProgramList& program);

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
    void setNoticePresenter(NoticePresenter presenter) { showNotice_ = std::move(presenter); }

private:
    explicit ControllerWindowBinding(QWidget* window);
    void bindCommands();
    void bindLinkOutput();
    void setControlEnabled(LinkControl which, bool on);
    void showErrorBox(const QString& text);
    void showNoticeBox(const QString& text, std::function<void()> closed);
    template <typename T> T* control(const char* name) const;

    QWidget* window_;
    ControllerLink* link_;
    PortSelectors* selectors_;
    TerminalView* terminal_ = nullptr;
    ErrorPresenter showError_;
    NoticePresenter showNotice_;
    QPointer<QMessageBox> errorBox_;
    std::unique_ptr<ProgramSource> ownProgram_;
};
