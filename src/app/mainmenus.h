#pragma once

#include <QCoreApplication>
#include <QObject>

#include <utility>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

// The main window's menu bar and its pop-up menu, with every item named after
// its handler (see the naming convention in mainwindow.h). Initial states:
// the menu "Symulacja" (its menu action Startsymulacji1), "Stop Symulacji" and
// "Jazda referencyjna" disabled; every other item enabled.
//
// Shortcuts, shown beside the items: the platform's own keys for "Nowy
// program", "Otwórz plik z G-kodem", "Zapisz g-kode" and "Zakończ" (Ctrl+N,
// Ctrl+O, Ctrl+S, Ctrl+Q on Linux), F5 "Odswież g-kod", Ctrl+B the settings
// bar, F9 / Shift+F9 start and stop the simulation, F12 / Shift+F12 show and
// hide the visualisation, F6 "Wyslij program".
struct MainMenus {
    Q_DECLARE_TR_FUNCTIONS(MainMenus)

public:
    MainMenus(QMenuBar* bar, QWidget* window);

    // Plik1
    QAction* newProgram;  // Nowyprogram1 "Nowy program"
    QAction* openProgram; // Otwrz1 "Otwórz plik z G-kodem"
    QAction* openHpgl;    // Otwrzplikhpgl1 "Otwórz plik hpgl"
    QAction* openSvg;     // Otwrzrysuneksvg1 "Otwórz rysunek SVG"
    QAction* svgOptions;  // Opcjeimportusvg1 "Opcje importu SVG…" (SvgOptionsDialog)
    QAction* saveProgram; // Zapiszgcode1 "Zapisz g-kode"
    QAction* savePicture; // Zapisz1 "Zapisz obraz"
    QMenu* recentFiles;   // Ostatniepliki1 "Ostatnie pliki", filled by RecentFilesMenu
    QAction* exit;        // Zakoncz1 "Zakończ"
    // Edycja1
    QAction* refresh;         // Wyczy1 "Odswież g-kod"
    QAction* paste;           // WklejGkodze1 "Wklej G-kod ze schowka "
    QAction* optimizeProgram; // Optymalizujprogram1 "Optymalizuj program"
    QAction* insertText;      // Wstawtekst1 "Wstaw tekst…" (TextCommands)
    // Placing the program in the arm's safe area (undone like an edit), the
    // side rule it and the SVG import follow (checkable: one side of the Y
    // axis always), and the pen-up program around the drawing, saved.
    QAction* fitProgram;     // Dopasujdoobszaruroboczego1 "Dopasuj do obszaru roboczego"
    QAction* oneSide;        // Pojednejstronieosi1 "Po jednej stronie osi Y"
    QAction* outlineProgram; // Obrysujrysunek1 "Obrysuj rysunek"
    // Arkusz1 "Arkusz": the sheet placing fits into, one of the items (each
    // checkable, one at a time; the sheet's name, as ParseSheet reads it, in
    // its data): none (Bezarkusza1), A5 or A4 standing or lying (an A3 sheet
    // never fits the arm's safe area).
    QMenu* sheetMenu;
    std::vector<QAction*> sheets;
    // Widok1 (and its "Język", see LanguageMenu)
    QMenu* viewMenu;
    QAction* toggleSettingsBar; // Ukryjpasekustawie1 "Pokaż/ukryj pasek ustawień"
    QAction* restoreDefaults;   // Przywrustawieniadomylne1 "Przywróć ustawienia domyślne"
    // Symulacja1 (menu action Startsymulacji1)
    QMenu* simulationMenu;
    QAction* startSimulation; // Startsymulacji2 "Start symulacja"
    QAction* stopSimulation;  // StopSymulacji1 "Stop Symulacji"
    // The simulation's speed, one of three: pen travel in real time (100 ms a
    // unit), ten times faster, or without waiting.
    QAction* realTimeSpeed; // Czasrzeczywisty1 "Czas rzeczywisty"
    QAction* tenTimesSpeed; // Razy101 "×10"
    QAction* noWaitSpeed;   // Bezczekania1 "Bez czekania"
    // Wizualizacja1
    QAction* showVisualisation; // Pokarobota1 "Pokaż wizualizacje"
    QAction* hideVisualisation; // Ukryjrobota1 "Ukryj wizualizacje"
    // Manipulator1
    QAction* connectController; // Poczzesterownikiem1 "Połącz ze sterownikiem"
    QAction* referenceTravel;   // Jazdareferencyjna1 "Jazda referencyjna"
    QAction* sendProgram;       // Wyslijprogram1 "Wyslij program"
    QAction* sendFromLine;      // Wyslijodlinii1 "Wyślij od linii…" (enabled with sendProgram)
    QAction* calibrateArm;      // Kalibracjaramienia1 "Kalibracja ramienia…"
    QAction* pauseSending;      // Przerwawwysyaniuprogramu1 "Przerwa w wysyłaniu programu"
    // The transfer's own controls, enabled while a transfer runs or holds.
    QAction* holdSending;    // Wstrzymajwysylanie1 "Wstrzymaj wysyłanie" (at a pen-up point)
    QAction* holdSendingNow; // Wstrzymajnatychmiast1 "Wstrzymaj natychmiast"
    QAction* resumeSending;  // Wznowwysylanie1 "Wznów wysyłanie"
    QAction* abortSending;   // Przerwijwysylanie1 "Przerwij wysyłanie" (Escape)
    // Zapisujprzebieg1 "Zapisuj przebieg transmisji" (checkable): every frame
    // and reply with time stamps into a file in the user's data folder.
    QAction* traceWire;
    // Pomoc1
    QAction* about; // Oprogeamie1 "O programie"
    // PopupMenu1
    QMenu* popup;
    QAction* popupToggleSettingsBar; // PokaUkryjpasekustawie1

    // The "Symulacja" menu is enabled and disabled through its menu action.
    void setSimulationMenuEnabled(bool enabled);
    bool isSimulationMenuEnabled() const;

    // Every caption again in the language now in force.
    void retranslate();

private:
    QMenu* menu(QMenuBar* bar, const char* name, const char* caption);
    void addFileMenu(QMenuBar* bar);
    void addEditMenu(QMenuBar* bar);
    void addViewMenu(QMenuBar* bar);
    void addSimulationMenu(QMenuBar* bar);
    void addVisualisationMenu(QMenuBar* bar);
    void addArmMenu(QMenuBar* bar);
    void addHelpAndPopup(QMenuBar* bar, QWidget* window);
    void addShortcuts();
    void addSheets(QMenu* edit);
    QAction* item(QMenu* menu, const char* name, const char* caption);
    void remember(QAction* action, const char* caption);

    std::vector<std::pair<QAction*, const char*>> captions_; // the source texts
};
