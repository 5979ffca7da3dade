#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

#include "EditorFixture.h"
#include "editor/HtmlTab.h"
#include "editor/Texts.h"

namespace wendle::testing {
namespace {

// The HTML tab's "Web" pane and "Publish for the Web...", on a program
// folder that holds the player script.
class WebPane : public EditorFixture {
  protected:
    void SetUp() override {
        EditorFixture::SetUp();
        program = home.path() + "/program/";
        QDir().mkpath(program);
        QFile script(program + "velkbutton.js");
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("// player\n");
        script.close();
        main = std::make_unique<TmainWindow>(dialogs, program);
        main->documentCommands().startUp({});
    }
    void showWebPane() {
        auto* panes = find<QTabWidget>(main->htmlTab(), "htmlPanes");
        panes->setCurrentIndex(1);
    }
    QString program;
};

TEST_F(WebPane, ShowsTheSnippetOfTheBarAsItIsAndCopiesIt) {
    auto* panes = find<QTabWidget>(main->htmlTab(), "htmlPanes");
    ASSERT_EQ(panes->count(), 2);
    EXPECT_EQ(panes->tabText(0), texts::kHtmlPane);
    EXPECT_EQ(panes->tabText(1), texts::kWebPane);
    showWebPane();
    auto* box = find<QPlainTextEdit>(main->htmlTab(), "webBox");
    const QString snippet = box->toPlainText();
    EXPECT_TRUE(snippet.startsWith("<link rel=\"stylesheet\" href=\"wendle-bar.css\">"))
        << snippet.toStdString();
    EXPECT_EQ(snippet.count("class=\"wendle-bar__button "), 4) << snippet.toStdString();

    applet().CreateMenuItem();
    find<QPushButton>(main->htmlTab(), "bCopyWeb")->click();
    EXPECT_EQ(box->toPlainText().count("class=\"wendle-bar__button "), 5);
    EXPECT_EQ(QApplication::clipboard()->text(), box->toPlainText());
}

TEST_F(WebPane, PublishWritesTheFolderTheUserChoosesFromTheButtonAndTheMenu) {
    const QString out = home.path() + "/site";
    QDir().mkpath(out);
    dialogs.folders = {out, ""};
    find<QPushButton>(main->htmlTab(), "bPublishWeb")->click();
    EXPECT_TRUE(QFile::exists(out + "/index.html"));
    EXPECT_TRUE(QFile::exists(out + "/wendle-bar.png"));
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages.back().contains(out)) << dialogs.messages.back().toStdString();

    // Cancelled from the menu: nothing is said.
    find<QAction>(main.get(), "publishWebMenuItem")->trigger();
    EXPECT_EQ(dialogs.messages.size(), 1);
}

TEST_F(WebPane, AFailedPublishIsSaid) {
    dialogs.folders = {home.path() + "/missing/site"};
    find<QAction>(main.get(), "publishWebMenuItem")->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages.back().startsWith("The bar could not be published."))
        << dialogs.messages.back().toStdString();
}

}  // namespace
}  // namespace wendle::testing
