#include "gcode/plotbackground.h"

#include "gcode/gcodemessages.h"
#include "gcode/plotsurface.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

namespace {

// A neutral mid grey on which all sixteen default plot colours show, the
// white of rapid moves included.
constexpr QRgb kField = 0xff969696;
constexpr QRgb kFineGrid = 0xff8a8a8a;   // every 50 units
constexpr QRgb kCoarseGrid = 0xff787878; // every 100 units
constexpr QRgb kAxis = 0xff505050;       // X 0 and the bottom edge
constexpr QRgb kReach = 0xff282828;      // the 500-unit reach
constexpr QRgb kBase = 0xff000000;

void drawGrid(QPainter& painter) {
    constexpr int w = PlotSurface::kWidth;
    constexpr int h = PlotSurface::kHeight;
    for (int unit = -500; unit <= 500; unit += 50) {
        painter.setPen(unit % 100 == 0 ? kCoarseGrid : kFineGrid);
        painter.drawLine(unit + 500, 0, unit + 500, h - 1);
    }
    for (int unit = 0; unit <= 500; unit += 50) {
        painter.setPen(unit % 100 == 0 ? kCoarseGrid : kFineGrid);
        painter.drawLine(0, h - unit, w - 1, h - unit);
    }
    painter.setPen(kAxis);
    painter.drawLine(500, 0, 500, h - 1);
    painter.drawLine(0, h - 1, w - 1, h - 1);
}

} // namespace

QImage MakeDefaultBackground() {
    QImage image(PlotSurface::kWidth, PlotSurface::kHeight, QImage::Format_RGB32);
    image.fill(kField);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    drawGrid(painter);
    // The reach: a half-circle of 500 units around the base (500, 500 in
    // pixels), touching the left, right and top edges.
    painter.setPen(QPen(QColor::fromRgb(kReach), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPoint(500, 500), 500, 500);
    // The base: a filled half-disc of 10 units with a cross over it.
    painter.setPen(QPen(QColor::fromRgb(kBase), 1));
    painter.setBrush(QColor::fromRgb(kBase));
    painter.drawEllipse(QPoint(500, 500), 10, 10);
    painter.drawLine(480, 499, 520, 499);
    painter.drawLine(500, 480, 500, 499);
    painter.end();
    return image;
}

Result<QImage> ReadBackgroundFile(const QString& fileName) {
    const QString fullName = QFileInfo(fileName).absoluteFilePath();
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return Failure{GcodeMessages::cannotOpenFile(fullName, file.errorString())};
    QImageReader reader(&file);
    QImage image = reader.read();
    if (image.isNull())
        return Failure{GcodeMessages::cannotOpenFile(fullName, reader.errorString())};
    return image;
}

ComposedBackground ComposeBackground(const QString& fileName, const QImage& defaultPicture) {
    ComposedBackground composed;
    QImage overlay;
    if (!QFileInfo::exists(fileName)) {
        composed.note = GcodeMessages::backgroundMissing();
    } else if (Result<QImage> read = ReadBackgroundFile(fileName); read) {
        overlay = std::move(read).value();
    } else {
        composed.note = GcodeMessages::backgroundUnreadable(read.error());
    }
    composed.image = (defaultPicture.isNull() ? MakeDefaultBackground() : defaultPicture)
                         .convertToFormat(QImage::Format_RGB32);
    if (!overlay.isNull()) {
        QPainter painter(&composed.image);
        painter.drawImage(0, 0, overlay);
    }
    return composed;
}
