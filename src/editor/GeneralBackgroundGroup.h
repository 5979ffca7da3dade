#pragma once

#include <QGroupBox>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QToolButton;

namespace wendle {

class TmainWindow;

// "Applet Background": colour or gradient, background image and where the
// image is placed.
class GeneralBackgroundGroup : public QGroupBox {
    Q_OBJECT

  public:
    explicit GeneralBackgroundGroup(TmainWindow& main, QWidget* parent = nullptr);

    // Refill steps for the image (its name, placement and position) and for
    // the gradient; the caller holds updatingControls.
    void showImage();
    void showGradient();

  private:
    void bBkColorClick();
    void chkGradientClick(bool checked);
    void bGradientColorClick();
    void eBkImageChange(const QString& text);
    void bBkImageBrowseClick();
    void cImageAlignChange(int index);
    void eImageXChange(int x);
    void eImageYChange(int y);
    void enableImagePosition(int imageStyle);

    TmainWindow& main_;
    QPushButton* bBkColor_ = nullptr;
    QCheckBox* chkGradient_ = nullptr;
    QPushButton* bGradientColor_ = nullptr;
    QLineEdit* eBkImage_ = nullptr;
    QToolButton* bBkImageBrowse_ = nullptr;
    QComboBox* cImageAlign_ = nullptr;
    QSpinBox* eImageX_ = nullptr;
    QSpinBox* eImageY_ = nullptr;
};

}  // namespace wendle
