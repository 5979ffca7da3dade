#pragma once

#include <QGroupBox>

class QComboBox;
class QSpinBox;

namespace wendle {

class TmainWindow;
class GeneralTab;

// "Applet Dimensions": the applet's width and height, and the automatic
// arrangement of the buttons ("Alignment").
class GeneralDimensionsGroup : public QGroupBox {
    Q_OBJECT

  public:
    GeneralDimensionsGroup(TmainWindow& main, GeneralTab& tab, QWidget* parent = nullptr);

    // Writes the applet's size into the two size fields (the caller holds
    // updatingControls).
    void showAppletSize();
    // The arrangement is an action, not a setting: a refill shows "Free".
    void showFreeArrangement();

  private:
    void eAppletWidthChange(int width);
    void eAppletHeightChange(int height);
    void ComboBox1Change(int index);
    void appletSizeTyped(int clientWidth, int clientHeight);

    TmainWindow& main_;
    GeneralTab& tab_;
    QSpinBox* eAppletWidth_ = nullptr;
    QSpinBox* eAppletHeight_ = nullptr;
    QComboBox* ComboBox1_ = nullptr;
};

}  // namespace wendle
