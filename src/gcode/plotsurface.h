#pragma once

#include "base/result.h"
#include "gcode/pathcheck.h"
#include "gcode/plotcolours.h"
#include "gcode/prepareprogram.h"

#include <QByteArrayView>
#include <QImage>
#include <QMutex>
#include <QPoint>
#include <QRectF>
#include <QString>

#include <vector>

// The plot's picture: 1000 x 500 pixels, program point (X, Y) at column
// X + 500, row 500 - Y. Logic only (QtGui): the window shows image() and asks
// for a repaint after each change.
//
// The surface has its own lock, held by every operation: drawing the
// preparation's moves, setting a simulation point and saving the picture
// never overlap, whichever thread calls them.
class PlotSurface {
public:
    static constexpr int kWidth = 1000;
    static constexpr int kHeight = 500;

    PlotSurface();
    PlotSurface(const PlotSurface&) = delete;
    PlotSurface& operator=(const PlotSurface&) = delete;

    // Fills the whole picture (the plot cleared before a program is prepared).
    void clear(QRgb colour = 0xffffffff);
    // Draws `background` unscaled with its top-left corner at the plot's
    // top-left corner; a picture of the plot's size covers everything, a
    // smaller one leaves the rest as it was.
    void paintBackground(const QImage& background);
    // A straight, solid, one-pixel line from (fromX + 500, 500 - fromY) to
    // (toX + 500, 500 - toY), both ends included; parts outside the picture
    // are not drawn and nothing fails.
    void drawMove(const PlotMove& move, QRgb colour);
    // The preparation's moves, each in its row's trajectory colour.
    void drawMoves(const std::vector<PlotMove>& moves, const PlotColours& colours);
    // The forbidden zone: a dashed circle of `radius` program units around
    // the base (the middle of the bottom edge).
    void drawForbiddenZone(double radius, QRgb colour);
    // A sheet of paper laid in the working area: its outline, in program
    // units from its lower left corner.
    void drawSheet(QRectF sheet, QRgb colour);
    // The moves of the path check's zone and elbow findings, drawn in a wide
    // line of their kind's colour (at most kMarkedFindings of them); drawn
    // before the moves, they show as a halo around them.
    static constexpr std::size_t kMarkedFindings = 10000;
    void markFindings(const std::vector<PathFinding>& findings, QRgb zoneColour, QRgb elbowColour);
    // A simulation point: the pixel InterpolationPixel(x, y) in the
    // interpolation colour of the whole-number texts of g and z.
    void plotInterpolationPoint(double x, double y, qint32 g, qint32 z, const PlotColours& colours);
    void setPixel(QPoint pixel, QRgb colour);

    // A copy of the picture as it is now.
    QImage image() const;
    QRgb pixel(int column, int row) const;

    // Saves the picture: PNG when the name ends in ".png" (any case), else a
    // Windows bitmap. Written through QSaveFile, so a failure keeps the old
    // file; the error is "Cannot create file "<name>". <reason>".
    Status save(const QString& fileName) const;

private:
    void drawLineLocked(qint64 x0, qint64 y0, qint64 x1, qint64 y1, QRgb colour);

    mutable QMutex mutex_;
    QImage image_;
};

// The pixel of a simulation point: column round(x + 500), row round(500 - y),
// halves to the even neighbour. Far-off points (and not-a-number) land well outside the
// picture.
QPoint InterpolationPixel(double x, double y);

// The interpolation log line of a simulation point (Memo3):
// "N" + n + " X:" + FormatReal(x) + " Y:" + FormatReal(y) + " Z:" + z.
QString InterpolationLogLine(QByteArrayView n, double x, double y, qint32 z);
