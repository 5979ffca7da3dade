#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "EditorFixture.h"
#include "editor/Advanced.h"
#include "editor/Grid.h"
#include "model/Messages.h"

namespace wendle::testing {
namespace {

// The option windows are modal in the program; here they are shown
// without a modal loop so the test can work them.
class AdvancedOptions : public EditorFixture {
  protected:
    void SetUp() override {
        EditorFixture::SetUp();
        applet().setAltHTML("<p>No Java</p>");
        applet().setLoadText("Wait");
        applet().setModified(false);
        window = std::make_unique<TAdvancedWindow>(*main);
        window->show();
    }
    void TearDown() override {
        window.reset();
        EditorFixture::TearDown();
    }
    QPlainTextEdit* altHtml() { return find<QPlainTextEdit>(window.get(), "mAltHTML"); }
    QLineEdit* loadingMessage() { return find<QLineEdit>(window.get(), "eLoadingMessage"); }

    std::unique_ptr<TAdvancedWindow> window;
};

TEST_F(AdvancedOptions, EveryNamedControlIsThere) {
    EXPECT_EQ(window->windowTitle(), "Advanced Options");
    for (const char* name : {"mAltHTML", "eLoadingMessage", "bFontColor", "bBackgroundColor",
                             "bAdvancedHelp", "bClose"})
        EXPECT_NE(window->findChild<QWidget*>(name), nullptr) << name;
    EXPECT_EQ(find<QPushButton>(window.get(), "bFontColor")->text(), "&Font Color");
    EXPECT_EQ(find<QPushButton>(window.get(), "bBackgroundColor")->text(), "&Background Color");
}

TEST_F(AdvancedOptions, ShowingFillsTheFieldsWithoutTakingItForAnEdit) {
    EXPECT_EQ(altHtml()->toPlainText(), "<p>No Java</p>");
    EXPECT_EQ(loadingMessage()->text(), "Wait");
    EXPECT_FALSE(applet().modified());
}

TEST_F(AdvancedOptions, TypedTextsApplyAtOnce) {
    altHtml()->selectAll();
    QTest::keyClicks(altHtml(), "<b>Old browser</b>");
    EXPECT_EQ(applet().altHTML(), "<b>Old browser</b>");
    EXPECT_TRUE(applet().modified());
    loadingMessage()->selectAll();
    QTest::keyClicks(loadingMessage(), "Please wait");
    EXPECT_EQ(applet().loadText(), "Please wait");
}

TEST_F(AdvancedOptions, TheAlternativeHtmlStaysOneLine) {
    altHtml()->moveCursor(QTextCursor::End);
    QTest::keyClick(altHtml(), Qt::Key_Return);
    QTest::keyClick(altHtml(), Qt::Key_Enter);
    EXPECT_EQ(altHtml()->toPlainText(), "<p>No Java</p>");
    QApplication::clipboard()->setText("<i>one</i>\n<i>two</i>");
    altHtml()->paste();
    EXPECT_EQ(applet().altHTML(), "<p>No Java</p><i>one</i> <i>two</i>");
}

TEST_F(AdvancedOptions, ALoadingMessageThatWouldBreakTheAppletIsRefused) {
    QTest::keyClicks(loadingMessage(), "\"");
    EXPECT_EQ(dialogs.messages, QStringList{messages::kCheckCharacters2});
    EXPECT_EQ(applet().loadText(), "Wait");
    EXPECT_FALSE(applet().modified());
}

TEST_F(AdvancedOptions, ColourButtonsSetTheLoadingColours) {
    dialogs.colours = {Colour{0x00112233}, std::nullopt};
    find<QPushButton>(window.get(), "bFontColor")->click();
    find<QPushButton>(window.get(), "bBackgroundColor")->click();
    EXPECT_EQ(dialogs.colourStarts, (QList<Colour>{0x00FFFFFF, 0x00000000}));
    EXPECT_EQ(applet().loadFontColor(), Colour{0x00112233});
    EXPECT_EQ(applet().loadBkColor(), Colour{0x00000000});
    EXPECT_TRUE(applet().modified());
}

TEST_F(AdvancedOptions, HelpAndClose) {
    find<QToolButton>(window.get(), "bAdvancedHelp")->click();
    EXPECT_EQ(dialogs.helpTopics, QList<int>{31});
    find<QPushButton>(window.get(), "bClose")->click();
    EXPECT_FALSE(window->isVisible());
}

// Keeps the grid window's values in memory, as the settings store does
// between runs.
class RememberedGrid : public GridWindowMemory {
  public:
    std::optional<GridWindowValues> kept;
    std::optional<GridWindowValues> recall() override { return kept; }
    void keep(const GridWindowValues& values) override { kept = values; }
};

class AlignmentGrid : public EditorFixture {
  protected:
    void open(GridWindowMemory* memory = nullptr) {
        window = std::make_unique<TgridWindow>(*main, memory);
        window->show();
    }
    void TearDown() override {
        window.reset();
        EditorFixture::TearDown();
    }
    QCheckBox* alignCheck() { return find<QCheckBox>(window.get(), "cAlignCheck"); }
    QSpinBox* gridWidth() { return find<QSpinBox>(window.get(), "eGridWidth"); }
    QSpinBox* gridHeight() { return find<QSpinBox>(window.get(), "eGridHeight"); }

