#include "editor/AccessibilityBadge.h"

#include <QFont>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QTabWidget>

#include "editor/AccessibilityTexts.h"

namespace wendle {

namespace {

QIcon badgeIcon(int count) {
    QPixmap pixmap(18, 18);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(176, 0, 32));
    painter.drawEllipse(QRectF(0.5, 0.5, 17, 17));
    QFont font = painter.font();
    font.setPixelSize(count > 99 ? 8 : 11);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, count > 99 ? "99+" : QString::number(count));
    return QIcon(pixmap);
}

}  // namespace

AccessibilityBadge::AccessibilityBadge(QTabWidget& tabs, QWidget& page, QObject* parent)
    : QObject(parent), tabs_(tabs), page_(page) {}

void AccessibilityBadge::show(int count) {
    count_ = count;
    const int index = tabs_.indexOf(&page_);
    if (index < 0)
        return;
    tabs_.setTabIcon(index, count > 0 ? badgeIcon(count) : QIcon());
    tabs_.setTabToolTip(index, count > 0 ? QString(texts::kBadgeTip).arg(count) : QString());
}

}  // namespace wendle
