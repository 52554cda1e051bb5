#include "app/plotwidget.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
// The base, in picture pixels: the middle of the bottom edge.
constexpr double kBaseX = 500.0;
constexpr double kBaseY = 500.0;
} // namespace

PlotWidget::PlotWidget(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Image1"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void PlotWidget::setPictureSource(PictureSource source, QSize pictureSize) {
    source_ = std::move(source);
    pictureSize_ = pictureSize;
    update();
}

QRectF PlotWidget::pictureRect() const {
    QSizeF size = pictureSize_;
    size.scale(QSizeF(this->size()), Qt::KeepAspectRatio);
    return QRectF(QPointF(0, 0), size);
}

QPointF PlotWidget::toPlot(QPointF widgetPosition) const {
    const QRectF picture = pictureRect();
    if (picture.isEmpty())
        return {};
    const double scale = pictureSize_.width() / picture.width();
    const QPointF pixel = (widgetPosition - picture.topLeft()) * scale;
    return {pixel.x() - kBaseX, kBaseY - pixel.y()};
}

QPointF PlotWidget::fromPlot(QPointF plotPosition) const {
    const QRectF picture = pictureRect();
    const double scale = picture.width() / pictureSize_.width();
    const QPointF pixel(plotPosition.x() + kBaseX, kBaseY - plotPosition.y());
    return picture.topLeft() + pixel * scale;
}

void PlotWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QRectF target = pictureRect();
    // Shrunk without smoothing, one-pixel lines on the dropped rows and
    // columns would vanish; enlarged, the pixels stay sharp.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, target.width() < pictureSize_.width());
    if (dragStart_)
        target.translate(dragNow_ - *dragStart_);
    if (source_)
        source_(painter, target);
}

void PlotWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        dragStart_ = event->position();
        dragNow_ = event->position();
    }
    emit pressedAt(toPlot(event->position()));
}

void PlotWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (dragStart_) {
        dragStart_.reset();
        update();
    }
    emit releasedAt(toPlot(event->position()));
}

void PlotWidget::mouseMoveEvent(QMouseEvent* event) {
    if (dragStart_) {
        dragNow_ = event->position();
        update();
    }
    emit movedAt(toPlot(event->position()));
}
