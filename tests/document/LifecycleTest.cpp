#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "document/AppletDocumentHost.h"
#include "document/DocumentWriter.h"
#include "document/Lifecycle.h"
#include "document/NewDocument.h"
#include "model/UpdatingControls.h"

namespace wendle::document {
namespace {

namespace fs = std::filesystem;

// A host without windows whose answers come from a script; it keeps the
// applet, the messages and the recent documents itself.
class ScriptedHost : public LifecycleHost {
  public:
    std::deque<Answer> answers;         // Cancel when empty
    std::deque<bool> overwriteAnswers;  // No when empty
    std::deque<std::string> openPaths;
    std::deque<std::string> savePaths;
    std::vector<std::string> openFolders;
    std::vector<std::string> saveFolders;
    std::vector<std::string> overwriteQuestions;
    std::string documents = "/home/someone/Documents/";
    int questions = 0;
    int copiesDeleted = 0;
    int resets = 0;
    int adoptions = 0;

    TVelkForm& applet() { return *applet_; }
    const std::vector<std::string>& messages() const { return messages_; }
    const std::vector<std::string>& recentDocuments() const { return recent_; }

    TVelkForm& currentApplet() override { return *applet_; }
    void adoptApplet(std::unique_ptr<TVelkForm> applet) override {
        ++adoptions;
        applet_ = std::move(applet);
    }
    Answer askSaveChanges() override {
        ++questions;
        return next(answers, Answer::Cancel);
    }
    bool confirmOverwriteProgramFile(const std::string& path) override {
        overwriteQuestions.push_back(path);
        return next(overwriteAnswers, false);
    }
    std::string chooseOpenPath(const std::string& folder) override {
        openFolders.push_back(folder);
        return next(openPaths, {});
    }
    std::string chooseSavePath(const std::string& folder) override {
        saveFolders.push_back(folder);
        return next(savePaths, {});
    }
    std::string documentsFolder() override { return documents; }
    TVelkForm& resetDocument() override {
        ++resets;
        applet_ = newDocumentApplet();
        return *applet_;
    }
    void deleteAppletCopies() override { ++copiesDeleted; }
    void addRecentDocument(const std::string& path) override {
        recent_.insert(recent_.begin(), path);
    }
    void showMessage(const std::string& text) override { messages_.push_back(text); }

  private:
    template <typename T>
    static T next(std::deque<T>& queue, T fallback) {
        if (queue.empty())
            return fallback;
        T value = queue.front();
        queue.pop_front();
        return value;
    }
    std::unique_ptr<TVelkForm> applet_ = newDocumentApplet();
    std::vector<std::string> messages_;
    std::vector<std::string> recent_;
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
        // Yes on an untitled applet turns into Save As; cancelling it stops.
        {true, LifecycleHost::Answer::Yes, false, 1},
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
        {true, LifecycleHost::Answer::Yes, "", false},  // Save As cancelled: the work stays
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
    // It holds what its file holds: nothing to save.
    EXPECT_FALSE(inner.applet().modified());

