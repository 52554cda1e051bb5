#include "app/colorshape.h"

#include <QMouseEvent>
#include <QPainter>

ColorShape::ColorShape(const QColor& colour, QWidget* parent) : QWidget(parent), colour_(colour) {
    setFixedSize(25, 17);
    setCursor(Qt::PointingHandCursor);
}

void ColorShape::setColour(const QColor& colour) {
    if (colour == colour_)
        return;
    colour_ = colour;
    update();
    emit colourChanged(colour_);
}

void ColorShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // A 10-pixel pen on the rectangle's outline covers the whole small shape.
    painter.fillRect(rect(), colour_);
    painter.setPen(Qt::darkGray); // so that a white shape shows on a light page
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void ColorShape::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit pressed();
}
