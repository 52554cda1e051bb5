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
    QMenu* file = addMenu(bar, "Plik1", tr("Plik"));
    newProgram = addItem(file, "Nowyprogram1", tr("Nowy program"));
    openProgram = addItem(file, "Otwrz1", tr("Otwórz plik z G-kodem"));
    openHpgl = addItem(file, "Otwrzplikhpgl1", tr("Otwórz plik hpgl"));
    openSvg = addItem(file, "Otwrzrysuneksvg1", tr("Otwórz rysunek SVG"));
    saveProgram = addItem(file, "Zapiszgcode1", tr("Zapisz g-kode"));
    savePicture = addItem(file, "Zapisz1", tr("Zapisz obraz"));
    file->addSeparator();
    recentFiles = file->addMenu(tr("Ostatnie pliki"));
    recentFiles->setObjectName(QStringLiteral("Ostatniepliki1"));
    file->addSeparator();
    exit = addItem(file, "Zakoncz1", tr("Zakończ"));

    QMenu* edit = addMenu(bar, "Edycja1", tr("Edycja"));
    refresh = addItem(edit, "Wyczy1", tr("Odswież g-kod"));
    paste = addItem(edit, "WklejGkodze1", tr("Wklej G-kod ze schowka "));
    optimizeProgram = addItem(edit, "Optymalizujprogram1", tr("Optymalizuj program"));

    QMenu* view = viewMenu = addMenu(bar, "Widok1", tr("Widok"));
    toggleSettingsBar = addItem(view, "Ukryjpasekustawie1", tr("Pokaż/ukryj pasek ustawień"));
    view->addSeparator();
    restoreDefaults = addItem(view, "Przywrustawieniadomylne1", tr("Przywróć ustawienia domyślne"));

    simulationMenu = addMenu(bar, "Symulacja1", tr("Symulacja"));
    simulationMenu->menuAction()->setObjectName(QStringLiteral("Startsymulacji1"));
    startSimulation = addItem(simulationMenu, "Startsymulacji2", tr("Start symulacja"));
    stopSimulation = addItem(simulationMenu, "StopSymulacji1", tr("Stop Symulacji"));
    simulationMenu->addSeparator();
    auto* speeds = new QActionGroup(simulationMenu);
    realTimeSpeed = addItem(simulationMenu, "Czasrzeczywisty1", tr("Czas rzeczywisty"));
    tenTimesSpeed = addItem(simulationMenu, "Razy101", tr("×10"));
    noWaitSpeed = addItem(simulationMenu, "Bezczekania1", tr("Bez czekania"));
    for (QAction* speed : {realTimeSpeed, tenTimesSpeed, noWaitSpeed}) {
        speed->setCheckable(true);
        speeds->addAction(speed);
    }
    realTimeSpeed->setChecked(true);

    QMenu* visualisation = addMenu(bar, "Wizualizacja1", tr("Wizualizacja"));
    showVisualisation = addItem(visualisation, "Pokarobota1", tr("Pokaż wizualizacje"));
    hideVisualisation = addItem(visualisation, "Ukryjrobota1", tr("Ukryj wizualizacje"));

    QMenu* arm = addMenu(bar, "Manipulator1", tr("Manipulator"));
    connectController = addItem(arm, "Poczzesterownikiem1", tr("Połącz ze sterownikiem"));
    referenceTravel = addItem(arm, "Jazdareferencyjna1", tr("Jazda referencyjna"));
    sendProgram = addItem(arm, "Wyslijprogram1", tr("Wyslij program"));
    sendFromLine = addItem(arm, "Wyslijodlinii1", tr("Wyślij od linii…"));
    pauseSending = addItem(arm, "Przerwawwysyaniuprogramu1", tr("Przerwa w wysyłaniu programu"));
    arm->addSeparator();
    holdSending = addItem(arm, "Wstrzymajwysylanie1", tr("Wstrzymaj wysyłanie"));
    holdSendingNow = addItem(arm, "Wstrzymajnatychmiast1", tr("Wstrzymaj natychmiast"));
    resumeSending = addItem(arm, "Wznowwysylanie1", tr("Wznów wysyłanie"));
    abortSending = addItem(arm, "Przerwijwysylanie1", tr("Przerwij wysyłanie"));
    abortSending->setShortcut(QKeySequence(Qt::Key_Escape));
    for (QAction* item : {holdSending, holdSendingNow, resumeSending, abortSending})
        item->setEnabled(false); // while a transfer runs or holds
    arm->addSeparator();
    traceWire = addItem(arm, "Zapisujprzebieg1", tr("Zapisuj przebieg transmisji"));
    traceWire->setCheckable(true);

    QMenu* help = addMenu(bar, "Pomoc1", tr("Pomoc"));
    about = addItem(help, "Oprogeamie1", tr("O programie"));

    popup = new QMenu(window);
    popup->setObjectName(QStringLiteral("PopupMenu1"));
    popupToggleSettingsBar =
        addItem(popup, "PokaUkryjpasekustawie1", tr("Pokaż/ukryj pasek ustawień"));

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
