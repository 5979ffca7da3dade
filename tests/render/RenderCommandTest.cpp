#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QStringList>

#include "StartupApplet.h"
#include "image/GifBytes.h"
#include "image/PictureFiles.h"

namespace wendle {
namespace {

using testing::ScratchFolder;

struct CliRun {
    int status;
    std::string errors;
};

CliRun cli(const QStringList& arguments) {
    QProcess process;
    process.start(QString::fromUtf8(WENDLE_CLI), arguments);
    process.waitForFinished(60000);
    return CliRun{process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                  process.readAllStandardError().toStdString()};
}

class RenderCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(cli({"new", path("start.wdf")}).status, 0) << "the start-up document";
    }
    QString path(const char* name) const {
        return QString::fromStdString((folder / name).string());
    }
    ScratchFolder folder{"render-command"};
};

TEST_F(RenderCommand, StartupDocumentGivesThePreviewsPicture) {
    ASSERT_EQ(cli({"render", path("start.wdf"), path("out.png")}).status, 0);
    const QImage image(path("out.png"), "PNG");
    testing::expectStartupPixels(image, 0x00FFFFFF);

    // On MouseOver with buttons in slots 1 and 3 selected.
    ASSERT_EQ(
        cli({"render", path("start.wdf"), path("hover.png"), "--state", "2", "--selected", "1,3"})
            .status,
        0);
    const QImage hover(path("hover.png"), "PNG");
    testing::expectStartupPixels(hover, 0x0000FFFF);
    EXPECT_EQ(testing::colourAt(hover, 7, 37), 0x00FFFFFFu) << "the mark on button 2";
    EXPECT_NE(testing::colourAt(hover, 7, 9), 0x00FFFFFFu) << "button 1 unmarked";
}

// The start-up document with a tiled background picture whose stored path
// is stale, written as docs/NAME.wdf: the picture is looked for beside it.
void writeWithBackground(const ScratchFolder& folder, const std::string& name,
                         const std::string& picture) {
    std::vector<unsigned char> text = testing::readBytes(folder / "start.wdf");
    std::string document(text.begin(), text.end());
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; start < document.size(); start = end + 2) {
        end = document.find("\r\n", start);
        lines.push_back(document.substr(start, end - start));
        if (end == std::string::npos)
            break;
    }
    ASSERT_GT(lines.size(), 14u);
    lines[9] = picture;              // imageName
    lines[10] = "/gone/" + picture;  // imagePath
    lines[13] = "4";                 // imageStyle: Tile
    std::string patched;
    for (const std::string& line : lines) patched += line + "\r\n";
    std::filesystem::create_directories(folder / "docs");
    testing::writeBytes(folder / "docs" / (name + ".wdf"), {patched.begin(), patched.end()});
}

TEST_F(RenderCommand, PicturesAreFoundBesideTheDocument) {
    writeWithBackground(folder, "pic", "tile.gif");
    testing::writeGif(folder / "docs/tile.gif", 1, 1, {0xFF0000}, std::vector<std::uint8_t>{0});

    ASSERT_EQ(cli({"render", path("docs/pic.wdf"), path("pic.png")}).status, 0);
    const QImage image(path("pic.png"), "PNG");
    EXPECT_EQ(testing::colourAt(image, 50, 125), 0x000000FFu) << "red canvas under the buttons";
}

TEST_F(RenderCommand, APictureBeyondTheLimitsIsLeftOutAndNamed) {
    // 35 bytes that would take 256 MiB.
    writeWithBackground(folder, "bomb", "bomb.gif");
    testing::writeBytes(folder / "docs/bomb.gif", testing::gifScreenBomb(8192, 8192));

    const CliRun run = cli({"render", path("docs/bomb.wdf"), path("bomb.png")});
    ASSERT_EQ(run.status, 0) << run.errors;
    const std::string message =
        "wendle-cli render: 'bomb.gif' is not shown: it is 8192 x 8192 pixels, and one picture "
        "may have at most 16,777,216 pixels\n";
    EXPECT_NE(run.errors.find(message), std::string::npos) << run.errors;
    ASSERT_EQ(cli({"render", path("start.wdf"), path("plain.png")}).status, 0);
    EXPECT_EQ(QImage(path("bomb.png"), "PNG"), QImage(path("plain.png"), "PNG"))
        << "drawn as the document without a picture";
}

TEST_F(RenderCommand, FailuresWriteNothingAndKeepAnOlderPicture) {
    const std::vector<unsigned char> older = {'o', 'l', 'd'};
    testing::writeBytes(folder / "keep.png", older);
    struct Case {
        const char* name;
        QStringList arguments;
        int status;
    };
    const Case cases[] = {
        {"missing document", {"render", path("none.wdf"), path("keep.png")}, 1},
        {"not a document", {"render", path("keep.png"), path("keep.png")}, 1},
        {"state 4", {"render", path("start.wdf"), path("keep.png"), "--state", "4"}, 2},
        {"state without a value", {"render", path("start.wdf"), path("keep.png"), "--state"}, 2},
        {"slot list with a word",
         {"render", path("start.wdf"), path("keep.png"), "--selected", "1,x"},
         2},
        {"no button in the slot",
         {"render", path("start.wdf"), path("keep.png"), "--selected", "7"},
         1},
        {"one file only", {"render", path("start.wdf")}, 2},
        {"unknown option", {"render", path("start.wdf"), path("keep.png"), "--zoom"}, 2},
    };
    for (const Case& c : cases) {
        const CliRun run = cli(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.name << ": " << run.errors;
        EXPECT_FALSE(run.errors.empty()) << c.name;
        EXPECT_EQ(testing::readBytes(folder / "keep.png"), older) << c.name;
    }
}

}  // namespace
}  // namespace wendle
