#include "app/textpreview.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <limits>

TextPreview::TextPreview(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PodgladTekstu"));
    setMinimumSize(240, 80);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

void TextPreview::setStrokes(std::vector<Stroke> strokes) {
    strokes_ = std::move(strokes);
    update();
}

void TextPreview::paintEvent(QPaintEvent*) {
    double left = std::numeric_limits<double>::max(), bottom = left;
    double right = std::numeric_limits<double>::lowest(), top = right;
    for (const Stroke& stroke : strokes_) {
        for (const PathPoint& p : stroke) {
            left = std::min(left, p.x), right = std::max(right, p.x);
            bottom = std::min(bottom, p.y), top = std::max(top, p.y);
        }
    }
    if (left > right)
        return;
    const QRectF box(left, bottom, right - left, top - bottom); // bottom(): the top, Y up
    const QRectF room = QRectF(rect()).adjusted(8, 8, -8, -8);
    const double scale = std::min(room.width() / std::max(box.width(), 1e-9),
                                  room.height() / std::max(box.height(), 1e-9));
    QPainterPath path;
    for (const Stroke& stroke : strokes_) {
        for (size_t i = 0; i < stroke.size(); ++i) {
            const QPointF p(room.left() + (stroke[i].x - box.left()) * scale,
                            room.top() + (box.bottom() - stroke[i].y) * scale);
            i == 0 ? path.moveTo(p) : path.lineTo(p);
        }
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::Text), 1.2));
    painter.drawPath(path);
}
