#include "SmallArt.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

namespace wendle::content {

namespace {

QImage blank(int side) {
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// The outline of a star with five points inside the square.
QPainterPath starPath(qreal side) {
    QPainterPath path;
    const QPointF centre(side / 2, side / 2 + side * 0.04);
    const qreal outer = side * 0.48, inner = side * 0.2;
    for (int i = 0; i < 10; ++i) {
        const qreal angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const qreal r = i % 2 ? inner : outer;
        const QPointF point = centre + QPointF(std::cos(angle) * r, std::sin(angle) * r);
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

}  // namespace

QImage arrow(int side, QColor colour, Direction direction) {
    QImage image = blank(side);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = side;
    // Drawn pointing right, then turned.
    QPainterPath head;
    head.moveTo(s * 0.3, s * 0.15);
    head.lineTo(s * 0.82, s * 0.5);
    head.lineTo(s * 0.3, s * 0.85);
    head.closeSubpath();
    painter.translate(s / 2, s / 2);
    const int turns[] = {180, 0, 270, 90};
    painter.rotate(turns[int(direction)]);
    painter.translate(-s / 2, -s / 2);
    painter.setPen(QPen(colour.lightness() > 160 ? colour.darker(180) : colour.darker(140), 1));
    painter.setBrush(colour);
    painter.drawPath(head);
    return image;
}

QImage bullet(int side, QColor colour, BulletShape shape) {
    QImage image = blank(side);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = side;
    const QRectF box(1, 1, s - 2, s - 2);
    QRadialGradient shade(box.center() - QPointF(s * 0.18, s * 0.18), s * 0.7);
    shade.setColorAt(0, colour.lighter(170));
    shade.setColorAt(0.45, colour);
    shade.setColorAt(1, colour.darker(160));
    painter.setBrush(shade);
    painter.setPen(QPen(colour.darker(200), 1));
    switch (shape) {
        case BulletShape::Ball:
            painter.drawEllipse(box);
            break;
        case BulletShape::Square:
            painter.drawRoundedRect(box.adjusted(1, 1, -1, -1), 2, 2);
            break;
        case BulletShape::Diamond: {
            const QPointF points[] = {
                {s / 2, 0.5}, {s - 0.5, s / 2}, {s / 2, s - 0.5}, {0.5, s / 2}};
            painter.drawPolygon(points, 4);
            break;
        }
        case BulletShape::Star:
            painter.drawPath(starPath(s));
            break;
        case BulletShape::Tick: {
            QPainterPath tick;
            tick.moveTo(s * 0.12, s * 0.55);
            tick.lineTo(s * 0.4, s * 0.82);
            tick.lineTo(s * 0.9, s * 0.2);
            painter.setBrush(Qt::NoBrush);
            painter.setPen(
                QPen(colour.darker(130), s * 0.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter.drawPath(tick);
            break;
        }
    }
    return image;
}

}  // namespace wendle::content
