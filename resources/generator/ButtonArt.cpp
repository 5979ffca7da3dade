#include "ButtonArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace wendle::content {

namespace {

QImage blank(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// The colour a look starts from: lighter under the pointer, darker pressed.
QColor pressed(QColor base, Press press) {
    switch (press) {
        case Press::Over:
            return base.lighter(122);
        case Press::Down:
            return base.darker(118);
        case Press::Up:
            break;
    }
    return base;
}

QLinearGradient vertical(const QRectF& box, QColor top, QColor bottom) {
    QLinearGradient gradient(box.topLeft(), box.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    return gradient;
}

// The shine over the upper half of a glass surface; a pressed button's
// shine is fainter and sits lower, as if the surface were pushed in.
void drawShine(QPainter& painter, const QPainterPath& outline, const QRectF& box, Press press) {
    const qreal top = box.top() + (press == Press::Down ? 2 : 1);
    const QRectF upper(box.left(), top, box.width(), box.height() * 0.48);
    QLinearGradient shine(upper.topLeft(), upper.bottomLeft());
    const int strength = press == Press::Down ? 70 : 150;
    shine.setColorAt(0, QColor(255, 255, 255, strength));
    shine.setColorAt(1, QColor(255, 255, 255, strength / 5));
    painter.save();
    painter.setClipPath(outline);
    painter.setPen(Qt::NoPen);
    painter.setBrush(shine);
    painter.drawRect(upper);
    painter.restore();
}

}  // namespace

QImage plainButton(QSize size, QColor base, Press press) {
    QImage image = blank(size);
    QPainter painter(&image);
    const QColor face = pressed(base, press);
    const int w = size.width(), h = size.height();
    painter.fillRect(0, 0, w, h, face);
    // A pressed button swaps its light and dark edges.
    const QColor light = press == Press::Down ? face.darker(150) : face.lighter(140);
    const QColor dark = press == Press::Down ? face.lighter(140) : face.darker(150);
    painter.fillRect(1, 1, w - 2, 1, light);
    painter.fillRect(1, 1, 1, h - 2, light);
    painter.fillRect(1, h - 2, w - 2, 1, dark);
    painter.fillRect(w - 2, 1, 1, h - 2, dark);
    painter.setPen(face.darker(220));
    painter.drawRect(0, 0, w - 1, h - 1);
    return image;
}

QImage roundedButton(QSize size, QColor base, Press press) {
    QImage image = blank(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor face = pressed(base, press);
    const QRectF box(0.5, 0.5, size.width() - 1.0, size.height() - 1.0);
    const qreal radius = std::min<qreal>(9, size.height() / 3.0);
    QPainterPath outline;
    outline.addRoundedRect(box, radius, radius);
    const bool down = press == Press::Down;
    painter.setBrush(vertical(box, down ? face.darker(112) : face.lighter(128),
                              down ? face.lighter(115) : face.darker(112)));
    painter.setPen(QPen(face.darker(165), 1));
    painter.drawPath(outline);
    // A thin highlight just inside the top edge.
    painter.setPen(QPen(QColor(255, 255, 255, down ? 40 : 110), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(box.adjusted(1, 1, -1, -1), radius - 1, radius - 1);
    return image;
}

QImage glossyButton(QSize size, QColor base, Press press) {
    QImage image = blank(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor face = pressed(base, press);
    const QRectF box(0, 0, size.width(), size.height());
    QLinearGradient body(box.topLeft(), box.bottomLeft());
    body.setColorAt(0, face.lighter(115));
    body.setColorAt(0.5, face);
    body.setColorAt(0.51, face.darker(118));
    body.setColorAt(1, face.lighter(112));
    painter.fillRect(box, body);
    QPainterPath outline;
    outline.addRect(box.adjusted(1, 1, -1, -1));
    drawShine(painter, outline, box.adjusted(1, 0, -1, 0), press);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(face.darker(200));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(0, 0, size.width() - 1, size.height() - 1);
    return image;
}

QImage pillButton(QSize size, QColor base, Press press) {
    QImage image = blank(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor face = pressed(base, press);
    const QRectF box(0.5, 0.5, size.width() - 1.0, size.height() - 1.0);
    const qreal radius = box.height() / 2;
    QPainterPath outline;
    outline.addRoundedRect(box, radius, radius);
    QLinearGradient body(box.topLeft(), box.bottomLeft());
    body.setColorAt(0, face.lighter(120));
    body.setColorAt(0.55, face);
    body.setColorAt(1, face.lighter(press == Press::Down ? 105 : 135));
    painter.setBrush(body);
    painter.setPen(QPen(face.darker(170), 1));
    painter.drawPath(outline);
    QPainterPath inner;
    inner.addRoundedRect(box.adjusted(2, 1, -2, -1), radius - 1, radius - 1);
    drawShine(painter, inner, box.adjusted(3, 0, -3, 0), press);
    return image;
}

}  // namespace wendle::content
