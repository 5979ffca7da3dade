#pragma once

#include <QWidget>
#include <memory>

#include "model/VelkForm.h"

class QToolBar;

namespace wendle {

class TmainWindow;
class AppletView;

// "Applet Preview": an always-on-top tool window whose client area is the
// 25-pixel tool bar above the applet drawn at its real size. It owns the
// current applet; replacing the document replaces this window.
class TPreviewWindow : public QWidget {
    Q_OBJECT

  public:
    TPreviewWindow(TmainWindow& main, std::unique_ptr<TVelkForm> applet, QWidget* parent = nullptr);
    ~TPreviewWindow() override;

    TVelkForm& applet() { return *applet_; }
    AppletView* view() const { return view_; }

    // Sizes the window's client area to the applet's client size.
    void followAppletSize();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    TmainWindow& main_;
    std::unique_ptr<TVelkForm> applet_;
    QToolBar* ToolBar1_ = nullptr;
    AppletView* view_ = nullptr;
};

}  // namespace wendle
