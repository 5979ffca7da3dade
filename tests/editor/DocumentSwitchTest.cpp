#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTabWidget>
#include <QTreeView>
#include <functional>

#include "EditorFixture.h"
#include "editor/ButtonsTab.h"
#include "editor/Grid.h"
#include "editor/HtmlTab.h"

namespace wendle::testing {
namespace {

// Replacing the document, as the windows see it.
class DocumentSwitch : public EditorFixture {
  protected:
    QAction* templateEntry(const QString& caption) {
        for (QMenu* menu : main->findChildren<QMenu*>())
            for (QAction* action : menu->actions())
                if (action->text() == caption)
                    return action;
        return nullptr;
    }
    QStringList rowTexts() {
        auto* list = main->buttonsTab()->findChild<QTreeView*>("ItemListBox");
        QStringList texts;
        for (int row = 0; row < list->model()->rowCount(); ++row)
            texts << list->model()->index(row, 0).data().toString();
        return texts;
    }
    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = home.path() + "/" + name;
        QFile out(path);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        return path;
    }
    QByteArray bytesOf(const QString& path) {
        QFile in(path);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }
};

TEST_F(DocumentSwitch, ACancelledOrFailedSaveKeepsTheDocumentAndTheWindow) {
    struct Command {
        const char* name;
        std::function<void()> run;
    } commands[] = {
        {"new", [&] { main->newDocument(); }},
        {"open", [&] { main->openDocument(); }},
        {"template", [&] { templateEntry("Vertical Toolbar")->trigger(); }},
        {"close", [&] { EXPECT_FALSE(main->close()); }},
    };
    main->show();
    for (const auto& command : commands) {
        for (const QString& saveTo : {QString(), home.path() + "/no folder/a.wdf"}) {
            SCOPED_TRACE(std::string(command.name) + " " + saveTo.toStdString());
            applet().statePanel(1, 0)->setItemName("Edited");
            applet().setModified(true);
            TVelkForm* before = &applet();
            dialogs.answers = {UserDialogs::Answer::Yes};
            dialogs.saveFiles = {saveTo};  // empty: Save As cancelled
            dialogs.openFiles = {QString(WENDLE_PROGRAM_DIR) + "/Toolbar One.wdf"};
            command.run();
            EXPECT_EQ(&applet(), before);
            EXPECT_EQ(applet().statePanel(1, 0)->itemName(), "Edited");
            EXPECT_TRUE(applet().modified());
            EXPECT_TRUE(main->isVisible());
            dialogs.openFiles.clear();
        }
    }
    // The failed write is reported as a failure, not as a note.
    EXPECT_FALSE(dialogs.warnings.isEmpty());
}

TEST_F(DocumentSwitch, ABrokenFileLeavesTheDocumentAndTheRecentListAlone) {
    const QString good = write("good.wdf", "");
    dialogs.saveFiles = {good};
    main->saveDocumentAs();
    const QByteArray whole = bytesOf(good);
    ASSERT_FALSE(whole.isEmpty());
    struct Case {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"cut.wdf", whole.left(40)},
        {"notes.wdf", "dear diary\r\n"},
    };
    applet().statePanel(1, 2)->setItemName("Mine");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = write(c.name, c.bytes);
        TVelkForm* before = &applet();
        const qsizetype shown = dialogs.messages.size();
        dialogs.answers = {UserDialogs::Answer::No};
        dialogs.openFiles = {path};
        main->openDocument();
        EXPECT_EQ(&applet(), before);
        EXPECT_EQ(applet().buttonCount(), 4);
        EXPECT_EQ(applet().documentPath(), QFile::encodeName(good).toStdString());
        EXPECT_EQ(rowTexts().value(2), "Mine");
        EXPECT_GT(dialogs.messages.size(), shown);
        for (QAction* entry : main->findChild<QMenu*>("Reopen1")->actions())
            EXPECT_FALSE(entry->text().contains(c.name)) << entry->text().toStdString();
    }
}

TEST_F(DocumentSwitch, TheHtmlPaneFollowsTheNewDocument) {
    auto* tabs = find<QTabWidget>(main.get(), "PageControl1");
    tabs->setCurrentWidget(main->htmlTab());
    ASSERT_TRUE(main->htmlTab()->lines().join("\n").contains("WIDTH=105 HEIGHT=131"));
    struct Step {
        const char* name;
        std::function<void()> run;
    } steps[] = {
        {"new", [&] { main->newDocument(); }},
        {"template", [&] { templateEntry("Navigation Bar")->trigger(); }},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        dialogs.answers = {UserDialogs::Answer::No};
        step.run();
        const QStringList shown = main->htmlTab()->lines();
        main->buildAppletHTML();
        EXPECT_EQ(shown, main->htmlTab()->lines());
        EXPECT_FALSE(shown.join("\n").contains("WIDTH=105 HEIGHT=131"));
    }
}

TEST_F(DocumentSwitch, TheGridKeepsItsStateAcrossDocuments) {
    applet().setGrid(true);
    applet().setGridX(7);
    dialogs.answers = {UserDialogs::Answer::No, UserDialogs::Answer::No};
    main->newDocument();
    EXPECT_TRUE(applet().grid());
    EXPECT_EQ(applet().gridX(), 7);
    templateEntry("Vertical Toolbar")->trigger();
    EXPECT_TRUE(applet().grid());
    // The window shows the state the preview works with.
    TgridWindow window(*main, nullptr, main.get());
    window.updateGridWindow();
    EXPECT_TRUE(window.findChild<QCheckBox*>("cAlignCheck")->isChecked());
}

TEST_F(DocumentSwitch, FileDialogsStartWhereTheUserWorks) {
    const QString folder = home.path() + "/bars";
    QDir().mkpath(folder);
    dialogs.saveFiles = {folder + "/top.wdf"};
    main->saveDocumentAs();
    main->newDocument();
    dialogs.openFiles = {folder + "/top.wdf"};
    main->openDocument();
    main->openDocument();    // cancelled
    main->saveDocumentAs();  // cancelled
    main->newDocument();
    main->saveDocumentAs();  // cancelled, untitled
    QStringList folders;
    for (const auto& request : dialogs.fileRequests) folders << request.folder;
    const QString program = QString(WENDLE_PROGRAM_DIR) + "/";
    ASSERT_EQ(folders.size(), 5);
    EXPECT_NE(folders[0], program);  // untitled Save As: the documents folder
    EXPECT_EQ(folders[1], program);  // nothing opened yet
    EXPECT_EQ(folders[2], folder + "/");
    EXPECT_EQ(folders[3], folder + "/");
    EXPECT_EQ(folders[4], folders[0]);
}

}  // namespace
}  // namespace wendle::testing
