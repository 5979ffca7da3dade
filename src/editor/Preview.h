#pragma once

#include <QWidget>
#include <memory>

#include "model/VelkForm.h"

class QToolBar;

namespace wendle {

class TmainWindow;
class AppletView;

// "Applet Preview": a tool window of the main window whose client area is the
// 25-pixel tool bar above the applet drawn at its real size. A view of the
// document: it is built once and follows the applet the document holds.
class TPreviewWindow : public QWidget {
    Q_OBJECT

  public:
    TPreviewWindow(TmainWindow& main, QWidget* parent = nullptr);
    ~TPreviewWindow() override;

    TVelkForm& applet();
    AppletView* view() const { return view_; }

    // Sizes the window's client area to the applet's client size; a shown
    // window stays inside the available screen area.
    void followAppletSize();
    // Places the window beside the owner's frame (right of it where it fits,
    // else left), inside the available screen area.
    void placeBeside(const QRect& owner);
    // Moves the window back inside the available screen area.
    void keepOnScreen();

  protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    QRect availableArea(const QPoint& near) const;

    TmainWindow& main_;
    QToolBar* ToolBar1_ = nullptr;
    AppletView* view_ = nullptr;
    // Set once the user has reached the window (pointer or keys) since the
    // program last sized or showed it: only then is a new size theirs.
    bool userMayResize_ = false;
};

}  // namespace wendle
