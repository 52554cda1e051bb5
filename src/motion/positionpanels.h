#pragma once

#include <QImage>

struct SimulationState;

// The two position displays of the "Symulacja" page, drawn into images of
// kPanelSize: a silver field with a black outline and lines of text at x 20,
// 30 pixels apart from y 5.
namespace PositionPanels {

inline constexpr QSize kPanelSize{320, 280};

// A fresh image of the panel size, ready to draw into.
QImage makePanelImage();

// "JAZDA Z PUNKTU:" ... "DO PUNKTU:" ...: regular black text.
void DrawMovePanel(QImage& image, const SimulationState& state);
// "POZYCJA AKTUALNA:" ...: bold blue text.
void DrawPositionPanel(QImage& image, const SimulationState& state);

// The two panels before anything has moved: the arm at its home point
// X 500, Y 0, no block executed.
QImage StartMovePanel();
QImage StartPositionPanel();

} // namespace PositionPanels
