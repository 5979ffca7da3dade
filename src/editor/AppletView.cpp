#include "editor/AppletView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "editor/AppletDocument.h"
#include "editor/EditActions.h"
#include "editor/EditTexts.h"
#include "editor/GeneralTab.h"
#include "editor/main.h"
#include "model/AppletEdits.h"
#include "model/Editing.h"
#include "model/VelkForm.h"
#include "render/AppletPainter.h"
#include "render/qt/RasterImage.h"

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

AppletView::AppletView(TmainWindow& main, QWidget* parent) : QWidget(parent), main_(main) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

TVelkForm& AppletView::applet() const {
    return main_.applet();
}

QPoint AppletView::toClient(QPoint widget) const {
    return widget + QPoint(0, kToolBarStrip);
}

int AppletView::buttonAt(QPoint client) const {
    const int shown = applet().shownState();
    if (shown == 0)
        return -1;
    const auto& order = applet().stackingOrder();
    for (auto slot = order.rbegin(); slot != order.rend(); ++slot) {
        const TVelkPanel* face = applet().statePanel(shown, *slot);
        if (face && face->visible() &&
            QRect(face->left(), face->top(), face->width(), face->height()).contains(client)) {
            return *slot;
        }
    }
    return -1;
}

bool AppletView::textBoxAt(QPoint client) const {
    const TvelkTextBox& box = applet().textBox();
    return applet().textBoxVisible() &&
           QRect(box.left, box.top, box.width, box.height).contains(client);
}

QRect AppletView::boundsOf(Target target, int slot) const {
    if (target == Target::TextBox) {
        const TvelkTextBox& box = applet().textBox();
        return QRect(box.left, box.top, box.width, box.height);
    }
    const TVelkPanel& face = *applet().statePanel(1, slot);
    return QRect(face.left(), face.top(), face.width(), face.height());
}

void AppletView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // Only what the window repaints is drawn again; the raster keeps the
    // rest from earlier paints. The view's pixels are the applet's.
    const QRect dirty = event->rect();
    if (!paintApplet(applet(), raster_, applet().shownState(),
                     Rect::fromSize(dirty.x(), dirty.y(), dirty.width(), dirty.height()))) {
        painter.fillRect(rect(), Qt::white);
        return;
    }
    painter.drawImage(dirty.topLeft(), imageOver(raster_), dirty);
    // Beyond the applet (a window wider than the applet is tall) stays plain.
    const QRegion rest = QRegion(rect()) - QRect(0, 0, raster_.width(), raster_.height());
    for (const QRect& part : rest) painter.fillRect(part, palette().window());
}

void AppletView::setPointerShape(QPoint client) {
    HitZone zone = HitZone::HTCLIENT;
    if (textBoxAt(client)) {
        zone = hitTest(applet().textBox(), client.x(), client.y());
    } else if (const int slot = buttonAt(client); slot >= 0) {
        zone = hitTest(*applet().statePanel(applet().shownState(), slot), client.x(), client.y());
    }
    setCursor(cursorFor(zone));
}

void AppletView::firstUseHint() {
    if (main_.takeFirstUseFlag("Showed Preview Hint"))
        main_.openHelpTopic(48);
}

void AppletView::selectItem(int slot, Qt::KeyboardModifiers modifiers) {
    AppletDocument& document = main_.document();
    if (modifiers & (Qt::ShiftModifier | Qt::ControlModifier)) {
        if (document.isSelected(slot)) {
            document.unselect(slot);
        } else {
            document.select(slot);
        }
    } else {
        document.selectOnly(slot);
        main_.updatePropertiesWindow();
    }
    update();
}

void AppletView::mousePressEvent(QMouseEvent* event) {
    main_.editActions().endNudging();
    gesture_ = {};
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint client = toClient(event->position().toPoint());
    if (textBoxAt(client)) {
        gesture_.target = Target::TextBox;
        gesture_.zone = hitTest(applet().textBox(), client.x(), client.y());
    } else if (const int slot = buttonAt(client); slot >= 0) {
        gesture_.target = Target::Button;
        gesture_.slot = slot;
        gesture_.zone =
            hitTest(*applet().statePanel(applet().shownState(), slot), client.x(), client.y());
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
        main_.document().clearSelection();
        update();
    }
    gesture_ = {};
}

void AppletView::applyGesture(QPoint client, bool finished) {
    const QPoint delta = client - gesture_.pressClient;
    const QRect start = gesture_.startBounds;
    const bool resizing = isSizingZone(gesture_.zone);
    const QRect before = boundsOf(gesture_.target, gesture_.slot);
    const QRect moved = resizing ? resized(start, gesture_.zone, delta) : start.translated(delta);
    const Bounds bounds{moved.left(), moved.top(), moved.width(), moved.height()};
    AppletDocument& document = main_.document();
    const int slot = gesture_.slot;

    if (!document.inGesture()) {
        const bool textBox = gesture_.target == Target::TextBox;
        document.beginGesture(
            {textBox, textBox ? std::vector<int>{} : std::vector<int>{slot}, false});
    }
    // While the pointer moves, the object follows it; where it comes to
    // rest (on the grid for a moved button) is the one edit.
    if (gesture_.target == Target::TextBox) {
        if (!finished) {
            document.gestureStep(
                [bounds](TVelkForm& applet) { placeTextBox(applet, bounds, true); });
        } else {
            document.endGesture(
                resizing ? texts::edit::kResizeTextBox : texts::edit::kMoveTextBox,
                [bounds, resizing](TVelkForm& applet) { placeTextBox(applet, bounds, resizing); });
            // The hidden size fields of the General tab follow the box.
            main_.generalTab()->showTextBoxSize();
        }
    } else {
        auto follow = [slot, bounds](TVelkForm& applet) {
            SetSizeXY(applet, slot, bounds.left, bounds.top, bounds.width, bounds.height);
        };
        if (!finished) {
            document.gestureStep(follow);
        } else if (resizing) {
            document.endGesture(texts::edit::buttons(texts::edit::kResize, 1), follow);
        } else {
            document.endGesture(texts::edit::buttons(texts::edit::kMove, 1),
                                [slot, bounds](TVelkForm& applet) {
                                    dropButton(applet, slot, bounds.left, bounds.top);
                                });
        }
        if (finished)
            main_.updatePropertiesWindow();
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
    // Arrows move the selected buttons by a pixel, with Shift by the grid
    // step; a run of them is one edit, ended by any other key, a click or
    // the focus going elsewhere.
    const bool coarse = event->modifiers() & Qt::ShiftModifier;
    const int stepX = coarse ? std::max(1, applet().gridX()) : 1;
    const int stepY = coarse ? std::max(1, applet().gridY()) : 1;
    int dx = 0;
    int dy = 0;
    switch (event->key()) {
        case Qt::Key_Left:
            dx = -stepX;
            break;
        case Qt::Key_Right:
            dx = stepX;
            break;
        case Qt::Key_Up:
            dy = -stepY;
            break;
        case Qt::Key_Down:
            dy = stepY;
            break;
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_Meta:
            QWidget::keyPressEvent(event);
            return;
        default:
            main_.editActions().endNudging();
            QWidget::keyPressEvent(event);
            return;
    }
    main_.editActions().nudge(dx, dy);
    main_.updatePropertiesWindow();
    update();
}

void AppletView::focusOutEvent(QFocusEvent* event) {
    main_.editActions().endNudging();
    QWidget::focusOutEvent(event);
}

}  // namespace wendle
