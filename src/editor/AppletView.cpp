#include "editor/AppletView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "editor/GeneralTab.h"
#include "editor/main.h"
#include "model/Editing.h"
#include "model/VelkForm.h"
#include "render/AppletPainter.h"

namespace wendle {

namespace {

Qt::CursorShape cursorFor(HitZone zone) {
    switch (zone) {
        case HitZone::HTLEFT:
        case HitZone::HTRIGHT:
            return Qt::SizeHorCursor;
        case HitZone::HTTOP:
        case HitZone::HTBOTTOM:
            return Qt::SizeVerCursor;
        case HitZone::HTTOPLEFT:
        case HitZone::HTBOTTOMRIGHT:
            return Qt::SizeFDiagCursor;
        case HitZone::HTTOPRIGHT:
        case HitZone::HTBOTTOMLEFT:
            return Qt::SizeBDiagCursor;
        case HitZone::HTCLIENT:
            break;
    }
    return Qt::ArrowCursor;
}

// The bounds a resize from zone gives, the pointer having moved by delta.
QRect resized(const QRect& start, HitZone zone, QPoint delta) {
    int left = start.left();
    int top = start.top();
    int right = start.left() + start.width();
    int bottom = start.top() + start.height();
    const bool westward =
        zone == HitZone::HTLEFT || zone == HitZone::HTTOPLEFT || zone == HitZone::HTBOTTOMLEFT;
    const bool eastward =
        zone == HitZone::HTRIGHT || zone == HitZone::HTTOPRIGHT || zone == HitZone::HTBOTTOMRIGHT;
    const bool northward =
        zone == HitZone::HTTOP || zone == HitZone::HTTOPLEFT || zone == HitZone::HTTOPRIGHT;
    const bool southward = zone == HitZone::HTBOTTOM || zone == HitZone::HTBOTTOMLEFT ||
                           zone == HitZone::HTBOTTOMRIGHT;
    // An edge never passes the opposite one: the object keeps a size of 1.
    if (westward)
        left = std::min(left + delta.x(), right - 1);
    if (eastward)
        right = std::max(right + delta.x(), left + 1);
    if (northward)
        top = std::min(top + delta.y(), bottom - 1);
    if (southward)
        bottom = std::max(bottom + delta.y(), top + 1);
    return QRect(left, top, right - left, bottom - top);
}

}  // namespace

AppletView::AppletView(TmainWindow& main, TVelkForm& applet, QWidget* parent)
    : QWidget(parent), main_(main), applet_(applet) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

QPoint AppletView::toClient(QPoint widget) const {
    return widget + QPoint(0, kToolBarStrip);
}

int AppletView::buttonAt(QPoint client) const {
    const int shown = applet_.shownState();
    if (shown == 0)
        return -1;
    const auto& order = applet_.stackingOrder();
    for (auto slot = order.rbegin(); slot != order.rend(); ++slot) {
        const TVelkPanel* face = applet_.statePanel(shown, *slot);
        if (face && face->visible() &&
            QRect(face->left(), face->top(), face->width(), face->height()).contains(client)) {
            return *slot;
        }
    }
    return -1;
}

bool AppletView::textBoxAt(QPoint client) const {
    const TvelkTextBox& box = applet_.textBox();
    return applet_.textBoxVisible() &&
           QRect(box.left, box.top, box.width, box.height).contains(client);
}

QRect AppletView::boundsOf(Target target, int slot) const {
    if (target == Target::TextBox) {
        const TvelkTextBox& box = applet_.textBox();
        return QRect(box.left, box.top, box.width, box.height);
    }
    const TVelkPanel& face = *applet_.statePanel(1, slot);
    return QRect(face.left(), face.top(), face.width(), face.height());
}

void AppletView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // Only what the window repaints is drawn again; the raster keeps the
    // rest from earlier paints. The view's pixels are the applet's.
    const QRect dirty = event->rect();
    if (!paintApplet(applet_, raster_, applet_.shownState(),
                     Rect::fromSize(dirty.x(), dirty.y(), dirty.width(), dirty.height()))) {
        painter.fillRect(rect(), Qt::white);
        return;
    }
    painter.drawImage(dirty.topLeft(), raster_.image(), dirty);
    // Beyond the applet (a window wider than the applet is tall) stays plain.
    const QRegion rest = QRegion(rect()) - QRect(0, 0, raster_.width(), raster_.height());
    for (const QRect& part : rest) painter.fillRect(part, palette().window());
}

