#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextEdit>
#include <QTreeView>
#include <functional>

#include "EditorFixture.h"
#include "editor/ButtonsTab.h"
#include "editor/GeneralTab.h"
#include "editor/Grid.h"
#include "editor/HtmlTab.h"
#include "editor/Properties.h"

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
        {"new", [&] { main->documentCommands().newDocument(); }},
        {"open", [&] { main->documentCommands().openDocument(); }},
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
    main->documentCommands().saveDocumentAs();
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
        main->documentCommands().openDocument();
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
        {"new", [&] { main->documentCommands().newDocument(); }},
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
    main->documentCommands().newDocument();
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
    main->documentCommands().saveDocumentAs();
    main->documentCommands().newDocument();
    dialogs.openFiles = {folder + "/top.wdf"};
    main->documentCommands().openDocument();
    main->documentCommands().openDocument();    // cancelled
    main->documentCommands().saveDocumentAs();  // cancelled
    main->documentCommands().newDocument();
    main->documentCommands().saveDocumentAs();  // cancelled, untitled
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

// What every control of a window shows, keyed by its place among the
// window's widgets (object names where they have them).
QMap<QString, QString> shownValues(QWidget* root) {
    QMap<QString, QString> shown;
    const std::function<void(QWidget*, const QString&)> visit = [&](QWidget* widget,
                                                                    const QString& path) {
        QString value;
        if (auto* line = qobject_cast<QLineEdit*>(widget))
            value = line->text();
        else if (auto* spin = qobject_cast<QAbstractSpinBox*>(widget))
            value = spin->text();
        else if (auto* combo = qobject_cast<QComboBox*>(widget))
            value = combo->currentText();
        else if (auto* plain = qobject_cast<QPlainTextEdit*>(widget))
            value = plain->toPlainText();
        else if (auto* text = qobject_cast<QTextEdit*>(widget))
            value = text->toPlainText();
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            value = button->isCheckable() ? QString::number(button->isChecked()) : QString();
        else if (auto* label = qobject_cast<QLabel*>(widget))
            value = label->text();
        else if (auto* view = qobject_cast<QAbstractItemView*>(widget)) {
            for (int row = 0; view->model() && row < view->model()->rowCount(); ++row)
                value += view->model()->index(row, 0).data().toString() + "|";
            for (const QModelIndex& index : view->selectionModel()->selectedRows())
                value += QString(" selected %1").arg(index.row());
        }
        shown[path] = value + (widget->isEnabled() ? "" : " (disabled)");
        int index = 0;
        for (QObject* child : widget->children()) {
            auto* inner = qobject_cast<QWidget*>(child);
            if (!inner || inner->isWindow())
                continue;
            const QString name = inner->objectName().isEmpty()
                                     ? QString(inner->metaObject()->className())
                                     : inner->objectName();
            visit(inner, path + "/" + name + "#" + QString::number(index++));
        }
    };
    visit(root, root->objectName());
    return shown;
}

TEST_F(DocumentSwitch, NoValueOfTheOldDocumentSurvivesInAnyControl) {
    // The properties window shows the first button of the document, in
    // every state; the HTML pane shows its block.
    auto showDocument = [&](const QString& templateCaption) {
        dialogs.answers = {UserDialogs::Answer::No};
        templateEntry(templateCaption)->trigger();
        main->document().selectOnly(applet().usedSlots().front());
        main->showButtonProperties();
        find<QTabWidget>(main.get(), "PageControl1")->setCurrentWidget(main->htmlTab());
        QMap<QString, QString> shown = shownValues(main.get());
        const QMap<QString, QString> properties = shownValues(main->properties());
        for (auto it = properties.begin(); it != properties.end(); ++it)
            shown["properties:" + it.key()] = it.value();
        const QMap<QString, QString> preview = shownValues(main->preview());
        for (auto it = preview.begin(); it != preview.end(); ++it)
            shown["preview:" + it.key()] = it.value();
        shown["preview size"] =
            QString("%1x%2").arg(main->preview()->width()).arg(main->preview()->height());
        return shown;
    };
    main->show();
    const QMap<QString, QString> fresh = showDocument("Navigation Bar");
    // Another document, every window filled with its values, and some of
    // them changed by hand.
    const QMap<QString, QString> other = showDocument("Staggered Image Buttons");
    find<QLineEdit>(main->generalTab(), "eBkImage")->setText("elsewhere.gif");
    main->document().selectAll();
    dialogs.answers = {UserDialogs::Answer::No};
    main->documentCommands().newDocument();
    EXPECT_NE(fresh, other);

    const QMap<QString, QString> again = showDocument("Navigation Bar");
    int differences = 0;
    for (auto it = fresh.begin(); it != fresh.end(); ++it) {
        if (again.value(it.key()) == it.value())
            continue;
        ++differences;
        ADD_FAILURE() << it.key().toStdString() << ": '" << it.value().toStdString() << "' fresh, '"
                      << again.value(it.key()).toStdString() << "' after another";
    }
    EXPECT_EQ(fresh.keys(), again.keys());
    EXPECT_EQ(differences, 0);
}

}  // namespace
}  // namespace wendle::testing
