#include "app/mainmenus.h"

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace {

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
    addFileMenu(bar);
    addEditMenu(bar);
    addViewMenu(bar);
    addSimulationMenu(bar);
    addVisualisationMenu(bar);
    addArmMenu(bar);
    addHelpAndPopup(bar, window);
    addShortcuts();

    retranslate();
    setSimulationMenuEnabled(false);
    stopSimulation->setEnabled(false);
    referenceTravel->setEnabled(false);
}

void MainMenus::addFileMenu(QMenuBar* bar) {
    QMenu* file = menu(bar, "Plik1", QT_TRANSLATE_NOOP("MainMenus", "Plik"));
    newProgram = item(file, "Nowyprogram1", QT_TRANSLATE_NOOP("MainMenus", "Nowy program"));
    openProgram = item(file, "Otwrz1", QT_TRANSLATE_NOOP("MainMenus", "Otwórz plik z G-kodem"));
    openHpgl = item(file, "Otwrzplikhpgl1", QT_TRANSLATE_NOOP("MainMenus", "Otwórz plik hpgl"));
    openSvg = item(file, "Otwrzrysuneksvg1", QT_TRANSLATE_NOOP("MainMenus", "Otwórz rysunek SVG"));
    svgOptions =
        item(file, "Opcjeimportusvg1", QT_TRANSLATE_NOOP("MainMenus", "Opcje importu SVG…"));
    saveProgram = item(file, "Zapiszgcode1", QT_TRANSLATE_NOOP("MainMenus", "Zapisz g-kode"));
    savePicture = item(file, "Zapisz1", QT_TRANSLATE_NOOP("MainMenus", "Zapisz obraz"));
    file->addSeparator();
    recentFiles = file->addMenu(QString());
    remember(recentFiles->menuAction(), QT_TRANSLATE_NOOP("MainMenus", "Ostatnie pliki"));
    recentFiles->setObjectName(QStringLiteral("Ostatniepliki1"));
    file->addSeparator();
    exit = item(file, "Zakoncz1", QT_TRANSLATE_NOOP("MainMenus", "Zakończ"));
}

void MainMenus::addEditMenu(QMenuBar* bar) {
    QMenu* edit = menu(bar, "Edycja1", QT_TRANSLATE_NOOP("MainMenus", "Edycja"));
    refresh = item(edit, "Wyczy1", QT_TRANSLATE_NOOP("MainMenus", "Odswież g-kod"));
    paste = item(edit, "WklejGkodze1", QT_TRANSLATE_NOOP("MainMenus", "Wklej G-kod ze schowka "));
    optimizeProgram =
        item(edit, "Optymalizujprogram1", QT_TRANSLATE_NOOP("MainMenus", "Optymalizuj program"));
    insertText = item(edit, "Wstawtekst1", QT_TRANSLATE_NOOP("MainMenus", "Wstaw tekst…"));
    edit->addSeparator();
    fitProgram = item(edit, "Dopasujdoobszaruroboczego1",
                      QT_TRANSLATE_NOOP("MainMenus", "Dopasuj do obszaru roboczego"));
    oneSide = item(edit, "Pojednejstronieosi1",
                   QT_TRANSLATE_NOOP("MainMenus", "Po jednej stronie osi Y"));
    oneSide->setCheckable(true);
    outlineProgram =
        item(edit, "Obrysujrysunek1", QT_TRANSLATE_NOOP("MainMenus", "Obrysuj rysunek"));
    addSheets(edit);
}

void MainMenus::addViewMenu(QMenuBar* bar) {
    QMenu* view = viewMenu = menu(bar, "Widok1", QT_TRANSLATE_NOOP("MainMenus", "Widok"));
    toggleSettingsBar = item(view, "Ukryjpasekustawie1",
                             QT_TRANSLATE_NOOP("MainMenus", "Pokaż/ukryj pasek ustawień"));
    view->addSeparator();
    restoreDefaults = item(view, "Przywrustawieniadomylne1",
                           QT_TRANSLATE_NOOP("MainMenus", "Przywróć ustawienia domyślne"));
}

