#pragma once

#include <QWidget>

namespace wendle {

class TmainWindow;
class TVelkForm;

// The applet area of the preview: draws the applet exactly as the page will
// and lets the user select, move and resize buttons and the text box.
class AppletView : public QWidget {
    Q_OBJECT

  public:
    AppletView(TmainWindow& main, TVelkForm& applet, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    TmainWindow& main_;
    TVelkForm& applet_;
};

}  // namespace wendle
