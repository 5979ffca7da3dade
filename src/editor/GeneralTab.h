#pragma once

#include <QWidget>

namespace wendle {

class TmainWindow;
class GeneralDimensionsGroup;
class GeneralBackgroundGroup;
class GeneralBorderGroup;
class TextBoxGroup;

// The main window's "General" tab: the applet's size, background, border
// and text box. Every change applies at once through the applet's setters.
class GeneralTab : public QWidget {
    Q_OBJECT

  public:
    explicit GeneralTab(TmainWindow& main, QWidget* parent = nullptr);

    // UpDateGeneralWindow: refill every control from the applet. The caller
    // holds updatingControls, so no handler takes the refill for an edit.
    void refill();
    // Shows the applet's values again (after undo or redo) without the
    // refill's effect on the applet.
    void showValues();

    // The preview was resized: the two size fields show the applet's size.
    // Sets updatingControls itself.
    void showAppletSize();
    // The text box was resized in the preview: the hidden width and height
    // fields follow. Sets updatingControls itself.
    void showTextBoxSize();
    // Before a text box setting is changed elsewhere (the text-box message
    // of a button): when the text box is off, asks whether to turn it on and
    // on Yes turns it on through "Show Text Box". True when it is on.
    bool ensureTextBoxShown();

  private:
    TmainWindow& main_;
    GeneralDimensionsGroup* dimensions_ = nullptr;
    GeneralBackgroundGroup* background_ = nullptr;
    GeneralBorderGroup* border_ = nullptr;
    TextBoxGroup* textBox_ = nullptr;
};

}  // namespace wendle