void MainMenus::addSimulationMenu(QMenuBar* bar) {
    simulationMenu = menu(bar, "Symulacja1", QT_TRANSLATE_NOOP("MainMenus", "Symulacja"));
    simulationMenu->menuAction()->setObjectName(QStringLiteral("Startsymulacji1"));
    startSimulation =
        item(simulationMenu, "Startsymulacji2", QT_TRANSLATE_NOOP("MainMenus", "Start symulacja"));
    stopSimulation =
        item(simulationMenu, "StopSymulacji1", QT_TRANSLATE_NOOP("MainMenus", "Stop Symulacji"));
    simulationMenu->addSeparator();
    auto* speeds = new QActionGroup(simulationMenu);
    realTimeSpeed = item(simulationMenu, "Czasrzeczywisty1",
                         QT_TRANSLATE_NOOP("MainMenus", "Czas rzeczywisty"));
    tenTimesSpeed = item(simulationMenu, "Razy101", QT_TRANSLATE_NOOP("MainMenus", "×10"));
    noWaitSpeed =
        item(simulationMenu, "Bezczekania1", QT_TRANSLATE_NOOP("MainMenus", "Bez czekania"));
    for (QAction* speed : {realTimeSpeed, tenTimesSpeed, noWaitSpeed}) {
        speed->setCheckable(true);
        speeds->addAction(speed);
    }
    realTimeSpeed->setChecked(true);
}

void MainMenus::addVisualisationMenu(QMenuBar* bar) {
    QMenu* visualisation =
        menu(bar, "Wizualizacja1", QT_TRANSLATE_NOOP("MainMenus", "Wizualizacja"));
    showVisualisation =
        item(visualisation, "Pokarobota1", QT_TRANSLATE_NOOP("MainMenus", "Pokaż wizualizacje"));
    hideVisualisation =
        item(visualisation, "Ukryjrobota1", QT_TRANSLATE_NOOP("MainMenus", "Ukryj wizualizacje"));
}

void MainMenus::addArmMenu(QMenuBar* bar) {
    QMenu* arm = menu(bar, "Manipulator1", QT_TRANSLATE_NOOP("MainMenus", "Manipulator"));
    connectController =
        item(arm, "Poczzesterownikiem1", QT_TRANSLATE_NOOP("MainMenus", "Połącz ze sterownikiem"));
    referenceTravel =
        item(arm, "Jazdareferencyjna1", QT_TRANSLATE_NOOP("MainMenus", "Jazda referencyjna"));
    sendProgram = item(arm, "Wyslijprogram1", QT_TRANSLATE_NOOP("MainMenus", "Wyslij program"));
    sendFromLine = item(arm, "Wyslijodlinii1", QT_TRANSLATE_NOOP("MainMenus", "Wyślij od linii…"));
    calibrateArm =
        item(arm, "Kalibracjaramienia1", QT_TRANSLATE_NOOP("MainMenus", "Kalibracja ramienia…"));
    pauseSending = item(arm, "Przerwawwysyaniuprogramu1",
                        QT_TRANSLATE_NOOP("MainMenus", "Przerwa w wysyłaniu programu"));
    arm->setToolTipsVisible(true);
    arm->addSeparator();
    holdSending =
        item(arm, "Wstrzymajwysylanie1", QT_TRANSLATE_NOOP("MainMenus", "Wstrzymaj wysyłanie"));
    holdSendingNow =
        item(arm, "Wstrzymajnatychmiast1", QT_TRANSLATE_NOOP("MainMenus", "Wstrzymaj natychmiast"));
    resumeSending = item(arm, "Wznowwysylanie1", QT_TRANSLATE_NOOP("MainMenus", "Wznów wysyłanie"));
    abortSending =
        item(arm, "Przerwijwysylanie1", QT_TRANSLATE_NOOP("MainMenus", "Przerwij wysyłanie"));
    abortSending->setShortcut(QKeySequence(Qt::Key_Escape));
    for (QAction* item : {holdSending, holdSendingNow, resumeSending, abortSending})
        item->setEnabled(false); // while a transfer runs or holds
    arm->addSeparator();
    traceWire = item(arm, "Zapisujprzebieg1",
                     QT_TRANSLATE_NOOP("MainMenus", "Zapisuj przebieg transmisji"));
    traceWire->setCheckable(true);
}

