#pragma once

#include <QWidget>

namespace wendle {

class TmainWindow;

// The main window's "General" tab: the applet's size, background, border
// and text box.
class GeneralTab : public QWidget {
    Q_OBJECT

  public:
    explicit GeneralTab(TmainWindow& main, QWidget* parent = nullptr);

    // UpDateGeneralWindow: refill every control from the applet.
    void refill();

  private:
    TmainWindow& main_;
};

}  // namespace wendle
