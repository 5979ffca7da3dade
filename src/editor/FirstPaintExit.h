#pragma once

#include <QObject>
#include <QSet>

class QWidget;

namespace wendle {

// With WENDLE_EXIT_AFTER_FIRST_PAINT=1 in the environment, the editor quits
// as soon as each of the watched widgets (the main window and the preview)
// has painted once, so that start-up can be timed from outside.
class FirstPaintExit : public QObject {
    Q_OBJECT

  public:
    // Watches the widgets when the environment asks for it; otherwise does
    // nothing.
    static void watchIfAsked(std::initializer_list<QWidget*> widgets);

    static constexpr const char* kVariable = "WENDLE_EXIT_AFTER_FIRST_PAINT";

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    explicit FirstPaintExit(std::initializer_list<QWidget*> widgets);

    QSet<QObject*> waiting_;
};

}  // namespace wendle
