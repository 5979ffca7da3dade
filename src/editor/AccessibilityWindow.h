#pragma once

#include <QWidget>
#include <optional>

#include "accessibility/Finding.h"

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace wendle {

class TmainWindow;
class AccessibilityMonitor;

// "Accessibility Check": the findings of the current applet grouped by
// button. Choosing a finding selects its button and shows its state in the
// preview; "Fix" applies the chosen finding's fix and "Fix All" every fix,
// each as one edit. The list follows the monitor's checks.
class AccessibilityWindow : public QWidget {
    Q_OBJECT

  public:
    AccessibilityWindow(TmainWindow& main, AccessibilityMonitor& monitor,
                        QWidget* parent = nullptr);

    // The finding shown as current in the list, if any.
    const accessibility::Finding* currentFinding() const;
    // Makes the finding at this place in the monitor's list the current one.
    void chooseFinding(std::size_t index);

    void fixCurrent();
    void fixAll();

  private:
    void rebuild();
    void currentChanged();
    void showFinding(const accessibility::Finding& finding);
    // Applies a fix as one edit named name.
    void applyEdits(const accessibility::Fix& fix, const QString& name);
    QTreeWidgetItem* itemOf(std::size_t index) const;

    TmainWindow& main_;
    AccessibilityMonitor& monitor_;
    QTreeWidget* tree_ = nullptr;
    QLabel* summary_ = nullptr;
    QLabel* fixText_ = nullptr;
    QPushButton* fix_ = nullptr;
    QPushButton* fixAll_ = nullptr;
    // What was current before the list was rebuilt, to choose it again.
    std::optional<accessibility::Finding> remembered_;
};

}  // namespace wendle
