#include "PropertiesFixture.h"

namespace wendle::testing {
namespace {

using PropertiesFiles = PropertiesFixture;

TEST_F(PropertiesFiles, BrowsingReplacesTheImageOfTheActiveStates) {
    panel(1, 0).setImageName("a.gif");
    panel(1, 0).setImagePath("/old/a.gif");
    select({0});
    showTab(1);
    setApplyToAll(false);
    dialogs.openFiles.push_back("/pictures/b.gif");
    click("bBkImageBrowse");

    ASSERT_EQ(dialogs.fileRequests.size(), 1);
    const auto& request = dialogs.fileRequests.first();
    EXPECT_EQ(request.title, "Open Image");
    // Each label names its patterns once: the dialog shows the label as it is.
    for (const QString& entry : request.filter.split(";;"))
        EXPECT_EQ(entry.count('('), 1) << entry.toStdString();
    EXPECT_TRUE(request.filter.startsWith("All Compatible Image Files (*.jpg *.gif"));
    EXPECT_EQ(request.folder, "/old");
    EXPECT_EQ(panel(1, 0).imageName(), "b.gif");
    EXPECT_EQ(panel(1, 0).imagePath(), "/pictures/b.gif");
    EXPECT_EQ(panel(2, 0).imageName(), "");
    EXPECT_EQ(control<QLineEdit>("eBkImage")->text(), "b.gif");
    EXPECT_TRUE(applet().modified());
}

TEST_F(PropertiesFiles, TheFirstImageDialogStartsInButtonImages) {
    select({0});
    showTab(3);
    click("bBkImageBrowse3");
    ASSERT_EQ(dialogs.fileRequests.size(), 1);
    EXPECT_EQ(dialogs.fileRequests.first().folder, main->programFolder() + "Button Images");
    EXPECT_EQ(panel(3, 0).imageName(), "") << "cancelled";
}

TEST_F(PropertiesFiles, AnImageTurnsTransparencyOffAndACancelChangesNothing) {
    for (int state = 1; state <= 3; ++state) panel(state, 0).setTransparentBk(true);
    select({0});
    showTab(2);
    applet().setModified(false);
    click("bBkImageBrowse2");
    EXPECT_TRUE(panel(2, 0).transparentBk()) << "cancelled";
    EXPECT_FALSE(applet().modified());

    setApplyToAll(false);
    type("eBkImage2", "b.gif");
    EXPECT_EQ(panel(2, 0).imageName(), "b.gif");
    EXPECT_EQ(panel(2, 0).imagePath(), "b.gif");
    EXPECT_FALSE(panel(2, 0).transparentBk());
    EXPECT_TRUE(panel(1, 0).transparentBk()) << "state 1 was not edited";
    EXPECT_FALSE(control<QCheckBox>("CheckBox22")->isChecked());
    EXPECT_TRUE(control<QCheckBox>("CheckBox2")->isChecked());
}

TEST_F(PropertiesFiles, BrowsingForASoundFillsTheActiveTabsSoundFields) {
    select({0, 1});
    showTab(2);
    click("SpeedButton24");
    ASSERT_EQ(dialogs.fileRequests.size(), 1);
    EXPECT_EQ(dialogs.fileRequests.first().title, "Open Sound File");
    EXPECT_EQ(dialogs.fileRequests.first().filter, "Au Sound Files (*.au)");
    EXPECT_EQ(dialogs.fileRequests.first().folder, main->programFolder() + "Sounds");

    dialogs.openFiles.push_back("/noises/ding.au");
    click("SpeedButton24");
    for (int ordinal : {0, 1}) {
        for (int state = 1; state <= 3; ++state) {
            EXPECT_EQ(panel(state, ordinal).soundName(), "ding.au");
            EXPECT_EQ(panel(state, ordinal).soundPath(), "/noises/ding.au");
        }
    }
    for (const char* field : {"sound1", "sound2", "sound3"})
        EXPECT_EQ(control<QLineEdit>(field)->text(), "ding.au") << field;

    click("SpeedButton24");
    EXPECT_EQ(dialogs.fileRequests.last().folder, "/noises");
}

TEST_F(PropertiesFiles, ChoosersNeedASelectionFirst) {
    showTab(1);
    click("SpeedButton19");
    click("bBkImageBrowse");
    EXPECT_TRUE(dialogs.fileRequests.isEmpty());
    EXPECT_EQ(dialogs.messages, QStringList(2, "You do not have any buttons selected."));
}

TEST_F(PropertiesFiles, TypingASoundNameSetsNameAndPath) {
    select({0});
    showTab(3);
    setApplyToAll(false);
    type("sound3", "tick.au");
    EXPECT_EQ(panel(3, 0).soundName(), "tick.au");
    EXPECT_EQ(panel(3, 0).soundPath(), "tick.au");
    EXPECT_EQ(panel(1, 0).soundName(), "");
}

TEST_F(PropertiesFiles, TheLinkBrowserPutsOnlyTheFileNameIntoTheLink) {
    select({0});
    showTab(3);
    dialogs.openFiles.push_back("/site/pages/shop.html");
    click("btnBrowseLink");
    ASSERT_EQ(dialogs.fileRequests.size(), 1);
    EXPECT_EQ(dialogs.fileRequests.first().filter, "HTML Files (*.html *.htm);;All Files (*)");
    EXPECT_EQ(control<QLineEdit>("itemLinkEdit")->text(), "shop.html");
    EXPECT_EQ(panel(1, 0).link(), "shop.html");
}

}  // namespace
}  // namespace wendle::testing
