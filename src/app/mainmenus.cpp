#include "app/mainmenus.h"

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace {
QMenu* addMenu(QMenuBar* bar, const char* name, const QString& caption) {
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction* addItem(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

// The platform's keys for a standard command, with `extra` first when the
// platform lacks it.
QList<QKeySequence> keys(QKeySequence::StandardKey standard, QKeySequence extra = {}) {
    QList<QKeySequence> result = QKeySequence::keyBindings(standard);
    if (!extra.isEmpty() && !result.contains(extra))
        result.prepend(extra);
    return result;
}
} // namespace

MainMenus::MainMenus(QMenuBar* bar, QWidget* window) {
    bar->setObjectName(QStringLiteral("MainMenu1"));
    QMenu* file = addMenu(bar, "Plik1", QStringLiteral("Plik"));
    newProgram = addItem(file, "Nowyprogram1", QStringLiteral("Nowy program"));
    openProgram = addItem(file, "Otwrz1", QStringLiteral("Otwórz plik z G-kodem"));
    openHpgl = addItem(file, "Otwrzplikhpgl1", QStringLiteral("Otwórz plik hpgl"));
    openSvg = addItem(file, "Otwrzrysuneksvg1", QStringLiteral("Otwórz rysunek SVG"));
    saveProgram = addItem(file, "Zapiszgcode1", QStringLiteral("Zapisz g-kode"));
    savePicture = addItem(file, "Zapisz1", QStringLiteral("Zapisz obraz"));
    file->addSeparator();
    recentFiles = file->addMenu(QStringLiteral("Ostatnie pliki"));
    recentFiles->setObjectName(QStringLiteral("Ostatniepliki1"));
    file->addSeparator();
    exit = addItem(file, "Zakoncz1", QStringLiteral("Zakończ"));

    QMenu* edit = addMenu(bar, "Edycja1", QStringLiteral("Edycja"));
    refresh = addItem(edit, "Wyczy1", QStringLiteral("Odswież g-kod"));
    paste = addItem(edit, "WklejGkodze1", QStringLiteral("Wklej G-kod ze schowka "));
    optimizeProgram = addItem(edit, "Optymalizujprogram1", QStringLiteral("Optymalizuj program"));

    QMenu* view = viewMenu = addMenu(bar, "Widok1", QStringLiteral("Widok"));
    toggleSettingsBar =
        addItem(view, "Ukryjpasekustawie1", QStringLiteral("Pokaż/ukryj pasek ustawień"));
    view->addSeparator();
    restoreDefaults =
        addItem(view, "Przywrustawieniadomylne1", QStringLiteral("Przywróć ustawienia domyślne"));

    simulationMenu = addMenu(bar, "Symulacja1", QStringLiteral("Symulacja"));
    simulationMenu->menuAction()->setObjectName(QStringLiteral("Startsymulacji1"));
    startSimulation = addItem(simulationMenu, "Startsymulacji2", QStringLiteral("Start symulacja"));
    stopSimulation = addItem(simulationMenu, "StopSymulacji1", QStringLiteral("Stop Symulacji"));
    simulationMenu->addSeparator();
    auto* speeds = new QActionGroup(simulationMenu);
    realTimeSpeed = addItem(simulationMenu, "Czasrzeczywisty1", QStringLiteral("Czas rzeczywisty"));
    tenTimesSpeed = addItem(simulationMenu, "Razy101", QStringLiteral("×10"));
    noWaitSpeed = addItem(simulationMenu, "Bezczekania1", QStringLiteral("Bez czekania"));
    for (QAction* speed : {realTimeSpeed, tenTimesSpeed, noWaitSpeed}) {
        speed->setCheckable(true);
        speeds->addAction(speed);
    }
    realTimeSpeed->setChecked(true);

    QMenu* visualisation = addMenu(bar, "Wizualizacja1", QStringLiteral("Wizualizacja"));
    showVisualisation = addItem(visualisation, "Pokarobota1", QStringLiteral("Pokaż wizualizacje"));
    hideVisualisation =
        addItem(visualisation, "Ukryjrobota1", QStringLiteral("Ukryj wizualizacje"));

    QMenu* arm = addMenu(bar, "Manipulator1", QStringLiteral("Manipulator"));
    connectController =
        addItem(arm, "Poczzesterownikiem1", QStringLiteral("Połącz ze sterownikiem"));
    referenceTravel = addItem(arm, "Jazdareferencyjna1", QStringLiteral("Jazda referencyjna"));
    sendProgram = addItem(arm, "Wyslijprogram1", QStringLiteral("Wyslij program"));
    sendFromLine = addItem(arm, "Wyslijodlinii1", QStringLiteral("Wyślij od linii…"));
    pauseSending =
        addItem(arm, "Przerwawwysyaniuprogramu1", QStringLiteral("Przerwa w wysyłaniu programu"));
    arm->addSeparator();
    holdSending = addItem(arm, "Wstrzymajwysylanie1", QStringLiteral("Wstrzymaj wysyłanie"));
    holdSendingNow = addItem(arm, "Wstrzymajnatychmiast1", QStringLiteral("Wstrzymaj natychmiast"));
    resumeSending = addItem(arm, "Wznowwysylanie1", QStringLiteral("Wznów wysyłanie"));
    abortSending = addItem(arm, "Przerwijwysylanie1", QStringLiteral("Przerwij wysyłanie"));
    abortSending->setShortcut(QKeySequence(Qt::Key_Escape));
    for (QAction* item : {holdSending, holdSendingNow, resumeSending, abortSending})
        item->setEnabled(false); // while a transfer runs or holds
    arm->addSeparator();
    traceWire = addItem(arm, "Zapisujprzebieg1", QStringLiteral("Zapisuj przebieg transmisji"));
    traceWire->setCheckable(true);

    QMenu* help = addMenu(bar, "Pomoc1", QStringLiteral("Pomoc"));
    about = addItem(help, "Oprogeamie1", QStringLiteral("O programie"));

    popup = new QMenu(window);
    popup->setObjectName(QStringLiteral("PopupMenu1"));
    popupToggleSettingsBar =
        addItem(popup, "PokaUkryjpasekustawie1", QStringLiteral("Pokaż/ukryj pasek ustawień"));

    newProgram->setShortcuts(keys(QKeySequence::New));
    openProgram->setShortcuts(keys(QKeySequence::Open));
    saveProgram->setShortcuts(keys(QKeySequence::Save));
    exit->setShortcuts(keys(QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q)));
    refresh->setShortcuts(keys(QKeySequence::Refresh, QKeySequence(Qt::Key_F5)));
    toggleSettingsBar->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    showVisualisation->setShortcut(QKeySequence(Qt::Key_F12));
    hideVisualisation->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F12));
    sendProgram->setShortcut(QKeySequence(Qt::Key_F6));

    setSimulationMenuEnabled(false);
    stopSimulation->setEnabled(false);
    referenceTravel->setEnabled(false);
}

void MainMenus::setSimulationMenuEnabled(bool enabled) {
    simulationMenu->menuAction()->setEnabled(enabled);
    // A shortcut reaches an item whatever its menu's state: a closed menu's
    // items have none.
    startSimulation->setShortcut(enabled ? QKeySequence(Qt::Key_F9) : QKeySequence());
    stopSimulation->setShortcut(enabled ? QKeySequence(Qt::SHIFT | Qt::Key_F9) : QKeySequence());
}

bool MainMenus::isSimulationMenuEnabled() const {
    return simulationMenu->menuAction()->isEnabled();
}
