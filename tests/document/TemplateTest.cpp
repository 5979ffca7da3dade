// The program folder the build lays out: every template opens, finds each
// picture and sound it names beside the program, draws and builds its HTML;
// every ready-made picture and sound is one the program can use.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "../render/TemplateDocuments.h"
#include "DocumentTestSupport.h"
#include "document/AppletDocumentHost.h"
#include "document/DocumentReader.h"
#include "document/WorkingFolders.h"
#include "image/Picture.h"
#include "model/AppletHTML.h"
#include "model/VelkForm.h"
#include "platform/Folders.h"
#include "platform/NamedFile.h"
#include "render/AppletPainter.h"
#include "render/CanvasDrawing.h"
#include "render/FaceDrawing.h"
#include "render/LoadImage.h"
#include "render/qt/HeadlessGui.h"

namespace wendle::document {
namespace {

namespace fs = std::filesystem;

const std::string kProgram = std::string(WENDLE_PROGRAM_DIR) + "/";
const std::string kImages = kProgram + "Button Images/";
const std::string kSounds = kProgram + "Sounds/";

// Opens documents as the editor does: pictures are looked for at their
// path, then beside the document.
using wendle::testing::PictureLoadingHost;

class Templates : public ::testing::TestWithParam<const char*> {
  protected:
    static void SetUpTestSuite() {
        gui_ = std::make_unique<HeadlessGui>();
        // The templates name their files relative to the program's folder.
        platform::overrideProgramFolder(kProgram);
    }
    static void TearDownTestSuite() {
        platform::overrideProgramFolder("");
        gui_.reset();
    }

    // The applet read from the template, or a failed assertion.
    TVelkForm& open() {
        const ReadResult read = readDocument(kProgram + GetParam(), host_);
        EXPECT_EQ(read.outcome, ReadOutcome::Read);
        EXPECT_TRUE(read.messages.empty()) << read.messages.front();
        return host_.applet();
    }

    PictureLoadingHost host_;

