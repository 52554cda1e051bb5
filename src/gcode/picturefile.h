#pragma once

#include "base/result.h"

#include <QByteArray>
#include <QImage>
#include <QString>

// The plot picture as a file: PNG when the name ends in ".png" (any case),
// otherwise a Windows bitmap.
QByteArray PictureFormatFor(const QString& fileName);

// The picture's file bytes in `format` ("png" or "bmp"), for standard output.
Result<QByteArray> EncodePicture(const QImage& image, const QByteArray& format);

// Saves the picture through OutputFile: a regular file is replaced only once
// the whole picture has been written, a character device or a FIFO is written
// into, anything else is refused. A failure gives
// "Cannot create file "<full name>". <reason>".
Status WritePicture(const QString& fileName, const QImage& image);
