#include <gtest/gtest.h>

#include "image/GifBytes.h"
#include "image/PictureFiles.h"
#include "image/PictureLimits.h"
#include "render/CanvasDrawing.h"
#include "render/FaceDrawing.h"
#include "render/LoadImage.h"

namespace wendle {
namespace {

using testing::ScratchFolder;
namespace fs = std::filesystem;

TEST(LoadImage, OnlyTheFourExactExtensionsAreAccepted) {
    struct Case {
        const char* name;
        bool accepted;
    };
    const Case cases[] = {
        {"a.gif", true},          {"a.GIF", true},      {"a.jpg", true},  {"a.JPG", true},
        {"x.tar.gif", true},      {"/dir/b.JPG", true}, {"a.Gif", false}, {"a.jpeg", false},
        {"a.JPEG", false},        {"a.bmp", false},     {"gif", false},   {"dir.gif/file", false},
        {"dir.gif\\file", false}, {"a.gif ", false},
    };
    for (const Case& c : cases) EXPECT_EQ(hasPictureExtension(c.name), c.accepted) << c.name;
}

class LoadImageFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(folder / "doc");
        fs::create_directories(folder / "elsewhere");
        // Pictures told apart by their width.
        writePicture("doc/one.gif", 1);
        writePicture("elsewhere/one.gif", 2);
        writePicture("doc/two.GIF", 3);
        writePicture("doc/three.jpeg", 4);
        testing::writeBytes(folder / "doc/broken.gif", {'G', 'I', 'F', '8', '9', 'a', 0, 0});
    }
    void writePicture(const std::string& name, int width) {
        testing::writeGif(folder / name, width, 1, {0xFF0000, 0x00FF00},
                          std::vector<std::uint8_t>(std::size_t(width), 0));
    }
    std::string path(const std::string& name) const { return (folder / name).string(); }
    std::string docFolder() const { return path("doc") + "/"; }

    ScratchFolder folder{"load-image"};
};

int faceWidth(const TVelkPanel& face) {
    const FaceDrawing* drawing = findFaceDrawing(face);
    return drawing && drawing->picture ? drawing->picture->width() : 0;
}

TEST_F(LoadImageFiles, FaceTriesItsPathThenTheFolderAndRemembersWhatItFound) {
    struct Case {
        const char* name;
        std::string imagePath, imageName, folder;
        int width;              // 0: no picture
        std::string foundPath;  // imagePath afterwards
    };
    const Case cases[] = {
        {"imagePath wins", path("elsewhere/one.gif"), "one.gif", docFolder(), 2,
         path("elsewhere/one.gif")},
        {"stale path: the document's folder", path("gone/one.gif"), "one.gif", docFolder(), 1,
         path("doc/one.gif")},
        {"folder without a closing separator", "", "one.gif", path("doc"), 1, path("doc/one.gif")},
        {"upper-case extension", "", "two.GIF", docFolder(), 3, path("doc/two.GIF")},
        {".jpeg found but refused", "", "three.jpeg", docFolder(), 0, path("doc/three.jpeg")},
        {"undecodable", "", "broken.gif", docFolder(), 0, path("doc/broken.gif")},
        {"missing: path kept", path("gone/x.gif"), "x.gif", docFolder(), 0, path("gone/x.gif")},
        {"no name: the folder itself is no file", "", "", docFolder(), 0, ""},
    };
    for (const Case& c : cases) {
        const TVelkForm applet;
        TVelkPanel face(0, 1);
        faceDrawing(face).picture =
            std::make_unique<Picture>(9, 1, std::vector<std::uint32_t>(9, 0xFF000000));
        face.setImagePath(c.imagePath);
        face.setImageName(c.imageName);
        face.setModified(false);
        LoadImage(applet, face, c.folder);
        EXPECT_EQ(faceWidth(face), c.width) << c.name << " (the old picture always goes)";
        EXPECT_EQ(face.imagePath(), c.foundPath) << c.name;
        EXPECT_TRUE(face.modified()) << c.name;
    }
}

TEST_F(LoadImageFiles, AppletTriesItsNameThenItsPathThenTheFolder) {
    struct Case {
        const char* name;
        std::string imageName, imagePath;
        int width;
    };
    const Case cases[] = {
        {"a name that is itself a file wins", path("elsewhere/one.gif"), path("doc/two.GIF"), 2},
        {"then imagePath", "one.gif", path("doc/two.GIF"), 3},
        {"then the folder", "one.gif", path("gone/one.gif"), 1},
        {"a .bmp gives none", "pic.bmp", "", 0},
    };
    for (const Case& c : cases) {
        TVelkForm applet;
        applet.setImageName(c.imageName);
        applet.setImagePath(c.imagePath);
        LoadImage(applet, docFolder());
        const CanvasDrawing* drawing = findCanvasDrawing(applet);
        ASSERT_NE(drawing, nullptr);
        EXPECT_EQ(drawing->picture ? drawing->picture->width() : 0, c.width) << c.name;
        EXPECT_EQ(applet.imagePath(), c.imagePath) << c.name << ": imagePath untouched";
        EXPECT_TRUE(drawing->pictureChanged) << c.name;
    }
}

