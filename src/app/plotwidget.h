#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

// The plot Image1: shows the plot picture scaled to fit while keeping its
// proportions (scale 1 at the design size of 1000 x 500), anchored at the
// top-left corner. It reports the pointer in screen coordinates, as the
// pointer readout and the shift gesture work in screen pixels.
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

signals:
    void pressedAt(QPoint screenPosition);
    void releasedAt(QPoint screenPosition);
    void movedAt(QPoint screenPosition);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    PictureSource source_;
    QSize pictureSize_{1000, 500};
};
