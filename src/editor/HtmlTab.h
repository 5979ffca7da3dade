#pragma once

#include <QStringList>
#include <QWidget>

class QPlainTextEdit;
class QLabel;

namespace wendle {

class TmainWindow;

// The main window's "HTML" tab: the HTML block in a read-only pane, the copy
// button and the notes about the files a page needs.
class HtmlTab : public QWidget {
    Q_OBJECT

  public:
    explicit HtmlTab(TmainWindow& main, QWidget* parent = nullptr);

    // Replaces the pane's lines.
    void setLines(const QStringList& lines);
    // The pane's current lines (what the document and the test page take).
    QStringList lines() const;
    QPlainTextEdit* htmlBox() const { return htmlBox_; }

    QPlainTextEdit* webBox() const { return webBox_; }
    // Fills the "Web" pane with the snippet of the bar as it is now.
    void showWebSnippet();

  signals:
    void imagesAndSoundsClicked();
    void classFilesClicked();
    void publishWebClicked();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void copyToClipboard();
    QWidget* buildWebPane();

    TmainWindow& main_;
    QPlainTextEdit* htmlBox_ = nullptr;
    QPlainTextEdit* webBox_ = nullptr;
    bool fixedFontSet_ = false;
};

}  // namespace wendle
