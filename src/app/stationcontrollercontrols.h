#pragma once

#include "controller/widgets/controllercontrols.h"

class MainWindow;

// The controller link's controls on the main window's pages "Ustawienia
// portu", "Ustawienia sterownika" and "G-kod III", its status bar and its
// menu "Manipulator".
ControllerControls StationControllerControls(MainWindow& window);
