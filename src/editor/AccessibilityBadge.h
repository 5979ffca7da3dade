#pragma once

#include <QObject>

class QTabWidget;
class QWidget;

namespace wendle {

// A small count of the accessibility findings on a tab (the Buttons tab):
// a round mark with the number as the tab's icon, and a tool tip that says
// where to look. Nothing shows while there are none.
class AccessibilityBadge : public QObject {
    Q_OBJECT

  public:
    AccessibilityBadge(QTabWidget& tabs, QWidget& page, QObject* parent = nullptr);

    void show(int count);
    int count() const { return count_; }

  private:
    QTabWidget& tabs_;
    QWidget& page_;
    int count_ = 0;
};

}  // namespace wendle
