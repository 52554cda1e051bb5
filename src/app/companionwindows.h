#pragma once

#include <memory>

class QWidget;

// The factory hooks for the station's two other windows, created hidden after
// the main window, in this order: the visualisation window TForm2 and the HPGL
// converter window TForm3. Each is a window of its own (no parent).
std::unique_ptr<QWidget> CreateVisualisationWindow();
std::unique_ptr<QWidget> CreateConverterWindow();
