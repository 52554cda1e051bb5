#pragma once

#include <QRect>
#include <QSize>

// Where a window kept as `left` goes at the next start: at the same place
// and size, never smaller than `smallest`, and with its top-left corner moved
// back onto `screen` (the screen's free area) when it lies off it, so that
// the operator can always reach the window's title.
QRect PlaceKeptWindow(const QRect& left, QSize smallest, const QRect& screen);
