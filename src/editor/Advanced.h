#pragma once

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;

namespace wendle {

class TmainWindow;

// "Advanced Options": the HTML shown by browsers without the applet, and
// the message (with its colours) the applet shows while it loads. Every
// change applies at once; the window is modal and lives while it is open.
class TAdvancedWindow : public QDialog {
    Q_OBJECT

  public:
    explicit TAdvancedWindow(TmainWindow& main, QWidget* parent = nullptr);

    // The "&Advanced" command of the Options menu: opens the window modally
    // over the main window and destroys it when it closes.
    static void run(TmainWindow& main);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void mAltHTMLChange();
    void eLoadingMessageChange(const QString& text);
    void bFontColorClick();
    void bBackgroundColorClick();

    TmainWindow& main_;
    QPlainTextEdit* mAltHTML_ = nullptr;
    QLineEdit* eLoadingMessage_ = nullptr;
};

}  // namespace wendle
