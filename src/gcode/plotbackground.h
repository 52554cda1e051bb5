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

// The plot's background as the station shows it, with the status-bar note
// that goes with it.
struct ComposedBackground {
    QImage image; // RGB32, the size of the default picture
    QString note; // empty when the operator's picture is shown
};

// Composes the plot's background: the default picture (`defaultPicture`, or
// MakeDefaultBackground() when that is null) with the operator's picture
// `fileName` painted unscaled over its top-left corner, so that a smaller
// picture still leaves the whole plot covered. When the file is missing or
// cannot be read the default is shown alone and the note says why.
ComposedBackground ComposeBackground(const QString& fileName, const QImage& defaultPicture = {});
