#pragma once

#include <QStringList>

#include "editor/LazyPage.h"

class QPlainTextEdit;
class QLabel;

namespace wendle {

class TmainWindow;

// The main window's "HTML" tab: the HTML block in a read-only pane, the copy
// button and the notes about the files a page needs. Its controls are built
// when it first shows, or when asked for; until then it keeps the lines
// it is given.
class HtmlTab : public LazyPage {
    Q_OBJECT

  public:
    explicit HtmlTab(TmainWindow& main, QWidget* parent = nullptr);

    // Replaces the pane's lines.
    void setLines(const QStringList& lines);
    // The pane's current lines (what the document and the test page take).
    QStringList lines() const;
    // Fills the "Web" pane with the snippet of the bar as it is now.
    void showWebSnippet();

  signals:
    void imagesAndSoundsClicked();
    void classFilesClicked();
    void publishWebClicked();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void build() override;

  private:
    void copyToClipboard();
    QWidget* buildWebPane();

    TmainWindow& main_;
    QPlainTextEdit* htmlBox_ = nullptr;
    QPlainTextEdit* webBox_ = nullptr;
    // The lines given before the pane was built.
    QStringList unbuiltLines_;
};

}  // namespace wendle
