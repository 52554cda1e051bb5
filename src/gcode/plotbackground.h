#pragma once

#include "base/result.h"

#include <QImage>
#include <QString>

// The default plot background shipped as resources/default-background.bmp:
// 1000 x 500, white, a light grid every 50 plot units with darker lines every
// 100, the axes through the base, the 500-unit reach half-circle, and the
// base (0, 0) marked at the middle of the bottom edge. Drawn the same way
// every time, so a test can compare it with the shipped file.
QImage MakeDefaultBackground();

// Reads a background picture (any format Qt reads, Windows bitmaps first of
// all). A file that cannot be read gives
// "Cannot open file "<full name>". <reason>".
Result<QImage> ReadBackgroundFile(const QString& fileName);
