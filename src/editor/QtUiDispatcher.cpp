#include "editor/QtUiDispatcher.h"

#include <QMetaObject>
#include <QObject>

namespace wendle {

QtUiDispatcher::QtUiDispatcher(QObject* guiObject) : guiObject_(guiObject) {}

void QtUiDispatcher::post(std::function<void()> call) {
    QMetaObject::invokeMethod(guiObject_, std::move(call), Qt::QueuedConnection);
}

}  // namespace wendle
