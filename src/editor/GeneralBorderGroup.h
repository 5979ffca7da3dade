#pragma once

#include <QGroupBox>

class QComboBox;
class QPushButton;
class QSpinBox;

namespace wendle {

class TmainWindow;

// "Applet Border": width, style, shading and colour of the applet's border.
class GeneralBorderGroup : public QGroupBox {
    Q_OBJECT

  public:
    explicit GeneralBorderGroup(TmainWindow& main, QWidget* parent = nullptr);

    // Refill steps for the width and shading, and for the style; the caller
    // holds updatingControls.
    void showWidthAndShading();
    void showStyle();

  private:
    void eBorderWidthChange(int width);
    void cBorderStyleChange(int index);
    void eBorderShadingChange(int shading);
    void bBorderColorClick();

    TmainWindow& main_;
    QSpinBox* eBorderWidth_ = nullptr;
    QComboBox* cBorderStyle_ = nullptr;
    QSpinBox* eBorderShading_ = nullptr;
    QPushButton* bBorderColor_ = nullptr;
};

}  // namespace wendle
