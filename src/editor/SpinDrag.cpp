#include "editor/SpinDrag.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QSpinBox>

namespace wendle {

void SpinDrag::attach(QSpinBox* field) {
    new SpinDrag(field);
}

SpinDrag::SpinDrag(QSpinBox* field) : QObject(field), field_(field) {
    field->installEventFilter(this);
    // The text part of a spin box is a child of its own and takes the
    // presses made on the digits.
    if (auto* text = field->findChild<QLineEdit*>())
        text->installEventFilter(this);
}

bool SpinDrag::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto* press = static_cast<QMouseEvent*>(event);
            if (press->button() == Qt::LeftButton) {
                startValue_ = field_->value();
                dragging_ = true;
            }
            break;
        }
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
                dragging_ = false;
            break;
        case QEvent::MouseMove: {
            auto* move = static_cast<QMouseEvent*>(event);
            if (!dragging_ || !(move->buttons() & Qt::LeftButton))
                break;
            auto* source = qobject_cast<QWidget*>(watched);
            // The text part lies inside the field; measure from the field's
            // own edges.
            QPoint at = move->position().toPoint();
            if (source && source != field_)
                at = source->mapTo(field_, at);
            const int y = at.y();
            if (y < 0)
                field_->setValue(startValue_ - y);
            else if (y > field_->height())
                field_->setValue(startValue_ - (y - field_->height()));
            break;
        }
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace wendle
