#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QStringList>

#include "StartupApplet.h"
#include "TemplateDocuments.h"
#include "image/GifBytes.h"
#include "image/PictureFiles.h"

namespace wendle {
namespace {

using testing::ScratchFolder;

struct CliRun {
    int status;
    std::string errors;
};

CliRun cli(const QStringList& arguments, const QString& program = QString::fromUtf8(WENDLE_CLI)) {
    QProcess process;
    process.start(program, arguments);
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

// A program folder like the built one without render's own module, where
// render runs in the drawing module and its captions are the GUI library's:
// the program is copied (it finds its folder through itself), the rest
// linked.
std::filesystem::path programWithoutRenderModule(const ScratchFolder& folder) {
    namespace fs = std::filesystem;
    const fs::path built = fs::path(WENDLE_CLI).parent_path();
    const fs::path program = folder / "program";
    fs::create_directories(program);
    for (const auto& entry : fs::directory_iterator(built)) {
        const fs::path name = entry.path().filename();
        if (name == "wendle-cli-render.so")
            continue;
        if (entry.path() == fs::path(WENDLE_CLI))
            fs::copy_file(entry.path(), program / name);
        else
            fs::create_symlink(entry.path(), program / name);
    }
    return program / fs::path(WENDLE_CLI).filename();
}

// render draws captions with FreeType alone where that gives the GUI
// library's pixels: every template, in every state, is the picture the
// drawing module with the GUI library's text draws.
TEST_F(RenderCommand, EveryTemplateInEveryStateIsTheGuiLibrarysPicture) {
    const auto all = testing::templates();
    ASSERT_GE(all.size(), 10u);
    const QString withGuiText = QString::fromStdString(programWithoutRenderModule(folder).string());
    for (const auto& document : all) {
        for (int state = 1; state <= kStateCount; ++state) {
            SCOPED_TRACE(document.filename().string() + ", state " + std::to_string(state));
            const QStringList arguments{"render", QString::fromStdString(document.string()),
                                        path("out.png"), "--state", QString::number(state)};
            ASSERT_EQ(cli(arguments).status, 0);
            const QImage drawn(path("out.png"), "PNG");
            QStringList again = arguments;
            again[2] = path("gui.png");
            ASSERT_EQ(cli(again, withGuiText).status, 0);
            const QImage gui(path("gui.png"), "PNG");
            ASSERT_FALSE(gui.isNull());
            ASSERT_EQ(drawn.size(), gui.size());
            EXPECT_EQ(testing::differenceOf(drawn, gui).pixels, 0);
        }
    }
}

TEST_F(RenderCommand, CaptionsHandedOnAreThePreviewsPictureToo) {
    std::vector<unsigned char> bytes = testing::readBytes(folder / "start.wdf");
    std::string text(bytes.begin(), bytes.end());
    // A soft hyphen (0xAD) in one caption and a tab in another.
    for (const auto& [from, to] :
         {std::pair<std::string, std::string>{"Button 1", "Co\xADop"}, {"Button 2", "A\tB"}}) {
        for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at))
            text.replace(at, from.size(), to);
    }
    testing::writeBytes(folder / "handed.wdf", {text.begin(), text.end()});
    const CliRun run = cli({"render", path("handed.wdf"), path("handed.png")});
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.errors, "");
    const QImage drawn = QImage(path("handed.png"), "PNG").convertToFormat(QImage::Format_RGB32);
    const QImage preview =
        testing::drawTemplate(folder / "handed.wdf", 1, testing::Variant::AsSaved);
    ASSERT_EQ(drawn.size(), preview.size());
    EXPECT_EQ(testing::differenceOf(drawn, preview).pixels, 0);
}

}  // namespace
}  // namespace wendle
