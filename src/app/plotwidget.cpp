#include "app/plotwidget.h"

#include <QMouseEvent>
#include <QPainter>

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

void PlotWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (source_)
        source_(painter, pictureRect());
}

void PlotWidget::mousePressEvent(QMouseEvent* event) {
    emit pressedAt(event->globalPosition().toPoint());
}

void PlotWidget::mouseReleaseEvent(QMouseEvent* event) {
    emit releasedAt(event->globalPosition().toPoint());
}

void PlotWidget::mouseMoveEvent(QMouseEvent* event) {
    emit movedAt(event->globalPosition().toPoint());
}
