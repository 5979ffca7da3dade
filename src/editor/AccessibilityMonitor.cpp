#include "editor/AccessibilityMonitor.h"

#include <QGuiApplication>

#include "accessibility/AccessibilityCheck.h"
#include "editor/Preview.h"
#include "editor/main.h"

namespace wendle {

AccessibilityMonitor::AccessibilityMonitor(TmainWindow& main, QObject* parent)
    : QObject(parent), main_(main) {
    timer_.setSingleShot(true);
    timer_.setInterval(kIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &AccessibilityMonitor::timeout);
}

void AccessibilityMonitor::documentChanged() {
    // A running timer already covers this change: that is what keeps the
    // checks to a few a second however fast the changes come.
    if (!timer_.isActive())
        timer_.start();
}

void AccessibilityMonitor::timeout() {
    if (QGuiApplication::mouseButtons() != Qt::NoButton) {
        timer_.start();
        return;
    }
    checkNow();
}

void AccessibilityMonitor::checkNow() {
    timer_.stop();
    if (main_.preview())
        findings_ = accessibility::checkApplet(main_.applet());
    else
        findings_.clear();
    emit findingsChanged();
}

}  // namespace wendle
