#pragma once

#include "app/mainmenus.h"
#include "app/stationdocument.h"
#include "gcode/plotcolours.h"

#include <QMainWindow>

#include <functional>
#include <memory>

class AboutPanel;
class ClientArea;
class ControllerSettingsPage;
class LanguageMenu;
class LogsPage;
class Notifier;
class PlotWidget;
class PortSettingsPage;
class ProgramCommands;
class ProgramPage;
class ProgramSettingsPage;
class QLabel;
class QTabWidget;
class SimulationPage;
class StationDialogs;
class StationStatusBar;
class TransferPage;

// The station's main window TForm1. It composes the plot Image1, the settings
// bar PageControl1 with its seven pages, the status bar StatusBar1, the about
// panel Panel1, the menus and the pop-up menu, and wires them; the program
// commands live in ProgramCommands, the logic in the subsystems' libraries.
//
// Finding controls: every control the station's design names is a child with
// that objectName ("Memo5", "Edit12", "Button7", "ComComboBox1", "ComLed1",
// "StatusPanel0".."StatusPanel5", "Image1", "Image2", "Timer1", ...).
// Memo1 is a ProgramMemo (an editor over the program's lines, see
// programmemo.h), the other memos are QPlainTextEdits.
//
// Menu naming convention: each QAction's objectName is its handler's name
// without "Click" (handler Startsymulacji2Click -> action "Startsymulacji2",
// Otwrz1Click -> "Otwrz1"); each top-level QMenu's objectName is its caption
// without Polish letters plus "1" ("Plik1", "Edycja1", "Widok1", "Symulacja1",
// "Wizualizacja1", "Manipulator1", "Pomoc1"); the pop-up menu is
// "PopupMenu1". The menu "Symulacja" is enabled and disabled through its menu
// action, named "Startsymulacji1".
//
// Shutting down: "Zakończ" emits exitRequested() (connected directly: stop the
// simulation thread and wait for it) and then closes the window; closing the
// window in any way emits closing() (disconnect the serial port, ask the
// simulation thread to stop).
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // The client area at start: the plot at its design size of 1000 x 500
    // beside the settings bar (smaller on a smaller screen).
    static constexpr QSize kDesignClientSize{1000 + 340 + 8, 602};
    // The size the window opens with the first time: the design's client
    // area with the menu and status bars, at most 95% of the screen.
    QSize defaultSize() const;

    // The window edits and shows `document`, which must outlive it.
    explicit MainWindow(StationDocument& document, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The visualisation window TForm2 and the converter window TForm3, created
    // hidden after this window; the menus show and hide them.
    void setCompanionWindows(QWidget* visualisation, QWidget* converter);
    QWidget* visualisationWindow() const { return visualisation_; }
    QWidget* converterWindow() const { return converter_; }

    // Notices and errors; tests install their own notifier and dialogs.
    void setNotifier(std::unique_ptr<Notifier> notifier);
    void setDialogs(std::unique_ptr<StationDialogs> dialogs);
    Notifier& notifier() const { return *notifier_; }
    StationDialogs& dialogs() const { return *dialogs_; }
    void notify(const QString& text);
    // Asked before the station closes: the question to put to the operator,
    // or an empty text when closing needs no question.
    void setCloseQuestion(std::function<QString()> question) {
        closeQuestion_ = std::move(question);
    }
    void showError(const QString& text);

    // The document: the program, the plot and the settings.
    StationDocument& document() { return document_; }
    ProgramList& programList() { return document_.program(); }
    PlotSurface& plotSurface() { return document_.plot(); }
    PlotWidget* plotWidget() const { return plotWidget_; }
    PlotColours plotColours() const;
    StationSettings& stationSettings() { return document_.settings(); }
    ProgramCommands* programCommands() const { return commands_; }

    // Reads "wzorzec.bmp" from the working directory (or shows the default
    // background and says so in the status bar) and paints it on the plot.
    void loadBackground(const QString& fileName);

    MainMenus& menus() { return *menus_; }
    LanguageMenu* languageMenu() const { return languageMenu_; }
    StationStatusBar* stationStatusBar() const { return statusBar_; }
    QLabel* statusPanel(int index) const;
    QTabWidget* settingsBar() const { return settingsBar_; }
    SimulationPage* simulationPage() const { return simulationPage_; }
    ProgramPage* programPage() const { return programPage_; }
    LogsPage* logsPage() const { return logsPage_; }
    TransferPage* transferPage() const { return transferPage_; }
    ControllerSettingsPage* controllerSettingsPage() const { return controllerPage_; }
    PortSettingsPage* portSettingsPage() const { return portPage_; }
    ProgramSettingsPage* programSettingsPage() const { return programSettingsPage_; }
    AboutPanel* aboutPanel() const { return about_; }

    bool isSettingsBarShown() const;
    void setSettingsBarShown(bool shown);

public slots:
    void toggleSettingsBar(); // Ukryjpasekustawie1Click, PokaUkryjpasekustawie1Click
    void exitStation();       // Zakoncz1Click

signals:
    void exitRequested();
    void closing();
    // Files were dropped on the window, in the order given.
    void filesDropped(const QStringList& fileNames);

protected:
    // Closing with unsaved edits in the program asks first (ProgramCommands::
    // mayReplaceProgram()); a cancel keeps the window open.
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // Another language put in force: the menus, the settings bar's tabs and
    // the status bar take its texts at once.
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildSettingsBar();
    void titleSettingsPages();
    void wireMenus();
    void wireSettingsFields();
    void wirePlot();
    void startUp();
    void showSettingsResult(const Result<QString>& minimalMove);

    bool closeConfirmed();

    StationDocument& document_;
    std::function<QString()> closeQuestion_;
    std::unique_ptr<Notifier> notifier_;
    std::unique_ptr<StationDialogs> dialogs_;
    std::unique_ptr<MainMenus> menus_;
    LanguageMenu* languageMenu_ = nullptr;
    StationStatusBar* statusBar_;
    ClientArea* client_ = nullptr;
    PlotWidget* plotWidget_;
    QTabWidget* settingsBar_;
    AboutPanel* about_;
    SimulationPage* simulationPage_ = nullptr;
    ProgramPage* programPage_ = nullptr;
    LogsPage* logsPage_ = nullptr;
    TransferPage* transferPage_ = nullptr;
    ControllerSettingsPage* controllerPage_ = nullptr;
    PortSettingsPage* portPage_ = nullptr;
    ProgramSettingsPage* programSettingsPage_ = nullptr;
    ProgramCommands* commands_ = nullptr;
    QWidget* visualisation_ = nullptr;
    QWidget* converter_ = nullptr;
    bool closeAllowed_ = false; // the questions before closing have been answered
};
