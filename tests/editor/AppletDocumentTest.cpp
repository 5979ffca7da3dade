#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QUndoStack>

#include "ScriptedDialogs.h"
#include "document/DocumentWriter.h"
#include "editor/AppletDocument.h"
#include "editor/ButtonClipboardMime.h"
#include "editor/ButtonListModel.h"
#include "editor/EditActions.h"
#include "model/Messages.h"
#include "model/PanelEdits.h"
#include "model/UpdatingControls.h"

namespace wendle {
namespace {

// The document as a save writes it. The HTML rebuild of a save stores its
// placeholders in the applet, outside undo; a first pass settles them.
std::string bytesOf(AppletDocument& document) {
    document::composeDocument(document.applet());
    return document::composeDocument(document.applet()).bytes;
}

std::unique_ptr<TVelkForm> appletWith(int buttons) {
    auto applet = std::make_unique<TVelkForm>();
    for (int i = 0; i < buttons; ++i) applet->CreateMenuItem();
    applet->setModified(false);
    return applet;
}

class DocumentTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(updatingControls());
        document.replaceApplet(appletWith(4));
        QGuiApplication::clipboard()->clear();
    }
    QUndoStack& stack() { return *document.undoStack(); }
    std::vector<AppletDocument::PanelTarget> allStates(std::vector<int> buttonSlots) {
        std::vector<AppletDocument::PanelTarget> targets;
        for (int slot : buttonSlots)
            for (int state = 1; state <= 3; ++state) targets.push_back({slot, state});
        return targets;
    }

    AppletDocument document;
    testing::ScriptedDialogs dialogs;
    EditActions actions{document, dialogs};
};

TEST_F(DocumentTest, AChangeToManyButtonsIsOneStepWithItsName) {
    const std::string before = bytesOf(document);
    document.editPanels("Change Colour", allStates({0, 2, 3}),
                        [](PanelValues& state) { state.bkColor = 0x00FF00; });
    const std::string after = bytesOf(document);
    EXPECT_EQ(stack().count(), 1);
    EXPECT_EQ(actions.undo()->text(), "Undo Change Colour");
    stack().undo();
    EXPECT_EQ(bytesOf(document), before);
    EXPECT_EQ(actions.redo()->text(), "Redo Change Colour");
    stack().redo();
    EXPECT_EQ(bytesOf(document), after);
}

TEST_F(DocumentTest, TypingMergesUntilTheFieldIsLeft) {
    const std::string before = bytesOf(document);
    for (const char* text : {"H", "Ho", "Hom", "Home"}) {
        document.editPanels(
            "Change Caption", allStates({1}), [text](PanelValues& state) { state.caption = text; },
            "caption");
    }
    EXPECT_EQ(stack().count(), 1);
    document.endMerging();
    document.editPanels(
        "Change Caption", allStates({1}), [](PanelValues& state) { state.caption = "Homes"; },
        "caption");
    EXPECT_EQ(stack().count(), 2);
    stack().undo();
    EXPECT_EQ(document.applet().statePanel(2, 1)->caption(), "Home");
    stack().undo();
    EXPECT_EQ(bytesOf(document), before);

    // Another field, or the same field on other buttons, is a step of its own.
    document.editPanels(
        "Change Caption", allStates({1}), [](PanelValues& state) { state.caption = "A"; },
        "caption");
    document.editPanels(
        "Change Caption", allStates({2}), [](PanelValues& state) { state.caption = "B"; },
        "caption");
    document.editPanels(
        "Change Link", allStates({2}), [](PanelValues& state) { state.link = "b.html"; }, "link");
    EXPECT_EQ(stack().count(), 3);
}