    lifecycle.reopen(programFolder + "gone.wdf");  // asks, then opens nothing
    EXPECT_EQ(inner.applet().documentPath(), path);
}

TEST_F(Lifecycle, ASaveThatWroteNothingStopsEveryCommand) {
    writeTemplate("Toolbar One.wdf", "Template");
    writeTemplate("other.wdf", "Other");
    DocumentLifecycle fromProgram(host, programFolder);
    const std::string other = programFolder + "other.wdf";
    struct Command {
        const char* name;
        std::function<void()> run;
    } commands[] = {
        {"new", [&] { fromProgram.newDocument(); }},
        {"open", [&] { fromProgram.open(); }},
        {"reopen", [&] { fromProgram.reopen(other); }},
        {"template", [&] { fromProgram.openTemplate(0); }},
        {"close", [&] { EXPECT_FALSE(fromProgram.close()); }},
    };
    // An untitled applet whose Save As is cancelled, and a titled one whose
    // folder does not exist.
    const std::string savedTo[] = {"", programFolder + "missing/mine.wdf"};
    for (const auto& command : commands) {
        for (const std::string& documentPath : savedTo) {
            inner.applet().setDocumentPath(documentPath);
            inner.applet().setModified(true);
            TVelkForm* before = &inner.applet();
            inner.answers = {LifecycleHost::Answer::Yes};
            inner.openPaths = {other};
            inner.savePaths = {};
            const int resets = inner.resets;
            const int deleted = inner.copiesDeleted;
            command.run();
            SCOPED_TRACE(std::string(command.name) + " " + documentPath);
            EXPECT_EQ(&inner.applet(), before);
            EXPECT_EQ(inner.adoptions, 0);
            EXPECT_EQ(inner.resets, resets);
            EXPECT_EQ(inner.copiesDeleted, deleted);
            EXPECT_TRUE(inner.applet().modified());
            EXPECT_EQ(inner.applet().documentPath(), documentPath);
        }
    }
}

TEST_F(Lifecycle, OnlyAWholeReadReplacesTheAppletAndEntersReopen) {
    writeTemplate("whole.wdf", "Whole");
    std::string text;
    {
        std::ifstream in(programFolder + "whole.wdf", std::ios::binary);
        text.assign(std::istreambuf_iterator<char>(in), {});
    }
    struct Case {
        const char* file;
        std::string content;
        bool replaces;
    } cases[] = {
        {"whole.wdf", text, true},
        {"cut.wdf", text.substr(0, text.size() / 2), false},
        {"cut-in-header.wdf", text.substr(0, 40), false},
        {"notes.wdf", "shopping list\r\nmilk\r\n", false},
        {"empty.wdf", "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string path = programFolder + c.file;
        std::ofstream(path, std::ios::binary) << c.content;
        inner.resetDocument();
        inner.applet().CreateMenuItem();
        inner.applet().statePanel(1, 0)->setItemName("Mine");
        inner.applet().setDocumentPath("/work/mine.wdf");
        inner.applet().setModified(false);
        TVelkForm* before = &inner.applet();
        const auto recent = inner.recentDocuments().size();
        const auto shown = inner.messages().size();

        EXPECT_EQ(lifecycle.openFile(path), c.replaces);
        if (c.replaces) {
            EXPECT_EQ(inner.applet().statePanel(1, 0)->itemName(), "Whole");
            EXPECT_EQ(inner.applet().documentPath(), path);
            ASSERT_EQ(inner.recentDocuments().size(), recent + 1);
            EXPECT_EQ(inner.recentDocuments().front(), path);
            continue;
        }
        EXPECT_EQ(&inner.applet(), before);
        EXPECT_EQ(inner.applet().buttonCount(), 1);
        EXPECT_EQ(inner.applet().statePanel(1, 0)->itemName(), "Mine");
        EXPECT_EQ(inner.applet().documentPath(), "/work/mine.wdf");
        EXPECT_FALSE(inner.applet().modified());
        EXPECT_EQ(inner.recentDocuments().size(), recent);
        EXPECT_GT(inner.messages().size(), shown);
        EXPECT_FALSE(updatingControls());
    }
}

TEST_F(Lifecycle, DialogsStartWhereTheUserWorks) {
    writeTemplate("mine.wdf", "Mine");
    fs::create_directories(folder / "work");
    writeTemplate("work/other.wdf", "Other");
    DocumentLifecycle fromProgram(host, programFolder);
    inner.applet().setModified(false);

    inner.openPaths = {programFolder + "work/other.wdf"};
    fromProgram.open();
    inner.applet().setModified(false);
    inner.openPaths = {""};
    fromProgram.open();
    EXPECT_EQ(inner.openFolders,
              (std::vector<std::string>{programFolder, programFolder + "work/"}));

    inner.applet().setDocumentPath("");
    fromProgram.saveAs();
    inner.applet().setDocumentPath("/data/bars/top.wdf");
    fromProgram.saveAs();
    EXPECT_EQ(inner.saveFolders, (std::vector<std::string>{inner.documents, "/data/bars/"}));
}

TEST_F(Lifecycle, SavingOverAProgramFileAsksFirst) {
    writeTemplate("Toolbar One.wdf", "Template");
    fs::create_directories(folder / "work");
    DocumentLifecycle fromProgram(host, programFolder);
    const std::string shipped = programFolder + "Toolbar One.wdf";
    const auto sizeBefore = fs::file_size(shipped);
    struct Case {
        std::string target;
        std::deque<bool> answers;
        bool asks;
        bool saved;
    } cases[] = {
        {shipped, {false}, true, false},
        {programFolder + "work/../Toolbar One.wdf", {false}, true, false},
        {shipped, {true}, true, true},
        {programFolder + "new.wdf", {}, false, true},  // not one of its files yet
        {programFolder + "work/mine.wdf", {}, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target);
        inner.resetDocument();
        for (int i = 0; i < 3; ++i) inner.applet().CreateMenuItem();
        inner.overwriteQuestions.clear();
        inner.overwriteAnswers = c.answers;
        inner.savePaths = {c.target};
        EXPECT_EQ(fromProgram.saveAs(), c.saved);
        EXPECT_EQ(inner.overwriteQuestions.size(), c.asks ? 1u : 0u);
        if (!c.saved) {
            EXPECT_EQ(fs::file_size(shipped), sizeBefore);
            EXPECT_EQ(inner.applet().documentPath(), "");
        }
    }
}

TEST_F(Lifecycle, AnOpenedDocumentIsUnsavedOnlyWhenItDiffersFromItsFile) {
    writeTemplate("current.wdf", "Current");
    const struct {
        std::string path;
        bool modified;
    } cases[] = {
        {programFolder + "current.wdf", false},
        // Saving the previous version's document would write other lines.
        {std::string(WENDLE_TEST_DATA) + "/version45.wdf", true},
        {std::string(WENDLE_TEST_DATA) + "/wendle2.wdf", true},
    };
    for (const auto& c : cases) {
        inner.applet().setModified(false);
        ASSERT_TRUE(lifecycle.openFile(c.path)) << c.path;
        EXPECT_EQ(inner.applet().modified(), c.modified) << c.path;
    }
}

}  // namespace
}  // namespace wendle::document
