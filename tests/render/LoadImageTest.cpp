#include <gtest/gtest.h>

#include "image/PictureFiles.h"
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
        TVelkPanel face(0, 1);
        faceDrawing(face).picture =
            std::make_unique<Picture>(9, 1, std::vector<std::uint32_t>(9, 0xFF000000));
        face.setImagePath(c.imagePath);
        face.setImageName(c.imageName);
        face.setModified(false);
        LoadImage(face, c.folder);
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
    TVelkPanel face(0, 1);
    face.setImageName("caf\xE9.gif");  // the model's Windows-1252 text
    LoadImage(face, docFolder());
    EXPECT_EQ(faceWidth(face), 5);
    EXPECT_EQ(face.imagePath(), docFolder() + "caf\xE9.gif");
}

}  // namespace
}  // namespace wendle
