#include "controller/widgets/comled.h"

#include <QPainter>

ComLed::ComLed(QWidget* parent) : QWidget(parent) {
    setFixedSize(16, 16);
}

void ComLed::setLit(bool lit) {
    if (lit == lit_)
        return;
    lit_ = lit;
    repaint(); // shown at once, without waiting for the event loop
}

void ComLed::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(lit_ ? QColor(255, 0, 0) : QColor(96, 0, 0));
    painter.drawEllipse(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5));
}
