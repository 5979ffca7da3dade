#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "DocumentTestSupport.h"
#include "document/PublishFiles.h"
#include "document/WorkingFolders.h"
#include "model/VelkForm.h"
#include "model/VelkPanel.h"
#include "platform/Windows1252.h"
#include "render/LoadImage.h"

namespace wendle::document {
namespace {

using test::listFolder;
using test::publishable;
using test::readFile;
using test::TempFolder;
using test::writeFile;

using Names = std::vector<std::string>;

bool exists(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

// A program folder with its working folders, a folder of the user's own
// images and sounds, and an applet that names them.
class WorkingFoldersTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ::mkdir(program().c_str(), 0700);
        ::mkdir(own().c_str(), 0700);
        folders = {program(), program()};
    }
    std::string program() const { return temp.path() + "/program/"; }
    std::string own() const { return temp.path() + "/own files/"; }
    std::string required() const { return folders.requiredFiles(); }
    std::string appletTemp() const { return folders.appletTemp(); }
    void makeWorkingFolders() {
        ::mkdir(required().c_str(), 0700);
        ::mkdir(appletTemp().c_str(), 0700);
    }
    // A picture or sound of the user's, holding its own name.
    std::string ownFile(const std::string& name) {
        writeFile(own() + name, publishable(name, name));
        return own() + name;
    }
    TVelkPanel& state(int number, int ordinal = 0) {
        while (applet.buttonCount() <= ordinal) applet.CreateMenuItem();
        return *applet.statePanel(number, applet.usedSlots()[std::size_t(ordinal)]);
    }
    void setImage(TVelkPanel& panel, const std::string& name) {
        panel.setImageName(name);
        panel.setImagePath(ownFile(name));
    }
    void setSound(TVelkPanel& panel, const std::string& name) {
        panel.setSoundName(name);
        panel.setSoundPath(ownFile(name));
    }
    TempFolder temp;
    WorkingFolders folders;
    TVelkForm applet;
};

TEST(PlainFileName, OnlyANameWithoutFolderPartsStaysInsideAFolder) {
    const struct {
        std::string name;
        bool plain;
    } cases[] = {{"a.gif", true},        {"..a.gif", true},
                 {"my image.jpg", true}, {"", false},
                 {".", false},           {"..", false},
                 {"../x", false},        {"sub/a.gif", false},
                 {"..\\x", false},       {"/etc/passwd", false},
                 {"C:\\a.gif", false},   {std::string("a\0/b", 4), false}};
    for (const auto& c : cases) EXPECT_EQ(isPlainFileName(c.name), c.plain) << c.name;
}

TEST(FileSystemName, AppletTextsBecomeUtf8FileNames) {
    EXPECT_EQ(fileSystemName("plain.gif"), "plain.gif");
    EXPECT_EQ(fileSystemName("caf\xE9.gif"), "caf\xC3\xA9.gif");
    EXPECT_EQ(fileSystemName("\x80.wav"), "\xE2\x82\xAC.wav");
    // An unassigned byte keeps its own value, as the drawing's conversion does.
    EXPECT_EQ(fileSystemName("\x81.wav"), "\xC2\x81.wav");
}

// Picture loading and publishing turn a stored name into a file name in the
// same way, so the picture the preview shows is the one that gets published.
TEST_F(WorkingFoldersTest, TheFileThePreviewLoadsIsTheFileThatIsPublished) {
    makeWorkingFolders();
    for (const std::string name : {"caf\xE9.gif", "\x80uro.gif", "a\x81.gif", "\x9D\x8D.jpg"}) {
        const std::string onDisk = platform::windows1252ToUtf8(name);
        writeFile(own() + onDisk, publishable(name, "picture " + name));
        TVelkPanel& face = state(1);
        face.setImageName(name);
        face.setImagePath("/nowhere/" + name);
        LoadImage(applet, face, own());
        EXPECT_EQ(face.imagePath(), own() + name) << "the preview did not find " << onDisk;
        copyAppletFiles(applet, required());
        EXPECT_EQ(readFile(required() + onDisk), publishable(name, "picture " + name))
            << "not published: " << onDisk;
    }
}

TEST_F(WorkingFoldersTest, CopiesTheBackgroundAndEveryStatesImageAndSoundUnderTheirNames) {
    makeWorkingFolders();
    // The background's bare name is not found from the current folder; the
    // path kept with it is.
    applet.setImageName("bg.gif");
    applet.setImagePath(ownFile("bg.gif"));
    setImage(state(1), "load.gif");
    setImage(state(2), "over.gif");
    setSound(state(3), "click.wav");
    setImage(state(1, 1), "second.jpg");
    setSound(state(2, 1), "hover.wav");

    copyAppletFiles(applet, required());

    EXPECT_EQ(listFolder(required()),
              (Names{"bg.gif", "click.wav", "hover.wav", "load.gif", "over.gif", "second.jpg"}));
    EXPECT_EQ(readFile(required() + "over.gif"), publishable("over.gif", "over.gif"));
    EXPECT_TRUE(listFolder(appletTemp()).empty());
}

TEST_F(WorkingFoldersTest, ACopyNeverReplacesAFileAndAMissingSourceIsSkipped) {
    makeWorkingFolders();
    setImage(state(1), "a.gif");
    writeFile(required() + "a.gif", "older copy");
    state(2).setImageName("gone.gif");
    state(2).setImagePath(own() + "gone.gif");

    copyAppletFiles(applet, required());

    EXPECT_EQ(readFile(required() + "a.gif"), "older copy");
    EXPECT_FALSE(exists(required() + "gone.gif"));
}

TEST_F(WorkingFoldersTest, ASoundIsCopiedFromItsPathItsNameOrTheDocumentsFolder) {
    makeWorkingFolders();
    const std::string documentFolder = temp.path() + "/documents/";
    ::mkdir(documentFolder.c_str(), 0700);
    writeFile(documentFolder + "beside.wav", publishable("beside.wav", "beside the document"));
    const struct {
        const char* what;
        std::string soundPath;
        std::string documentPath;
        bool copied;
    } cases[] = {
        {"the path", ownFile("beside.wav"), "", true},
        {"a path that is gone, the document's folder", own() + "gone/beside.wav",
         documentFolder + "bar.wdf", true},
        {"no path at all", "", documentFolder + "bar.wdf", false},
        {"a path that is gone, an untitled document", own() + "gone/beside.wav", "", false},
    };
    for (const auto& c : cases) {
        ::unlink((required() + "beside.wav").c_str());
        TVelkForm one;
        one.CreateMenuItem();
        TVelkPanel& panel = *one.statePanel(2, one.usedSlots()[0]);
        panel.setSoundName("beside.wav");
        panel.setSoundPath(c.soundPath);
        one.setDocumentPath(c.documentPath);
        copyAppletFiles(one, required());
        EXPECT_EQ(exists(required() + "beside.wav"), c.copied) << c.what;
    }
}

TEST_F(WorkingFoldersTest, AppletTextsFindFilesNamedInUtf8) {
    makeWorkingFolders();
    const std::string utf8 = "caf\xC3\xA9.gif";
    writeFile(own() + utf8, publishable(utf8, "picture"));
    state(1).setImageName("caf\xE9.gif");
    state(1).setImagePath(own() + "caf\xE9.gif");
    copyAppletFiles(applet, required());
    EXPECT_EQ(readFile(required() + utf8), publishable(utf8, "picture"));
    deleteAppletCopies(applet, folders);
    EXPECT_FALSE(exists(required() + utf8));
}

TEST_F(WorkingFoldersTest, DeletesTheCopiesOfEveryUsedNameFromBothFoldersOnly) {
    makeWorkingFolders();
    applet.setImageName("bg.gif");
    setImage(state(1), "a.gif");
    // A sound without an image still has its copies removed.
    state(3).setSoundName("s.wav");
    for (const std::string& folder : {required(), appletTemp(), program()}) {
        for (const char* name : {"bg.gif", "a.gif", "s.wav", "other.gif"})
            writeFile(folder + name, name);
    }
    const std::string velkbutton = folders.velkbutton();
    ::mkdir(velkbutton.c_str(), 0700);
    writeFile(velkbutton + "a.gif", "a.gif");

    deleteAppletCopies(applet, folders);

    EXPECT_EQ(listFolder(required()), Names{"other.gif"});
    EXPECT_EQ(listFolder(appletTemp()), Names{"other.gif"});
    EXPECT_TRUE(exists(program() + "a.gif"));
    EXPECT_TRUE(exists(velkbutton + "a.gif"));
}

TEST_F(WorkingFoldersTest, AReplacedNameLeavesBothFolders) {
    makeWorkingFolders();
    for (const std::string& folder : {required(), appletTemp()}) {
        writeFile(folder + "a.gif", "a");
        writeFile(folder + "b.gif", "b");
    }
    deleteReplacedCopies("a.gif", folders);
    deleteReplacedCopies("", folders);
    deleteReplacedCopies("never copied.gif", folders);
    EXPECT_EQ(listFolder(required()), Names{"b.gif"});
    EXPECT_EQ(listFolder(appletTemp()), Names{"b.gif"});
}

// A crafted document names files outside the working folders: nothing
// there is ever written or removed.
TEST_F(WorkingFoldersTest, NamesWithFolderPartsAreNeitherCopiedNorDeleted) {
    makeWorkingFolders();
    writeFile(program() + "x", "the program's own file");
    writeFile(temp.path() + "/x", "a file above the program");
    const std::string source = ownFile("source.gif");
    for (const std::string& name : {std::string("../x"), std::string("../../x"),
                                    std::string("..\\x"), std::string("sub/x"), program() + "x"}) {
        applet.setImageName(name);
        applet.setImagePath(source);
        TVelkPanel& panel = state(1);
        panel.setImageName(name);
        panel.setImagePath(source);
        panel.setSoundName(name);
        panel.setSoundPath(source);

        deleteAppletCopies(applet, folders);
        deleteReplacedCopies(name, folders);
        copyAppletFiles(applet, required());
        copyAppletFiles(applet, appletTemp());

        EXPECT_EQ(readFile(program() + "x"), "the program's own file") << name;
        EXPECT_EQ(readFile(temp.path() + "/x"), "a file above the program") << name;
        EXPECT_TRUE(listFolder(required()).empty()) << name;
        EXPECT_TRUE(listFolder(appletTemp()).empty()) << name;
    }
    // Nothing new appeared beside the program either.
    EXPECT_EQ(listFolder(program()), (Names{"Applet Temp", "Required Files", "x"}));
}

TEST_F(WorkingFoldersTest, OnlyPlainFilesAreCopied) {
    makeWorkingFolders();
    ::mkdir((own() + "folder.gif").c_str(), 0700);
    ::mkfifo((own() + "pipe.gif").c_str(), 0600);
    EXPECT_FALSE(copyFileIfAbsent(own() + "folder.gif", required() + "folder.gif"));
    // A named pipe with no writer would block a plain read for ever.
    EXPECT_FALSE(copyFileIfAbsent(own() + "pipe.gif", required() + "pipe.gif"));
    EXPECT_TRUE(listFolder(required()).empty());
}

TEST_F(WorkingFoldersTest, RefreshingRequiredFilesMakesTheFolderAndRenewsEveryCopy) {
    setImage(state(1), "a.gif");
    ASSERT_EQ(refreshRequiredFiles(applet, folders), std::nullopt);
    EXPECT_EQ(readFile(required() + "a.gif"), publishable("a.gif", "a.gif"));

    // New contents under the same name: the refresh deletes before it copies.
    writeFile(own() + "a.gif", publishable("a.gif", "changed"));
    writeFile(required() + "earlier applet.gif", "kept");
    ASSERT_EQ(refreshRequiredFiles(applet, folders), std::nullopt);
    EXPECT_EQ(readFile(required() + "a.gif"), publishable("a.gif", "changed"));
    EXPECT_EQ(readFile(required() + "earlier applet.gif"), "kept");
}

TEST_F(WorkingFoldersTest, TheClassFilesLinkCopiesWhatLiesBesideTheProgramOnce) {
    writeFile(program() + "velkbutton.class", "applet");
    // "textbox.class" is not there: it is simply not copied.
    ASSERT_EQ(gatherClassFiles(folders), std::nullopt);
    EXPECT_EQ(listFolder(folders.velkbutton()), Names{"velkbutton.class"});

    writeFile(program() + "velkbutton.class", "newer applet");
    ASSERT_EQ(gatherClassFiles(folders), std::nullopt);
    EXPECT_EQ(readFile(folders.velkbutton() + "velkbutton.class"), "applet");
}

TEST_F(WorkingFoldersTest, AFolderThatCannotBeMadeEndsTheCommandWithTheSystemsText) {
    setImage(state(1), "a.gif");
    const std::string expected = ": " + std::string(std::strerror(EEXIST));
    // A file of the folder's name stands in the way.
    writeFile(program() + "Required Files", "");
    writeFile(program() + "Velkbutton", "");
    writeFile(program() + "velkbutton.class", "applet");

    const auto refresh = refreshRequiredFiles(applet, folders);
    ASSERT_TRUE(refresh.has_value());
    EXPECT_EQ(*refresh, program() + "Required Files" + expected);
    const auto classes = gatherClassFiles(folders);
    ASSERT_TRUE(classes.has_value());
    EXPECT_EQ(*classes, program() + "Velkbutton" + expected);
}

}  // namespace
}  // namespace wendle::document
