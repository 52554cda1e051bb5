#pragma once

#include <QImage>
#include <QPointF>
#include <QWidget>

#include <functional>
#include <optional>

// The plot Image1: shows the plot picture scaled to fit while keeping its
// proportions (scale 1 at the design size of 1000 x 500), anchored at the
// top-left corner. It reports the pointer in the plot's own units (program
// X and Y: the base at the middle of the bottom edge, Y upwards), whatever
// the scale. While the left button drags, the picture follows the pointer.
class PlotWidget : public QWidget {
    Q_OBJECT
public:
    // Paints the current plot picture into the target rectangle (the owner of
    // the picture locks its drawing surface meanwhile).
    using PictureSource = std::function<void(QPainter& painter, const QRectF& target)>;

    explicit PlotWidget(QWidget* parent = nullptr);

    void setPictureSource(PictureSource source, QSize pictureSize);
    QSize pictureSize() const { return pictureSize_; }
    // Where the picture is drawn inside the widget.
    QRectF pictureRect() const;
    // A point of the widget in plot units, and back.
    QPointF toPlot(QPointF widgetPosition) const;
    QPointF fromPlot(QPointF plotPosition) const;

signals:
    void pressedAt(QPointF plotPosition);
    void releasedAt(QPointF plotPosition);
    void movedAt(QPointF plotPosition);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    PictureSource source_;
    QSize pictureSize_{1000, 500};
    // The drag under way: where it started and where the pointer is (widget
    // pixels), for the picture to follow.
    std::optional<QPointF> dragStart_;
    QPointF dragNow_;
};