TEST_F(DocumentTest, ModifiedFollowsTheSavedState) {
    QList<bool> told;
    QObject::connect(&document, &AppletDocument::modifiedChanged,
                     [&told](bool modified) { told << modified; });
    EXPECT_FALSE(document.isModified());
    actions.newButton();
    EXPECT_TRUE(document.isModified());
    document.markSaved();
    actions.newButton();
    EXPECT_TRUE(document.isModified());
    stack().undo();
    EXPECT_FALSE(document.isModified());  // back at the saved state
    stack().undo();
    EXPECT_TRUE(document.isModified());
    EXPECT_EQ(told, (QList<bool>{true, false, true, false, true}));

    // An edit that changes nothing leaves no step and no mark.
    document.markSaved();
    document.editPanels("Change Colour", allStates({0}), [](PanelValues&) {});
    EXPECT_FALSE(document.isModified());
}

TEST_F(DocumentTest, AnAppletThatArrivesModifiedStaysModifiedAfterUndo) {
    auto applet = appletWith(2);
    applet->setModified(true);
    document.replaceApplet(std::move(applet));
    EXPECT_EQ(stack().count(), 0);
    actions.newButton();
    stack().undo();
    EXPECT_TRUE(document.isModified());
}

TEST_F(DocumentTest, DeleteAsksAndIsUndoneToTheSameSlotAndLinks) {
    document.applet().statePanel(1, 0)->setItemLink(2);
    document.applet().bringToFront(2);
    const std::string before = bytesOf(document);
    const auto stacking = document.applet().stackingOrder();
    document.selectSlots({2, 1});

    actions.deleteSelection();  // answered No
    EXPECT_EQ(document.applet().buttonCount(), 4);
    dialogs.answers.push_back(testing::ScriptedDialogs::Answer::Yes);
    actions.deleteSelection();
    EXPECT_EQ(dialogs.questions.size(), 2);
    EXPECT_EQ(actions.undo()->text(), "Undo Delete 2 Buttons");
    EXPECT_EQ(document.applet().statePanel(1, 0)->itemLink(), -1);

    stack().undo();
    EXPECT_EQ(bytesOf(document), before);
    EXPECT_EQ(document.applet().stackingOrder(), stacking);
}

TEST_F(DocumentTest, TheListFollowsTheDocumentAndRenamesAreEdits) {
    ButtonListModel list(document);
    EXPECT_EQ(list.rowCount(), 4);
    document.selectSlots({1});
    dialogs.answers.push_back(testing::ScriptedDialogs::Answer::Yes);
    actions.deleteSelection();
    EXPECT_EQ(list.rowCount(), 3);
    EXPECT_EQ(list.data(list.index(1), Qt::DisplayRole).toString(), "Button 3");
    stack().undo();
    EXPECT_EQ(list.data(list.index(1), Qt::DisplayRole).toString(), "Button 2");

    EXPECT_TRUE(list.setData(list.index(0), "Home\nPage", Qt::EditRole));
    EXPECT_EQ(list.data(list.index(0), Qt::DisplayRole).toString(), "Home Page");
    EXPECT_FALSE(list.setData(list.index(0), "  ", Qt::EditRole));
    stack().undo();
    EXPECT_EQ(list.data(list.index(0), Qt::DisplayRole).toString(), "Button 1");

    document.replaceApplet(appletWith(2));
    EXPECT_EQ(list.rowCount(), 2);
}

TEST_F(DocumentTest, ArrowRunsAreOneStep) {
    document.selectSlots({0, 3});
    const int left = document.applet().statePanel(1, 3)->left();
    actions.nudge(1, 0);
    actions.nudge(1, 0);
    actions.nudge(0, 10);
    EXPECT_EQ(stack().count(), 1);
    EXPECT_EQ(actions.undo()->text(), "Undo Move 2 Buttons");
    EXPECT_EQ(document.applet().statePanel(3, 3)->left(), left + 2);
    actions.endNudging();
    actions.nudge(-1, 0);
    EXPECT_EQ(stack().count(), 2);
    stack().undo();
    stack().undo();
    EXPECT_EQ(document.applet().statePanel(3, 3)->left(), left);
}

