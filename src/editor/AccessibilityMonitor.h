#pragma once

#include <QObject>
#include <QTimer>
#include <vector>

#include "accessibility/Finding.h"

namespace wendle {

class TmainWindow;

// Keeps the accessibility findings of the current applet. A change only
// asks for a check: the check runs from a timer, at most a few times a
// second, and never while a mouse button is held (a drag draws the preview
// on every move; the check waits for the drop).
class AccessibilityMonitor : public QObject {
    Q_OBJECT

  public:
    static constexpr int kIntervalMs = 300;

    explicit AccessibilityMonitor(TmainWindow& main, QObject* parent = nullptr);

    // The applet changed; a check follows within kIntervalMs.
    void documentChanged();
    // Checks at once.
    void checkNow();
    bool pending() const { return timer_.isActive(); }

    const std::vector<accessibility::Finding>& findings() const { return findings_; }

  signals:
    void findingsChanged();

  private:
    void timeout();

    TmainWindow& main_;
    QTimer timer_;
    std::vector<accessibility::Finding> findings_;
};

}  // namespace wendle