    std::unique_ptr<TgridWindow> window;
};

TEST_F(AlignmentGrid, EveryNamedControlIsThere) {
    open();
    EXPECT_EQ(window->windowTitle(), "Alignment Grid");
    for (const char* name : {"cAlignCheck", "eGridWidth", "eGridHeight", "bClose"})
        EXPECT_NE(window->findChild<QWidget*>(name), nullptr) << name;
    EXPECT_EQ(alignCheck()->text(), "Align Menu Items to Grid");
    for (QSpinBox* step : {gridWidth(), gridHeight()}) {
        EXPECT_EQ(step->minimum(), 1);
        EXPECT_EQ(step->maximum(), 1000);
    }
}

TEST_F(AlignmentGrid, ShowsTheAppletsGrid) {
    applet().setGrid(true);
    applet().setGridX(12);
    applet().setGridY(8);
    open();
    EXPECT_TRUE(alignCheck()->isChecked());
    EXPECT_EQ(gridWidth()->value(), 12);
    EXPECT_EQ(gridHeight()->value(), 8);
    EXPECT_TRUE(gridWidth()->isEnabled());
}

TEST_F(AlignmentGrid, ChangesRedrawTheCanvasButAreNoDocumentChange) {
    open();
    EXPECT_FALSE(gridWidth()->isEnabled());
    applet().setModified(false);
    applet().setModif(false);
    alignCheck()->click();
    EXPECT_TRUE(applet().grid());
    EXPECT_TRUE(gridWidth()->isEnabled());
    EXPECT_TRUE(gridHeight()->isEnabled());
    EXPECT_TRUE(applet().modif());

    applet().setModif(false);
    gridWidth()->selectAll();
    QTest::keyClicks(gridWidth(), "25");
    EXPECT_EQ(applet().gridX(), 25);
    EXPECT_TRUE(applet().modif());
    gridHeight()->selectAll();
    QTest::keyClicks(gridHeight(), "5");
    EXPECT_EQ(applet().gridY(), 5);
    EXPECT_FALSE(applet().modified());

    alignCheck()->click();
    EXPECT_FALSE(applet().grid());
    EXPECT_FALSE(gridWidth()->isEnabled());
}

TEST_F(AlignmentGrid, RemembersItsValuesForTheNextTime) {
    RememberedGrid memory;
    open(&memory);
    alignCheck()->click();
    gridWidth()->setValue(20);
    gridHeight()->setValue(15);
    window->close();
    ASSERT_TRUE(memory.kept.has_value());
    EXPECT_TRUE(memory.kept->alignToGrid);
    EXPECT_EQ(memory.kept->gridWidth, 20);
    EXPECT_EQ(memory.kept->gridHeight, 15);

    // The grid is the editor's: a new applet keeps it, and the window shows
    // the same state.
    main->documentCommands().resetDocument();
    ASSERT_TRUE(applet().grid());
    open(&memory);
    EXPECT_TRUE(applet().grid());
    EXPECT_EQ(applet().gridX(), 20);
    EXPECT_EQ(applet().gridY(), 15);
    EXPECT_TRUE(alignCheck()->isChecked());
    EXPECT_EQ(gridWidth()->value(), 20);
}

TEST_F(AlignmentGrid, RememberedStepsOutOfRangeAreBroughtIntoRange) {
    RememberedGrid memory;
    memory.kept = GridWindowValues{true, 0, 5000, std::nullopt};
    open(&memory);
    EXPECT_EQ(applet().gridX(), 1);
    EXPECT_EQ(applet().gridY(), 1000);
}

TEST(GridWindowStoreTest, KeepsTheValuesInTheSettingsStore) {
    QTemporaryDir folder;
    const std::string file = (folder.path() + "/local-machine.reg").toStdString();
    EXPECT_FALSE(GridWindowStore(file).recall().has_value());

    GridWindowStore(file).keep({true, 20, 15, QPoint(40, -3)});
    const auto recalled = GridWindowStore(file).recall();
    ASSERT_TRUE(recalled.has_value());
    EXPECT_TRUE(recalled->alignToGrid);
    EXPECT_EQ(recalled->gridWidth, 20);
    EXPECT_EQ(recalled->gridHeight, 15);
    EXPECT_EQ(recalled->position, QPoint(40, -3));

    // A value of another type keeps its default.
    TPRegistry registry(file);
    ASSERT_TRUE(registry.OpenKey(GridWindowStore::kKey, false));
    registry.WriteValue("Grid Width", platform::RegistryValue::text("wide"));
    ASSERT_TRUE(registry.Flush().ok);
    EXPECT_EQ(GridWindowStore(file).recall()->gridWidth, 10);
}

}  // namespace
}  // namespace wendle::testing
