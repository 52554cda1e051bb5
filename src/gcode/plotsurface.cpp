#include "gcode/plotsurface.h"

#include "base/numberformat.h"
#include "base/windows1250.h"
#include "gcode/gcodemessages.h"
#include "gcode/picturefile.h"

#include <QFileInfo>
#include <QImageWriter>
#include <QMutexLocker>
#include <QPainter>
#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

PlotSurface::PlotSurface() : image_(kWidth, kHeight, QImage::Format_RGB32) {
    image_.fill(0xffffffff);
}

void PlotSurface::clear(QRgb colour) {
    QMutexLocker locker(&mutex_);
    image_.fill(colour);
}

void PlotSurface::paintBackground(const QImage& background) {
    QMutexLocker locker(&mutex_);
    QPainter painter(&image_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, background);
}

void PlotSurface::drawMove(const PlotMove& move, QRgb colour) {
    QMutexLocker locker(&mutex_);
    drawLineLocked(qint64(move.fromX) + 500, kHeight - qint64(move.fromY), qint64(move.toX) + 500,
                   kHeight - qint64(move.toY), colour);
}

void PlotSurface::drawMoves(const std::vector<PlotMove>& moves, const PlotColours& colours) {
    QMutexLocker locker(&mutex_);
    for (const PlotMove& move : moves) {
        drawLineLocked(qint64(move.fromX) + 500, kHeight - qint64(move.fromY),
                       qint64(move.toX) + 500, kHeight - qint64(move.toY),
                       colours.colour(PlotColumn::Trajectory, move.row));
    }
}

void PlotSurface::drawForbiddenZone(double radius, QRgb colour) {
    QMutexLocker locker(&mutex_);
    QPainter painter(&image_);
    painter.setPen(QPen(QColor::fromRgb(colour), 1, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(500, kHeight), radius, radius);
}

void PlotSurface::drawSheet(QRectF sheet, QRgb colour) {
    QMutexLocker locker(&mutex_);
    QPainter painter(&image_);
    painter.setPen(QPen(QColor::fromRgb(colour), 1));
    painter.setBrush(Qt::NoBrush);
    // Program Y up, picture Y down.
    painter.drawRect(QRectF(sheet.left() + 500, kHeight - sheet.top() - sheet.height(),
                            sheet.width(), sheet.height()));
}

void PlotSurface::markFindings(const std::vector<PathFinding>& findings, QRgb zoneColour,
                               QRgb elbowColour) {
    QMutexLocker locker(&mutex_);
    QPainter painter(&image_);
    const QPen zonePen(QColor::fromRgb(zoneColour), 3);
    const QPen elbowPen(QColor::fromRgb(elbowColour), 3);
    // Elbow marks first, so that a move through the zone shows as such.
    std::size_t marked = 0;
    for (const PathFindingKind kind : {PathFindingKind::Elbow, PathFindingKind::Zone}) {
        painter.setPen(kind == PathFindingKind::Zone ? zonePen : elbowPen);
        for (const PathFinding& f : findings) {
            if (f.kind != kind)
                continue;
            if (++marked > kMarkedFindings)
                return;
            painter.drawLine(QPointF(f.fromX + 500, kHeight - f.fromY),
                             QPointF(f.toX + 500, kHeight - f.toY));
        }
    }
}

// Integer line drawing over the pixels of the major axis that lie inside the
// picture, so even a line between far-off points costs at most one step per
// column (or row). The minor coordinate at major step k is
// round(k * minor / major) with halves away from the start, the same pixels a
// classic incremental line gives.
void PlotSurface::drawLineLocked(qint64 x0, qint64 y0, qint64 x1, qint64 y1, QRgb colour) {
    const bool steep = std::llabs(y1 - y0) > std::llabs(x1 - x0);
    if (steep) {
        std::swap(x0, y0);
        std::swap(x1, y1);
    }
    if (x0 > x1) {
        std::swap(x0, x1);
        std::swap(y0, y1);
    }
    const qint64 majorLimit = steep ? kHeight : kWidth;
    const qint64 minorLimit = steep ? kWidth : kHeight;
    const qint64 first = std::max<qint64>(x0, 0);
    const qint64 last = std::min<qint64>(x1, majorLimit - 1);
    if (first > last)
        return;
    const qint64 major = x1 - x0; // >= 0
    const qint64 minor = std::llabs(y1 - y0);
    const qint64 step = y1 >= y0 ? 1 : -1;
    // Position at `first`: q = floor((2 k minor + major) / (2 major)).
    qint64 q = 0;
    qint64 r = major;
    if (major > 0 && first != x0) {
        const __int128 numerator = __int128(2) * (first - x0) * minor + major;
        q = qint64(numerator / (2 * major));
        r = qint64(numerator % (2 * major));
    }
    uchar* bits = image_.bits();
    const qsizetype stride = image_.bytesPerLine();
    for (qint64 x = first; x <= last; ++x) {
        const qint64 y = y0 + step * q;
        if (y >= 0 && y < minorLimit) {
            const qint64 column = steep ? y : x;
            const qint64 row = steep ? x : y;
            reinterpret_cast<QRgb*>(bits + row * stride)[column] = colour;
        }
        r += 2 * minor;
        if (r >= 2 * major) {
            r -= 2 * major;
            ++q;
        }
    }
}

void PlotSurface::plotInterpolationPoint(double x, double y, qint32 g, qint32 z,
                                         const PlotColours& colours) {
    std::string gText;
    std::string zText;
    AppendWhole(gText, g);
    AppendWhole(zText, z);
    const QRgb colour = MoveColour(QByteArrayView(gText.data(), qsizetype(gText.size())),
                                   QByteArrayView(zText.data(), qsizetype(zText.size())),
                                   PlotColumn::Interpolation, colours);
    setPixel(InterpolationPixel(x, y), colour);
}

void PlotSurface::setPixel(QPoint pixel, QRgb colour) {
    QMutexLocker locker(&mutex_);
    if (image_.rect().contains(pixel))
        image_.setPixel(pixel, colour);
}

QImage PlotSurface::image() const {
    QMutexLocker locker(&mutex_);
    return image_; // shared; the next change here detaches it
}

QRgb PlotSurface::pixel(int column, int row) const {
    QMutexLocker locker(&mutex_);
    return image_.pixel(column, row);
}

// Through the station's one way of writing files: a regular file is replaced
// only when the whole picture is written, a device or FIFO is written into.
Status PlotSurface::save(const QString& fileName) const {
    return WritePicture(fileName, image());
}

QPoint InterpolationPixel(double x, double y) {
    auto toPixel = [](double value) {
        const double rounded = RoundHalfEven(value);
        if (std::isnan(rounded))
            return 1000000000; // far outside, like any point off the picture
        return int(std::clamp(rounded, -1.0e9, 1.0e9));
    };
    return QPoint(toPixel(x + 500.0), toPixel(PlotSurface::kHeight - y));
}

QString InterpolationLogLine(QByteArrayView n, double x, double y, qint32 z) {
    return QStringLiteral("N") + DecodeWindows1250(n) + QStringLiteral(" X:") + FormatReal(x) +
           QStringLiteral(" Y:") + FormatReal(y) + QStringLiteral(" Z:") + QString::number(z);
}
