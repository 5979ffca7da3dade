#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>

#include "document/AppletDocumentHost.h"
#include "document/DocumentWriter.h"
#include "document/Lifecycle.h"
#include "model/UpdatingControls.h"

namespace wendle::document {
namespace {

namespace fs = std::filesystem;

// A host without windows whose answers come from a script; the applet
// itself is kept by a plain document host.
class ScriptedHost : public LifecycleHost {
  public:
    std::deque<Answer> answers;  // Cancel when empty
    std::deque<std::string> openPaths;
    std::deque<std::string> savePaths;
    int questions = 0;
    int copiesDeleted = 0;
    int resets = 0;

    TVelkForm& applet() { return plain_.applet(); }
    const std::vector<std::string>& messages() const { return plain_.messages(); }
    const std::vector<std::string>& recentDocuments() const { return plain_.recentDocuments(); }

    TVelkForm& currentApplet() override { return plain_.applet(); }
    Answer askSaveChanges() override {
        ++questions;
        return next(answers, Answer::Cancel);
    }
    std::string chooseOpenPath(const std::string&) override { return next(openPaths, {}); }
    std::string chooseSavePath(const std::string&) override { return next(savePaths, {}); }
    TVelkForm& resetDocument() override {
        ++resets;
        return plain_.resetDocument();
    }
    void deleteAppletCopies() override { ++copiesDeleted; }
    void addRecentDocument(const std::string& path) override { plain_.addRecentDocument(path); }
    void showMessage(const std::string& text) override { plain_.showMessage(text); }

  private:
    template <typename T>
    static T next(std::deque<T>& queue, T fallback) {
        if (queue.empty())
            return fallback;
        T value = queue.front();
        queue.pop_front();
        return value;
    }
    AppletDocumentHost plain_;
};

class Lifecycle : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("wendle-lifecycle-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
        programFolder = folder.string() + "/";
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(folder, fs::perms::owner_all, ignored);
        fs::remove_all(folder, ignored);
    }
    // A template document beside the program with one button named name.
    void writeTemplate(const std::string& file, const std::string& name) {
        AppletDocumentHost maker;
        maker.applet().CreateMenuItem();
        maker.applet().statePanel(1, 0)->setItemName(name);
        maker.applet().setDocumentPath(programFolder + file);
        ASSERT_TRUE(writeDocument(maker.applet(), maker).saved());
    }

