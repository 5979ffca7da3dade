#pragma once

#include <QPixmap>
#include <QProxyStyle>

namespace wendle {

// The desktop's style, drawing what it draws, but without loading every
// image plugin on the system at start-up. Qt finds the format of a picture
// it is not told the format of by asking each plugin whether it reads the
// file, which loads them all; two of Fusion's own pictures are looked up so
// while the first window paints:
//  - the overflow buttons of the menu bar and the tool bars get their
//    picture when they first show it, which a wide enough window never does;
//  - Fusion's group box frame is drawn here from its picture read as PNG.
class EditorStyle : public QProxyStyle {
  public:
    // A fresh instance of the style named key (what the application chose
    // from the desktop, the command line or the environment).
    explicit EditorStyle(const QString& key);

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

  private:
    bool fusion_;
    mutable QPixmap groupBoxFrame_;
};

}  // namespace wendle