TEST_F(DocumentTest, ButtonsCopiedToAnotherDocumentArriveWholeAndSelected) {
    document.applet().statePanel(2, 1)->setCaption("Second\r\nline");
    document.applet().statePanel(1, 1)->setLink("two.html");
    document.selectSlots({1});
    actions.copySelection();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(data->hasFormat(kButtonsMimeType));
    EXPECT_TRUE(data->text().startsWith("<PARAM NAME=\"0\" VALUE=\"95|30|"))
        << data->text().toStdString();
    EXPECT_TRUE(actions.pasteAction()->isEnabled());

    AppletDocument other;
    other.replaceApplet(appletWith(1));
    EditActions otherActions(other, dialogs);
    otherActions.paste();
    ASSERT_EQ(other.applet().buttonCount(), 2);
    EXPECT_EQ(other.selectedSlots(), std::vector<int>{1});
    EXPECT_EQ(other.applet().statePanel(2, 1)->caption(), "Second\r\nline");
    EXPECT_EQ(other.applet().statePanel(1, 1)->link(), "two.html");
    EXPECT_EQ(other.applet().statePanel(1, 1)->top(), document.applet().statePanel(1, 1)->top());
    EXPECT_EQ(otherActions.undo()->text(), "Undo Paste Button");
    other.undoStack()->undo();
    EXPECT_EQ(other.applet().buttonCount(), 1);
}

TEST_F(DocumentTest, CutIsCopyAndDeleteWithoutAQuestion) {
    const std::string before = bytesOf(document);
    document.selectSlots({0, 1});
    actions.cutSelection();
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_EQ(document.applet().buttonCount(), 2);
    actions.paste();
    EXPECT_EQ(document.applet().buttonCount(), 4);
    stack().undo();
    stack().undo();
    EXPECT_EQ(bytesOf(document), before);
}

TEST_F(DocumentTest, AFullAppletRefusesAPasteWithTheMessage) {
    document.selectSlots({0});
    actions.copySelection();
    document.replaceApplet(appletWith(kMaxButtons));
    const std::string before = bytesOf(document);
    actions.paste();
    EXPECT_EQ(dialogs.messages, QStringList{messages::kMaxButtons});
    EXPECT_EQ(stack().count(), 0);
    EXPECT_EQ(bytesOf(document), before);
}

TEST_F(DocumentTest, ForeignClipboardDataIsNotPasted) {
    struct Case {
        const char* type;
        QByteArray data;
    } cases[] = {{"text/plain", "Wendle File\r\n"},
                 {kButtonsMimeType, "not a document"},
                 {kButtonsMimeType, "Wendle File\r\nSaved in Version 5.0\r\nx\r\n0\r\n"}};
    for (const Case& c : cases) {
        auto* data = new QMimeData;
        data->setData(c.type, c.data);
        QGuiApplication::clipboard()->setMimeData(data);
        actions.paste();
        EXPECT_EQ(document.applet().buttonCount(), 4) << c.data.toStdString();
    }
    EXPECT_EQ(stack().count(), 0);
}

TEST_F(DocumentTest, PasteLookOnManyButtonsIsOneStep) {
    TVelkPanel& source = *document.applet().statePanel(3, 0);
    source.setBkColor(0x0000FF);
    source.setFontSize(24);
    const std::string before = bytesOf(document);
    document.selectSlots({0});
    EXPECT_FALSE(actions.pasteLookAction()->isEnabled());
    actions.copyLook();
    document.selectAll();
    actions.pasteLook();
    EXPECT_EQ(stack().count(), 1);
    EXPECT_EQ(actions.undo()->text(), "Undo Paste Look on 4 Buttons");
    for (int slot = 1; slot < 4; ++slot) {
        EXPECT_EQ(document.applet().statePanel(3, slot)->bkColor(), 0x0000FFu);
        EXPECT_EQ(document.applet().statePanel(3, slot)->fontSize(), 24);
    }
    stack().undo();
    EXPECT_EQ(bytesOf(document), before);
}

}  // namespace
}  // namespace wendle
