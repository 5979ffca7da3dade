#include <QPlainTextEdit>
#include <QTabWidget>

#include <QDir>
#include <QFile>
#include <QMenu>
#include "EditorFixture.h"

#include "document/AppletDocumentHost.h"
#include "document/DocumentWriter.h"
#include "editor/HtmlTab.h"

namespace wendle::testing {
namespace {

using MainWindow = EditorFixture;

TEST_F(MainWindow, StartsWithFourButtonsOnA105By131Applet) {
    EXPECT_EQ(applet().buttonCount(), 4);
    EXPECT_EQ(applet().appletWidth(), 105);
    EXPECT_EQ(applet().appletHeight(), 131);
    EXPECT_TRUE(applet().modified());
    EXPECT_EQ(main->windowTitle(), "Untitled[*] \u2014 Wendle");
}

TEST_F(MainWindow, ShowingTheHtmlTabRebuildsTheBlock) {
    auto* tabs = find<QTabWidget>(main.get(), "PageControl1");
    ASSERT_NE(tabs, nullptr);
    tabs->setCurrentWidget(main->htmlTab());
    const QStringList lines = main->htmlTab()->lines();
    ASSERT_EQ(lines.size(), 10);
    EXPECT_EQ(lines.first(), "<APPLET CODE=\"velkbutton.class\" WIDTH=105 HEIGHT=131>");
    EXPECT_EQ(lines.last(), "</APPLET>");
}

TEST_F(MainWindow, ClosingUnsavedWorkAsksAndCancelKeepsTheWindow) {
    main->show();
    dialogs.answers = {UserDialogs::Answer::Cancel};
    EXPECT_FALSE(main->close());
    EXPECT_EQ(dialogs.questions, QStringList{"Save changes to the current Applet?"});
    EXPECT_TRUE(main->isVisible());
    dialogs.answers = {UserDialogs::Answer::No};
    EXPECT_TRUE(main->close());
}

TEST_F(MainWindow, TemplatesOpenTheirFilesUntitled) {
    // Each template of the program folder opens as an untitled, unmodified
    // applet; the ninth and tenth menu items open the swapped files.
    const QString folder = home.path() + "/program/";
    QDir().mkpath(folder);
    main = std::make_unique<TmainWindow>(dialogs, folder);
    main->documentCommands().startUp({});
    struct Case {
        const char* caption;
        const char* file;
    } cases[] = {{"Relaxing Buttons", "Toolbar Ten.wdf"},
                 {"Purple Toolbars", "Toolbar Nine.wdf"},
                 {"Image Buttons", "Toolbar Five.wdf"}};
    for (const auto& c : cases) {
        // A template whose one button is named after its file.
        document::AppletDocumentHost maker;
        maker.applet().CreateMenuItem();
        maker.applet().statePanel(1, 0)->setItemName(c.file);
        maker.applet().setDocumentPath((folder + c.file).toStdString());
        ASSERT_TRUE(document::writeDocument(maker.applet(), maker).saved());

        QAction* item = nullptr;
        for (QAction* action : main->findChildren<QAction*>()) {
            if (action->text() == c.caption)
                item = action;
        }
        ASSERT_NE(item, nullptr) << c.caption;
        dialogs.answers = {UserDialogs::Answer::No};
        item->trigger();
        ASSERT_EQ(applet().buttonCount(), 1) << c.caption;
        EXPECT_EQ(applet().statePanel(1, 0)->itemName(), c.file);
        EXPECT_EQ(applet().documentPath(), "");
        EXPECT_FALSE(applet().modified());
    }
}

TEST_F(MainWindow, ASavedDocumentReopensAsTheSameApplet) {
    const QString path = home.path() + "/saved.wdf";
    applet().statePanel(2, 1)->setCaption("Our\r\nShop");
    applet().statePanel(1, 3)->setLink("http://example.com/");
    dialogs.saveFiles = {path};
    main->documentCommands().saveDocumentAs();
    EXPECT_FALSE(applet().modified());

    main->documentCommands().newDocument();
    EXPECT_EQ(applet().buttonCount(), 0);
    dialogs.openFiles = {path};
    main->documentCommands().openDocument();
    EXPECT_EQ(applet().buttonCount(), 4);
    EXPECT_EQ(applet().statePanel(2, 1)->caption(), "Our\r\nShop");
    EXPECT_EQ(dialogs.fileRequests.back().title, "Open Wendle File");
    // Saved again, the reopened applet gives the very same file.
    const QString again = home.path() + "/again.wdf";
    dialogs.saveFiles = {again};
    main->documentCommands().saveDocumentAs();
    auto bytesOf = [](const QString& file) {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    };
    EXPECT_EQ(bytesOf(again), bytesOf(path));
    EXPECT_FALSE(bytesOf(path).isEmpty());
}

TEST_F(MainWindow, TheRecentListKeepsNineAcrossARestartAndDropsDeletedFiles) {
    QStringList paths;
    for (int i = 0; i < 10; ++i) {
        paths << home.path() + QString("/doc%1.wdf").arg(i);
        dialogs.saveFiles = {paths.back()};
        main->documentCommands().saveDocumentAs();
    }
    main.reset();  // the program ends: its settings are kept
    QFile::remove(paths[8]);
    main = std::make_unique<TmainWindow>(dialogs, QString(WENDLE_PROGRAM_DIR) + "/");
    main->documentCommands().startUp({});
    auto* reopen = main->findChild<QMenu*>("Reopen1");
    ASSERT_NE(reopen, nullptr);
    QStringList captions;
    for (QAction* action : reopen->actions()) captions << action->text();
    // doc9 newest first; doc0 fell off the nine; doc8 no longer exists.
    EXPECT_EQ(captions, (QStringList{"&1 doc9.wdf", "&2 doc7.wdf", "&3 doc6.wdf", "&4 doc5.wdf",
                                     "&5 doc4.wdf", "&6 doc3.wdf", "&7 doc2.wdf", "&8 doc1.wdf"}));
}

}  // namespace
}  // namespace wendle::testing
