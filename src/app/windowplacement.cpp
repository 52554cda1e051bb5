#include "app/windowplacement.h"

#include <algorithm>

QRect PlaceKeptWindow(const QRect& left, QSize smallest, const QRect& screen) {
    QRect placed(left.topLeft(), left.size().expandedTo(smallest));
    if (!screen.isValid())
        return placed;
    // The corner stays where the title can be grabbed: inside the screen,
    // and far enough from its right and bottom edges.
    constexpr int kGrip = 100;
    const int x =
        std::clamp(placed.x(), screen.left(), std::max(screen.left(), screen.right() - kGrip));
    const int y =
        std::clamp(placed.y(), screen.top(), std::max(screen.top(), screen.bottom() - kGrip));
    placed.moveTopLeft(QPoint(x, y));
    return placed;
}
