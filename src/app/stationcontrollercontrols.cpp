#include "app/stationcontrollercontrols.h"

#include "app/controllersettingspage.h"
#include "app/mainwindow.h"
#include "app/portsettingspage.h"
#include "app/stationstatusbar.h"
#include "app/transferpage.h"
#include "controller/widgets/comled.h"

#include <QCheckBox>
#include <QPushButton>

ControllerControls StationControllerControls(MainWindow& window) {
    ControllerControls c;
    PortSettingsPage* port = window.portSettingsPage();
    for (std::size_t i = 0; i < c.portSelectors.size(); ++i)
        c.portSelectors[i] = port->selectors().at(i);
    for (std::size_t i = 0; i < c.lamps.size(); ++i)
        c.lamps[i] = port->lamps().at(i);
    c.connectButton = port->connectButton();
    c.disconnectButton = port->disconnectButton();

    ControllerSettingsPage* page = window.controllerSettingsPage();
    c.manualModeBox = page->manualControlBox();
    c.addressField = page->controllerAddressEdit();
    c.g00HeightField = page->g00HeightEdit();
    c.sendG00Height = page->button(7);
    c.g01HeightField = page->g01HeightEdit();
    c.sendG01Height = page->button(9);
    c.arm1MoveField = page->arm1MoveEdit();
    c.sendArm1Move = page->button(3);
    c.arm2MoveField = page->arm2MoveEdit();
    c.sendArm2Move = page->button(4);
    c.zMoveField = page->zMoveEdit();
    c.sendZMove = page->button(5);
    c.heightCorrection = page->button(8);
    c.setReference = page->button(10);

    c.frameLog = window.transferPage()->frameLog();
    c.terminal = window.transferPage()->terminal();
    for (std::size_t i = 0; i < c.statusPanels.size(); ++i)
        c.statusPanels[i] = window.statusPanel(int(i));

    MainMenus& menus = window.menus();
    c.connectItem = menus.connectController;
    c.referenceTravelItem = menus.referenceTravel;
    c.sendProgramItem = menus.sendProgram;
    c.pauseItem = menus.pauseSending;
    c.holdItem = menus.holdSending;
    c.holdNowItem = menus.holdSendingNow;
    c.resumeItem = menus.resumeSending;
    c.abortItem = menus.abortSending;
    c.traceItem = menus.traceWire;
    c.window = &window;
    return c;
}
