#pragma once

#include <QObject>

class QSpinBox;

namespace wendle {

// Lets the user change a numeric field with the mouse: press the left
// button on the field and drag the pointer above it to count up, below it
// to count down, one step per pixel of distance from the field's edge. The
// field keeps the value within its range and its change handler applies it
// as if it had been typed.
class SpinDrag : public QObject {
    Q_OBJECT

  public:
    // Gives the field this behaviour for as long as it lives.
    static void attach(QSpinBox* field);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    explicit SpinDrag(QSpinBox* field);

    QSpinBox* field_;
    int startValue_ = 0;
    bool dragging_ = false;
};

}  // namespace wendle
