#include "Icons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace wendle::content {

namespace {

QImage blank(int side) {
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void drawCapsule(QPainter& painter, const QRectF& box, QColor colour, bool lit) {
    const qreal r = box.height() / 2;
    QLinearGradient body(box.topLeft(), box.bottomLeft());
    body.setColorAt(0, colour.lighter(lit ? 150 : 130));
    body.setColorAt(1, colour.darker(lit ? 100 : 115));
    painter.setBrush(body);
    painter.setPen(lit ? QPen(QColor(255, 255, 255), box.height() * 0.12)
                       : QPen(colour.darker(160), box.height() * 0.05));
    painter.drawRoundedRect(box, r, r);
}

}  // namespace

QImage applicationIcon(int side) {
    QImage image = blank(side);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = side;
    const QRectF tile(s * 0.04, s * 0.04, s * 0.92, s * 0.92);
    QLinearGradient ground(tile.topLeft(), tile.bottomRight());
    ground.setColorAt(0, QColor(66, 104, 214));
    ground.setColorAt(1, QColor(28, 36, 110));
    painter.setBrush(ground);
    painter.setPen(QPen(QColor(20, 26, 80), s * 0.02));
    painter.drawRoundedRect(tile, s * 0.18, s * 0.18);

    const QColor colours[] = {QColor(240, 140, 30), QColor(70, 180, 80), QColor(80, 170, 240)};
    for (int i = 0; i < 3; ++i) {
        const QRectF box(s * 0.17, s * (0.17 + i * 0.23), s * 0.66, s * 0.17);
        drawCapsule(painter, box, colours[i], i == 1);
    }
    return image;
}

QImage documentIcon(int side) {
    QImage image = blank(side);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = side;
    const qreal left = s * 0.16, top = s * 0.06, right = s * 0.84, bottom = s * 0.94;
    const qreal fold = s * 0.2;
    QPainterPath page;
    page.moveTo(left, top);
    page.lineTo(right - fold, top);
    page.lineTo(right, top + fold);
    page.lineTo(right, bottom);
    page.lineTo(left, bottom);
    page.closeSubpath();
    painter.setBrush(QColor(252, 252, 250));
    painter.setPen(QPen(QColor(130, 134, 142), s * 0.025));
    painter.drawPath(page);
    QPainterPath corner;
    corner.moveTo(right - fold, top);
    corner.lineTo(right - fold, top + fold);
    corner.lineTo(right, top + fold);
    painter.setBrush(QColor(220, 222, 228));
    painter.drawPath(corner);

    const QColor colours[] = {QColor(240, 140, 30), QColor(70, 180, 80), QColor(80, 170, 240)};
    const qreal barTop = top + fold + s * 0.06, width = (right - left - s * 0.12) / 3;
    for (int i = 0; i < 3; ++i) {
        const QRectF box(left + s * 0.04 + i * (width + s * 0.02), barTop, width, s * 0.11);
        drawCapsule(painter, box, colours[i], false);
    }
    painter.setPen(QPen(QColor(180, 184, 192), s * 0.035, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 4; ++i) {
        const qreal y = barTop + s * (0.22 + i * 0.11);
        const qreal end = i == 3 ? left + (right - left) * 0.55 : right - s * 0.08;
        painter.drawLine(QPointF(left + s * 0.08, y), QPointF(end, y));
    }
    return image;
}

}  // namespace wendle::content