TEST_F(LoadImageFiles, AppletNameRelativeToTheCurrentFolder) {
    const fs::path before = fs::current_path();
    fs::current_path(folder / "elsewhere");
    TVelkForm applet;
    applet.setImageName("one.gif");
    LoadImage(applet, docFolder());
    fs::current_path(before);
    ASSERT_TRUE(findCanvasDrawing(applet)->picture);
    EXPECT_EQ(findCanvasDrawing(applet)->picture->width(), 2);
}

TEST_F(LoadImageFiles, Windows1252NamesFindTheirFiles) {
    writePicture("doc/caf\xC3\xA9.gif", 5);  // the UTF-8 name on disk
    const TVelkForm applet;
    TVelkPanel face(0, 1);
    face.setImageName("caf\xE9.gif");  // the model's Windows-1252 text
    LoadImage(applet, face, docFolder());
    EXPECT_EQ(faceWidth(face), 5);
    EXPECT_EQ(face.imagePath(), docFolder() + "caf\xE9.gif");
}

// Pictures at the limit of one picture (4096 x 4096), four of which fill
// the document's budget: 35 bytes each on disk.
class PictureBudgets : public LoadImageFiles {
  protected:
    void SetUp() override {
        LoadImageFiles::SetUp();
        for (const char* name : {"big1.gif", "big2.gif", "big3.gif", "big4.gif"})
            testing::writeBytes(folder / "doc" / name, testing::gifScreenBomb(4096, 4096));
        testing::writeBytes(folder / "doc/bomb.gif", testing::gifScreenBomb(8192, 8192));
    }
    LoadImageReport loadFace(TVelkForm& applet, int slot, const std::string& name) {
        TVelkPanel& face = *applet.statePanel(1, slot);
        face.setImageName(name);
        face.setImagePath("");
        return LoadImage(applet, face, docFolder());
    }
};

TEST_F(PictureBudgets, OnePictureBeyondItsOwnIsRefusedWithTheLimitNamed) {
    TVelkForm applet;
    applet.setImageName("bomb.gif");
    const LoadImageReport report = LoadImage(applet, docFolder());
    EXPECT_EQ(findCanvasDrawing(applet)->picture, nullptr);
    EXPECT_TRUE(report.worthTelling());
    EXPECT_EQ(report.message,
              "'bomb.gif' is not shown: it is 8192 x 8192 pixels, and one picture may have at "
              "most 16,777,216 pixels");

    // Failures that were never worth a word stay quiet.
    for (const char* name : {"broken.gif", "missing.gif", "three.jpeg"}) {
        applet.setImageName(name);
        EXPECT_FALSE(LoadImage(applet, docFolder()).worthTelling()) << name;
    }
}

TEST_F(PictureBudgets, AllPicturesOfADocumentShareOneBudget) {
    TVelkForm applet;
    for (int i = 0; i < 4; ++i) ASSERT_TRUE(applet.CreateMenuItem().ok());
    const std::vector<int> used = applet.usedSlots();

    applet.setImageName("big1.gif");
    EXPECT_EQ(LoadImage(applet, docFolder()).problem, PictureProblem::None);
    EXPECT_EQ(loadFace(applet, used[0], "big2.gif").problem, PictureProblem::None);
    EXPECT_EQ(loadFace(applet, used[1], "big3.gif").problem, PictureProblem::None);
    EXPECT_EQ(loadFace(applet, used[2], "big4.gif").problem, PictureProblem::None);
    EXPECT_EQ(documentPicturePixels(applet), kDocumentPixelBudget);

    // Full: even the smallest picture is refused, and says why.
    const LoadImageReport refused = loadFace(applet, used[3], "one.gif");
    EXPECT_EQ(refused.problem, PictureProblem::DocumentBudget);
    EXPECT_EQ(refused.message,
              "'one.gif' is not shown: it is 1 x 1 pixels, and all the pictures of a document "
              "together may have at most 67,108,864 pixels");
    EXPECT_EQ(faceWidth(*applet.statePanel(1, used[3])), 0);

    // A picture replaced gives its pixels back; one reloaded does not count twice.
    EXPECT_EQ(loadFace(applet, used[0], "missing.gif").problem, PictureProblem::None);
    EXPECT_EQ(loadFace(applet, used[3], "one.gif").problem, PictureProblem::None);
    EXPECT_EQ(faceWidth(*applet.statePanel(1, used[3])), 1);
    EXPECT_EQ(loadFace(applet, used[2], "big4.gif").problem, PictureProblem::None);
}

TEST_F(PictureBudgets, AChosenFileIsCheckedBeforeItIsTaken) {
    testing::writeBytes(folder / "doc/fake.gif", {'t', 'e', 'x', 't', '\n'});
    struct Case {
        const char* name;
        std::string message;
    };
    const Case cases[] = {
        {"fake.gif", "'fake.gif' is not a GIF or JPEG picture (it does not begin like one)"},
        {"bomb.gif",
         "'bomb.gif' is not shown: it is 8192 x 8192 pixels, and one picture may have at most "
         "16,777,216 pixels"},
        {"one.gif", ""},
        {"missing.gif", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(chosenPictureProblem(folder / "doc" / c.name), c.message) << c.name;
}

}  // namespace
}  // namespace wendle
