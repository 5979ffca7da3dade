#pragma once

#include <QGroupBox>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QPushButton;
class QSpinBox;

namespace wendle {

class TmainWindow;
class GeneralTab;

// "Text Box": whether the applet shows its text box, and the text box's
// font, size, style and colour.
class TextBoxGroup : public QGroupBox {
    Q_OBJECT

  public:
    TextBoxGroup(TmainWindow& main, GeneralTab& tab, QWidget* parent = nullptr);

    // Refill steps 5 to 9: font, shown state, size, style and the panel's
    // width and height; the caller holds updatingControls.
    void refill();
    // Shows the applet's values without the refill's effect on it.
    void showValues();
    // Writes the text box panel's width and height into the two hidden size
    // fields (the caller holds updatingControls).
    void showTextBoxSize();
    // Every text box setting needs the text box on to show: when it is off,
    // asks whether to turn it on. True when it is on (now).
    bool ensureTextBoxShown();

  private:
    void cfont2Change(int index);
    void cfontsize2Change(int index);
    void fontStyleClick(int style);
    void SpeedButton3Click();
    void textBoxBkColorClick();
    void textBoxBorderColorClick();
    void CheckBox2Click(bool checked);
    // Puts the font controls back to the applet's values (a declined change).
    void showFont();

    TmainWindow& main_;
    GeneralTab& tab_;
    QComboBox* cfont2_ = nullptr;
    QComboBox* cfontsize2_ = nullptr;
    QButtonGroup* fontStyles_ = nullptr;
    QPushButton* SpeedButton3_ = nullptr;
    QPushButton* bTextBoxBkColor_ = nullptr;
    QPushButton* bTextBoxBorderColor_ = nullptr;
    QCheckBox* CheckBox2_ = nullptr;
    QSpinBox* SpinEdit1_ = nullptr;
    QSpinBox* SpinEdit2_ = nullptr;
};

}  // namespace wendle
