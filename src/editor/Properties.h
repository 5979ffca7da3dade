#pragma once

#include <QWidget>

namespace wendle {

class TmainWindow;

// "Button Properties": edits the selected buttons, one tab per state.
class TPropertiesWindow : public QWidget {
    Q_OBJECT

  public:
    explicit TPropertiesWindow(TmainWindow& main, QWidget* parent = nullptr);

    // Refills every control from the first selected button.
    void updatePropertiesWindow();
    // Ticks or clears "Apply all changes to ..." (CheckBox3).
    void setApplyToAllStates(bool on);

  private:
    TmainWindow& main_;
};

}  // namespace wendle
