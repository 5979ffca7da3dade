#pragma once

#include <QPoint>
#include <QRect>
#include <QWidget>

#include "render/HitTest.h"
#include "render/Raster.h"

namespace wendle {

class TmainWindow;
class TVelkForm;

// The applet area of the preview: draws the applet exactly as the page will
// and lets the user select, move and resize buttons and the text box with
// the pointer. Widget coordinates (0, 0) are preview client (0, 25).
class AppletView : public QWidget {
    Q_OBJECT

  public:
    explicit AppletView(TmainWindow& main, QWidget* parent = nullptr);

    // The slot of the shown face under a point in preview client
    // coordinates, front to back; -1 for none.
    int buttonAt(QPoint client) const;
    bool textBoxAt(QPoint client) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    enum class Target { None, Button, TextBox };
    // What a pointer press started: moving or resizing one object.
    struct Gesture {
        Target target = Target::None;
        int slot = -1;
        HitZone zone = HitZone::HTCLIENT;
        QPoint pressClient;  // where the press was, preview client coordinates
        QRect startBounds;   // the object's bounds then
        bool moved = false;  // the pointer moved with the button held
    };

    QPoint toClient(QPoint widget) const;
    QRect boundsOf(Target target, int slot) const;
    void setPointerShape(QPoint client);
    void selectItem(int slot, Qt::KeyboardModifiers modifiers);
    void applyGesture(QPoint client, bool finished);
    void firstUseHint();

    TVelkForm& applet() const;

    TmainWindow& main_;
    Raster raster_;
    Gesture gesture_;
};

}  // namespace wendle