    fs::path folder;
    std::string programFolder;
    ScriptedHost inner;
    LifecycleHost& host = inner;
    DocumentLifecycle lifecycle{host, ""};
};

TEST_F(Lifecycle, TemplatesMapToTheirFilesWithTheLastTwoSwapped) {
    const char* files[] = {"Toolbar One.wdf",   "Toolbar Two.wdf",   "Toolbar Three.wdf",
                           "Toolbar Four.wdf",  "Toolbar Five.wdf",  "Toolbar Six.wdf",
                           "Toolbar Seven.wdf", "Toolbar Eight.wdf", "Toolbar Ten.wdf",
                           "Toolbar Nine.wdf"};
    for (int number = 0; number < 10; ++number) EXPECT_EQ(templateFileName(number), files[number]);
    EXPECT_EQ(templateFileName(10), "");
    EXPECT_EQ(templateFileName(-1), "");
}

TEST_F(Lifecycle, TheGuardAsksOnlyAboutUnsavedWork) {
    struct Case {
        bool modified;
        LifecycleHost::Answer answer;
        bool goesOn;
        int questions;
    } cases[] = {
        {false, LifecycleHost::Answer::Cancel, true, 0},
        {true, LifecycleHost::Answer::No, true, 1},
        {true, LifecycleHost::Answer::Cancel, false, 1},
        // Yes on an untitled applet turns into Save As; cancelling it still goes on.
        {true, LifecycleHost::Answer::Yes, true, 1},
    };
    for (const auto& c : cases) {
        inner.questions = 0;
        inner.applet().setModified(c.modified);
        inner.answers = {c.answer};
        EXPECT_EQ(lifecycle.askSaveChanges(), c.goesOn) << int(c.answer);
        EXPECT_EQ(inner.questions, c.questions);
    }
}

TEST_F(Lifecycle, NewDeletesCopiesOnlyAfterThePrompt) {
    inner.applet().setModified(false);
    lifecycle.newDocument();
    EXPECT_EQ(inner.resets, 1);
    EXPECT_EQ(inner.copiesDeleted, 0);
    EXPECT_EQ(inner.applet().buttonCount(), 0);
    EXPECT_EQ(inner.applet().appletHeight(), 150);

    inner.applet().setModified(true);
    inner.answers = {LifecycleHost::Answer::No};
    lifecycle.newDocument();
    EXPECT_EQ(inner.resets, 2);
    EXPECT_EQ(inner.copiesDeleted, 1);

    inner.applet().CreateMenuItem();
    inner.answers = {LifecycleHost::Answer::Cancel};
    lifecycle.newDocument();
    EXPECT_EQ(inner.resets, 2);
    EXPECT_EQ(inner.applet().buttonCount(), 1);
}

TEST_F(Lifecycle, SaveAsNamesTheDocumentAndSaveReusesTheName) {
    inner.applet().CreateMenuItem();
    const std::string path = programFolder + "bar.wdf";
    inner.savePaths = {path};
    EXPECT_TRUE(lifecycle.save());  // untitled: Save As
    EXPECT_EQ(inner.applet().documentPath(), path);
    EXPECT_FALSE(inner.applet().modified());
    EXPECT_TRUE(fs::exists(path));

    inner.applet().setModified(true);
    EXPECT_TRUE(lifecycle.save());  // no dialog this time
    EXPECT_TRUE(inner.savePaths.empty());
    EXPECT_FALSE(inner.applet().modified());
}

TEST_F(Lifecycle, AFailedSaveAsKeepsThePreviousName) {
    inner.applet().setDocumentPath("");
    inner.applet().setModified(true);
    inner.savePaths = {programFolder + "no such folder/bar.wdf"};
    EXPECT_FALSE(lifecycle.saveAs());
    EXPECT_EQ(inner.applet().documentPath(), "");
    EXPECT_TRUE(inner.applet().modified());
    EXPECT_FALSE(inner.messages().empty());
}

TEST_F(Lifecycle, ATemplateOpensUntitledAndUnmodified) {
    writeTemplate("Toolbar Ten.wdf", "Relax");
    DocumentLifecycle fromProgram(host, programFolder);
    inner.applet().setModified(false);
    fromProgram.openTemplate(8);
    ASSERT_EQ(inner.applet().buttonCount(), 1);
    EXPECT_EQ(inner.applet().statePanel(1, 0)->itemName(), "Relax");
    EXPECT_EQ(inner.applet().documentPath(), "");
    EXPECT_FALSE(inner.applet().modified());
    EXPECT_EQ(inner.recentDocuments().front(), programFolder + "Toolbar Ten.wdf");
}

TEST_F(Lifecycle, AMissingTemplateLeavesTheAppletAlone) {
    DocumentLifecycle fromProgram(host, programFolder);
    inner.applet().setDocumentPath("/somewhere/mine.wdf");
    inner.applet().setModified(false);
    fromProgram.openTemplate(3);
    EXPECT_EQ(inner.resets, 0);
    EXPECT_EQ(inner.applet().documentPath(), "/somewhere/mine.wdf");
}

TEST_F(Lifecycle, ClosingKeepsUnsavedWorkWhenTheSaveFails) {
    struct Case {
        bool modified;
        LifecycleHost::Answer answer;
        std::string documentPath;  // relative to the folder; empty: untitled
        bool mayClose;
    } cases[] = {
        {false, LifecycleHost::Answer::Cancel, "", true},
        {true, LifecycleHost::Answer::Cancel, "", false},
        {true, LifecycleHost::Answer::No, "", true},
        {true, LifecycleHost::Answer::Yes, "saved.wdf", true},
        {true, LifecycleHost::Answer::Yes, "missing/saved.wdf", false},
        {true, LifecycleHost::Answer::Yes, "", true},  // Save As cancelled: the user's choice
    };
    for (const auto& c : cases) {
        inner.copiesDeleted = 0;
        inner.applet().setDocumentPath(c.documentPath.empty() ? ""
                                                              : programFolder + c.documentPath);
        inner.applet().setModified(c.modified);
        inner.answers = {c.answer};
        EXPECT_EQ(lifecycle.close(), c.mayClose) << c.documentPath << " " << int(c.answer);
        EXPECT_EQ(inner.copiesDeleted, c.mayClose ? 1 : 0);
        EXPECT_FALSE(updatingControls());
    }
}

TEST_F(Lifecycle, OpenAndReopenReadThroughTheGuard) {
    writeTemplate("mine.wdf", "Mine");
    const std::string path = programFolder + "mine.wdf";
    inner.applet().setModified(true);
    inner.answers = {LifecycleHost::Answer::Cancel};
    lifecycle.reopen(path);
    EXPECT_EQ(inner.applet().buttonCount(), 0);

    inner.answers = {LifecycleHost::Answer::No};
    inner.openPaths = {""};  // a cancelled dialog
    lifecycle.open();
    EXPECT_EQ(inner.resets, 0);

    inner.answers = {LifecycleHost::Answer::No};
    inner.openPaths = {path};
    lifecycle.open();
    EXPECT_EQ(inner.applet().buttonCount(), 1);
    EXPECT_EQ(inner.applet().documentPath(), path);
    EXPECT_TRUE(inner.applet().modified());

    lifecycle.reopen(programFolder + "gone.wdf");  // asks, then opens nothing
    EXPECT_EQ(inner.applet().documentPath(), path);
}

}  // namespace
}  // namespace wendle::document