  private:
    static std::unique_ptr<HeadlessGui> gui_;
};

std::unique_ptr<HeadlessGui> Templates::gui_;

// Names the picture or sound a template gives, and the file it found.
struct Named {
    std::string where;
    std::string name;
    std::string path;
    const char* folder;
};

std::vector<Named> namedFiles(const TVelkForm& applet) {
    std::vector<Named> files;
    if (!applet.imageName().empty())
        files.push_back({"applet", applet.imageName(), applet.imagePath(), "Button Images/"});
    for (std::size_t ordinal = 0; ordinal < applet.usedSlots().size(); ++ordinal) {
        for (int state = 1; state <= kStateCount; ++state) {
            const TVelkPanel& panel = *applet.statePanel(state, applet.usedSlots()[ordinal]);
            const std::string where =
                "button " + std::to_string(ordinal) + " state " + std::to_string(state);
            if (!panel.imageName().empty())
                files.push_back({where, panel.imageName(), panel.imagePath(), "Button Images/"});
            if (!panel.soundName().empty())
                files.push_back({where, panel.soundName(), panel.soundPath(), "Sounds/"});
        }
    }
    return files;
}

TEST_P(Templates, NameOnlyFilesThatLieBesideTheProgram) {
    TVelkForm& applet = open();
    ASSERT_FALSE(applet.usedSlots().empty());
    for (const Named& file : namedFiles(applet)) {
        SCOPED_TRACE(file.where + ": " + file.name);
        // A bare name, since the page finds the copy beside itself ...
        EXPECT_EQ(file.name.find('/'), std::string::npos);
        // ... and the file itself in the program's ready-made folders.
        const auto found = platform::findNamedFile(file.path);
        ASSERT_TRUE(found);
        EXPECT_TRUE(fs::equivalent(found->file, kProgram + file.folder + file.name));
    }
}

TEST_P(Templates, LoadEveryPictureTheyName) {
    TVelkForm& applet = open();
    if (!applet.imageName().empty()) {
        EXPECT_NE(canvasDrawing(applet).picture, nullptr) << applet.imageName();
    }
    for (int slot : applet.usedSlots()) {
        for (int state = 1; state <= kStateCount; ++state) {
            TVelkPanel& panel = *applet.statePanel(state, slot);
            if (panel.imageName().empty())
                continue;
            EXPECT_NE(faceDrawing(panel).picture, nullptr) << panel.imageName();
        }
    }
}

TEST_P(Templates, DrawEveryStateAtTheirOwnSize) {
    TVelkForm& applet = open();
    for (int state = 1; state <= kStateCount; ++state) {
        const Raster image = renderApplet(applet, state);
        ASSERT_FALSE(image.empty()) << "state " << state;
        EXPECT_EQ(image.width(), applet.appletWidth());
        EXPECT_EQ(image.height(), applet.appletHeight());
    }
}

TEST_P(Templates, PublishEveryFileTheyName) {
    TVelkForm& applet = open();
    // Opened from the Templates menu, a template is untitled: nothing may
    // depend on the folder of the document.
    applet.setDocumentPath("");
    // Taken first: building the HTML stores its placeholders in the applet.
    const std::vector<Named> files = namedFiles(applet);
    std::string block;
    for (const auto& line : buildAppletHTML(applet)) block += line + "\n";
    test::TempFolder site;
    copyAppletFiles(applet, site.path() + "/");
    for (const Named& file : files) {
        SCOPED_TRACE(file.where + ": " + file.name);
        EXPECT_NE(block.find(file.name), std::string::npos);
        ASSERT_TRUE(fs::is_regular_file(site.file(file.name)));
        EXPECT_EQ(fs::file_size(site.file(file.name)),
                  fs::file_size(kProgram + file.folder + file.name));
    }
}

INSTANTIATE_TEST_SUITE_P(BesideTheProgram, Templates,
                         ::testing::Values("Toolbar One.wdf", "Toolbar Two.wdf",
                                           "Toolbar Three.wdf", "Toolbar Four.wdf",
                                           "Toolbar Five.wdf", "Toolbar Six.wdf",
                                           "Toolbar Seven.wdf", "Toolbar Eight.wdf",
                                           "Toolbar Nine.wdf", "Toolbar Ten.wdf"),
                         [](const auto& info) {
                             std::string name = info.param;
                             std::erase(name, ' ');
                             return name.substr(0, name.find('.'));
                         });

std::vector<fs::path> filesIn(const std::string& folder) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(folder)) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

TEST(ReadyMadeFiles, EveryButtonImageIsAPictureTheProgramTakes) {
    const auto files = filesIn(kImages);
    ASSERT_FALSE(files.empty());
    bool gif = false, jpeg = false;
    for (const fs::path& file : files) {
        SCOPED_TRACE(file.filename().string());
        EXPECT_TRUE(hasPictureExtension(file.string()));
        const auto picture = Picture::fromFile(file);
        ASSERT_NE(picture, nullptr);
        EXPECT_GE(picture->width(), 8);
        EXPECT_GE(picture->height(), 8);
        gif = gif || file.extension() == ".gif";
        jpeg = jpeg || file.extension() == ".jpg";
    }
    EXPECT_TRUE(gif && jpeg);
}

// Reads a 32-bit big-endian field of an .au header.
std::uint32_t field(const std::string& header, std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) value = (value << 8) | std::uint8_t(header[offset + i]);
    return value;
}

TEST(ReadyMadeFiles, EverySoundIsAShortMuLawAuFile) {
    const auto files = filesIn(kSounds);
    ASSERT_FALSE(files.empty());
    for (const fs::path& file : files) {
        SCOPED_TRACE(file.filename().string());
        EXPECT_EQ(file.extension(), ".au");
        std::ifstream in(file, std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        ASSERT_GE(bytes.size(), 24u);
        EXPECT_EQ(bytes.substr(0, 4), ".snd");
        const std::uint32_t dataOffset = field(bytes, 4);
        EXPECT_EQ(field(bytes, 12), 1u);     // 8-bit mu-law
        EXPECT_EQ(field(bytes, 16), 8000u);  // samples a second
        EXPECT_EQ(field(bytes, 20), 1u);     // one channel
        ASSERT_LT(dataOffset, bytes.size());
        // A button sound is over in a moment: at most two seconds.
        EXPECT_LE(bytes.size() - dataOffset, 2u * 8000u);
    }
}

}  // namespace
}  // namespace wendle::document
