#include <QPlainTextEdit>
#include <QTabWidget>

#include "EditorFixture.h"
#include "editor/HtmlTab.h"

namespace wendle::testing {
namespace {

using MainWindow = EditorFixture;

TEST_F(MainWindow, StartsWithFourButtonsOnA105By131Applet) {
    EXPECT_EQ(applet().buttonCount(), 4);
    EXPECT_EQ(applet().appletWidth(), 105);
    EXPECT_EQ(applet().appletHeight(), 131);
    EXPECT_TRUE(applet().modified());
    EXPECT_EQ(main->windowTitle(), "Wendle");
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

}  // namespace
}  // namespace wendle::testing
