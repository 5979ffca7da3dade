#include "editor/FirstPaintExit.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace wendle {

void FirstPaintExit::watchIfAsked(std::initializer_list<QWidget*> widgets) {
    if (qEnvironmentVariable(kVariable) != QLatin1String("1"))
        return;
    // Lives as long as the application.
    new FirstPaintExit(widgets);
}

FirstPaintExit::FirstPaintExit(std::initializer_list<QWidget*> widgets)
    : QObject(QCoreApplication::instance()) {
    for (QWidget* widget : widgets) {
        waiting_.insert(widget);
        widget->installEventFilter(this);
    }
}

bool FirstPaintExit::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && waiting_.remove(watched)) {
        watched->removeEventFilter(this);
        // After this paint has reached the screen. Leaving the event loop,
        // not quitting: quitting asks every window to close, and the
        // preview refuses.
        if (waiting_.isEmpty())
            QTimer::singleShot(0, QCoreApplication::instance(), [] { QCoreApplication::exit(0); });
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace wendle