void AppletView::setPointerShape(QPoint client) {
    HitZone zone = HitZone::HTCLIENT;
    if (textBoxAt(client)) {
        zone = hitTest(applet_.textBox(), client.x(), client.y());
    } else if (const int slot = buttonAt(client); slot >= 0) {
        zone = hitTest(*applet_.statePanel(applet_.shownState(), slot), client.x(), client.y());
    }
    setCursor(cursorFor(zone));
}

void AppletView::firstUseHint() {
    if (main_.takeFirstUseFlag("Showed Preview Hint"))
        main_.openHelpTopic(48);
}

void AppletView::selectItem(int slot, Qt::KeyboardModifiers modifiers) {
    if (modifiers & (Qt::ShiftModifier | Qt::ControlModifier)) {
        if (applet_.statePanel(1, slot)->selected()) {
            UnselectOneItem(applet_, slot);
        } else {
            SelectOneItem(applet_, slot);
        }
    } else {
        UnselectAll(applet_);
        SelectOneItem(applet_, slot);
        main_.updatePropertiesWindow();
    }
    update();
}

void AppletView::mousePressEvent(QMouseEvent* event) {
    gesture_ = {};
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint client = toClient(event->position().toPoint());
    if (textBoxAt(client)) {
        gesture_.target = Target::TextBox;
        gesture_.zone = hitTest(applet_.textBox(), client.x(), client.y());
    } else if (const int slot = buttonAt(client); slot >= 0) {
        gesture_.target = Target::Button;
        gesture_.slot = slot;
        gesture_.zone =
            hitTest(*applet_.statePanel(applet_.shownState(), slot), client.x(), client.y());
    }
    gesture_.pressClient = client;
    if (gesture_.target != Target::None)
        gesture_.startBounds = boundsOf(gesture_.target, gesture_.slot);
}

void AppletView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint client = toClient(event->position().toPoint());
    firstUseHint();
    if (!(event->buttons() & Qt::LeftButton) || gesture_.target == Target::None) {
        setPointerShape(client);
        return;
    }
    if (!gesture_.moved) {
        if ((client - gesture_.pressClient).manhattanLength() == 0)
            return;
        gesture_.moved = true;
        // A drag selects like a click: a plain drag takes the button alone.
        if (gesture_.target == Target::Button)
            selectItem(gesture_.slot, event->modifiers());
    }
    applyGesture(client, false);
}

void AppletView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint client = toClient(event->position().toPoint());
    const Gesture gesture = gesture_;
    if (gesture.moved) {
        applyGesture(client, true);
    } else if (gesture.target == Target::Button) {
        selectItem(gesture.slot, event->modifiers());
    } else if (gesture.target == Target::None && buttonAt(client) < 0 && !textBoxAt(client)) {
        UnselectAll(applet_);
        update();
    }
    gesture_ = {};
}

void AppletView::applyGesture(QPoint client, bool finished) {
    const QPoint delta = client - gesture_.pressClient;
    const QRect start = gesture_.startBounds;
    const bool resizing = isSizingZone(gesture_.zone);
    const QRect before = boundsOf(gesture_.target, gesture_.slot);
    QRect bounds = resizing ? resized(start, gesture_.zone, delta) : start.translated(delta);

    if (gesture_.target == Target::TextBox) {
        TvelkTextBox& box = applet_.textBox();
        box.setBounds(bounds.left(), bounds.top(), bounds.width(), bounds.height());
        if (finished) {
            if (!resizing) {
                applet_.setTextBoxBounds({box.left, box.top, box.width, box.height});
            }
            applet_.setModified(true);
            // The hidden size fields of the General tab follow the box.
            main_.generalTab()->showTextBoxSize();
        }
    } else if (resizing) {
        SetSizeXY(applet_, gesture_.slot, bounds.left(), bounds.top(), bounds.width(),
                  bounds.height());
        if (finished) {
            applet_.setModified(true);
            main_.updatePropertiesWindow();
        }
    } else if (finished) {
        // Snapping happens where the button comes to rest.
        dropButton(applet_, gesture_.slot, bounds.left(), bounds.top());
        main_.updatePropertiesWindow();
    } else {
        SetSizeXY(applet_, gesture_.slot, bounds.left(), bounds.top(), bounds.width(),
                  bounds.height());
    }
    if (finished) {
        update();
        return;
    }
    // While the pointer moves, only the item's old and new places change.
    const QPoint toView(0, -kToolBarStrip);
    update(QRegion(before.translated(toView)) +
           boundsOf(gesture_.target, gesture_.slot).translated(toView));
}

void AppletView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const int slot = buttonAt(toClient(event->position().toPoint()));
    if (slot < 0)
        return;
    selectItem(slot, Qt::NoModifier);
    main_.showButtonProperties();
}

void AppletView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete) {
        main_.deleteButtons();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace wendle
