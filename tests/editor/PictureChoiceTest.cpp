#include <QCoreApplication>
#include <QToolButton>

#include "PropertiesFixture.h"
#include "document/DocumentWriter.h"
#include "editor/GeneralTab.h"
#include "image/GifBytes.h"
#include "image/PictureFiles.h"

namespace wendle::testing {
namespace {

class PictureChoice : public PropertiesFixture {
  protected:
    std::string file(const char* name) const { return (folder / name).string(); }
    QString path(const char* name) const { return QString::fromStdString(file(name)); }

    ScratchFolder folder{"picture-choice"};
};

// Both choosers: a button's image and the applet's background image.
struct Chooser {
    const char* name;
    bool background;
};
const Chooser kChoosers[] = {{"button image", false}, {"background image", true}};

TEST_F(PictureChoice, AChosenFileThatCannotBeAPictureChangesNothing) {
    writeBytes(folder / "fake.gif", {'n', 'o', 't', ' ', 'a', ' ', 'G', 'I', 'F', '\n'});
    writeBytes(folder / "bomb.gif", gifScreenBomb(8192, 8192));
    writeGif(folder / "good.gif", 2, 1, {0xFF0000, 0x0000FF}, {0, 1});
    struct Case {
        const char* file;
        QString message;  // empty: taken
    };
    const Case cases[] = {
        {"fake.gif", "'fake.gif' is not a GIF or JPEG picture (it does not begin like one)"},
        {"bomb.gif",
         "'bomb.gif' is not shown: it is 8192 x 8192 pixels, and one picture may have at most "
         "16,777,216 pixels"},
        {"good.gif", ""},
    };
    for (const Chooser& chooser : kChoosers) {
        for (const Case& c : cases) {
            restart();
            const std::string what = std::string(chooser.name) + ", " + c.file;
            select({0});
            showTab(1);
            setApplyToAll(false);
            panel(1, 0).setImageName("a.gif");
            panel(1, 0).setImagePath("/old/a.gif");
            applet().setImageName("a.gif");
            applet().setImagePath("/old/a.gif");
            applet().setModified(false);

            dialogs.openFiles.push_back(path(c.file));
            if (chooser.background)
                main->generalTab()->findChild<QToolButton*>("bBkImageBrowse")->click();
            else
                click("bBkImageBrowse");

            const std::string expectedName = c.message.isEmpty() ? c.file : "a.gif";
            const std::string& name =
                chooser.background ? applet().imageName() : panel(1, 0).imageName();
            EXPECT_EQ(name, expectedName) << what;
            EXPECT_EQ(applet().modified(), c.message.isEmpty()) << what;
            EXPECT_EQ(dialogs.messages,
                      c.message.isEmpty() ? QStringList() : QStringList{c.message})
                << what;
        }
    }
}

TEST_F(PictureChoice, PicturesRefusedWhileADocumentOpensAreToldOnceTogether) {
    writeBytes(folder / "bomb.gif", gifScreenBomb(8192, 8192));
    writeBytes(folder / "wide.gif", gifScreenBomb(65535, 300));
    // As large as one picture may be: four of them fill a document's budget.
    writeBytes(folder / "big.gif", gifScreenBomb(4096, 4096));
    applet().setImageName("wide.gif");
    applet().setImagePath(file("wide.gif"));
    for (int slot : applet().usedSlots()) {
        const char* name = slot == applet().usedSlots().front() ? "bomb.gif" : "big.gif";
        for (int state = 1; state <= kStateCount; ++state) {
            applet().statePanel(state, slot)->setImageName(name);
            applet().statePanel(state, slot)->setImagePath(file(name));
        }
    }
    const std::string bytes = document::composeDocument(applet()).bytes;
    writeBytes(folder / "bombs.wdf", {bytes.begin(), bytes.end()});
    applet().setModified(false);
    dialogs.messages.clear();

    main->documentCommands().openPath(path("bombs.wdf"));
    EXPECT_TRUE(dialogs.messages.isEmpty()) << "nothing is shown in the middle of the read";
    QCoreApplication::processEvents();
    EXPECT_EQ(dialogs.messages,
              QStringList{"'wide.gif' is not shown: it is 65535 x 300 pixels, and one picture may "
                          "have at most 16,777,216 pixels\n"
                          "'bomb.gif' is not shown: it is 8192 x 8192 pixels, and one picture may "
                          "have at most 16,777,216 pixels\n"
                          "'big.gif' is not shown: it is 4096 x 4096 pixels, and all the pictures "
                          "of a document together may have at most 67,108,864 pixels"});
    EXPECT_EQ(applet().statePanel(1, applet().usedSlots().front())->imageName(), "bomb.gif")
        << "the document itself is read whole";
}

}  // namespace
}  // namespace wendle::testing