void MainMenus::addHelpAndPopup(QMenuBar* bar, QWidget* window) {
    QMenu* help = menu(bar, "Pomoc1", QT_TRANSLATE_NOOP("MainMenus", "Pomoc"));
    about = item(help, "Oprogeamie1", QT_TRANSLATE_NOOP("MainMenus", "O programie"));

    popup = new QMenu(window);
    popup->setObjectName(QStringLiteral("PopupMenu1"));
    popupToggleSettingsBar = item(popup, "PokaUkryjpasekustawie1",
                                  QT_TRANSLATE_NOOP("MainMenus", "Pokaż/ukryj pasek ustawień"));
}

void MainMenus::addShortcuts() {
    newProgram->setShortcuts(keys(QKeySequence::New));
    openProgram->setShortcuts(keys(QKeySequence::Open));
    saveProgram->setShortcuts(keys(QKeySequence::Save));
    exit->setShortcuts(keys(QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q)));
    refresh->setShortcuts(keys(QKeySequence::Refresh, QKeySequence(Qt::Key_F5)));
    toggleSettingsBar->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    showVisualisation->setShortcut(QKeySequence(Qt::Key_F12));
    hideVisualisation->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F12));
    sendProgram->setShortcut(QKeySequence(Qt::Key_F6));
}

void MainMenus::addSheets(QMenu* edit) {
    sheetMenu = edit->addMenu(QString());
    sheetMenu->setObjectName(QStringLiteral("Arkusz1"));
    remember(sheetMenu->menuAction(), QT_TRANSLATE_NOOP("MainMenus", "Arkusz"));
    struct Choice {
        const char* name;
        const char* sheet;
        const char* caption;
    };
    const Choice choices[] = {
        {"Bezarkusza1", "", QT_TRANSLATE_NOOP("MainMenus", "Bez arkusza")},
        {"ArkuszA5pionowo1", "A5", QT_TRANSLATE_NOOP("MainMenus", "A5 pionowo")},
        {"ArkuszA5poziomo1", "A5-landscape", QT_TRANSLATE_NOOP("MainMenus", "A5 poziomo")},
        {"ArkuszA4pionowo1", "A4", QT_TRANSLATE_NOOP("MainMenus", "A4 pionowo")},
        {"ArkuszA4poziomo1", "A4-landscape", QT_TRANSLATE_NOOP("MainMenus", "A4 poziomo")},
    };
    auto* group = new QActionGroup(sheetMenu);
    for (const Choice& choice : choices) {
        QAction* action = item(sheetMenu, choice.name, choice.caption);
        action->setCheckable(true);
        action->setData(QString::fromLatin1(choice.sheet));
        group->addAction(action);
        sheets.push_back(action);
    }
    sheets.front()->setChecked(true);
}

QMenu* MainMenus::menu(QMenuBar* bar, const char* name, const char* caption) {
    QMenu* menu = bar->addMenu(QString());
    menu->setObjectName(QString::fromLatin1(name));
    remember(menu->menuAction(), caption);
    return menu;
}

QAction* MainMenus::item(QMenu* menu, const char* name, const char* caption) {
    QAction* action = menu->addAction(QString());
    action->setObjectName(QString::fromLatin1(name));
    remember(action, caption);
    return action;
}

void MainMenus::remember(QAction* action, const char* caption) {
    captions_.emplace_back(action, caption);
}

void MainMenus::retranslate() {
    for (const auto& [action, caption] : captions_)
        action->setText(tr(caption));
    // Said where the operator looks, so that nobody takes it for a hold.
    const QString pauseHelp =
        tr("Zatrzymuje albo znowu włącza ponawianie bieżącej linii co 0,5 s. Nie wstrzymuje "
           "wysyłania: do tego służy „Wstrzymaj wysyłanie”");
    pauseSending->setToolTip(pauseHelp);
    pauseSending->setStatusTip(pauseHelp);
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
