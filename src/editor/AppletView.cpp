#include "editor/AppletView.h"

#include <QPainter>

#include "editor/main.h"
#include "model/VelkForm.h"

namespace wendle {

AppletView::AppletView(TmainWindow& main, TVelkForm& applet, QWidget* parent)
    : QWidget(parent), main_(main), applet_(applet) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void AppletView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const Colour bk = applet_.bkColor();
    painter.fillRect(rect(), QColor(redOf(bk), greenOf(bk), blueOf(bk)));
}

}  // namespace wendle
