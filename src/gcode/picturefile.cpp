#include "gcode/picturefile.h"

#include "base/outputfile.h"
#include "gcode/gcodemessages.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>

QByteArray PictureFormatFor(const QString& fileName) {
    return fileName.endsWith(QLatin1String(".png"), Qt::CaseInsensitive) ? "png" : "bmp";
}

Result<QByteArray> EncodePicture(const QImage& image, const QByteArray& format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (!writer.write(image))
        return Failure{writer.errorString()};
    return bytes;
}

Status WritePicture(const QString& fileName, const QImage& image) {
    auto failure = [&](const QString& reason) {
        return Failure{
            GcodeMessages::cannotCreateFile(QFileInfo(fileName).absoluteFilePath(), reason)};
    };
    OutputFile file(fileName);
    if (!file.open())
        return failure(file.errorString());
    // Encoded first: a device or FIFO then gets the picture in one piece, and
    // an encoder's failure leaves even a stream untouched.
    const Result<QByteArray> bytes = EncodePicture(image, PictureFormatFor(fileName));
    if (!bytes) {
        file.cancel();
        return failure(bytes.error());
    }
    if (!file.write(*bytes) || !file.commit())
        return failure(file.errorString());
    return Status::success();
}
